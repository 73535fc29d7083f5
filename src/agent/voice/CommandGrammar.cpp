#include "agent/voice/CommandGrammar.h"

#include "agent/voice/VoicePattern.h"

#include <QStringList>

QString CommandGrammar(const CommandSet& set, const std::function<bool(const QString&)>& knownWord) {
    QStringList rules;
    QStringList names;
    for (const CharacterCommand& command : set.Commands) {
        const VoicePattern pattern(command.Voice);
        const QString expansion = pattern.Jsgf();
        if (expansion.isEmpty()) continue;
        if (knownWord) {
            const QStringList words = pattern.Words();
            if (!std::all_of(words.begin(), words.end(), knownWord)) continue;
        }
        const QString rule = QStringLiteral("c%1").arg(rules.size() + 1);
        rules << QStringLiteral("<%1> = %2;").arg(rule, expansion);
        names << QStringLiteral("<%1>").arg(rule);
    }
    if (rules.isEmpty()) return {};
    return QStringLiteral("#JSGF V1.0;\ngrammar commands;\npublic <command> = %1;\n%2\n")
        .arg(names.join(QStringLiteral(" | ")), rules.join(u'\n'));
}

QString MatchCommand(const CommandSet& set, const QString& heard) {
    const QStringList words = heard.toLower().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};
    for (const CharacterCommand& command : set.Commands)
        if (VoicePattern(command.Voice).Matches(words)) return command.Name;
    return {};
}

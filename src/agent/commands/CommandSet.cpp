#include "agent/commands/CommandSet.h"

CharacterCommand* CommandSet::Find(const QString& name) {
    const QString key = name.trimmed();
    for (CharacterCommand& command : Commands)
        if (command.Name.compare(key, Qt::CaseInsensitive) == 0) return &command;
    return nullptr;
}

const CharacterCommand* CommandSet::Find(const QString& name) const {
    return const_cast<CommandSet*>(this)->Find(name);
}

bool CommandSet::SetVisible(const QString& name, bool visible) {
    CharacterCommand* command = Find(name);
    if (!command) return false;
    command->Visible = visible;
    return true;
}

CommandSet CommandSet::Browser() {
    CommandSet set;
    set.Caption = QStringLiteral("Glisterwood 99 commands");
    set.Voice = QStringLiteral("...Glisterwood...");
    set.Commands = {
        {QStringLiteral("Read"), QStringLiteral("Read this page"), QStringLiteral("Read [this* page]")},
        {QStringLiteral("Tip"), QStringLiteral("Give me a tip"), QStringLiteral("[Give me a] Tip")},
        {QStringLiteral("Shut up"), QStringLiteral("Shut up"), QStringLiteral("(Shut up|Quiet)")},
        {QStringLiteral("Properties"), QStringLiteral("Properties..."), QStringLiteral("Properties")},
    };
    return set;
}

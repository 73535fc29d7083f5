#pragma once

#include <QList>
#include <QString>

// One entry of the character's command set: its menu caption and the words that say it aloud.
// In voice texts, [square brackets] mark optional words, (a|b) alternatives and "..." any words.
struct CharacterCommand {
    QString Name;
    QString Caption;
    QString Voice;
    bool Enabled = true;
    bool Visible = true;
};

struct CommandSet {
    QString Caption;
    QString Voice;
    QList<CharacterCommand> Commands;

    // Names match without regard to case or surrounding blanks ("read" finds "Read").
    CharacterCommand* Find(const QString& name);
    const CharacterCommand* Find(const QString& name) const;
    bool SetVisible(const QString& name, bool visible);

    // The browser's own commands, in their menu order.
    static CommandSet Browser();
};

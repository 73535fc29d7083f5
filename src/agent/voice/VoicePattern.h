#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// The words that say a command, as a small pattern: [square brackets] mark optional words,
// (a|b) alternatives and "..." any words. A word's trailing "*" and other punctuation are not
// part of it; case does not matter. Unbalanced brackets close at the end of the text.
class VoicePattern {
public:
    explicit VoicePattern(const QString& voiceText);

    // No words at all: nothing to say, nothing matches.
    bool Empty() const;
    // Every word the pattern can contain, lower-cased, once each.
    QStringList Words() const;
    // The pattern as a JSGF expansion. "Any words" has no sound of its own here, so it is left
    // out: a pattern of nothing but "any words" expands to "".
    QString Jsgf() const;
    // Whether the spoken words (lower-cased, in order) say this pattern.
    bool Matches(const QStringList& words) const;

    struct Node;

private:
    std::shared_ptr<const Node> root_;
};

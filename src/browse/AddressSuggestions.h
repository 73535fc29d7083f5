#pragma once

#include <QList>
#include <QString>

struct HistoryEntry;

// A page the address box offers while the user types.
struct Suggestion {
    QString address;
    QString title;
    bool bookmarked = false;
    int visits = 0;
    qint64 lastVisit = 0;
};

namespace AddressSuggestions {

// True when the typed text fits the page: its address (without scheme and "www.") starts with the
// text, or each typed word starts a word of its title or address.
bool Matches(const QString& typed, const QString& address, const QString& title);
// The pages best first: those whose address starts with the text before the others; within each,
// bookmarks first, then the most visited, then the latest. A page both bookmarked and visited is
// offered once.
QList<Suggestion> Rank(const QString& typed, const QList<HistoryEntry>& history,
                       const QList<Suggestion>& bookmarks, int limit);

} // namespace AddressSuggestions

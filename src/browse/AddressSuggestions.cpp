#include "browse/AddressSuggestions.h"

#include "browse/HistoryStore.h"

#include <QHash>
#include <algorithm>

namespace AddressSuggestions {
namespace {

QStringList wordsOf(const QString& text) {
    return HistoryStore::Words(text.toCaseFolded());
}

bool startsAddress(const QString& typed, const QString& address) {
    const QString key = HistoryStore::HostKey(typed);
    return !key.isEmpty() && HistoryStore::HostKey(address).startsWith(key);
}

} // namespace

bool Matches(const QString& typed, const QString& address, const QString& title) {
    if (startsAddress(typed, address)) return true;
    const QStringList wanted = wordsOf(HistoryStore::HostKey(typed)); // a typed scheme is no word
    if (wanted.isEmpty()) return false;
    const QStringList words = wordsOf(title) + wordsOf(address);
    return std::all_of(wanted.cbegin(), wanted.cend(), [&words](const QString& w) {
        return std::any_of(words.cbegin(), words.cend(),
                           [&w](const QString& word) { return word.startsWith(w); });
    });
}

QList<Suggestion> Rank(const QString& typed, const QList<HistoryEntry>& history,
                       const QList<Suggestion>& bookmarks, int limit) {
    QList<Suggestion> all;
    QHash<QString, int> at; // address -> index in all
    for (const Suggestion& bookmark : bookmarks) {
        if (bookmark.address.isEmpty() || at.contains(bookmark.address)) continue;
        at.insert(bookmark.address, int(all.size()));
        all.append(bookmark);
        all.last().bookmarked = true;
    }
    for (const HistoryEntry& entry : history) {
        if (const auto found = at.constFind(entry.address); found != at.cend()) {
            Suggestion& known = all[*found];
            known.visits = entry.visits;
            known.lastVisit = entry.lastVisit;
            if (known.title.isEmpty()) known.title = entry.title;
            continue;
        }
        at.insert(entry.address, int(all.size()));
        all.append({entry.address, entry.title, false, entry.visits, entry.lastVisit});
    }
    auto better = [&typed](const Suggestion& a, const Suggestion& b) {
        const bool aStarts = startsAddress(typed, a.address);
        const bool bStarts = startsAddress(typed, b.address);
        if (aStarts != bStarts) return aStarts;
        if (a.bookmarked != b.bookmarked) return a.bookmarked;
        if (a.visits != b.visits) return a.visits > b.visits;
        return a.lastVisit > b.lastVisit;
    };
    std::stable_sort(all.begin(), all.end(), better);
    if (all.size() > limit) all.resize(std::max(0, limit));
    return all;
}

} // namespace AddressSuggestions

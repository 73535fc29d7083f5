#pragma once

#include "browse/SavedPage.h"

#include <QList>

// The pages closed last, newest first, for Ctrl+Shift+T; the oldest drop out beyond kKept.
class ClosedPages {
public:
    static constexpr int kKept = 10;

    void Push(const SavedPage& page, qint64 closedAt);
    // The page closed last, taken off the list; an empty page when there is none.
    SavedPage Pop();
    // Forgets the pages closed at or after the moment (the history of that time was cleared).
    void ForgetSince(qint64 since);
    int Count() const { return int(pages_.size()); }

private:
    struct Closed {
        SavedPage page;
        qint64 at = 0;
    };
    QList<Closed> pages_; // newest first
};

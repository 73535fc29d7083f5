#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A page as it is kept for later: where it was, its title, and its back and forward list in the
// engine's own form (empty where the engine gave none).
struct SavedPage {
    QString address;
    QString title;
    QByteArray history;

    bool operator==(const SavedPage&) const = default;
};

// The pages open in the window, in the order of their tabs, and the one in front.
struct Session {
    QList<SavedPage> pages;
    int current = 0; // index into pages
};

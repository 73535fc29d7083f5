#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// One bookmark as BookMark.gwb holds it.
struct BookmarkRecord {
    QString Name;
    QString Address;
    int Icon = 0;
    bool HasIcon = true; // false: the list holds no icon number, and the icon line stays empty

    friend bool operator==(const BookmarkRecord&, const BookmarkRecord&) = default;
};

enum class BookmarkLoadStatus {
    Ok,
    Unreadable,     // missing or cannot be read
    BadHeader,      // also an empty file
    CutShort,       // the file ends inside a record
    NumberTooLarge, // an icon number beyond 16 bits
};

struct BookmarkLoad {
    QList<BookmarkRecord> Records; // on a failure, the records read before it
    BookmarkLoadStatus Status = BookmarkLoadStatus::Ok;
};

inline constexpr char kBookmarkHeader[] = "Glisterwood 97 Bookmarks";

// The leading decimal number of an icon line ("12abc" is 12, "" and "abc" are 0), rounded to the
// nearest integer with halves to even; nothing when that does not fit in 16 bits.
std::optional<int> IconFromText(QByteArrayView text);

BookmarkLoad ParseBookmarks(QByteArrayView bytes);
BookmarkLoad LoadBookmarkFile(const QString& path);

// Line breaks inside a name or address become spaces: the file is line-structured, and one stray
// break would shift every later record by a line.
QByteArray FormatBookmarks(const QList<BookmarkRecord>& records);
// Replaces the file in one step, so a failed or interrupted save leaves the old file whole.
bool SaveBookmarkFile(const QString& path, const QList<BookmarkRecord>& records);

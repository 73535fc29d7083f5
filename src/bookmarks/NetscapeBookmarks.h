#pragma once

#include "bookmarks/BookmarkFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

// The bookmark file that browsers export and import ("<!DOCTYPE NETSCAPE-Bookmark-file-1>").

struct NetscapeImport {
    QList<BookmarkRecord> Bookmarks; // folders flattened, in file order, each with icon 1
    int Duplicates = 0;              // skipped: known already, or earlier in the same file
    QString Problem;                 // "" when the whole file was read as a bookmark file
};

inline constexpr qsizetype kNetscapeMaxBytes = 64 * 1024 * 1024;

// Addresses in knownAddresses are skipped, so importing the same file twice adds nothing.
NetscapeImport ParseNetscapeBookmarks(QByteArrayView html, const QSet<QString>& knownAddresses);
NetscapeImport ImportNetscapeFile(const QString& path, const QSet<QString>& knownAddresses);

QByteArray FormatNetscapeBookmarks(const QList<BookmarkRecord>& bookmarks);
bool ExportNetscapeFile(const QString& path, const QList<BookmarkRecord>& bookmarks);

QString DecodeHtmlEntities(QStringView text);
QString EscapeHtml(QStringView text);

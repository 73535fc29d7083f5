#pragma once

#include "bookmarks/BookmarkFile.h"

#include <QList>

class QMimeData;

// Bookmarks on the clipboard, as other programs read them: the address as plain text, a link
// with the title as its text for rich-text editors, and the address as a URL for file managers and
// browsers. And back: the links in what another program put there.
QMimeData* BookmarkMimeData(const QList<BookmarkRecord>& bookmarks);
// Each link once, titled by the text of its link where there is one, else by its address. Plain
// text counts only when each of its lines is an address.
QList<BookmarkRecord> BookmarksFromMimeData(const QMimeData& data);

// Two addresses that name the same page: the same once case of scheme and host, a slash at the
// end and dots in the path no longer differ.
bool SameAddress(const QString& a, const QString& b);

#include "bookmarks/BookmarkClipboard.h"

#include <QUrl>

namespace {

// The page an address names, for comparing: what a browser would load.
QUrl normalised(const QString& address) {
    QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid()) return {};
    url = url.adjusted(QUrl::NormalizePathSegments | QUrl::StripTrailingSlash);
    if (url.path().isEmpty() && !url.host().isEmpty())
        url.setPath(QStringLiteral("/")); // a site's front page
    return url;
}

} // namespace

bool SameAddress(const QString& a, const QString& b) {
    if (a.trimmed() == b.trimmed()) return true;
    const QUrl left = normalised(a), right = normalised(b);
    return left.isValid() && left == right;
}

#include "bookmarks/BookmarkClipboard.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QTextDocumentFragment>
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

// An address worth a bookmark: one with a scheme a browser opens, or a "www." name.
QUrl addressIn(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QRegularExpression(QStringLiteral("\\s")))) return {};
    static const QRegularExpression scheme(QStringLiteral("^(https?|ftp|file|mailto):"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (scheme.match(trimmed).hasMatch()) {
        const QUrl url(trimmed, QUrl::StrictMode);
        return url.isValid() ? url : QUrl();
    }
    if (trimmed.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) return QUrl::fromUserInput(trimmed);
    return {};
}

} // namespace

QMimeData* BookmarkMimeData(const QList<BookmarkRecord>& bookmarks) {
    auto* data = new QMimeData;
    QStringList addresses, links;
    QList<QUrl> urls;
    for (const BookmarkRecord& bookmark : bookmarks) {
        addresses << bookmark.Address;
        const QString title = bookmark.Name.isEmpty() ? bookmark.Address : bookmark.Name;
        links << QStringLiteral("<a href=\"%1\">%2</a>")
                     .arg(bookmark.Address.toHtmlEscaped(), title.toHtmlEscaped());
        if (const QUrl url = QUrl::fromUserInput(bookmark.Address); url.isValid()) urls << url;
    }
    data->setText(addresses.join(QLatin1Char('\n')));
    data->setHtml(links.join(QStringLiteral("<br>\n")));
    if (!urls.isEmpty()) data->setUrls(urls);
    return data;
}

QList<BookmarkRecord> BookmarksFromMimeData(const QMimeData& data) {
    // The titles that rich text gives its links.
    QList<std::pair<QUrl, QString>> titled;
    if (data.hasHtml()) {
        static const QRegularExpression link(
            QStringLiteral(R"re(<a\s[^>]*?href\s*=\s*(?:"([^"]*)"|'([^']*)')[^>]*>(.*?)</a\s*>)re"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
        for (auto it = link.globalMatch(data.html()); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString href = QTextDocumentFragment::fromHtml(m.captured(1) + m.captured(2)).toPlainText();
            const QString text = QTextDocumentFragment::fromHtml(m.captured(3)).toPlainText().simplified();
            titled.append({normalised(href), text});
        }
    }
    QList<QUrl> found;
    for (const QUrl& url : data.urls())
        if (url.isValid() && !url.scheme().isEmpty()) found << url;
    if (found.isEmpty()) {
        for (const auto& [url, text] : titled)
            if (addressIn(url.toString()).isValid()) found << url;
    }
    if (found.isEmpty() && data.hasText()) {
        for (const QString& line : data.text().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QUrl url = addressIn(line);
            if (!url.isValid()) return {}; // words, not addresses
            found << url;
        }
    }

    QList<BookmarkRecord> out;
    for (const QUrl& url : found) {
        const QString address = url.toString();
        if (std::any_of(out.begin(), out.end(),
                        [&address](const BookmarkRecord& b) { return SameAddress(b.Address, address); }))
            continue;
        QString title;
        for (const auto& [link, text] : titled)
            if (link == normalised(address) && !text.isEmpty()) title = text;
        out.append({title.isEmpty() ? address : title, address, 1, true});
    }
    return out;
}

bool SameAddress(const QString& a, const QString& b) {
    if (a.trimmed() == b.trimmed()) return true;
    const QUrl left = normalised(a), right = normalised(b);
    return left.isValid() && left == right;
}

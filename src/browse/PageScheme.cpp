#include "browse/PageScheme.h"

#include "browse/AddressInput.h"

#include <QBuffer>
#include <QFile>
#include <QMimeDatabase>
#include <QUrlQuery>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

void PageSchemeHandler::RegisterScheme() {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme |
                    QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void PageSchemeHandler::InstallOn(QWebEngineProfile* profile) {
    if (!profile->urlSchemeHandler(kScheme))
        profile->installUrlSchemeHandler(kScheme, new PageSchemeHandler(profile));
}

QString PageSchemeHandler::ResourcePath(const QUrl& url) {
    QString path = url.path(QUrl::FullyDecoded);
    if (path.isEmpty() || path == QLatin1String("/")) path = QStringLiteral("/welcome.html");
    // Only files of the pages folder, never anything above it.
    if (url.host() != QLatin1String("pages") || path.contains(QLatin1String("..")) ||
        path.contains(QLatin1Char('\\')))
        return QString();
    return QStringLiteral(":/pages") + path;
}

void PageSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QUrl url = job->requestUrl();
    if (url.host() == QLatin1String("pages") && url.path() == QLatin1String(kNotAnAddressPath)) {
        auto* page = new QBuffer(job);
        page->setData(AddressInput::ProblemPage(
                          QUrlQuery(url).queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded))
                          .toUtf8());
        page->open(QIODevice::ReadOnly);
        job->reply("text/html;charset=utf-8", page);
        return;
    }
    const QString resource = ResourcePath(url);
    if (resource.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* file = new QFile(resource, job);
    if (!file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    QByteArray mime =
        QMimeDatabase().mimeTypeForFile(resource, QMimeDatabase::MatchExtension).name().toLatin1();
    if (mime.startsWith("text/")) mime += ";charset=utf-8";
    job->reply(mime, file);
}

QUrl PageSchemeHandler::NotAnAddressPage(const QString& text) {
    QUrl url(QStringLiteral("%1://pages%2").arg(QLatin1String(kScheme), QLatin1String(kNotAnAddressPath)));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("text"), QString(text.left(500))
                                                   .replace(QLatin1Char('%'), QStringLiteral("%25"))
                                                   .replace(QLatin1Char('&'), QStringLiteral("%26"))
                                                   .replace(QLatin1Char('+'), QStringLiteral("%2B"))
                                                   .replace(QLatin1Char('#'), QStringLiteral("%23")));
    url.setQuery(query);
    return url;
}

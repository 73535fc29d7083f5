#include "browse/PageScheme.h"

#include <QBuffer>
#include <QFile>
#include <QMimeDatabase>
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

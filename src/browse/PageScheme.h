#pragma once

#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// The program's own pages (welcome, help, tell-a-friend, more music) are served from its resources
// as glisterwood://pages/<file>, so they work without any network.
class PageSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override;

    static constexpr const char* kScheme = "glisterwood";
    static constexpr const char* kNotAnAddressPath = "/not-an-address";
    // The page that tells the user a typed text cannot be an address.
    static QUrl NotAnAddressPage(const QString& text);
    // Must run before the application object is created.
    static void RegisterScheme();
    static void InstallOn(QWebEngineProfile* profile);
    // The resource that serves an address, or "" for an address this scheme does not serve.
    static QString ResourcePath(const QUrl& url);
};

#pragma once

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
    // Must run before the application object is created.
    static void RegisterScheme();
    static void InstallOn(QWebEngineProfile* profile);
    // The resource that serves an address, or "" for an address this scheme does not serve.
    static QString ResourcePath(const QUrl& url);
};

#pragma once

#include "browse/BrowserControl.h"

#include <QPointer>
#include <QWebEnginePage>
#include <memory>

class QPrinter;

class QWebEngineProfile;
class QWebEngineView;
class WebEngineBrowser;
class FullScreenWindow;
class PageDialogs;

// The engine's page, handing navigation and window requests to its control.
class EnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    EnginePage(QWebEngineProfile* profile, WebEngineBrowser* owner);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override;
    void javaScriptAlert(const QUrl& origin, const QString& text) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& text) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& text, const QString& initial,
                          QString* result) override;

private:
    WebEngineBrowser* owner_;
};

// A browser page on Qt WebEngine, raising the window's navigation events from the engine's signals.
class WebEngineBrowser : public BrowserControl {
    Q_OBJECT
public:
    WebEngineBrowser(QWebEngineProfile* profile, QWidget* parent);
    ~WebEngineBrowser() override;

    QWidget* View() override;
    void Navigate(const QString& address) override;
    void GoBack() override;
    void GoForward() override;
    void Stop() override;
    void Refresh() override;
    QString LocationURL() const override;
    QString LocationName() const override;
    bool Busy() const override { return loading_; }
    bool Alive() const override { return alive_; }
    bool Crashed() const override { return crashed_; }
    void RequestClose() override;
    bool DialogOpen() const override;
    void Dispose() override;
    void RunScript(const QString& script, ScriptCallback callback) override;
    void FindText(const QString& text, bool backward, std::function<void(int)> done) override;
    void Print(QWidget* dialogParent) override;
    // Prints the page on a printer already set up; PrintFinished tells how it went.
    void PrintTo(std::unique_ptr<QPrinter> printer);
    void SetZoom(double factor) override;
    double Zoom() const override;
    bool CanEdit(EditCommand command) const override;
    void Edit(EditCommand command) override;

    EnginePage* Page() const { return page_; }

signals:
    void PrintFinished(bool ok);

public:
    // Called by the page.
    bool OnNavigationRequest(const QUrl& url, bool isMainFrame);
    QWebEnginePage* OnCreateWindow();
    void OnPopupBlocked();
    PageDialogs& Dialogs() { return *dialogs_; }
    // A page dialog returned: a page closed meanwhile goes now.
    void OnDialogReturned();
    // The user chose to stay on a page that was asked to close.
    void OnLeaveRefused();

    // The address the engine would load for what a user typed.
    static QUrl UrlFromUserInput(const QString& text);

private:
    void onLoadFinished(bool ok);
    void onBackForwardChanged();
    void onFullScreenRequested(class QWebEngineFullScreenRequest request);
    // A link for another program: the user is asked first.
    void askForExternal(const QUrl& url);

    QWebEngineView* view_ = nullptr;
    EnginePage* page_ = nullptr;
    bool loading_ = false;
    bool alive_ = true;
    bool crashed_ = false;
    bool closeRequested_ = false;
    bool disposeAfterDialog_ = false;
    bool openedAsPopup_ = false; // made for a page's window request
    bool showedAnything_ = false;
    bool askingExternal_ = false;
    PageDialogs* dialogs_ = nullptr;
    bool dying_ = false;
    int navigationsInLoad_ = 0; // started since the last finished load
    QString lastStatusText_;
    bool canGoBack_ = false;
    bool canGoForward_ = false;
    QPointer<FullScreenWindow> fullScreen_;
    std::unique_ptr<QPrinter> printer_;
};

// Creates pages that share one profile, with the program's own page scheme, downloads and
// permission questions.
class WebEngineBrowserFactory : public BrowserFactory {
public:
    // An off-the-record profile keeps nothing on disk (tests, benchmarks).
    explicit WebEngineBrowserFactory(bool offTheRecord = false, QWidget* dialogParent = nullptr);
    ~WebEngineBrowserFactory() override;
    BrowserControl* Create(QWidget* parent) override;
    void SetDialogParent(QWidget* parent);
    // The downloads of these pages; null before the first page.
    class Downloads* Saving() const {
        return downloads_;
    }

    // Whether the engine's helper process is installed; without it no page can be shown.
    static bool EngineInstalled();

private:
    bool startEngine();

    bool offTheRecord_;
    QWidget* dialogParent_;
    QWebEngineProfile* profile_ = nullptr;
    class Downloads* downloads_ = nullptr;
};

#include "browse/WebEngineBrowser.h"

#include "browse/Downloads.h"
#include "browse/FullScreenWindow.h"
#include "browse/PageScheme.h"
#include "browse/WebPermissions.h"

#include <QAction>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineFindTextResult>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

EnginePage::EnginePage(QWebEngineProfile* profile, WebEngineBrowser* owner)
    : QWebEnginePage(profile, owner)
    , owner_(owner) {}

bool EnginePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    owner_->OnNavigationRequest(url, isMainFrame);
    return true;
}

QWebEnginePage* EnginePage::createWindow(WebWindowType) {
    return owner_->OnCreateWindow();
}

WebEngineBrowser::WebEngineBrowser(QWebEngineProfile* profile, QWidget* parent)
    : BrowserControl(parent) {
    view_ = new QWebEngineView(parent);
    page_ = new EnginePage(profile, this);
    view_->setPage(page_);
    page_->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    page_->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, true);

    connect(page_, &QWebEnginePage::loadStarted, this, [this] { loading_ = true; });
    connect(page_, &QWebEnginePage::loadProgress, this, [this](int p) { emit ProgressChange(p, 100); });
    connect(page_, &QWebEnginePage::loadFinished, this, &WebEngineBrowser::onLoadFinished);
    connect(page_, &QWebEnginePage::urlChanged, this,
            [this](const QUrl& url) { emit NavigateComplete2(url.toString()); });
    connect(page_, &QWebEnginePage::titleChanged, this, &BrowserControl::TitleChange);
    connect(page_, &QWebEnginePage::linkHovered, this, [this](const QString& text) {
        // The engine also sends an empty text at every load start; pass only real changes.
        if (text == lastStatusText_) return;
        lastStatusText_ = text;
        emit StatusTextChange(text);
    });
    // The history has no signals of its own; the actions' enabled state follows it.
    connect(page_->action(QWebEnginePage::Back), &QAction::changed, this,
            &WebEngineBrowser::onBackForwardChanged);
    connect(page_->action(QWebEnginePage::Forward), &QAction::changed, this,
            &WebEngineBrowser::onBackForwardChanged);
    connect(page_, &QWebEnginePage::windowCloseRequested, this, [this] {
        emit OnQuit();
        alive_ = false; // closed by its own script: cleaned up at the next tick
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus, int) { alive_ = false; });
    connect(page_, &QWebEnginePage::fullScreenRequested, this, &WebEngineBrowser::onFullScreenRequested);
    WebPermissions::Attach(page_, view_);
}

WebEngineBrowser::~WebEngineBrowser() {
    dying_ = true;
    delete fullScreen_;
    // The view shows the page; take the page away first so neither outlives the other badly.
    view_->setPage(nullptr);
    delete page_;
    delete view_;
}

QWidget* WebEngineBrowser::View() {
    return view_;
}

QUrl WebEngineBrowser::UrlFromUserInput(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return QUrl(QStringLiteral("about:blank"));
    return QUrl::fromUserInput(trimmed);
}

void WebEngineBrowser::Navigate(const QString& address) {
    page_->load(UrlFromUserInput(address));
}
void WebEngineBrowser::GoBack() {
    page_->triggerAction(QWebEnginePage::Back);
}
void WebEngineBrowser::GoForward() {
    page_->triggerAction(QWebEnginePage::Forward);
}
void WebEngineBrowser::Stop() {
    page_->triggerAction(QWebEnginePage::Stop);
}
void WebEngineBrowser::Refresh() {
    page_->triggerAction(QWebEnginePage::Reload);
}
QString WebEngineBrowser::LocationURL() const {
    return page_->url().toString();
}
QString WebEngineBrowser::LocationName() const {
    return page_->title();
}

void WebEngineBrowser::RunScript(const QString& script, ScriptCallback callback) {
    // The application world keeps the page's own scripts from tampering with our reads. A page
    // that is being destroyed answers every open request; those answers go nowhere.
    QPointer<WebEngineBrowser> self(this);
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                         [self, callback = std::move(callback)](const QVariant& v) {
                             if (self && !self->dying_ && callback) callback(v);
                         });
}

void WebEngineBrowser::FindText(const QString& text, bool backward, std::function<void(int)> done) {
    QWebEnginePage::FindFlags flags;
    if (backward) flags |= QWebEnginePage::FindBackward;
    QPointer<WebEngineBrowser> self(this);
    page_->findText(text, flags, [self, done = std::move(done)](const QWebEngineFindTextResult& result) {
        if (self && !self->dying_ && done) done(result.numberOfMatches());
    });
}

void WebEngineBrowser::Print(QWidget* dialogParent) {
    if (printer_) return; // still printing the last time
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), dialogParent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) return;
    connect(
        this, &WebEngineBrowser::PrintFinished, view_,
        [this](bool ok) {
            if (!ok)
                QMessageBox::warning(view_, QStringLiteral("Print"),
                                     QStringLiteral("The page could not be printed."));
        },
        Qt::SingleShotConnection);
    PrintTo(std::move(printer));
}

void WebEngineBrowser::PrintTo(std::unique_ptr<QPrinter> printer) {
    // The printer must live until the engine reports that printing is finished.
    printer_ = std::move(printer);
    connect(
        view_, &QWebEngineView::printFinished, this,
        [this](bool ok) {
            printer_.reset();
            emit PrintFinished(ok);
        },
        Qt::SingleShotConnection);
    view_->print(printer_.get());
}

void WebEngineBrowser::SetZoom(double factor) {
    view_->setZoomFactor(factor);
}
double WebEngineBrowser::Zoom() const {
    return view_->zoomFactor();
}

void WebEngineBrowser::OnNavigationRequest(const QUrl& url, bool isMainFrame) {
    ++navigationsInLoad_;
    // The engine does not tell a frame's name; any non-empty name marks a frame navigation.
    emit BeforeNavigate2(url.toString(), 0, isMainFrame ? QString() : QStringLiteral("_frame"), QByteArray(),
                         QString());
    if (!isMainFrame && !loading_) {
        // A frame navigating on its own, after the page has loaded: no page load will end it.
        QTimer::singleShot(0, this, [this] {
            if (!loading_ && navigationsInLoad_ > 0) {
                --navigationsInLoad_;
                emit ProgressChange(-1, 100);
            }
        });
    }
}

QWebEnginePage* WebEngineBrowser::OnCreateWindow() {
    BrowserControl* target = nullptr;
    emit NewWindow2(&target);
    auto* browser = qobject_cast<WebEngineBrowser*>(target);
    return browser ? browser->Page() : nullptr;
}

void WebEngineBrowser::onLoadFinished(bool ok) {
    loading_ = false;
    // A link that turned into a download, or a load that was stopped, ends on the address the page
    // already had; say so, so that the address box shows where the page really is.
    if (!ok) emit NavigateComplete2(LocationURL());
    emit DocumentComplete(LocationURL());
    // One finished download for every navigation this load carried (the page and its frames).
    const int finished = std::max(1, navigationsInLoad_);
    navigationsInLoad_ = 0;
    for (int i = 0; i < finished; ++i)
        emit ProgressChange(-1, 100);
}

void WebEngineBrowser::onBackForwardChanged() {
    const bool back = page_->action(QWebEnginePage::Back)->isEnabled();
    const bool forward = page_->action(QWebEnginePage::Forward)->isEnabled();
    if (back != canGoBack_) {
        canGoBack_ = back;
        emit CommandStateChange(CommandBack, back);
    }
    if (forward != canGoForward_) {
        canGoForward_ = forward;
        emit CommandStateChange(CommandForward, forward);
    }
}

void WebEngineBrowser::onFullScreenRequested(QWebEngineFullScreenRequest request) {
    if (request.toggleOn()) {
        if (fullScreen_) return request.reject();
        request.accept();
        fullScreen_ = new FullScreenWindow(page_, view_);
    } else {
        if (!fullScreen_) return request.reject();
        request.accept();
        delete fullScreen_;
    }
}

WebEngineBrowserFactory::WebEngineBrowserFactory(bool offTheRecord, QWidget* dialogParent)
    : offTheRecord_(offTheRecord)
    , dialogParent_(dialogParent) {}

bool WebEngineBrowserFactory::startEngine() {
    if (profile_) return true;
    // Without its helper process the engine would end the whole program at its first use; no page
    // can be made then, and start-up tells the user.
    if (!EngineInstalled()) return false;
    // The engine starts with the first page, after the splash is up.
    profile_ =
        offTheRecord_ ? new QWebEngineProfile() : new QWebEngineProfile(QStringLiteral("Glisterwood99"));
    PageSchemeHandler::InstallOn(profile_);
    downloads_ = new Downloads(profile_, dialogParent_);
    return true;
}

WebEngineBrowserFactory::~WebEngineBrowserFactory() {
    delete downloads_;
    delete profile_;
}

void WebEngineBrowserFactory::SetDialogParent(QWidget* parent) {
    dialogParent_ = parent;
    if (downloads_) downloads_->SetDialogParent(parent);
}

bool WebEngineBrowserFactory::EngineInstalled() {
    const QByteArray custom = qgetenv("QTWEBENGINEPROCESS_PATH");
    if (!custom.isEmpty()) return QFileInfo(QString::fromLocal8Bit(custom)).isExecutable();
    return QFileInfo(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                     QStringLiteral("/QtWebEngineProcess"))
        .isExecutable();
}

BrowserControl* WebEngineBrowserFactory::Create(QWidget* parent) {
    if (!startEngine()) return nullptr;
    return new WebEngineBrowser(profile_, parent);
}

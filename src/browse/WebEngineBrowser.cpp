#include "browse/WebEngineBrowser.h"

#include "browse/AddressInput.h"
#include "browse/Downloads.h"
#include "browse/ExternalLinks.h"
#include "browse/FreedMemory.h"
#include "browse/FullScreenWindow.h"
#include "browse/PageDialogs.h"
#include "browse/PageScheme.h"
#include "browse/WebPermissions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
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
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
// What the page's console says when its window.open was refused for want of a click.
const QString kPopupBlockedMark = QStringLiteral("\u2063glisterwood:popup-blocked");

// Runs in every page before its own scripts: tells when a window it opens is refused. A window
// opened with "noopener" gives no handle back even when it opens, so it is not counted.
const QString kPopupWatchScript =
    QStringLiteral(
        "(function(){var open=window.open;if(!open)return;"
        "window.open=function(url,name,features){var w=open.apply(this,arguments);"
        "if(!w&&!/noopener|noreferrer/i.test(String(features||'')))console.info('%1');return w;};})();")
        .arg(kPopupBlockedMark);

// The engine's own text of the question before a page is left (its beforeunload).
QString leaveQuestionText() {
    return QCoreApplication::translate(
        "QWebEnginePage",
        "Are you sure you want to leave this page? Changes that you made may not be saved.");
}
} // namespace

EnginePage::EnginePage(QWebEngineProfile* profile, WebEngineBrowser* owner)
    : QWebEnginePage(profile, owner)
    , owner_(owner) {}

bool EnginePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    return owner_->OnNavigationRequest(url, isMainFrame);
}

QWebEnginePage* EnginePage::createWindow(WebWindowType) {
    return owner_->OnCreateWindow();
}

void EnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                          const QString&) {
    if (message == kPopupBlockedMark) owner_->OnPopupBlocked();
}

void EnginePage::javaScriptAlert(const QUrl& origin, const QString& text) {
    owner_->Dialogs().Alert(origin, text);
    owner_->OnDialogReturned();
}

bool EnginePage::javaScriptConfirm(const QUrl& origin, const QString& text) {
    // The engine asks its beforeunload question through the confirm dialog.
    const bool leave = text == leaveQuestionText();
    const bool yes = leave ? owner_->Dialogs().LeaveSite(origin) : owner_->Dialogs().Confirm(origin, text);
    owner_->OnDialogReturned();
    if (leave && !yes) owner_->OnLeaveRefused();
    return yes;
}

bool EnginePage::javaScriptPrompt(const QUrl& origin, const QString& text, const QString& initial,
                                  QString* result) {
    const bool ok = owner_->Dialogs().Prompt(origin, text, initial, result);
    owner_->OnDialogReturned();
    return ok;
}

WebEngineBrowser::WebEngineBrowser(QWebEngineProfile* profile, QWidget* parent)
    : BrowserControl(parent) {
    view_ = new QWebEngineView(parent);
    page_ = new EnginePage(profile, this);
    view_->setPage(page_);
    page_->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    page_->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, true);
    // A script opens a window only right after a click or a key press.
    page_->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    QWebEngineScript popupWatch;
    popupWatch.setName(QStringLiteral("popup-watch"));
    popupWatch.setSourceCode(kPopupWatchScript);
    popupWatch.setInjectionPoint(QWebEngineScript::DocumentCreation);
    popupWatch.setWorldId(QWebEngineScript::MainWorld);
    popupWatch.setRunsOnSubFrames(true);
    page_->scripts().insert(popupWatch);
    dialogs_ = new PageDialogs(view_);

    connect(page_, &QWebEnginePage::loadStarted, this, [this] { loading_ = true; });
    connect(page_, &QWebEnginePage::loadProgress, this, [this](int p) { emit ProgressChange(p, 100); });
    connect(page_, &QWebEnginePage::loadFinished, this, &WebEngineBrowser::onLoadFinished);
    connect(page_, &QWebEnginePage::urlChanged, this,
            [this](const QUrl& url) { emit NavigateComplete2(url.toString()); });
    connect(page_, &QWebEnginePage::titleChanged, this, &BrowserControl::TitleChange);
    connect(page_, &QWebEnginePage::iconChanged, this, &BrowserControl::IconChange);
    connect(page_, &QWebEnginePage::linkHovered, this, [this](const QString& text) {
        // The engine also sends an empty text at every load start; pass only real changes.
        if (text == lastStatusText_) return;
        lastStatusText_ = text;
        emit StatusTextChange(text);
    });
    // The engine keeps its editing actions enabled as the selection and the focus allow.
    for (QWebEnginePage::WebAction edit : {QWebEnginePage::Cut, QWebEnginePage::Copy, QWebEnginePage::Paste})
        connect(page_->action(edit), &QAction::changed, this, &BrowserControl::EditStateChanged);
    // The history has no signals of its own; the actions' enabled state follows it.
    connect(page_->action(QWebEnginePage::Back), &QAction::changed, this,
            &WebEngineBrowser::onBackForwardChanged);
    connect(page_->action(QWebEnginePage::Forward), &QAction::changed, this,
            &WebEngineBrowser::onBackForwardChanged);
    connect(page_, &QWebEnginePage::windowCloseRequested, this, [this] {
        if (closeRequested_) {
            closeRequested_ = false;
            emit CloseAnswered(true); // the page's beforeunload let it go
            return;
        }
        emit OnQuit();
        alive_ = false; // closed by its own script: cleaned up at the next tick
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                alive_ = false;
                crashed_ = status != QWebEnginePage::NormalTerminationStatus;
                if (closeRequested_) {
                    closeRequested_ = false;
                    emit CloseAnswered(true);
                }
            });
    connect(page_, &QWebEnginePage::fullScreenRequested, this, &WebEngineBrowser::onFullScreenRequested);
    WebPermissions::Attach(page_, view_);
}

WebEngineBrowser::~WebEngineBrowser() {
    dying_ = true;
    dialogs_->CloseAll();
    delete fullScreen_;
    // The view shows the page; take the page away first so neither outlives the other badly.
    view_->setPage(nullptr);
    delete page_;
    delete view_;
    FreedMemory::ReleaseSoon();
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
    dialogs_->Unsilence(); // the user chose where to go: a new page may speak again
    const AddressInput input = AddressInput::Classify(address);
    switch (input.kind) {
    case AddressInput::Blank:
        page_->load(QUrl(QStringLiteral("about:blank")));
        break;
    case AddressInput::TooLong:
    case AddressInput::NotAnAddress:
        page_->load(PageSchemeHandler::NotAnAddressPage(address));
        break;
    case AddressInput::Address:
        page_->load(input.url);
        break;
    }
}

void WebEngineBrowser::RequestClose() {
    if (!alive_) {
        emit CloseAnswered(true);
        return;
    }
    closeRequested_ = true;
    page_->triggerAction(QWebEnginePage::RequestClose);
}

bool WebEngineBrowser::DialogOpen() const {
    return dialogs_->Open() || askingExternal_;
}

void WebEngineBrowser::Dispose() {
    // A dialog of this page runs its own event loop inside the engine's call; the page may go
    // only once that call has returned.
    if (dialogs_->Open()) {
        disposeAfterDialog_ = true;
        dialogs_->CloseAll();
        return;
    }
    deleteLater();
}

void WebEngineBrowser::OnDialogReturned() {
    if (disposeAfterDialog_ && !dialogs_->Open()) {
        disposeAfterDialog_ = false;
        deleteLater();
    }
}

void WebEngineBrowser::OnLeaveRefused() {
    if (!closeRequested_) return;
    closeRequested_ = false;
    emit CloseAnswered(false);
}

void WebEngineBrowser::OnPopupBlocked() {
    emit Notice(QStringLiteral("Pop-up blocked"));
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
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        // The engine's own PDF keeps the text as text, and the file small.
        const QString file = printer->outputFileName();
        connect(
            page_, &QWebEnginePage::pdfPrintingFinished, this,
            [this](const QString& path, bool ok) {
                if (ok) emit Notice(QStringLiteral("Printed to %1").arg(QDir::toNativeSeparators(path)));
                emit PrintFinished(ok);
            },
            Qt::SingleShotConnection);
        page_->printToPdf(file, printer->pageLayout());
        return;
    }
    // The printer must live until the engine reports that printing is finished.
    printer_ = std::move(printer);
    connect(
        view_, &QWebEngineView::printFinished, this,
        [this](bool ok) {
            printer_.reset();
            if (ok) emit Notice(QStringLiteral("The page was sent to the printer."));
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

bool WebEngineBrowser::OnNavigationRequest(const QUrl& url, bool isMainFrame) {
    if (!ExternalLinks::IsEngineScheme(url.scheme())) {
        // Another program's link: nothing loads here. A frame may not even ask.
        if (isMainFrame) askForExternal(url);
        // A window opened only for such a link would stay empty: it goes.
        if (openedAsPopup_ && !showedAnything_) alive_ = false;
        return false;
    }
    if (isMainFrame) showedAnything_ = true;
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
    return true;
}

void WebEngineBrowser::askForExternal(const QUrl& url) {
    if (askingExternal_) return; // one question at a time: a page cannot flood the user
    askingExternal_ = true;
    QPointer<WebEngineBrowser> self(this);
    ExternalLinks::Ask(view_->window(), url, [self, url](bool yes) {
        if (self) self->askingExternal_ = false;
        if (yes && !ExternalLinks::OpenWithDesktop(url) && self)
            emit self->Notice(
                QStringLiteral("No program on this computer opens %1 links.").arg(url.scheme()));
    });
}

QWebEnginePage* WebEngineBrowser::OnCreateWindow() {
    BrowserControl* target = nullptr;
    emit NewWindow2(&target);
    auto* browser = qobject_cast<WebEngineBrowser*>(target);
    if (browser && browser != this && !browser->showedAnything_) browser->openedAsPopup_ = true;
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

namespace {
QWebEnginePage::WebAction engineAction(BrowserControl::EditCommand command) {
    switch (command) {
    case BrowserControl::EditCut:
        return QWebEnginePage::Cut;
    case BrowserControl::EditCopy:
        return QWebEnginePage::Copy;
    case BrowserControl::EditPaste:
        return QWebEnginePage::Paste;
    }
    return QWebEnginePage::NoWebAction;
}
} // namespace

bool WebEngineBrowser::CanEdit(EditCommand command) const {
    const QAction* action = page_ ? page_->action(engineAction(command)) : nullptr;
    return action && action->isEnabled();
}

void WebEngineBrowser::Edit(EditCommand command) {
    if (CanEdit(command)) page_->triggerAction(engineAction(command));
}

#include "app/FormMain.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/CharacterRequests.h"
#include "app/MainMenus.h"
#include "app/StartupTrace.h"
#include "app/Widgets.h"
#include "base/ProductProfile.h"
#include "base/RegUtil.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Bookmarks.h"
#include "bookmarks/Cards.h"
#include "bookmarks/DesktopCards.h"
#include "bookmarks/FormIcons.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/PageSession.h"
#include "browse/SurfCommands.h"
#include "decor/Background.h"
#include "decor/DesktopSurface.h"
#include "decor/DroppedData.h"
#include "decor/Snowfall.h"
#include "lights/BulbGestures.h"
#include "lights/BulbPainter.h"
#include "lights/LightString.h"
#include "music/Jukebox.h"
#include "music/Midi.h"
#include "music/box/MusicBox.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTabBar>
#include <QWindow>

FormMain::FormMain(BrowserFactory& factory, QWidget* parent)
    : QMainWindow(parent)
    , factory_(factory) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(ProductProfile().Product_Name());
    setWindowIcon(QIcon(QStringLiteral(":/art/icon-64.png")));
    AskForIcon = [this](int initial) { return ChooseIcon(initial, this); };
    ShowMessage = [this](const QString& title, const QString& text) {
        QMessageBox::information(this, title, text);
    };
    auto* surface = new DesktopSurface(this);
    setCentralWidget(surface);
    ui_ = CreateMainControls(*surface, *menuBar(), *this);
    surface->installEventFilter(this);
    ui_.TabMain->installEventFilter(this);
    ComposeModules(m_, ui_, factory_, App().Prefs, *this);
    m_.CardRules->AskForIcon = [this](int initial) { return AskForIcon(initial); };
    m_.Surf->ShowMessage = [this](const QString& title, const QString& text) { ShowMessage(title, text); };
    m_.Commands->ShowMessage = [this](const QString& title, const QString& text) {
        ShowMessage(title, text);
    };
    connectMenus();
    connectBookmarkMenus();
    connectCardMenu();
    connectControls();
    WireEverydayBrowsing(ui_, m_, *this);
    connectReports();
    connectOptions();
    connectMusic();
}

FormMain::~FormMain() {
    disconnectAgent();
    // Pages go before the modules that their events reach.
    m_.Pages.reset();
}

void FormMain::placeWindow() {
    setMinimumSize(640, 400);
    const QByteArray saved =
        QByteArray::fromBase64(RegUtil::GetRegString(RegUtil::kProductKey, RegUtil::kWindowPlace).toLatin1());
    if (saved.isEmpty() || !restoreGeometry(saved)) {
        QScreen* screen = QGuiApplication::primaryScreen();
        setGeometry(screen ? screen->availableGeometry() : QRect(0, 0, 800, 600));
    }
    // Until the window is shown its layout has not run; the surface gets its size now.
    ui_.Surface->resize(width(), qMax(0, height() - menuBar()->sizeHint().height()));
}

void FormMain::rememberPlace() const {
    RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kWindowPlace,
                          QString::fromLatin1(saveGeometry().toBase64()));
}

void FormMain::followScreen() {
    QWindow* window = windowHandle();
    if (!window) return;
    auto watch = [this](QScreen* screen) {
        disconnect(workAreaWatch_);
        if (!screen) return;
        // A window that filled the old work area fills the new one; any change of the screen lays
        // the window out again (a new pixel ratio needs new pictures).
        workAreaWatch_ = connect(screen, &QScreen::availableGeometryChanged, this, [this](const QRect& work) {
            if (!isMaximized() && !isFullScreen() && workAreaFilled_) setGeometry(work);
            layOut();
        });
    };
    watch(window->screen());
    connect(window, &QWindow::screenChanged, this, [this, watch](QScreen* screen) {
        watch(screen);
        layOut();
    });
}

void FormMain::layOut() {
    const QSize inner = ui_.Surface->size();
    const qreal dpr = ui_.Surface->devicePixelRatioF();
    if (inner.isEmpty() || (inner == laidOutFor_ && dpr == laidOutRatio_)) return;
    laidOutFor_ = inner;
    if (dpr != laidOutRatio_) {
        laidOutRatio_ = dpr;
        bulbColours_ = LoadBulbColours(dpr);
        bulbMask_ = LoadBulbMask(dpr);
        m_.Snow->SetFlake(LoadSnowflake(dpr));
        tileOf_ = -1;
    }
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    workAreaFilled_ = screen && geometry() == screen->availableGeometry();

    LayoutInput in;
    in.innerWidth = inner.width();
    in.innerHeight = inner.height();
    in.screenHeightPx = screen ? screen->geometry().height() : inner.height();
    layout_ = ComputeMainLayout(in);

    const int pointSize = layout_.fontPointSize > 0 ? layout_.fontPointSize : font().pointSize();
    for (QWidget* small : {static_cast<QWidget*>(ui_.EditUrl), static_cast<QWidget*>(ui_.PicStatusBar)}) {
        QFont f = small->font();
        f.setPointSize(pointSize);
        small->setFont(f);
    }
    ui_.PicTabBorder->setGeometry(layout_.tabBorder);
    ui_.TabMain->setGeometry(layout_.tabMain);
    ui_.EditUrl->setGeometry(layout_.editUrl);
    ui_.EditUrl->raise();
    ui_.PicStatusBar->setGeometry(layout_.statusBar);
    for (int side = 0; side < 4; ++side)
        ui_.RegionBulbs[side]->setGeometry(layout_.regionBulbs[side]);
    ui_.ImgGoBack->move(layout_.goBack);
    ui_.ImgGoForward->move(layout_.goForward);
    ui_.ImgStop->move(layout_.stop);
    ui_.ImgReload->move(layout_.reload);
    ui_.ListBookmarks->setGeometry(layout_.pane());
    m_.HistoryList->List()->setGeometry(layout_.pane());
    m_.Pages->Place(layout_.pane());
    m_.Lights->Place(layout_.Counts(),
                     std::make_unique<BulbPainter>(*ui_.Surface, layout_.regionBulbs, layout_.Counts(),
                                                   bulbColours_, bulbMask_));
    m_.BulbDrag->Place(layout_.Counts());
    // The music box stays where the user put it while that is still free surface.
    const QRect box = ui_.ImgRadio->geometry();
    if (!layout_.desktop.contains(box) || box.intersects(layout_.pane().adjusted(-16, -16, 16, 16)) ||
        box.intersects(layout_.editUrl) || box.intersects(layout_.statusBar))
        ui_.ImgRadio->move(layout_.radio);
    updateBadDropRects();
    QVector<QRect> avoid(m_.Drops.Rects().begin(), m_.Drops.Rects().end());
    m_.Desktop->SetDesktop(layout_.desktop, avoid);
    m_.Snow->SetArea(SnowAreaOf(layout_));
    m_.Snow->ResizeSnow();
    m_.Snow->KeepFlakesInColumns();
    DrawBackground(shownBackground_);
}

void FormMain::DrawBackground(int n) {
    shownBackground_ = n;
    if (n != tileOf_) {
        backgroundTile_ = LoadBackgroundTile(n, ui_.Surface->devicePixelRatioF());
        tileOf_ = n;
    }
    ui_.Surface->DrawBackground(backgroundTile_, layout_.desktop);
    m_.Lights->CaptureStripBackgrounds();
}

bool FormMain::DoInit() {
    shownBackground_ = App().Prefs.Values().BackgroundIndex;
    placeWindow();
    layOut();
    StartupTrace::Step("layout");
    const int first = m_.Pages->NewBrowser(TabImageBrowser);
    if (first == 0) return false;
    m_.Pages->SelectInterface_Browser();
    m_.Pages->ActivateBrowser(first);
    StartupTrace::Step("first page");
    m_.Desktop->LoadCards();
    StartupTrace::Step("cards");
    m_.BookmarkList->LoadBookmarks();
    StartupTrace::Step("bookmarks");
    // The music box shows only where a MIDI sequencer exists.
    ui_.ImgRadio->ShowSwitchedOn(false);
    ui_.ImgRadio->setVisible(Midi::MidiAvailable());
    StartupTrace::Step("music box");
    connectAgent(); // first, so that the character knows where the box is when the music starts
    m_.Jukebox->StartAtLaunch();
    m_.Character->Script(QStringLiteral("startup"));
    StartupTrace::Step("character");
    m_.Pages->StartDeadPageCheck();
    m_.Snow->Start();
    if (const QString problem = App().Prefs.Values().DataFolderProblem; !problem.isEmpty())
        m_.Events->SetStatusBarText(
            problem + QStringLiteral(" Bookmarks, desktop cards, history and open pages cannot be saved."));
    return true;
}

void FormMain::OpenStartupPage(const QStringList& addresses) {
    const Preferences& prefs = App().Prefs.Values();
    m_.Session->OpenAtStart(prefs.RestorePages, prefs.StartupPage, addresses);
}

void FormMain::StartThemeSongTimer() {
    m_.Jukebox->StartThemeSongTimer();
}

void FormMain::OpenInNewPage(const QString& address) {
    m_.Pages->OpenInNewBrowser(address);
}

BrowserControl* FormMain::CurrentPage() const {
    return m_.Pages->Current();
}

void FormMain::FileExit() {
    if (exited_ || askingPages_) return;
    askingPages_ = true;
    m_.Pages->AskAllToClose([this](bool allAgreed) {
        askingPages_ = false;
        if (allAgreed)
            ExitNow();
        else
            m_.Events->SetStatusBarText(QStringLiteral("A page asked to stay open, so Glisterwood 99 keeps "
                                                       "running."));
    });
}

void FormMain::ExitNow() {
    if (exited_) return;
    exited_ = true;
    rememberPlace();
    m_.Snow->Stop();
    m_.Lights->Stop();
    m_.Session->Finish();   // the pages as they are, for the next start
    m_.Pages->ReleaseAll(); // no page event may reach the released character
    App().Agent.reset();
    App().Profile.reset();
    m_.Jukebox->ExitMusic();
    close();
}

void FormMain::closeEvent(QCloseEvent* event) {
    if (exited_) {
        event->accept();
        return;
    }
    // The pages answer first; the window closes when they all agree.
    event->ignore();
    FileExit();
}

void FormMain::mouseMoveEvent(QMouseEvent* event) {
    m_.Events->SetStatusBarText(QString());
    QMainWindow::mouseMoveEvent(event);
}

void FormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!screenFollowed_) {
        screenFollowed_ = true;
        followScreen();
    }
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    // The surface follows the window's size; everything on it is laid out again.
    if (watched == ui_.Surface && event->type() == QEvent::Resize) {
        if (!laidOutFor_.isEmpty()) layOut();
        return false;
    }
    // The desktop and the tab strip take text and lists of addresses from other programs.
    if ((watched == ui_.Surface || watched == ui_.TabMain) && event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (DroppedData::Acceptable(*drag->mimeData())) drag->acceptProposedAction();
        return true;
    }
    if ((watched == ui_.Surface || watched == ui_.TabMain) && event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const DroppedData dropped = DroppedData::Read(*drop->mimeData());
        drop->acceptProposedAction();
        if (watched == ui_.TabMain) // what was dropped is shown, local files by their path
            ShowMessage(QStringLiteral("Text"),
                        dropped.files.isEmpty() ? dropped.AddressOrText() : dropped.files.first());
        else if (const QString text = dropped.AddressOrText(); !text.trimmed().isEmpty())
            // A link from a browser comes as a list of addresses, text as text; files are not cards.
            m_.CardRules->TextDropped(drop->position().toPoint(), text);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

#include "app/FormMain.h"

#include "agent/AgentController.h"
#include "agent/commands/CommandMailbox.h"
#include "agent/voice/VoiceListener.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/ProductProfile.h"
#include "app/Widgets.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Bookmarks.h"
#include "bookmarks/BulbGestures.h"
#include "bookmarks/BulbPainter.h"
#include "bookmarks/Cards.h"
#include "bookmarks/FormIcons.h"
#include "bookmarks/LightString.h"
#include "bookmarks/PointerGestures.h"
#include "browse/AddressInput.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/LinksMenu.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/SurfCommands.h"
#include "decor/Background.h"
#include "decor/DesktopSurface.h"
#include "decor/Snowfall.h"
#include "dialogs/OptionsEditor.h"
#include "music/Jukebox.h"
#include "music/Midi.h"
#include "music/SongDownload.h"
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
#include <QTimer>

MainModules::MainModules() = default;
MainModules::~MainModules() = default;

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
    createControls();
    createModules();
    connectMenus();
    connectControls();
    connectModules();
    connectOptions();
    connectMusic();
}

FormMain::~FormMain() {
    disconnectAgent();
    // Pages go before the modules that their events reach.
    m_.Pages.reset();
}

void FormMain::createControls() {
    ui_.Menus = new MainMenus(menuBar(), this);
    ui_.Surface = new DesktopSurface(this);
    ui_.Surface->setMouseTracking(true);
    ui_.Surface->setAcceptDrops(true); // text or a link from another program becomes a card
    ui_.Surface->installEventFilter(this);
    setCentralWidget(ui_.Surface);
    QWidget* surface = ui_.Surface;

    ui_.PicTabBorder = new QWidget(surface);
    ui_.PicTabBorder->setAutoFillBackground(true);
    QTabBar* tabs = ui_.TabMain = new QTabBar(surface);
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    tabs->setElideMode(Qt::ElideRight);
    tabs->setUsesScrollButtons(true);
    tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    tabs->setAcceptDrops(true);
    tabs->installEventFilter(this);
    const ProductProfile product;
    tabs->addTab(QIcon(QStringLiteral(":/art/tab-bookmarks.png")), product.Bookmark_Caption());
    tabs->setTabToolTip(0, QStringLiteral("Glisterwood bookmarks"));
    tabs->setTabData(0, 0);
    tabs->addTab(QIcon(QStringLiteral(":/art/tab-history.png")), QStringLiteral("History"));
    tabs->setTabToolTip(1, QStringLiteral("View history of this session"));
    tabs->setTabData(1, 0);

    ui_.EditUrl = new QLineEdit(surface);
    ui_.EditUrl->setPlaceholderText(QStringLiteral("Type an address and press Enter"));
    // One more than the engine takes, so that a longer paste is seen and refused, never cut short.
    ui_.EditUrl->setMaxLength(AddressInput::kMaxLength + 1);
    ui_.PicStatusBar = new StatusBarPicture(surface);
    ui_.PicStatusBar->setAutoFillBackground(true);
    for (RegionWidget*& strip : ui_.RegionBulbs) {
        strip = new RegionWidget(surface);
        strip->setMouseTracking(true);
    }
    ui_.ImgGoBack = new ImageButton(QStringLiteral(":/art/goback.png"), QStringLiteral("Back"), surface);
    ui_.ImgGoForward =
        new ImageButton(QStringLiteral(":/art/goforward.png"), QStringLiteral("Forward"), surface);
    ui_.ImgStop = new ImageButton(QStringLiteral(":/art/stop.png"), QStringLiteral("Stop (Escape)"), surface);
    ui_.ImgReload = new ImageButton(QStringLiteral(":/art/reload.png"), QStringLiteral("Reload"), surface);
    for (QWidget* image : {ui_.ImgGoBack, ui_.ImgGoForward, ui_.ImgStop, ui_.ImgReload})
        image->hide();

    ui_.TimerSnow = new QTimer(this);
    ui_.TimerSnow->setInterval(500);
}

void FormMain::createModules() {
    m_.Pages = std::make_unique<Browsers>(factory_, *ui_.TabMain, *ui_.Surface);
    m_.Events = std::make_unique<PageEvents>(*m_.Pages);
    m_.Surf = std::make_unique<SurfCommands>(*m_.Pages);
    m_.Surf->ShowMessage = [this](const QString& title, const QString& text) { ShowMessage(title, text); };
    m_.Commands = std::make_unique<PageCommands>(*m_.Pages, *this, *ui_.Surface);
    m_.Commands->ShowMessage = [this](const QString& title, const QString& text) {
        ShowMessage(title, text);
    };
    m_.HistoryList = std::make_unique<History>(*m_.Pages, ui_.Surface);
    m_.Links = std::make_unique<LinksMenu>(*m_.Pages, *ui_.Menus->MenuLinks, *ui_.Menus->ItemLinksNone);
    m_.Lights = std::make_unique<LightString>(*m_.Pages);
    m_.Snow = std::make_unique<Snowfall>(LoadSnowflake(ui_.Surface->devicePixelRatioF()));
    m_.Snow->ShowOn(*ui_.Surface);
    m_.Gestures = std::make_unique<PointerGestures>();
    m_.Gestures->IsBadDrop = [this](QPoint at) { return m_.Drops.IsInBadDropRect(at); };
    m_.Gestures->IsBadCardPlace = [this](const QRect& place) { return m_.Drops.CoversMusicBox(place); };
    ui_.ImgRadio = new Music::MusicBox(*m_.Gestures, ui_.Surface);
    ui_.ImgRadio->hide();
    m_.Jukebox = std::make_unique<Music::Jukebox>();
    m_.SongDownloads = std::make_unique<Music::SongDownload>(this);
    m_.BulbDrag =
        std::make_unique<BulbGestures>(*m_.Pages,
                                       std::array<QWidget*, 4>{ui_.RegionBulbs[0], ui_.RegionBulbs[1],
                                                               ui_.RegionBulbs[2], ui_.RegionBulbs[3]},
                                       *ui_.Surface);
    m_.BulbDrag->IsBadDrop = [this](QPoint at) { return m_.Drops.IsBadBulbDrop(at); };
    m_.Desktop = std::make_unique<Cards>(*ui_.Surface, *m_.Gestures, App().SitesFile);
    m_.BookmarkList = std::make_unique<Bookmarks>(ui_.Surface, *m_.Gestures, App().BookmarkFile);
    ui_.ListBookmarks = m_.BookmarkList->List();
}

void FormMain::applyLayout() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    setGeometry(work);

    LayoutInput in;
    in.innerWidth = work.width();
    in.innerHeight = work.height() - menuBar()->sizeHint().height();
    in.screenHeightPx = screen ? screen->geometry().height() : work.height();
    layout_ = ComputeMainLayout(in);
    ui_.Surface->setFixedSize(in.innerWidth, in.innerHeight);

    if (layout_.fontPointSize > 0) {
        for (QWidget* small : {static_cast<QWidget*>(ui_.EditUrl), static_cast<QWidget*>(ui_.PicStatusBar)}) {
            QFont font = small->font();
            font.setPointSize(layout_.fontPointSize);
            small->setFont(font);
        }
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
    ui_.ImgRadio->move(layout_.radio);
    ui_.ListBookmarks->setGeometry(layout_.pane());
    m_.HistoryList->List()->setGeometry(layout_.pane());
    m_.Pages->Place(layout_.pane(), layout_.slotCount);
    const qreal dpr = ui_.Surface->devicePixelRatioF();
    m_.Lights->Place(layout_.Counts(),
                     std::make_unique<BulbPainter>(*ui_.Surface, layout_.regionBulbs, layout_.Counts(),
                                                   LoadBulbColours(dpr), LoadBulbMask(dpr)));
    m_.BulbDrag->Place(layout_.Counts());
    m_.Desktop->SetDesktop(layout_.desktop);
    updateBadDropRects();
    m_.Snow->SetArea(SnowAreaOf(layout_));
    m_.Snow->ResizeSnow();
    DrawBackground(App().BackgroundIndex);
}

void FormMain::DrawBackground(int n) {
    ui_.Surface->DrawBackground(LoadBackgroundTile(n, ui_.Surface->devicePixelRatioF()), layout_.desktop);
    m_.Lights->CaptureStripBackgrounds();
}

bool FormMain::DoInit() {
    m_.Lights->CreateBulbBackgrounds();
    applyLayout();
    const int first = m_.Pages->NewBrowser(3);
    if (first == 0) return false;
    m_.Pages->SelectInterface_Browser();
    m_.Pages->ActivateBrowser(first);
    m_.Desktop->LoadCards();
    m_.BookmarkList->LoadBookmarks();
    // The music box shows only where a MIDI sequencer exists.
    ui_.ImgRadio->ShowSwitchedOn(false);
    ui_.ImgRadio->setVisible(Midi::MidiAvailable());
    connectAgent(); // first, so that the character knows where the box is when the music starts
    m_.Jukebox->StartAtLaunch();
    App().Agent->Script(QStringLiteral("startup"));
    ui_.TimerSnow->start();
    if (!App().DataFolderProblem.isEmpty())
        m_.Events->SetStatusBarText(App().DataFolderProblem +
                                    QStringLiteral(" Bookmarks and desktop cards cannot be saved."));
    return true;
}

void FormMain::OpenStartupPage() {
    if (BrowserControl* page = m_.Pages->Current()) page->Navigate(App().StartupPage);
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
    ui_.TimerSnow->stop();
    m_.Lights->Flasher()->stop();
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

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    // The desktop and the tab strip take text and lists of addresses from other programs.
    if ((watched == ui_.Surface || watched == ui_.TabMain) && event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (drag->mimeData()->hasText() || drag->mimeData()->hasUrls()) drag->acceptProposedAction();
        return true;
    }
    if (watched == ui_.Surface && event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        // A link from a browser comes as a list of addresses, text as text; files are not cards.
        QString text;
        if (data->hasUrls() && !data->urls().isEmpty() && !data->urls().first().isLocalFile())
            text = data->urls().first().toString();
        else if (data->hasText())
            text = data->text();
        drop->acceptProposedAction();
        if (!text.trimmed().isEmpty()) textDropped(drop->position().toPoint(), text);
        return true;
    }
    if (watched == ui_.TabMain && event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        QString text;
        if (data->hasUrls() && !data->urls().isEmpty())
            text = data->urls().first().isLocalFile() ? data->urls().first().toLocalFile()
                                                      : data->urls().first().toString();
        else
            text = data->text();
        drop->acceptProposedAction();
        ShowMessage(QStringLiteral("Text"), text);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

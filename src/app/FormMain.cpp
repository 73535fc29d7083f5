#include "app/FormMain.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/ProductProfile.h"
#include "app/Widgets.h"
#include "bookmarks/LightString.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/History.h"
#include "browse/LinksMenu.h"
#include "browse/Navigation.h"
#include "browse/PageCommands.h"
#include "decor/DesktopSurface.h"
#include "dialogs/FormAboutSplash.h"
#include "music/Midi.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>

FormMain::FormMain(BrowserFactory& factory, QWidget* parent)
    : QMainWindow(parent)
    , factory_(factory) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Glisterwood 99"));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon-64.png")));
    ShowMessage = [this](const QString& title, const QString& text) {
        QMessageBox::information(this, title, text);
    };
    createControls();
    Pages = std::make_unique<Browsers>(*this);
    Nav = std::make_unique<Navigation>(*this);
    Lights = std::make_unique<LightString>(*this);
    HistoryList = std::make_unique<History>(*this);
    Links = std::make_unique<LinksMenu>(*this);
    Commands = std::make_unique<PageCommands>(*this);
    connectEvents();
}

FormMain::~FormMain() {
    // Pages go before the modules that their events reach.
    Pages.reset();
}

void FormMain::createControls() {
    Menus = new MainMenus(menuBar(), this);
    Surface = new DesktopSurface(this);
    Surface->setMouseTracking(true);
    setCentralWidget(Surface);

    PicTabBorder = new QWidget(Surface);
    PicTabBorder->setAutoFillBackground(true);
    TabMain = new QTabBar(Surface);
    TabMain->setDrawBase(false);
    TabMain->setExpanding(false);
    TabMain->setElideMode(Qt::ElideRight);
    TabMain->setUsesScrollButtons(true);
    TabMain->setContextMenuPolicy(Qt::CustomContextMenu);
    TabMain->setAcceptDrops(true);
    TabMain->installEventFilter(this);
    TabMain->addTab(QIcon(QStringLiteral(":/art/tab-bookmarks.png")), QStringLiteral("Bookmarks"));
    TabMain->setTabToolTip(0, QStringLiteral("Glisterwood bookmarks"));
    TabMain->setTabData(0, 0);
    TabMain->addTab(QIcon(QStringLiteral(":/art/tab-history.png")), QStringLiteral("History"));
    TabMain->setTabToolTip(1, QStringLiteral("View history of this session"));
    TabMain->setTabData(1, 0);

    EditUrl = new QLineEdit(Surface);
    EditUrl->setPlaceholderText(QStringLiteral("Type an address and press Enter"));
    PicStatusBar = new StatusBarPicture(Surface);
    PicStatusBar->setAutoFillBackground(true);
    for (RegionWidget*& strip : RegionBulbs) {
        strip = new RegionWidget(Surface);
        strip->setMouseTracking(true);
    }
    ImgGoBack = new ImageButton(QStringLiteral(":/art/goback.png"), QStringLiteral("Back"), Surface);
    ImgGoForward = new ImageButton(QStringLiteral(":/art/goforward.png"), QStringLiteral("Forward"), Surface);
    ImgStop = new ImageButton(QStringLiteral(":/art/stop.png"), QStringLiteral("Stop (Escape)"), Surface);
    ImgReload = new ImageButton(QStringLiteral(":/art/reload.png"), QStringLiteral("Reload"), Surface);
    ImgRadio = new ImageButton(QString(), QStringLiteral("Click to play music"), Surface);
    for (QWidget* image : {ImgGoBack, ImgGoForward, ImgStop, ImgReload, ImgRadio})
        image->hide();

    ListHistory = new QListWidget(Surface);
    ListHistory->setToolTip(QStringLiteral("Double-click an item to open in a new window"));
    ListHistory->installEventFilter(this);
    ListHistory->hide();
    ListBookmarks = new QTreeWidget(Surface);
    ListBookmarks->setHeaderLabels({QStringLiteral("Title"), QStringLiteral("URL")});
    ListBookmarks->setRootIsDecorated(false);
    ListBookmarks->hide();

    TimerBulbFlasher = new QTimer(this);
    TimerBulbFlasher->setInterval(500);
    TimerSnow = new QTimer(this);
    TimerSnow->setInterval(500);
    TimerThemeSong = new QTimer(this);
    TimerThemeSong->setInterval(1000);
}

void FormMain::connectEvents() {
    MainMenus& m = *Menus;
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };

    on(m.ItemFileNew, [this] { Pages->OpenInNewBrowser(QString()); });
    on(m.ItemFileOpen, [this] { Commands->ItemFileOpen_Click(); });
    on(m.ItemFileOpenNew, [this] { HistoryList->ItemFileOpenNew_Click(); });
    on(m.ItemFileOpenExternal, [this] { Commands->ItemFileOpenExternal_Click(); });
    on(m.ItemFileClose, [this] { Pages->CloseCurrentPage(); });
    on(m.ItemFilePrint, [this] { Commands->ItemFilePrint_Click(); });
    on(m.ItemFileTellAFriend, [this] { Commands->ItemFileTellAFriend_Click(); });
    on(m.ItemFileExit, [this] { FileExit(); });
    on(m.ItemEditFind, [this] { Commands->ItemEditFind_Click(); });
    on(m.ItemSurfReload, [this] { Nav->ImgReload_Click(); });
    on(m.KeyReload, [this] { Nav->ImgReload_Click(); });
    on(m.ItemSurfStop, [this] { Nav->ImgStop_Click(); });
    on(m.ItemSurfBack, [this] { Nav->ImgGoBack_Click(); });
    on(m.ItemSurfForward, [this] { Nav->ImgGoForward_Click(); });
    on(m.ItemSurfStartupPage, [this] { Nav->ItemSurfStartupPage_Click(); });
    on(m.ItemSurfSearchPage, [this] { Nav->ItemSurfSearchPage_Click(); });
    on(m.ItemSurfWelcomePage, [this] { Nav->ItemSurfWelcomePage_Click(); });
    on(m.ItemHelpWeb, [this] { Commands->ItemHelpWeb_Click(); });
    on(m.ItemHelpAbout, [this] {
        TimerThemeSong->start();
        ShowAboutBox(this);
    });
    on(m.ItemTabOpenExternal, [this] { Commands->ItemTabOpenExternal_Click(); });
    on(m.ItemTabClose, [this] { Pages->CloseCurrentPage(); });
    on(m.ItemTabShowBookmarks, [this] { TabMain->setCurrentIndex(0); });
    on(m.ItemTabShowHistory, [this] { TabMain->setCurrentIndex(1); });
    on(m.ItemTabWhatsThis, [] { App().Agent->Script(QStringLiteral("whatsthis_tab"), true); });
    on(m.KeyFocusAddress, [this] {
        if (EditUrl->isEnabled()) {
            EditUrl->setFocus();
            EditUrl->selectAll();
        }
    });
    on(m.KeyNextTab, [this] { Pages->SwitchToNeighbourTab(1); });
    on(m.KeyPreviousTab, [this] { Pages->SwitchToNeighbourTab(-1); });
    on(m.KeyZoomIn, [this] { Commands->Zoom(1); });
    on(m.KeyZoomOut, [this] { Commands->Zoom(-1); });
    on(m.KeyZoomReset, [this] { Commands->Zoom(0); });
    // Escape stops a loading page wherever the focus is, the page itself included.
    on(m.KeyEscape, [this] {
        if (!ImgStop->isHidden())
            Nav->ImgStop_Click();
        else if (!Commands->Finder()->isHidden())
            Commands->Finder()->Close();
    });

    connect(EditUrl, &QLineEdit::returnPressed, this, [this] { Nav->EditUrl_Enter(); });
    connect(ImgGoBack, &ImageButton::clicked, this, [this] { Nav->ImgGoBack_Click(); });
    connect(ImgGoForward, &ImageButton::clicked, this, [this] { Nav->ImgGoForward_Click(); });
    connect(ImgStop, &ImageButton::clicked, this, [this] { Nav->ImgStop_Click(); });
    connect(ImgReload, &ImageButton::clicked, this, [this] { Nav->ImgReload_Click(); });
    connect(TabMain, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) Pages->SwitchToTab(index + 1);
    });
    connect(TabMain, &QTabBar::customContextMenuRequested, this, [this](const QPoint& at) {
        Pages->SetupTabMenu();
        Menus->MenuTab->popup(TabMain->mapToGlobal(at));
    });
    connect(ListHistory, &QListWidget::itemSelectionChanged, this,
            [this] { HistoryList->ListHistory_Click(); });
    connect(ListHistory, &QListWidget::itemDoubleClicked, this,
            [this] { HistoryList->ListHistory_DblClick(); });
    connect(TimerBulbFlasher, &QTimer::timeout, this, [this] { Lights->TimerBulbFlasher_Timer(); });
    connect(TimerSnow, &QTimer::timeout, this, [this] { Pages->CleanupBadWindows(); });
    connect(TimerThemeSong, &QTimer::timeout, this, [this] {
        Midi::CheckOneSong();
        if (!Midi::OneSongOpen()) TimerThemeSong->stop();
    });
}

void FormMain::applyLayout() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    AppGlobals& g = App();
    g.TwipsPerPixelX = std::max(1, int(std::lround(1440.0 / dpiX)));
    g.TwipsPerPixelY = std::max(1, int(std::lround(1440.0 / dpiY)));
    g.WorkLeft = work.left();
    g.WorkTop = work.top();
    g.WorkWidth = work.width();
    g.WorkHeight = work.height();
    setGeometry(work);

    LayoutInput in;
    in.innerWidth = work.width();
    in.innerHeight = work.height() - menuBar()->sizeHint().height();
    in.screenHeightPx = screen ? screen->geometry().height() : work.height();
    layout_ = ComputeMainLayout(in);
    Surface->setFixedSize(in.innerWidth, in.innerHeight);

    g.DesktopLeft = layout_.desktop.left();
    g.DesktopTop = layout_.desktop.top();
    g.DesktopWidth = layout_.desktop.width();
    g.DesktopHeight = layout_.desktop.height();
    g.PaneLeft = layout_.paneLeft;
    g.PaneTop = layout_.paneTop;
    g.PaneWidth = layout_.paneWidth;
    g.PaneHeight = layout_.paneHeight;
    g.TopCount = layout_.topCount;
    g.SideCount = layout_.sideCount;
    g.RightEnd = layout_.rightEnd;
    g.BottomEnd = layout_.bottomEnd;
    g.SlotCount = layout_.slotCount;

    if (layout_.fontPointSize > 0) {
        for (QWidget* small : {static_cast<QWidget*>(EditUrl), static_cast<QWidget*>(PicStatusBar)}) {
            QFont font = small->font();
            font.setPointSize(layout_.fontPointSize);
            small->setFont(font);
        }
    }
    PicTabBorder->setGeometry(layout_.tabBorder);
    TabMain->setGeometry(layout_.tabMain);
    EditUrl->setGeometry(layout_.editUrl);
    EditUrl->raise();
    PicStatusBar->setGeometry(layout_.statusBar);
    for (int side = 0; side < 4; ++side)
        RegionBulbs[side]->setGeometry(layout_.regionBulbs[side]);
    ImgGoBack->move(layout_.goBack);
    ImgGoForward->move(layout_.goForward);
    ImgStop->move(layout_.stop);
    ImgReload->move(layout_.reload);
    ImgRadio->move(layout_.radio);
    ListBookmarks->setGeometry(layout_.pane());
    ListHistory->setGeometry(layout_.pane());
    Surface->PaintBackground(layout_.desktop);
}

bool FormMain::DoInit() {
    Lights->CreateBulbBackgrounds();
    applyLayout();
    const int first = Pages->NewBrowser(3);
    if (first == 0) return false;
    Pages->SelectInterface_Browser();
    Pages->ActivateBrowser(first);
    // The music box shows only where a MIDI sequencer exists.
    ImgRadio->setVisible(Midi::MidiAvailable());
    App().Agent->Script(QStringLiteral("startup"));
    TimerSnow->start();
    if (!App().DataFolderProblem.isEmpty())
        Nav->SetStatusBarText(App().DataFolderProblem +
                              QStringLiteral(" Bookmarks and desktop cards cannot be saved."));
    return true;
}

void FormMain::OpenStartupPage() {
    if (BrowserControl* page = Pages->Current()) page->Navigate(App().StartupPage);
}

void FormMain::FileExit() {
    if (exited_) return;
    exited_ = true;
    TimerSnow->stop();
    TimerBulbFlasher->stop();
    Pages->ReleaseAll(); // no page event may reach the released character
    App().Agent.reset();
    App().Profile.reset();
    close();
}

void FormMain::closeEvent(QCloseEvent* event) {
    FileExit();
    event->accept();
}

void FormMain::mouseMoveEvent(QMouseEvent* event) {
    Nav->SetStatusBarText(QString());
    QMainWindow::mouseMoveEvent(event);
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListHistory && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            HistoryList->ListHistory_DblClick();
            return true;
        }
    }
    if (watched == TabMain && event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (drag->mimeData()->hasText() || drag->mimeData()->hasUrls()) drag->acceptProposedAction();
        return true;
    }
    if (watched == TabMain && event->type() == QEvent::Drop) {
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

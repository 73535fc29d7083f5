// The window's controls, made once; the layout places them.
#include "app/MainMenus.h"
#include "app/MainModules.h"
#include "app/Widgets.h"
#include "base/ProductProfile.h"
#include "browse/AddressInput.h"
#include "decor/DesktopSurface.h"

#include <QLineEdit>
#include <QStyle>
#include <QTabBar>

MainControls CreateMainControls(DesktopSurface& surface, QMenuBar& bar, QWidget& owner) {
    MainControls ui;
    ui.Menus = new MainMenus(&bar, &owner);
    ui.Surface = &surface;
    surface.setMouseTracking(true);
    surface.setAcceptDrops(true); // text or a link from another program becomes a card

    ui.PicTabBorder = new QWidget(&surface);
    ui.PicTabBorder->setAutoFillBackground(true);
    QTabBar* tabs = ui.TabMain = new TabStrip(&surface);
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    tabs->setElideMode(Qt::ElideRight);
    tabs->setUsesScrollButtons(true);
    tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    tabs->setAcceptDrops(true);
    const ProductProfile product;
    tabs->addTab(QIcon(QStringLiteral(":/art/tab-bookmarks.png")), product.Bookmark_Caption());
    tabs->setTabToolTip(0, QStringLiteral("Glisterwood bookmarks"));
    tabs->setTabData(0, 0);
    tabs->addTab(QIcon(QStringLiteral(":/art/tab-history.png")), QStringLiteral("History"));
    tabs->setTabToolTip(1, QStringLiteral("View history of this session"));
    tabs->setTabData(1, 0);
    // Pages close from their tabs; the two lists always stay.
    tabs->setTabsClosable(true);
    const auto side = QTabBar::ButtonPosition(
        tabs->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, tabs));
    tabs->setTabButton(0, side, nullptr);
    tabs->setTabButton(1, side, nullptr);

    ui.EditUrl = new QLineEdit(&surface);
    ui.EditUrl->setPlaceholderText(QStringLiteral("Type an address and press Enter"));
    // One more than the engine takes, so that a longer paste is seen and refused, never cut short.
    ui.EditUrl->setMaxLength(AddressInput::kMaxLength + 1);
    ui.PicStatusBar = new StatusBarPicture(&surface);
    ui.PicStatusBar->setAutoFillBackground(true);
    for (RegionWidget*& strip : ui.RegionBulbs) {
        strip = new RegionWidget(&surface);
        strip->setMouseTracking(true);
    }
    ui.ImgGoBack = new ImageButton(QStringLiteral(":/art/goback.png"), QStringLiteral("Back"), &surface);
    ui.ImgGoForward =
        new ImageButton(QStringLiteral(":/art/goforward.png"), QStringLiteral("Forward"), &surface);
    ui.ImgStop = new ImageButton(QStringLiteral(":/art/stop.png"), QStringLiteral("Stop (Escape)"), &surface);
    ui.ImgReload = new ImageButton(QStringLiteral(":/art/reload.png"), QStringLiteral("Reload"), &surface);
    for (QWidget* image : {ui.ImgGoBack, ui.ImgGoForward, ui.ImgStop, ui.ImgReload})
        image->hide();
    return ui;
}

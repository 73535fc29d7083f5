#include "app/MainMenus.h"

#include "app/MenuState.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction* item(QMenu* menu, const char* caption, QKeySequence keys = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    if (!keys.isEmpty()) action->setShortcut(keys);
    return action;
}

QAction* keyOnly(QWidget* owner, QList<QKeySequence> keys) {
    auto* action = new QAction(owner);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
    return action;
}
} // namespace

MainMenus::MainMenus(QMenuBar* bar, QWidget* owner)
    : QObject(owner) {
    MenuFile = bar->addMenu(QStringLiteral("&File"));
    ItemFileNew = item(MenuFile, "&New Browser Window...", QKeySequence(Qt::CTRL | Qt::Key_T));
    ItemFileOpen = item(MenuFile, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
    ItemFileOpenNew = item(MenuFile, "&Open in New Window");
    ItemFileOpenExternal = item(MenuFile, "Open in &External Window");
    ItemFileClose = item(MenuFile, "&Close Browser Window", QKeySequence(Qt::CTRL | Qt::Key_W));
    MenuFile->addSeparator();
    ItemFilePrint = item(MenuFile, "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P));
    ItemFileTellAFriend = item(MenuFile, "&Tell a friend about Glisterwood...");
    MenuFile->addSeparator();
    ItemFileExit = item(MenuFile, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    // A page's own dialog is a window of its own and does not block the window; closing the page
    // or the program from the keyboard works while it has the focus.
    ItemFileClose->setShortcutContext(Qt::ApplicationShortcut);
    ItemFileExit->setShortcutContext(Qt::ApplicationShortcut);

    MenuEdit = bar->addMenu(QStringLiteral("&Edit"));
    ItemEditCut = item(MenuEdit, "Cu&t", QKeySequence::Cut);
    ItemEditCopy = item(MenuEdit, "&Copy", QKeySequence::Copy);
    ItemEditPaste = item(MenuEdit, "&Paste", QKeySequence::Paste);
    ItemEditSep1 = MenuEdit->addSeparator();
    ItemEditFind = item(MenuEdit, "&Find (Text on this Page)...", QKeySequence(Qt::CTRL | Qt::Key_F));
    ItemEditOptions = item(MenuEdit, "&Options...");

    MenuSurf = bar->addMenu(QStringLiteral("&Surf"));
    ItemSurfReload = item(MenuSurf, "&Reload", QKeySequence(Qt::Key_F5));
    ItemSurfStop = item(MenuSurf, "&Stop");
    ItemSurfBack = item(MenuSurf, "&Back", QKeySequence(Qt::ALT | Qt::Key_Left));
    ItemSurfForward = item(MenuSurf, "&Forward", QKeySequence(Qt::ALT | Qt::Key_Right));
    MenuSurf->addSeparator();
    ItemSurfAddToBookmarks = item(MenuSurf, "&Add to bookmarks", QKeySequence(Qt::CTRL | Qt::Key_D));
    MenuSurf->addSeparator();
    ItemSurfStartupPage = item(MenuSurf, "S&tartup Page", QKeySequence(Qt::ALT | Qt::Key_Home));
    ItemSurfSearchPage = item(MenuSurf, "S&earch Page");
    ItemSurfWelcomePage = item(MenuSurf, "&Welcome Page");

    MenuLinks = bar->addMenu(QStringLiteral("&Links"));
    ItemLinksNone = item(MenuLinks, "No links on this page");

    MenuHelp = bar->addMenu(QStringLiteral("&Help"));
    ItemHelpWeb = item(MenuHelp, "Via the &Web", QKeySequence(Qt::Key_F1));
    ItemHelpShowAssistant = item(MenuHelp, "Show the &Assistant");
    ItemHelpShowAssistant->setEnabled(false); // only while the assistant is on and hidden
    MenuHelp->addSeparator();
    ItemHelpAbout = item(MenuHelp, "&About...");

    MenuMusic = new QMenu(QStringLiteral("Music"), owner);
    ItemMusicPlay = item(MenuMusic, "&Play");
    ItemMusicPause = item(MenuMusic, "Pa&use");
    ItemMusicResume = item(MenuMusic, "R&esume");
    ItemMusicStop = item(MenuMusic, "&Stop");
    ItemMusicNextSong = item(MenuMusic, "&Next tune");
    ItemMusicSep1 = MenuMusic->addSeparator();
    ItemMusicGetMoreTunes = item(MenuMusic, "&Get more music");
    ItemMusicVolume = item(MenuMusic, "&Volume...");
    ItemMusicWhatsThis = item(MenuMusic, "&What's This?");
    ItemMusicProperties = item(MenuMusic, "P&roperties...");
    for (QAction* hidden : {ItemMusicPause, ItemMusicResume, ItemMusicStop, ItemMusicNextSong})
        hidden->setVisible(false);

    MenuCard = new QMenu(QStringLiteral("Card"), owner);
    ItemCardOpen = item(MenuCard, "&Open");
    ItemCardOpenNew = item(MenuCard, "Open in &New Window");
    ItemCardSep1 = MenuCard->addSeparator();
    ItemCardAddToBookmarks = item(MenuCard, "&Add to bookmarks");
    ItemCardDelete = item(MenuCard, "&Delete");
    ItemCardWhatsThis = item(MenuCard, "&What's This?");
    ItemCardProperties = item(MenuCard, "&Properties...");

    MenuTab = new QMenu(QStringLiteral("Tab"), owner);
    ItemTabOpenExternal = item(MenuTab, "Open in &External Window");
    ItemTabClose = item(MenuTab, "&Close Current Browser Window");
    MenuTab->addSeparator();
    ItemTabShowBookmarks = item(MenuTab, "Show &Bookmarks");
    ItemTabShowHistory = item(MenuTab, "Show &History");
    MenuTab->addSeparator();
    ItemTabWhatsThis = item(MenuTab, "&What's This?");

    MenuBookmarks = new QMenu(QStringLiteral("Bookmarks"), owner);
    ItemBookmarksOpenNew = item(MenuBookmarks, "Open in &New Window");
    ItemBookmarksOpenExternal = item(MenuBookmarks, "Open in &External Window");
    ItemBookmarksSep1 = MenuBookmarks->addSeparator();
    MenuBmView = MenuBookmarks->addMenu(QStringLiteral("&View"));
    const char* views[] = {"&Large Icons", "&Small Icons", "L&ist", "&Details"};
    auto* viewGroup = new QActionGroup(this);
    for (int i = 0; i < 4; ++i) {
        ItemBmView[i] = item(MenuBmView, views[i]);
        ItemBmView[i]->setCheckable(true);
        viewGroup->addAction(ItemBmView[i]);
    }
    ItemBmViewSep1 = MenuBmView->addSeparator();
    ItemBmViewAutoArrange = item(MenuBmView, "Auto Arrange");
    ItemBmViewAutoArrange->setCheckable(true);
    ItemBookmarksSep2 = MenuBookmarks->addSeparator();
    ItemBookmarksDelete = item(MenuBookmarks, "&Delete");
    ItemBookmarksRename = item(MenuBookmarks, "&Rename");
    ItemBookmarksWhatsThis = item(MenuBookmarks, "&What's This?");
    ItemBookmarksProperties = item(MenuBookmarks, "&Properties...");
    MenuBookmarks->addSeparator();
    ItemBookmarksImport = item(MenuBookmarks, "&Import Bookmarks...");
    ItemBookmarksExport = item(MenuBookmarks, "E&xport Bookmarks...");
    // The list starts in the details view, where arranging has no meaning.
    ItemBmView[3]->setChecked(true);
    ItemBmViewAutoArrange->setEnabled(false);

    KeyFocusAddress = keyOnly(owner, {QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::ALT | Qt::Key_D)});
    KeyNextTab =
        keyOnly(owner, {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    KeyPreviousTab = keyOnly(
        owner, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    KeyZoomIn =
        keyOnly(owner, {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    KeyZoomOut = keyOnly(owner, {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    KeyZoomReset = keyOnly(owner, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    KeyReload = keyOnly(owner, {QKeySequence(Qt::CTRL | Qt::Key_R)});
    KeyEscape = keyOnly(owner, {QKeySequence(Qt::Key_Escape)});
}

void MainMenus::Apply(const MenuState& m) {
    ItemFileNew->setEnabled(true);
    ItemFileOpen->setVisible(m.fileOpenVisible);
    ItemFileOpenNew->setVisible(m.fileOpenNewVisible);
    ItemFileOpenNew->setEnabled(m.fileOpenNewEnabled);
    ItemFileClose->setEnabled(m.fileCloseEnabled);
    ItemFileOpenExternal->setEnabled(m.fileOpenExternalEnabled);
    ItemFilePrint->setEnabled(m.filePrintEnabled);
    // Whether they are enabled follows the focus (EditCommands).
    for (QAction* a : {ItemEditCut, ItemEditCopy, ItemEditPaste, ItemEditSep1})
        a->setVisible(m.editClipboardVisible);
    ItemEditFind->setEnabled(m.editFindEnabled);
    ItemEditOptions->setEnabled(true);
    for (QAction* a : {ItemSurfReload, ItemSurfStop, ItemSurfBack, ItemSurfForward, ItemSurfStartupPage,
                       ItemSurfSearchPage, ItemSurfWelcomePage})
        a->setEnabled(m.surfEnabled);
    ItemSurfAddToBookmarks->setEnabled(m.surfAddToBookmarksEnabled);
    MenuLinks->setEnabled(m.linksEnabled);
    ItemCardOpen->setVisible(m.cardOpenVisible);
    ItemTabOpenExternal->setVisible(m.tabOpenExternalVisible);
    ItemTabClose->setVisible(m.tabCloseVisible);
    ItemTabShowBookmarks->setVisible(m.tabShowBookmarksVisible);
    ItemTabShowHistory->setVisible(m.tabShowHistoryVisible);
}

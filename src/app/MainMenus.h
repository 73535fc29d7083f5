#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
struct MenuState;

// The main window's menu bar and pop-up menus, with their items named as the handlers know them.
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMenuBar* bar, QWidget* owner);

    // Shows and enables the items as the pane on show wants them.
    void Apply(const MenuState& state);

    QMenu* MenuFile;
    QAction *ItemFileNew, *ItemFileOpen, *ItemFileOpenNew, *ItemFileOpenExternal, *ItemFileClose,
        *ItemFilePrint, *ItemFileTellAFriend, *ItemFileExit;

    QMenu* MenuEdit;
    QAction *ItemEditCut, *ItemEditCopy, *ItemEditPaste, *ItemEditSep1, *ItemEditFind, *ItemEditOptions;

    QMenu* MenuSurf;
    QAction *ItemSurfReload, *ItemSurfStop, *ItemSurfBack, *ItemSurfForward, *ItemSurfAddToBookmarks,
        *ItemSurfStartupPage, *ItemSurfSearchPage, *ItemSurfWelcomePage;

    QMenu* MenuLinks;
    QAction* ItemLinksNone; // "No links on this page"

    QMenu* MenuHelp;
    QAction *ItemHelpWeb, *ItemHelpAbout;
    QAction* ItemHelpShowAssistant; // brings back the assistant the user hid

    // Pop-up menus.
    QMenu* MenuMusic;
    QAction *ItemMusicPlay, *ItemMusicPause, *ItemMusicResume, *ItemMusicStop, *ItemMusicNextSong,
        *ItemMusicSep1, *ItemMusicGetMoreTunes, *ItemMusicVolume, *ItemMusicWhatsThis, *ItemMusicProperties;

    QMenu* MenuCard;
    QAction *ItemCardOpen, *ItemCardOpenNew, *ItemCardSep1, *ItemCardAddToBookmarks, *ItemCardDelete,
        *ItemCardWhatsThis, *ItemCardProperties;

    QMenu* MenuTab;
    QAction *ItemTabOpenExternal, *ItemTabClose, *ItemTabShowBookmarks, *ItemTabShowHistory,
        *ItemTabWhatsThis;

    QMenu* MenuBookmarks;
    QAction *ItemBookmarksOpenNew, *ItemBookmarksOpenExternal, *ItemBookmarksSep1, *ItemBookmarksSep2,
        *ItemBookmarksDelete, *ItemBookmarksRename, *ItemBookmarksWhatsThis, *ItemBookmarksProperties,
        *ItemBookmarksImport, *ItemBookmarksExport;
    QMenu* MenuBmView;
    QAction* ItemBmView[4];
    QAction *ItemBmViewSep1, *ItemBmViewAutoArrange;

    // Keyboard-only commands of a browser window (new page, next tab, zoom and the like).
    QAction *KeyFocusAddress, *KeyNextTab, *KeyPreviousTab, *KeyZoomIn, *KeyZoomOut, *KeyZoomReset,
        *KeyReload, *KeyEscape;
};

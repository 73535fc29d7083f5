#pragma once

// Which menu items the pane on show offers: visible and enabled, as plain data.
struct MenuState {
    bool fileOpenVisible = false;
    bool fileOpenNewVisible = false;
    bool fileOpenNewEnabled = false;
    bool fileCloseEnabled = false;
    bool fileOpenExternalEnabled = false;
    bool filePrintEnabled = false;
    bool editClipboardVisible = false; // Cut, Copy, Paste and the separator after them
    bool editFindEnabled = false;
    bool surfEnabled = false; // Reload, Stop, Back, Forward and the three product pages
    bool surfAddToBookmarksEnabled = false;
    bool linksEnabled = false;
    bool cardOpenVisible = false;
    bool tabOpenExternalVisible = false;
    bool tabCloseVisible = false;
    bool tabShowBookmarksVisible = false;
    bool tabShowHistoryVisible = false;
};

// The menus for a pane (1 bookmark list, 2 history list, 3 a browser page); lineSelected says
// whether the history list has a selected line.
MenuState MenuStateFor(int pane, bool lineSelected);

#include "app/MenuState.h"

#include "browse/BrowserPage.h"

MenuState MenuStateFor(int pane, bool lineSelected) {
    const bool browser = pane == InterfaceBrowser;
    const bool history = pane == InterfaceHistory;
    // Only the history list has lines that the commands can act on.
    const bool line = history && lineSelected;
    MenuState m;
    m.fileOpenVisible = browser;
    m.fileOpenNewVisible = !browser;
    m.fileOpenNewEnabled = !history || line;
    m.fileCloseEnabled = browser;
    m.fileOpenExternalEnabled = browser || line;
    m.filePrintEnabled = !history;
    m.editClipboardVisible = true; // the address box and the page have text to cut, copy and paste too
    m.editFindEnabled = browser;
    m.surfEnabled = browser;
    m.surfAddToBookmarksEnabled = browser || line;
    m.linksEnabled = browser;
    m.cardOpenVisible = browser;
    m.tabOpenExternalVisible = browser;
    m.tabCloseVisible = browser;
    m.tabShowBookmarksVisible = pane != InterfaceBookmarks;
    m.tabShowHistoryVisible = !history;
    return m;
}

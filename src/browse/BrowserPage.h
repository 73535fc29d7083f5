#pragma once

#include "base/ProductProfile.h"

#include <QString>

class BrowserControl;

// One page slot: whether it is in use, its control and its title.
struct BrowserPage {
    bool InUse = false;
    QString Title;
    BrowserControl* Control = nullptr;
};

// The main window's caption for a page title.
inline QString WindowCaptionFor(const QString& title) {
    const QString product = ProductProfile().Product_CaptionSuffix();
    return title.isEmpty() ? product : title + QStringLiteral(" - ") + product;
}

enum Corner { CornerBack = 1, CornerForward = 2, CornerStop = 3, CornerReload = 4 };
// What the browser area shows.
enum Interface { InterfaceNone = 0, InterfaceBookmarks = 1, InterfaceHistory = 2, InterfaceBrowser = 3 };
// The positions of the two list tabs; the pages' tabs follow them.
enum ListTab { TabBookmarks = 1, TabHistory = 2 };
// The picture of a page's tab; every page tab shows the browser picture.
enum TabImage { TabImageNone = 0, TabImageBrowser = 3 };

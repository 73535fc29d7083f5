#pragma once

#include "app/ProductProfile.h"
#include "bookmarks/Bulbs.h"
#include "browse/PageBusy.h"

#include <QString>
#include <QVector>

class BrowserControl;

// One page slot: the page's control and everything the window shows again when it becomes current.
struct BrowserPage {
    bool InUse = false;
    int LastBulb = 0;
    QVector<BulbRecord> BulbSlots; // index 1..SlotCount; element 0 unused
    QString AddressText;
    int SelStart = 0;
    int SelLength = 0;
    QString Title;
    QString WindowCaption;
    QString StatusText;
    PendingBulbs Pending;
    PageBusy Busy;
    bool NavButtons[5] = {false, false, false, false, false}; // 1 back, 2 forward, 3 stop, 4 reload
    BrowserControl* Control = nullptr;

    void Reset(int slotCount) {
        *this = BrowserPage();
        BulbSlots.resize(slotCount + 1);
    }
};

// The main window's caption for a page title.
inline QString WindowCaptionFor(const QString& title) {
    const QString product = ProductProfile().Product_CaptionSuffix();
    return title.isEmpty() ? product : title + QStringLiteral(" - ") + product;
}

enum Corner { CornerBack = 1, CornerForward = 2, CornerStop = 3, CornerReload = 4 };
enum Interface { InterfaceBookmarks = 1, InterfaceHistory = 2, InterfaceBrowser = 3 };

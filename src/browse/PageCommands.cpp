#include "browse/PageCommands.h"

#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/ProductProfile.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/FormOpen.h"
#include "browse/History.h"
#include "browse/WinShell.h"
#include "decor/DesktopSurface.h"

#include <QLineEdit>
#include <algorithm>
#include <array>

namespace {
constexpr std::array<double, 13> kZoomSteps = {0.3,  0.5, 0.67, 0.8, 0.9, 1.0, 1.1,
                                               1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
}

PageCommands::PageCommands(FormMain& window)
    : w_(window)
    , findBar_(new FindBar(window.Surface)) {
    RunOpenDialog = [](FormOpen& dialog) { dialog.exec(); };
    QObject::connect(findBar_, &FindBar::Find, findBar_, [this](const QString& text, bool backward) {
        BrowserControl* page = w_.Pages->Current();
        if (!page) return;
        page->FindText(text, backward, [bar = findBar_](int matches) { bar->ShowMatches(matches); });
    });
    QObject::connect(findBar_, &FindBar::Closed, findBar_, [this] {
        if (BrowserControl* page = w_.Pages->Current()) {
            page->FindText(QString(), false, nullptr); // clears the highlight
            page->View()->setFocus();
        }
    });
}

void PageCommands::ItemFileOpen_Click() {
    if (w_.Pages->CurInterface != InterfaceBrowser) return;
    FormOpen dialog(&w_);
    dialog.EditUrl->setCursorPosition(int(dialog.EditUrl->text().size()));
    RunOpenDialog(dialog);
    OpenFromDialog(dialog);
}

void PageCommands::OpenFromDialog(const FormOpen& dialog) {
    const QString address = dialog.Address();
    if (dialog.Result != 1 || address.isEmpty()) return;
    switch (dialog.Chosen()) {
    case FormOpen::CurrentWindow:
        if (BrowserControl* page = w_.Pages->Current())
            page->Navigate(address);
        else
            w_.Pages->OpenInNewBrowser(address);
        break;
    case FormOpen::NewWindow:
        w_.Pages->OpenInNewBrowser(address);
        break;
    case FormOpen::ExternalWindow:
        WinShell::OpenExternal(address);
        break;
    }
}

void PageCommands::ItemFileOpenExternal_Click() {
    QString address;
    if (w_.Pages->CurInterface == InterfaceHistory)
        address = w_.HistoryList->SelectedAddress();
    else if (w_.Pages->CurInterface == InterfaceBrowser && w_.Pages->CurBrowser >= 1)
        address = w_.EditUrl->text();
    if (!address.isEmpty()) WinShell::OpenExternal(address);
}

void PageCommands::ItemTabOpenExternal_Click() {
    if (w_.Pages->CurInterface == InterfaceBrowser && w_.Pages->CurBrowser >= 1)
        WinShell::OpenExternal(w_.EditUrl->text());
}

void PageCommands::ItemFileTellAFriend_Click() {
    w_.Pages->OpenInNewBrowser(App().Profile->Product_TellAFriendPage());
}

void PageCommands::ItemHelpWeb_Click() {
    w_.Pages->OpenInNewBrowser(App().Profile->Product_HelpPage());
}

void PageCommands::ItemEditFind_Click() {
    if (w_.Pages->CurInterface != InterfaceBrowser || !w_.Pages->Current()) return;
    const QRect pane = w_.Layout().pane();
    findBar_->Open();
    findBar_->move(pane.right() - findBar_->width() - 4, pane.top() + 4);
}

void PageCommands::ItemFilePrint_Click() {
    if (w_.Pages->CurInterface != InterfaceBrowser) return;
    if (BrowserControl* page = w_.Pages->Current()) page->Print(&w_);
}

void PageCommands::Zoom(int step) {
    BrowserControl* page = w_.Pages->Current();
    if (!page || w_.Pages->CurInterface != InterfaceBrowser) return;
    if (step == 0) {
        page->SetZoom(1.0);
        return;
    }
    const double now = page->Zoom();
    double next = now;
    if (step > 0) {
        auto it = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), now + 1e-6);
        next = it == kZoomSteps.end() ? kZoomSteps.back() : *it;
    } else {
        auto it = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), now - 1e-6);
        next = it == kZoomSteps.begin() ? kZoomSteps.front() : *(it - 1);
    }
    page->SetZoom(next);
}

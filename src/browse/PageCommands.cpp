#include "browse/PageCommands.h"

#include "base/ProductProfile.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/FormOpen.h"
#include "browse/WinShell.h"

#include <QLineEdit>
#include <algorithm>
#include <array>

namespace {
constexpr std::array<double, 13> kZoomSteps = {0.3,  0.5, 0.67, 0.8, 0.9, 1.0, 1.1,
                                               1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
}

PageCommands::PageCommands(Browsers& pages, QWidget& window, QWidget& area)
    : pages_(pages)
    , window_(window)
    , findBar_(new FindBar(&area)) {
    RunOpenDialog = [](FormOpen& dialog) { dialog.exec(); };
    QObject::connect(&pages_, &Browsers::placed, findBar_, [this] { PlaceFindBar(); });
    QObject::connect(findBar_, &FindBar::Find, findBar_, [this](const QString& text, bool backward) {
        BrowserControl* page = pages_.Current();
        if (!page) return;
        const int generation = ++findGeneration_;
        page->FindText(text, backward, [this, generation](int active, int matches) {
            if (generation == findGeneration_) findBar_->ShowMatches(active, matches);
        });
    });
    QObject::connect(findBar_, &FindBar::Closed, findBar_, [this] {
        if (BrowserControl* page = pages_.Current()) {
            ++findGeneration_;
            page->FindText(QString(), false, nullptr); // clears the highlight
            page->View()->setFocus();
        }
    });
}

void PageCommands::ItemFileOpen_Click() {
    if (pages_.CurInterface() != InterfaceBrowser) return;
    FormOpen dialog(&window_);
    dialog.EditUrl->setCursorPosition(int(dialog.EditUrl->text().size()));
    RunOpenDialog(dialog);
    OpenFromDialog(dialog);
}

void PageCommands::OpenFromDialog(const FormOpen& dialog) {
    const QString address = dialog.Address();
    if (dialog.Result != ResultOK || address.isEmpty()) return;
    switch (dialog.Chosen()) {
    case FormOpen::CurrentWindow:
        if (BrowserControl* page = pages_.Current())
            page->Navigate(address);
        else
            pages_.OpenInNewBrowser(address);
        break;
    case FormOpen::NewWindow:
        pages_.OpenInNewBrowser(address);
        break;
    case FormOpen::ExternalWindow:
        openExternal(address);
        break;
    }
}

void PageCommands::ItemFileOpenExternal_Click(const QString& historyLine, const QString& addressText) {
    QString address;
    if (pages_.CurInterface() == InterfaceHistory)
        address = historyLine;
    else if (pages_.CurInterface() == InterfaceBrowser && pages_.CurBrowser() >= 1)
        address = addressText;
    if (!address.isEmpty()) openExternal(address);
}

void PageCommands::ItemTabOpenExternal_Click(const QString& addressText) {
    if (pages_.CurInterface() == InterfaceBrowser && pages_.CurBrowser() >= 1) openExternal(addressText);
}

void PageCommands::openExternal(const QString& address) {
    if (WinShell::OpenExternal(address) || !ShowMessage) return;
    ShowMessage(
        QStringLiteral("Open in External Window"),
        WinShell::ExternalUrl(address).isEmpty()
            ? QStringLiteral("Only web and mail addresses can be opened in an external window.")
            : QStringLiteral("No web browser on this computer could open %1.").arg(address.trimmed()));
}

void PageCommands::ItemFileTellAFriend_Click() {
    pages_.OpenInNewBrowser(ProductProfile().Product_TellAFriendPage());
}

void PageCommands::ItemHelpWeb_Click() {
    pages_.OpenInNewBrowser(ProductProfile().Product_HelpPage());
}

void PageCommands::ItemEditFind_Click() {
    if (pages_.CurInterface() != InterfaceBrowser || !pages_.Current()) return;
    findBar_->Open();
    PlaceFindBar();
}

void PageCommands::PlaceFindBar() {
    const QRect pane = pages_.Pane();
    findBar_->move(pane.right() - findBar_->width() - 4, pane.top() + 4);
}

void PageCommands::ItemFilePrint_Click() {
    if (pages_.CurInterface() != InterfaceBrowser) return;
    if (BrowserControl* page = pages_.Current()) page->Print(&window_);
}

void PageCommands::Zoom(int step) {
    BrowserControl* page = pages_.Current();
    if (!page || pages_.CurInterface() != InterfaceBrowser) return;
    if (step == 0) {
        page->SetZoom(1.0);
        if (Zoomed) Zoomed(1.0);
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
    if (Zoomed) Zoomed(next);
}

void PageCommands::ItemFileSaveAs_Click() {
    if (pages_.CurInterface() != InterfaceBrowser) return;
    if (BrowserControl* page = pages_.Current()) page->SaveAs();
}

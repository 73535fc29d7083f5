#include "browse/SurfCommands.h"

#include "base/Preferences.h"
#include "browse/AddressInput.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/PageEvents.h"
#include "browse/TypedAddress.h"

SurfCommands::SurfCommands(Browsers& pages, const PageEvents& events, const PreferencesStore& prefs)
    : pages_(pages)
    , events_(events)
    , prefs_(prefs) {}

bool SurfCommands::cornerShown(int corner) const {
    return pages_.Current() && events_.CornerShown(corner);
}

void SurfCommands::EditUrl_Enter(const QString& text) {
    const TypedAddress typed = TypedAddress::Resolve(text, prefs_.Values().SearchAddress);
    if (typed.kind == TypedAddress::Blank) return;
    if (typed.kind == TypedAddress::TooLong) {
        if (ShowMessage)
            ShowMessage(QStringLiteral("Address"),
                        QStringLiteral("This address is %L1 characters long; an address can have at most %L2 "
                                       "characters.\n\nIt was not loaded.")
                            .arg(text.size())
                            .arg(AddressInput::kMaxLength));
        return;
    }
    // Words go to the search address; an address goes as typed.
    const QString target = typed.kind == TypedAddress::Search ? typed.target : text;
    if (BrowserControl* page = pages_.Current())
        page->Navigate(target);
    else
        pages_.OpenInNewBrowser(target);
}

void SurfCommands::ImgGoBack_Click() {
    if (cornerShown(CornerBack)) pages_.Current()->GoBack();
}

void SurfCommands::ImgGoForward_Click() {
    if (cornerShown(CornerForward)) pages_.Current()->GoForward();
}

void SurfCommands::ImgReload_Click() {
    if (BrowserControl* page = pages_.Current(); page && !page->Busy()) page->Refresh();
}

void SurfCommands::ImgStop_Click() {
    if (BrowserControl* page = pages_.Current()) page->Stop();
}

void SurfCommands::ItemSurfStartupPage_Click() {
    if (BrowserControl* page = pages_.Current()) page->Navigate(prefs_.Values().StartupPage);
}

void SurfCommands::ItemSurfSearchPage_Click() {
    if (pages_.CurInterface() == InterfaceBrowser && pages_.Current())
        pages_.Current()->Navigate(prefs_.Values().SearchPage);
}

void SurfCommands::ItemSurfWelcomePage_Click() {
    if (pages_.CurInterface() == InterfaceBrowser && pages_.Current())
        pages_.Current()->Navigate(prefs_.Values().WelcomePage);
}

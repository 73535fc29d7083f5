#include "browse/SurfCommands.h"

#include "base/Preferences.h"
#include "browse/AddressInput.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/PageEvents.h"

SurfCommands::SurfCommands(Browsers& pages, const PageEvents& events, const PreferencesStore& prefs)
    : pages_(pages)
    , events_(events)
    , prefs_(prefs) {}

bool SurfCommands::cornerShown(int corner) const {
    return pages_.Current() && events_.CornerShown(corner);
}

void SurfCommands::EditUrl_Enter(const QString& text) {
    const AddressInput input = AddressInput::Classify(text);
    if (input.kind == AddressInput::Blank) return;
    if (input.kind == AddressInput::TooLong) {
        if (ShowMessage)
            ShowMessage(QStringLiteral("Address"),
                        QStringLiteral("This address is %L1 characters long; an address can have at most %L2 "
                                       "characters.\n\nIt was not loaded.")
                            .arg(text.size())
                            .arg(AddressInput::kMaxLength));
        return;
    }
    if (BrowserControl* page = pages_.Current())
        page->Navigate(text);
    else
        pages_.OpenInNewBrowser(text);
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

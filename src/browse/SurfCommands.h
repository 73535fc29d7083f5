#pragma once

#include <QString>
#include <functional>

class Browsers;
class PageEvents;
class PreferencesStore;

// Driving the current page from the address box, the corner images and the Surf menu.
class SurfCommands {
public:
    SurfCommands(Browsers& pages, const PageEvents& events, const PreferencesStore& prefs);

    // Enter in the address box: the current page goes there, or a new page when none is open. Words
    // that are no address are looked up with the search address. Blank text does nothing; an
    // address longer than the engine takes is refused with a message.
    void EditUrl_Enter(const QString& text);
    // How a refusal is told; the window shows a message box.
    std::function<void(const QString& title, const QString& text)> ShowMessage;
    // Back and forward act only while their image shows.
    void ImgGoBack_Click();
    void ImgGoForward_Click();
    // No reload while the page is busy.
    void ImgReload_Click();
    // Stops the page; the window hides its stop image, the page's stop flag stays.
    void ImgStop_Click();
    void ItemSurfStartupPage_Click();
    void ItemSurfSearchPage_Click();
    void ItemSurfWelcomePage_Click();

private:
    bool cornerShown(int corner) const;
    Browsers& pages_;
    const PageEvents& events_;
    const PreferencesStore& prefs_;
};

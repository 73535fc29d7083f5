#pragma once

#include <QString>
#include <memory>

class AgentController;
class ProductProfile;

// The process-wide application state: one record, read by most modules.
struct AppGlobals {
    AppGlobals();
    ~AppGlobals();

    int ContextItem = 0;  // bulb slot or desktop card last pressed, for its context menu
    int BrowserCount = 0; // pages open now
    int BrowserSlots = 0; // highest page slot ever allocated
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
    int BackgroundIndex = 1; // 1..14

    // Layout measures in pixels, computed once by the main window layout.
    double WorkLeft = 0, WorkTop = 0, WorkWidth = 0, WorkHeight = 0;
    double DesktopLeft = 0, DesktopTop = 0, DesktopWidth = 0, DesktopHeight = 0;
    double PaneLeft = 0, PaneTop = 0, PaneWidth = 0, PaneHeight = 0;

    int CurrentTab = 0; // position of the selected tab; 0 after a page has been closed

    QString SitesFile;
    QString BookmarkFile;
    std::unique_ptr<AgentController> Agent;
    std::unique_ptr<ProductProfile> Profile;

    QString StartupPage;
    QString SearchPage;
    QString WelcomePage;
    bool StartupPageEditable = false;
    bool SearchPageEditable = false;

    // Light-string slot counts, fixed by the layout.
    int TopCount = 0, SideCount = 0, RightEnd = 0, BottomEnd = 0, SlotCount = 0;

    bool LoadingBookmarks = false;
    bool BookmarkAutoArrange = false;
    bool CardsLoaded = false;
    int CardCount = 0;
    int CardSlots = 0;
    int IconCount = 0;

    // Why the data folder could not be used, or "" when it is fine; told to the user once.
    QString DataFolderProblem;
};

// The one instance for the whole process.
AppGlobals& App();
// Starts afresh with a zeroed record (tests).
void ResetAppGlobals();

#pragma once

#include <QString>
#include <memory>

class AgentController;
class ProductProfile;

// The process-wide application state: one record, read by most modules.
struct AppGlobals {
    AppGlobals();
    ~AppGlobals();

    int BackgroundIndex = 1; // 1..14

    QString SitesFile;
    QString BookmarkFile;
    std::unique_ptr<AgentController> Agent;
    std::unique_ptr<ProductProfile> Profile;

    QString StartupPage;
    QString SearchPage;
    QString WelcomePage;
    bool StartupPageEditable = false;
    bool SearchPageEditable = false;

    // Why the data folder could not be used, or "" when it is fine; told to the user once.
    QString DataFolderProblem;
};

// The one instance for the whole process.
AppGlobals& App();
// Starts afresh with a zeroed record (tests).
void ResetAppGlobals();

#pragma once

#include "base/Preferences.h"

#include <memory>

class AgentController;
class ProductProfile;

// What start-up creates for the whole run and hands to the window: the character controller, the
// product profile and the preferences. Only the composition root (this folder) reaches it.
struct AppGlobals {
    AppGlobals();
    ~AppGlobals();

    std::unique_ptr<AgentController> Agent;
    std::unique_ptr<ProductProfile> Profile;
    PreferencesStore Prefs;
};

// The one instance for the whole process.
AppGlobals& App();
// Starts afresh with a zeroed record (tests).
void ResetAppGlobals();

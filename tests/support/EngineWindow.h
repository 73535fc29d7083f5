#pragma once

#include "TestEnvironment.h"
#include "app/MainModules.h"
#include "app/WindowProbe.h"
#include "browse/Browsers.h"
#include "browse/WebEngineBrowser.h"

#include <memory>

// A main window over the real engine, in a private home, made and shown as start-up does (a
// recording character stands in for the real one). Test classes derive from it, start it in init()
// and end it in cleanup().
class EngineWindowFixture {
protected:
    ~EngineWindowFixture();
    // A home with the globals filled, an engine off the record, and a window on it.
    bool StartEngineWindow();
    // A new window over the same home and engine, as at the next start; the old one must be gone.
    bool OpenWindow();
    // The window, then the engine, then the home.
    void EndEngineWindow();

    MainModules& mod() const { return FormMainProbe::Modules(*form); }
    MainControls& ui() const { return FormMainProbe::Controls(*form); }
    BrowserControl* current() const { return mod().Pages->Current(); }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<WebEngineBrowserFactory> factory;
    std::unique_ptr<FormMain> form;
};

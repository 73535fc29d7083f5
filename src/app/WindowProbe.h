#pragma once

// The main window as tests and benchmarks see it: its public face, and its controls and modules
// for the checks that need to look inside.
#include "app/FormMain.h"

struct FormMainProbe {
    static MainControls& Controls(FormMain& form) { return form.ui_; }
    static MainModules& Modules(FormMain& form) { return form.m_; }
};

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class BrowserFactory;
class FormMain;

// Fills the file paths, the character controller, the product profile and the page addresses.
void InitGlobals();

// What start-up shows when the first browser page cannot be created.
QString StartupFailureText();

struct StartupHooks {
    // Shows the start-up failure; the default is a modal message box.
    std::function<void(const QString& title, const QString& text)> reportFailure;
    // Called with the main window once it is visible (benchmarks and tests watch it).
    std::function<void(FormMain&)> windowShown;
};

// The program's entry: splash, globals, music, main window, first pages (the addresses given, beside
// the start page or the pages from last time). Returns the main window, or null when start-up failed
// (the failure has been reported and nothing stays open).
FormMain* Main(BrowserFactory& factory, const StartupHooks& hooks = {}, const QStringList& addresses = {});

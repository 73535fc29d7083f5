#pragma once

#include <QString>
#include <functional>

class OptionsCharacter;
class PreferencesStore;
class QWidget;

// What the options dialog needs of the program around it. The desktop's services may stay empty:
// the real folder picker, file manager and question box stand in for them.
struct OptionsHost {
    // Repaints the window's desktop with background n (1..14).
    std::function<void(int n)> DrawBackground;
    // A line in the main window's status bar.
    std::function<void(const QString& text)> StatusText;
    // The character the Agent page drives; never null.
    OptionsCharacter* Character = nullptr;
    // The pages and background the General page shows and stores; never null.
    PreferencesStore* Prefs = nullptr;

    std::function<QString(QWidget* owner, const QString& title)> BrowseForFolder;
    // False when the folder could not be shown.
    std::function<bool(const QString& folder)> OpenFolder;
    // True for Yes.
    std::function<bool(QWidget* owner, const QString& question)> AskYesNo;
};

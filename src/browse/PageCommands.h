#pragma once

#include <QString>
#include <functional>

class Browsers;
class FindBar;
class FormOpen;
class QWidget;

// The File and Help commands that open addresses, and the page commands Find, Print and zoom.
class PageCommands {
public:
    // Dialogs open over the window; the find bar floats over the pane, a child of the area.
    PageCommands(Browsers& pages, QWidget& window, QWidget& area);

    void ItemFileOpen_Click();
    // Acts on a finished Open dialog.
    void OpenFromDialog(const FormOpen& dialog);
    // The history line in the history pane, the page's address text in the browser pane.
    void ItemFileOpenExternal_Click(const QString& historyLine, const QString& addressText);
    void ItemTabOpenExternal_Click(const QString& addressText);
    void ItemFileTellAFriend_Click();
    void ItemHelpWeb_Click();
    void ItemEditFind_Click();
    // The find bar at the pane's top right corner, wherever the pane is now.
    void PlaceFindBar();
    void ItemFilePrint_Click();
    void Zoom(int step); // +1 in, -1 out, 0 back to 100 %
    // File > Save Page As...: the page on show (a PDF too) through the download's save dialog.
    void ItemFileSaveAs_Click();

    FindBar* Finder() const { return findBar_; }
    // Tests answer the Open dialog instead of a user.
    std::function<void(FormOpen&)> RunOpenDialog;
    // How a failure is told; the window shows a message box.
    std::function<void(const QString& title, const QString& text)> ShowMessage;
    // Told after the user changed the current page's zoom (its site keeps it).
    std::function<void(double factor)> Zoomed;

private:
    // Hands the address to the desktop, and says so when no program took it.
    void openExternal(const QString& address);

    Browsers& pages_;
    int findGeneration_ = 0; // answers of earlier searches are dropped
    QWidget& window_;
    FindBar* findBar_;
};

#pragma once

#include <QString>
#include <functional>

class FindBar;
class FormMain;
class FormOpen;

// The File and Help commands that open addresses, and the page commands Find, Print and zoom.
class PageCommands {
public:
    explicit PageCommands(FormMain& window);

    void ItemFileOpen_Click();
    // Acts on a finished Open dialog.
    void OpenFromDialog(const FormOpen& dialog);
    void ItemFileOpenExternal_Click();
    void ItemTabOpenExternal_Click();
    void ItemFileTellAFriend_Click();
    void ItemHelpWeb_Click();
    void ItemEditFind_Click();
    void ItemFilePrint_Click();
    void Zoom(int step); // +1 in, -1 out, 0 back to 100 %

    FindBar* Finder() const { return findBar_; }
    // Tests answer the Open dialog instead of a user.
    std::function<void(FormOpen&)> RunOpenDialog;

private:
    FormMain& w_;
    FindBar* findBar_;
};

#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// Hands an address to the desktop's own browser or mail program. Only web and mail addresses are
// handed over, so a dropped or typed text can never start a local program.
namespace WinShell {

// The address to hand over, or an empty QUrl when it must not leave the program.
QUrl ExternalUrl(const QString& address);
// Returns true when the address was handed to the desktop.
bool OpenExternal(const QString& address);
// The desktop's folder picker; "" when the user cancels.
QString BrowseForFolder(QWidget* owner, const QString& title);
// Shows the folder in the desktop's file manager; false when it is missing or nothing could show it.
bool OpenFolder(const QString& folder);
// Tests replace the desktop's opener.
void SetOpenerForTesting(std::function<bool(const QUrl&)> opener);

} // namespace WinShell

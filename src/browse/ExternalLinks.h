#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// Links whose scheme the engine does not show itself (ssh:, steam:, mailto: ...) belong to other
// programs. They are handed to the desktop only after the user says so.
namespace ExternalLinks {

// True for the schemes a page shows itself.
bool IsEngineScheme(const QString& scheme);
// Asks "Open this link with another program?" (default No); done(true) when the user said Yes.
// Returns at once; the answer comes later.
void Ask(QWidget* parent, const QUrl& url, std::function<void(bool)> done);
// Opens the link with the desktop's handler; false when nothing could open it.
bool OpenWithDesktop(const QUrl& url);

// Tests answer the question and stand in for the desktop.
void SetQuestionForTesting(std::function<void(const QUrl&, std::function<void(bool)>)> question);
void SetOpenerForTesting(std::function<bool(const QUrl&)> opener);

} // namespace ExternalLinks

#pragma once

class QWebEnginePage;
class QWidget;

// The questions a page may put to the user: certificate errors (refused unless the user accepts)
// and feature permissions such as camera, location and notifications (refused unless allowed).
namespace WebPermissions {
void Attach(QWebEnginePage* page, QWidget* dialogParent);
}

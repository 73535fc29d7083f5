#pragma once

class QString;
class QWidget;

// A warning the user reads when it suits: the box opens over its window and returns at once, so
// browsing goes on behind it; it removes itself when closed.
void WarnLater(QWidget* parent, const QString& title, const QString& text);

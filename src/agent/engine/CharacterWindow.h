#pragma once

#include <QCache>
#include <QElapsedTimer>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

class CharacterEngine;
class QMenu;

// The figure on the desktop: a frameless window above the others, shaped to the frame on show so
// that a click beside the figure reaches the window below. The user drags it with the left button
// and gets its menu with the right one. It never takes the keyboard focus.
class CharacterWindow : public QWidget {
    Q_OBJECT
public:
    explicit CharacterWindow(CharacterEngine& engine);
    ~CharacterWindow() override;

    // The character's menu: the program puts its commands in it; "Hide" stays at the end.
    QMenu* Menu() const { return menu_; }
    QAction* HideAction() const { return hide_; }

signals:
    void dragged(); // the user moved the figure

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showFrame();
    QPixmap picture(int index) const;
    QRegion shape(int index) const;

    CharacterEngine& engine_;
    QMenu* menu_;
    QAction* hide_;
    bool dragging_ = false;
    QElapsedTimer raised_;
    QPoint grab_;
    // Pictures drawn at the current size and pixel density, and their shapes.
    mutable QCache<quint64, QPixmap> pictures_;
    mutable QCache<quint64, QRegion> shapes_;
};

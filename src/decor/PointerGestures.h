#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;

// The pointer rules shared by everything that can be pressed, dragged and right-clicked on the
// window: desktop cards, the music box, the bookmark list and the tab strip. Only cards and the
// music box move; the others only get their menu on the right button's release.
class PointerGestures : public QObject {
    Q_OBJECT
public:
    enum Kind { KindBulb = 2, KindCard = 3, KindMusicBox = 5, KindBookmarkList = 8, KindTabStrip = 9 };

    // Positions are in the object's own pixels, as its mouse events give them.
    bool Generic_Click(int kind);
    void Generic_MouseDown(QWidget* object, int kind, int index, Qt::MouseButton button, QPoint at);
    void Generic_MouseMove(QWidget* object, int kind, int index, Qt::MouseButtons buttons, QPoint at);
    void Generic_MouseUp(QWidget* object, int kind, int index, Qt::MouseButton button, QPoint at);

    // The card or bulb last pressed.
    int ContextItem = 0;
    // A drag of another kind (the bulbs) ended: swallow the click that follows.
    void SuppressNextClick() { suppressClick_ = true; }
    void StopDrag();
    bool Dragging() const { return dragging_; }

    // Where the object's grab point would land; true refuses the drop.
    std::function<bool(QPoint)> IsBadDrop;
    // Where a card would lie (window pixels); true refuses the drop.
    std::function<bool(QRect)> IsBadCardPlace;

signals:
    // The object was dropped at its new place (window pixels of its top-left corner).
    void moved(int kind, int index, QPoint topLeft);
    // A forbidden drop: the object is back where it was.
    void movedBack(int kind, int index, QPoint topLeft);
    void menuRequested(int kind, int index, QPoint globalAt);
    void hovered(int kind, int index);

private:
    bool pressed_ = false;
    bool dragging_ = false;
    bool suppressClick_ = false;
    bool popup_ = false;
    int dragKind_ = 0;
    Qt::MouseButton button_ = Qt::NoButton;
    QPoint pressAt_;
    QPoint startTopLeft_;
};

#include "decor/PointerGestures.h"

#include <QWidget>

namespace {
bool movable(int kind) {
    return kind == PointerGestures::KindCard || kind == PointerGestures::KindMusicBox;
}
} // namespace

bool PointerGestures::Generic_Click(int kind) {
    if (popup_ && kind == dragKind_) {
        popup_ = false;
        return false; // the click of the release that showed a menu
    }
    if (suppressClick_) {
        suppressClick_ = false;
        return false; // the click that ends a drag
    }
    return true;
}

void PointerGestures::Generic_MouseDown(QWidget* object, int kind, int index, Qt::MouseButton button,
                                        QPoint at) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    if (movable(kind)) object->raise();
    pressed_ = true;
    if (dragging_) return;
    button_ = button;
    dragKind_ = kind;
    ContextItem = index;
    pressAt_ = at;
    startTopLeft_ = object->pos();
}

void PointerGestures::Generic_MouseMove(QWidget* object, int kind, int index, Qt::MouseButtons buttons,
                                        QPoint at) {
    if (!movable(kind) || (buttons & Qt::RightButton)) return;
    if (dragging_) {
        // The grab point stays under the pointer.
        object->move(object->pos() + at - pressAt_);
    } else if (pressed_ && button_ == Qt::LeftButton) {
        const QPoint moved = at - pressAt_;
        if (qAbs(moved.x()) > 0 || qAbs(moved.y()) > 0) {
            dragging_ = true;
            ContextItem = index;
        }
    } else if (!pressed_) {
        emit hovered(kind, index);
    }
}

void PointerGestures::Generic_MouseUp(QWidget* object, int kind, int index, Qt::MouseButton button,
                                      QPoint at) {
    if (button == Qt::LeftButton) {
        pressed_ = false;
        if (!dragging_ || !movable(kind)) return;
        suppressClick_ = true;
        dragging_ = false;
        const QPoint drop = object->pos() + at;
        const bool badPlace = kind == KindCard && IsBadCardPlace && IsBadCardPlace(object->geometry());
        if ((IsBadDrop && IsBadDrop(drop)) || badPlace) {
            object->move(startTopLeft_);
            emit movedBack(kind, index, startTopLeft_);
        } else {
            emit moved(kind, index, object->pos());
        }
    } else if (button == Qt::RightButton) {
        pressed_ = false;
        popup_ = true;
        emit menuRequested(kind, index, object->mapToGlobal(at));
    }
}

void PointerGestures::StopDrag() {
    dragging_ = false;
    pressed_ = false;
}

#include "agent/voice/ListeningKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequenceEdit>

ListeningKeyFilter::ListeningKeyFilter(int key)
    : key_(key) {
    qApp->installEventFilter(this);
}

ListeningKeyFilter::~ListeningKeyFilter() {
    qApp->removeEventFilter(this);
}

void ListeningKeyFilter::SetKey(int key) {
    if (down_ && OnReleased) OnReleased();
    down_ = false;
    key_ = key;
}

bool ListeningKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != key_ || key_ == 0) return false;
    for (QObject* o = watched; o; o = o->parent())
        if (qobject_cast<QKeySequenceEdit*>(o)) return false;
    if (key->isAutoRepeat()) return true;
    if (type == QEvent::KeyPress && !down_) {
        down_ = true;
        if (OnPressed) OnPressed();
    } else if (type == QEvent::KeyRelease && down_) {
        down_ = false;
        if (OnReleased) OnReleased();
    }
    return true;
}

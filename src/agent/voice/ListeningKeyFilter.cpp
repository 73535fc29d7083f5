#include "agent/voice/ListeningKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequenceEdit>

ListeningKeyFilter::ListeningKeyFilter(int key)
    : key_(key) {
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(kReleaseMs);
    connect(&releaseTimer_, &QTimer::timeout, this, &ListeningKeyFilter::release);
    qApp->installEventFilter(this);
}

ListeningKeyFilter::~ListeningKeyFilter() {
    qApp->removeEventFilter(this);
}

void ListeningKeyFilter::SetKey(int key) {
    release();
    key_ = key;
}

void ListeningKeyFilter::release() {
    releaseTimer_.stop();
    if (!down_) return;
    down_ = false;
    if (OnReleased) OnReleased();
}

bool ListeningKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != key_ || key_ == 0) return false;
    for (QObject* o = watched; o; o = o->parent())
        if (qobject_cast<QKeySequenceEdit*>(o)) return false;
    if (key->isAutoRepeat()) return true;
    if (type == QEvent::KeyPress) {
        if (releaseTimer_.isActive())
            releaseTimer_.stop(); // a repeat after all: still held
        else if (!down_) {
            down_ = true;
            if (OnPressed) OnPressed();
        }
    } else if (down_) {
        releaseTimer_.start();
    }
    return true;
}

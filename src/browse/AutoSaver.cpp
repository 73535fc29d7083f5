#include "browse/AutoSaver.h"

#include <QTimer>
#include <algorithm>

AutoSaver::AutoSaver(std::function<bool()> save, QObject* parent)
    : QObject(parent)
    , save_(std::move(save))
    , timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &AutoSaver::SaveNow);
}

void AutoSaver::Changed() {
    if (!pending_) {
        pending_ = true;
        since_.start();
    }
    const qint64 left = kLatestMs - since_.elapsed();
    timer_->start(int(std::clamp<qint64>(left, 0, kQuietMs)));
}

void AutoSaver::SaveNow() {
    timer_->stop();
    if (!pending_) return;
    pending_ = false;
    if (save_()) {
        failing_ = false;
        return;
    }
    if (!failing_) emit saveFailed();
    failing_ = true;
}

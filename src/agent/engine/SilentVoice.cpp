#include "agent/engine/SilentVoice.h"

SilentVoice::SilentVoice() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void SilentVoice::Say(const QString& text, const QString&, int, int rate) {
    timer_.stop();
    words_.clear();
    positions_.clear();
    next_ = 0;
    msPerWord_ = 60000 / qBound(80, rate, 450);
    qsizetype at = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        at = text.indexOf(word, at);
        positions_.append(int(at));
        words_.append(word);
        at += word.size();
    }
    timer_.start(0);
}

void SilentVoice::tick() {
    if (next_ >= words_.size()) {
        if (OnMouth) OnMouth(MouthShape::Closed);
        if (OnFinished) OnFinished();
        return;
    }
    if (OnWord) OnWord(positions_.at(next_), int(words_.at(next_).size()));
    if (OnMouth) OnMouth(next_ % 2 ? MouthShape::Narrow : MouthShape::Open);
    ++next_;
    timer_.start(msPerWord_);
}

void SilentVoice::Stop() {
    if (!timer_.isActive()) return;
    timer_.stop();
    next_ = int(words_.size());
    if (OnMouth) OnMouth(MouthShape::Closed);
    if (OnFinished) OnFinished();
}

#pragma once

#include "agent/engine/VoiceOutput.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

// Speech without sound: the words come at a speaking pace, so the balloon reads as if spoken.
class SilentVoice : public VoiceOutput {
public:
    SilentVoice();
    void Say(const QString& text, const QString& voice, int pitch, int rate) override;
    void Stop() override;

private:
    void tick();

    QTimer timer_;
    QStringList words_;
    QList<int> positions_;
    int next_ = 0;
    int msPerWord_ = 350;
};

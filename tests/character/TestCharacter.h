#pragma once

#include "agent/engine/VoiceOutput.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A small character written for the tests: plain coloured frames, short durations, every state.
// `change` may edit the manifest text before it is written, to make a broken character.
QString WriteTestCharacter(const QTemporaryDir& dir, const QString& id = QStringLiteral("tester"),
                           const std::function<void(QString&)>& change = {});

// A voice that says nothing and ends an utterance when told to, or at once.
class ScriptedVoice : public VoiceOutput {
public:
    void Say(const QString& text, const QString&, int, int) override;
    void Stop() override;
    // Every word heard, then the end.
    void FinishUtterance();
    bool finishAtOnce = true;
    QStringList said;
    bool talking = false;
    std::function<void()> OnSaid; // after every Say
};

#pragma once

#include "agent/AgentController.h"

#include <QStringList>

// A character that writes down what it was asked to do.
class RecordingAgent : public AgentController {
public:
    RecordingAgent()
        : AgentController(NoCharacterPlatform{}) {}
    void Interrupt() override { said << QStringLiteral("interrupt"); }
    void Speak(const QString& text) override { said << QStringLiteral("speak:") + text; }
    void Think(const QString& text) override { said << QStringLiteral("think:") + text; }
    // Text said as it stands, outside the speech mark-up.
    void SpeakAsWritten(const QString& text) override { said << QStringLiteral("say:") + text; }
    void ThinkAsWritten(const QString& text) override { said << QStringLiteral("muse:") + text; }
    bool Script(const QString& name, bool, const QVariantList&) override {
        said << QStringLiteral("script:") + name;
        return true;
    }
    void Command(const QString& name) override { said << QStringLiteral("command:") + name; }
    void ShowStandardProperties() override { said << QStringLiteral("properties"); }
    void VoiceCommandVisible(const QString& command, bool visible) override {
        said << QStringLiteral("voice:%1=%2").arg(command).arg(visible);
    }
    QStringList said;
};

#pragma once

#include "dialogs/OptionsCharacter.h"

#include <QStringList>

// A character that behaves as the program's does where the options dialog can see it (on, off, its
// name and size) and writes down every request.
class RecordingCharacter : public OptionsCharacter {
public:
    bool UseAgent() const override { return use; }
    void SetUseAgent(bool on) override {
        log << QStringLiteral("use:%1").arg(on);
        if (!on) name.clear(); // switching off unloads
        use = on;
    }
    QString CurName() const override { return name; }
    QString CurBaseName() const override { return name; }
    int SizeFactor() const override { return size; }
    void SetSizeFactor(int factor) override { size = factor; }
    void RememberCurSizeFactor() override { remembered = size; }
    void RecallSizeFactor() override { size = remembered; }
    void SaveSizeFactor() override { log << QStringLiteral("savesize:%1").arg(size); }
    void SelectAgent(const QString& chosen) override {
        log << QStringLiteral("select:") + chosen;
        if (use) name = chosen;
    }
    void BringBack() override { log << QStringLiteral("bringback"); }
    void Script(const QString& script, bool immediately) override {
        log << QStringLiteral("script:") + script + (immediately ? QStringLiteral("!") : QString());
    }
    QStringList CharacterFolders() const override { return folders; }
    void ShowStandardProperties() override { log << QStringLiteral("properties"); }

    QStringList Scripts() const { return log.filter(QStringLiteral("script:")); }

    bool use = false;
    QString name;
    int size = 4;
    int remembered = 0;
    QStringList folders;
    QStringList log;
};

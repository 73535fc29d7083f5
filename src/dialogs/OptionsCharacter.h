#pragma once

#include <QString>
#include <QStringList>

// What the options dialog asks of the assistant character: the few operations its Agent page and
// the applying after OK need, so the dialog runs in a test against a recording character.
class OptionsCharacter {
public:
    virtual ~OptionsCharacter() = default;

    virtual bool UseAgent() const = 0;
    // Switching off makes a loaded character say goodbye and go.
    virtual void SetUseAgent(bool use) = 0;
    virtual QString CurName() const = 0;
    virtual QString CurBaseName() const = 0;
    virtual int SizeFactor() const = 0;
    // Resizes a loaded character at once.
    virtual void SetSizeFactor(int factor) = 0;
    virtual void RememberCurSizeFactor() = 0;
    virtual void RecallSizeFactor() = 0;
    virtual void SaveSizeFactor() = 0;
    // Loads the named character where the last one stood.
    virtual void SelectAgent(const QString& name) = 0;
    // Shows again a character the user hid.
    virtual void BringBack() = 0;
    virtual void Script(const QString& name, bool immediately) = 0;
    // Where the installed characters are found.
    virtual QStringList CharacterFolders() const = 0;
    // The character's voice and balloon settings.
    virtual void ShowStandardProperties() = 0;
};

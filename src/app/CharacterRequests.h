#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QVariantList>

class AgentController;

// Where every module's requests of the character arrive: each goes to the character while one is
// loaded and is dropped once it has gone (at shut-down), so no sender has to ask.
class CharacterRequests : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Speak(const QString& text);
    void Think(const QString& text);
    // Words from a page: shown and said as they stand, without the speech mark-up.
    void SpeakAsWritten(const QString& text);
    void ThinkAsWritten(const QString& text);
    void Interrupt();
    void Script(const QString& name, bool immediately = false, const QVariantList& args = {});
    void VoiceCommandVisible(const QString& command, bool visible);
    // Where it stands and whether it shows.
    void StepAside(const QRect& dialog);
    void BringBack();
    void Hide();
    // A file could not be read or written: the character's script tells it, and the status bar.
    void TellProblem(const QString& script, const QString& message);

signals:
    // What the user must read when the character cannot say it.
    void statusText(const QString& text);

private:
    static AgentController* agent();
};

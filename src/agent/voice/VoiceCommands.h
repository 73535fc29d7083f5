#pragma once

#include <QObject>
#include <QString>
#include <functional>

class AudioCapture;
class VoiceRecogniser;

// Push to talk: while the listening key is held the microphone records, on release the recording is
// recognised, and a command that was heard is raised like one chosen from the character's menu.
// Without a microphone or a model the key does nothing, and the user is told so once.
class VoiceCommands : public QObject {
    Q_OBJECT
public:
    static inline const QString kListening = QStringLiteral("Listening\u2026");
    static inline const QString kNotCaught = QStringLiteral("Didn't catch that");

    VoiceCommands(AudioCapture& microphone, VoiceRecogniser& recogniser);

    void KeyPressed();
    void KeyReleased();
    bool Listening() const { return listening_; }

    // Whether there is a character to listen for; no character, no listening.
    std::function<bool()> CharacterPresent;
    // Whether a command can be given just now (a hidden command cannot).
    std::function<bool(const QString& name)> CommandAvailable;

signals:
    void tipShown(const QString& text, bool transient); // transient: goes by itself after a moment
    void tipHidden();
    void commandHeard(const QString& name);
    void statusText(const QString& text); // once, when voice commands cannot work

private:
    void unavailable(const QString& why);
    void recorded(const QByteArray& pcm);
    void recognised(const QString& name);

    AudioCapture& microphone_;
    VoiceRecogniser& recogniser_;
    bool listening_ = false; // the key is down and the microphone is (being) opened
    bool recording_ = false; // the microphone is open
    bool noModel_ = false;   // the key does nothing any more
    bool told_ = false;      // the user knows it cannot work
    int pending_ = 0;        // recordings handed to the recogniser and not answered yet
};

#pragma once

#include "agent/engine/AnimationCursor.h"
#include "agent/engine/CharacterFile.h"
#include "agent/engine/SpeechMarkup.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class VoiceOutput;

// One character's life on screen, without a window: the queue of requests, the animation playing,
// the walk, the speech and the idling. The window draws what this says and tells it where the user
// dragged the figure.
class CharacterEngine : public QObject {
    Q_OBJECT
public:
    enum class Direction { Left, Right, Up, Down };

    CharacterEngine(std::shared_ptr<const CharacterData> character, std::unique_ptr<VoiceOutput> voice,
                    QObject* parent = nullptr);
    ~CharacterEngine() override;

    const CharacterData& Data() const { return *character_; }
    VoiceOutput& Voice() const { return *voice_; }

    // Requests run one after the other, in the order given.
    void Show();
    void Hide();
    void Play(const QString& animation);
    void Speak(const QString& text);
    void Think(const QString& text); // replaces a thought that is still waiting
    // Text from elsewhere (a page read aloud): said and shown exactly as it stands, without the
    // speech mark-up of the program's own scripts.
    void SpeakAsWritten(const QString& text);
    void ThinkAsWritten(const QString& text); // replaces a thought that is still waiting
    void MoveTo(QPoint topLeft);              // screen pixels of the figure's top-left corner
    void GestureAt(QPoint target);            // screen pixels of the point to show
    // Ends the current request through its exits and drops every one still waiting.
    void Stop();

    bool Visible() const { return visible_; }
    bool Busy() const { return current_.has_value() || !queue_.empty(); }
    QPoint Position() const { return position_; }
    // Where the figure will stand once the requests given so far have run.
    QPoint Destination() const;
    void SetPosition(QPoint topLeft); // the user put the figure there
    QSize Size() const { return size_; }
    void SetSize(QSize size);

    // What to draw: the picture of the frame on show, and the mouth over it while speaking.
    int Picture() const;
    bool MouthShown() const;
    QPointF MouthAt() const; // frame pixels at 100 %
    MouthShape Mouth() const { return mouth_; }
    QString AnimationName() const;

    // The direction of a walk from one place to another, and of a pointing from the figure's centre.
    static Direction WalkDirection(QPoint from, QPoint to);
    static Direction GestureDirection(QPointF centre, QPointF target);

    // Tuning, for tests and for the properties sheet.
    std::function<int()> Percent; // 0..99 for branches and choices; random when unset
    int IdleDelayMs = 6000;       // the least pause before the next idle animation; up to twice that
    double WalkPixelsPerSecond = 280;
    int SpeedPercent = 100;    // the user's speaking speed, of the character's own
    int SpeechLingerMs = 1500; // the last words stay readable this long before the figure idles

signals:
    void frameChanged();
    void moved(QPoint topLeft);
    void visibilityChanged(bool visible);
    void balloonShown(bool thought, const QString& shownText);
    void balloonRevealed(int shownWords);
    void balloonHidden();
    void idleStart();

private:
    struct Request {
        enum Kind { Show, Hide, Play, Speak, Think, Move, Gesture } kind;
        QString text;
        QPoint point;
        bool asWritten = false; // the text is not in the speech mark-up
    };

    void enqueue(Request request);
    void enqueueThought(Request thought);
    void next();
    void start(const Request& request);
    void finish();
    void playAnimation(const CharacterAnimation* animation, std::function<void()> then,
                       bool asReturn = false);
    void playReturnThen(std::function<void()> then);
    void frameTick();
    void walkTick();
    void startIdling();
    const CharacterAnimation* stateAnimation(const QString& state) const;
    int percent() const;
    SpeechText speechOf(const Request& request) const;

    std::shared_ptr<const CharacterData> character_;
    std::unique_ptr<VoiceOutput> voice_;
    std::deque<Request> queue_;
    std::optional<Request> current_;
    std::optional<AnimationCursor> cursor_;
    std::function<void()> afterAnimation_;
    CharacterFrame held_; // the frame the figure holds between animations
    QString heldAnimation_;
    QString pendingReturn_;
    bool visible_ = false;
    bool idling_ = false;
    int idleCount_ = 0;
    bool idleAnnounced_ = true; // nothing to announce before the first request
    bool speaking_ = false;
    bool stopping_ = false;
    QPoint position_;
    QPointF walkAt_;
    QPoint walkTarget_;
    QElapsedTimer walkClock_;
    QSize size_;
    MouthShape mouth_ = MouthShape::Closed;
    int spokenWords_ = 0;
    int spokenTotal_ = 0;
    int shownTotal_ = 0;
    QTimer frameTimer_;
    QTimer walkTimer_;
    QTimer idleTimer_;
    QTimer thinkTimer_;
    QTimer lingerTimer_;
    bool lastWasSpeech_ = false;
};

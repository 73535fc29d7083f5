#include "agent/engine/CharacterEngine.h"

#include "agent/engine/SpeechMarkup.h"
#include "agent/engine/VoiceOutput.h"

#include <QLineF>
#include <QRandomGenerator>
#include <QRectF>
#include <cmath>

namespace {
constexpr int kWalkStepMs = 30;
constexpr int kThinkMinimumMs = 1500;
constexpr int kThinkPerWordMs = 250;
constexpr int kThinkMaximumMs = 8000;
} // namespace

CharacterEngine::CharacterEngine(std::shared_ptr<const CharacterData> character,
                                 std::unique_ptr<VoiceOutput> voice, QObject* parent)
    : QObject(parent)
    , character_(std::move(character))
    , voice_(std::move(voice))
    , size_(character_->FrameSize) {
    for (QTimer* timer : {&frameTimer_, &idleTimer_, &thinkTimer_, &lingerTimer_})
        timer->setSingleShot(true);
    walkTimer_.setInterval(kWalkStepMs);
    connect(&frameTimer_, &QTimer::timeout, this, &CharacterEngine::frameTick);
    connect(&walkTimer_, &QTimer::timeout, this, &CharacterEngine::walkTick);
    connect(&idleTimer_, &QTimer::timeout, this, &CharacterEngine::startIdling);
    connect(&thinkTimer_, &QTimer::timeout, this, [this] { finish(); });
    connect(&lingerTimer_, &QTimer::timeout, this, [this] {
        idleAnnounced_ = true;
        emit idleStart();
    });
    if (const CharacterAnimation* rest = character_->Find(QStringLiteral("RestPose")))
        held_ = rest->Frames.first();
    else if (const CharacterAnimation* speaking = stateAnimation(QStringLiteral("Speaking")))
        held_ = speaking->Frames.first();
    voice_->OnWord = [this](int, int) {
        ++spokenWords_;
        emit balloonRevealed(ShownWordsFor(spokenWords_, spokenTotal_, shownTotal_));
    };
    voice_->OnMouth = [this](MouthShape shape) {
        if (shape == mouth_) return;
        mouth_ = shape;
        emit frameChanged();
    };
    voice_->OnFinished = [this] {
        if (!speaking_) return;
        speaking_ = false;
        mouth_ = MouthShape::Closed;
        // Told to stop, the character falls silent and its balloon goes with the words.
        if (stopping_)
            emit balloonHidden();
        else
            emit balloonRevealed(shownTotal_);
        emit frameChanged();
        finish();
    };
}

CharacterEngine::~CharacterEngine() {
    voice_->OnFinished = nullptr;
    voice_->Stop();
}

int CharacterEngine::percent() const {
    return Percent ? Percent() : int(QRandomGenerator::global()->bounded(100));
}

const CharacterAnimation* CharacterEngine::stateAnimation(const QString& state) const {
    const QStringList names = character_->States.value(state);
    if (names.isEmpty()) return nullptr;
    return character_->Find(names.at(percent() * int(names.size()) / 100));
}

void CharacterEngine::Show() {
    enqueue({Request::Show, {}, {}});
}
void CharacterEngine::Hide() {
    enqueue({Request::Hide, {}, {}});
}
void CharacterEngine::Play(const QString& animation) {
    enqueue({Request::Play, animation, {}});
}
void CharacterEngine::Speak(const QString& text) {
    enqueue({Request::Speak, text, {}});
}
void CharacterEngine::Think(const QString& text) {
    enqueueThought({Request::Think, text, {}});
}
void CharacterEngine::SpeakAsWritten(const QString& text) {
    enqueue({Request::Speak, text, {}, true});
}
void CharacterEngine::ThinkAsWritten(const QString& text) {
    enqueueThought({Request::Think, text, {}, true});
}

void CharacterEngine::enqueueThought(Request thought) {
    // A thought is about the moment: one still waiting is out of date once a newer one comes.
    std::erase_if(queue_, [](const Request& waiting) { return waiting.kind == Request::Think; });
    enqueue(std::move(thought));
}

SpeechText CharacterEngine::speechOf(const Request& request) const {
    if (request.asWritten) return {request.text, request.text.trimmed()};
    return ParseSpeechMarkup(request.text, [this](int n) { return percent() * n / 100; });
}
void CharacterEngine::MoveTo(QPoint topLeft) {
    enqueue({Request::Move, {}, topLeft});
}
void CharacterEngine::GestureAt(QPoint target) {
    enqueue({Request::Gesture, {}, target});
}

void CharacterEngine::enqueue(Request request) {
    queue_.push_back(std::move(request));
    // A looping animation plays until something else is asked for.
    if (current_ && current_->kind == Request::Play && cursor_) cursor_->Exit();
    if (idling_) {
        // An idle animation gives way at once: through its exits when it is playing.
        idleTimer_.stop();
        if (cursor_) {
            cursor_->Exit();
            return; // its end runs the queue
        }
        idling_ = false;
    }
    next();
}

void CharacterEngine::Stop() {
    queue_.clear();
    if (!current_) return;
    stopping_ = true;
    if (cursor_) cursor_->Exit();
    if (speaking_) voice_->Stop(); // its end finishes the request
    if (walkTimer_.isActive()) {
        walkTimer_.stop();
        if (cursor_) return; // the walk animation exits, then the request ends where the figure stands
        finish();
    }
    if (thinkTimer_.isActive()) {
        thinkTimer_.stop();
        finish();
    }
}

void CharacterEngine::next() {
    if (current_ || cursor_) return;
    if (queue_.empty()) {
        if (visible_ && !pendingReturn_.isEmpty()) {
            playReturnThen([this] { next(); });
            return;
        }
        if (!idleAnnounced_ && !lingerTimer_.isActive()) {
            if (lastWasSpeech_ && SpeechLingerMs > 0) {
                lingerTimer_.start(SpeechLingerMs);
            } else {
                idleAnnounced_ = true;
                emit idleStart();
            }
        }
        if (visible_ && !idling_) {
            idling_ = true;
            idleTimer_.start(IdleDelayMs + IdleDelayMs * percent() / 100);
        }
        return;
    }
    idling_ = false;
    idleTimer_.stop();
    lingerTimer_.stop();
    idleAnnounced_ = false;
    current_ = queue_.front();
    lastWasSpeech_ = current_->kind == Request::Speak || current_->kind == Request::Think;
    queue_.pop_front();
    start(*current_);
}

void CharacterEngine::finish() {
    current_.reset();
    stopping_ = false;
    next();
}

void CharacterEngine::start(const Request& request) {
    switch (request.kind) {
    case Request::Show:
        if (visible_) return finish();
        visible_ = true;
        pendingReturn_.clear();
        emit visibilityChanged(true);
        playAnimation(stateAnimation(QStringLiteral("Showing")), [this] { finish(); });
        return;
    case Request::Hide:
        if (!visible_) return finish();
        emit balloonHidden();
        playReturnThen([this] {
            playAnimation(stateAnimation(QStringLiteral("Hiding")), [this] {
                visible_ = false;
                emit visibilityChanged(false);
                finish();
            });
        });
        return;
    case Request::Play: {
        const CharacterAnimation* animation = character_->Find(request.text);
        if (!visible_ || !animation) return finish();
        const bool isReturn = animation->Name.compare(pendingReturn_, Qt::CaseInsensitive) == 0;
        if (isReturn) pendingReturn_.clear();
        playReturnThen([this, animation] {
            playAnimation(animation, [this] { finish(); });
            if (!queue_.empty() && cursor_) cursor_->Exit(); // no looping while others wait
        });
        return;
    }
    case Request::Speak: {
        const SpeechText speech = speechOf(request);
        if (!visible_ || speech.Shown.isEmpty()) return finish();
        spokenWords_ = 0;
        spokenTotal_ = CountWords(speech.Spoken);
        shownTotal_ = CountWords(speech.Shown);
        emit balloonShown(false, speech.Shown);
        emit balloonRevealed(0);
        auto say = [this, spoken = speech.Spoken] {
            if (stopping_) return finish(); // stopped while taking the pose
            speaking_ = true;
            voice_->Say(spoken, character_->VoiceName, character_->VoicePitch,
                        character_->VoiceRate * SpeedPercent / 100);
        };
        // The figure talks in a pose with a mouth; a held gesture keeps its pose without one.
        if (held_.HasMouth || !pendingReturn_.isEmpty())
            say();
        else
            playAnimation(stateAnimation(QStringLiteral("Speaking")), say);
        return;
    }
    case Request::Think: {
        if (!visible_ || request.text.trimmed().isEmpty()) return finish();
        const QString shown = speechOf(request).Shown;
        emit balloonShown(true, shown);
        emit balloonRevealed(CountWords(shown));
        thinkTimer_.start(qBound(kThinkMinimumMs, kThinkPerWordMs * CountWords(shown), kThinkMaximumMs));
        return;
    }
    case Request::Move: {
        if (!visible_ || request.point == position_) {
            SetPosition(request.point);
            return finish();
        }
        const Direction direction = WalkDirection(position_, request.point);
        static const char* const states[] = {"MovingLeft", "MovingRight", "MovingUp", "MovingDown"};
        const CharacterAnimation* walk = stateAnimation(QString::fromLatin1(states[int(direction)]));
        playReturnThen([this, walk, target = request.point] {
            if (stopping_) return finish(); // stopped before the first step
            walkAt_ = position_;
            walkTarget_ = target;
            walkClock_.start();
            walkTimer_.start();
            playAnimation(walk, [this] {
                // A walk that ends before the figure arrives holds its last frame and glides on.
                if (!walkTimer_.isActive()) finish();
            });
        });
        return;
    }
    case Request::Gesture: {
        if (!visible_) return finish();
        const QPointF centre = QRectF(position_, size_).center();
        const Direction direction = GestureDirection(centre, request.point);
        static const char* const states[] = {"GesturingLeft", "GesturingRight", "GesturingUp",
                                             "GesturingDown"};
        const CharacterAnimation* gesture = stateAnimation(QString::fromLatin1(states[int(direction)]));
        playReturnThen([this, gesture] { playAnimation(gesture, [this] { finish(); }); });
        return;
    }
    }
}

void CharacterEngine::walkTick() {
    const double seconds = walkClock_.restart() / 1000.0;
    const QLineF way(walkAt_, walkTarget_);
    const double step = WalkPixelsPerSecond * qMax(seconds, kWalkStepMs / 1000.0);
    if (way.length() <= step || stopping_) {
        if (!stopping_) walkAt_ = walkTarget_;
        walkTimer_.stop();
        position_ = walkAt_.toPoint();
        emit moved(position_);
        if (cursor_)
            cursor_->Exit(); // the walk's own end finishes the request
        else
            finish();
        return;
    }
    walkAt_ = way.pointAt(step / way.length());
    position_ = walkAt_.toPoint();
    emit moved(position_);
}

void CharacterEngine::playReturnThen(std::function<void()> then) {
    const CharacterAnimation* back = pendingReturn_.isEmpty() ? nullptr : character_->Find(pendingReturn_);
    pendingReturn_.clear();
    if (!back || !visible_) return then();
    playAnimation(back, std::move(then), true);
}

void CharacterEngine::playAnimation(const CharacterAnimation* animation, std::function<void()> then,
                                    bool asReturn) {
    if (!animation) return then();
    cursor_.emplace(*animation, [this] { return percent(); });
    if (stopping_) cursor_->Exit();
    afterAnimation_ = std::move(then);
    held_ = cursor_->Frame();
    heldAnimation_ = animation->Name;
    if (!asReturn) pendingReturn_.clear();
    emit frameChanged();
    frameTimer_.start(held_.DurationMs);
}

void CharacterEngine::frameTick() {
    if (!cursor_) return;
    if (cursor_->Advance()) {
        held_ = cursor_->Frame();
        emit frameChanged();
        frameTimer_.start(held_.DurationMs);
        return;
    }
    const QString back = cursor_->Animation().Return;
    const bool wasReturn = heldAnimation_.endsWith(QStringLiteral("Return"), Qt::CaseInsensitive);
    cursor_.reset();
    if (!back.isEmpty() && !wasReturn) pendingReturn_ = back;
    auto then = std::move(afterAnimation_);
    afterAnimation_ = nullptr;
    if (idling_ && !current_) {
        // An idle animation ended: the next request, or the next idle pause.
        idling_ = false;
        next();
        return;
    }
    if (then) then();
}

void CharacterEngine::startIdling() {
    if (!visible_ || current_ || !queue_.empty()) return;
    idling_ = true;
    // Every other pause ends in a blink: it keeps the figure alive at little cost, since its outline
    // stays the same and nothing below it has to be redrawn.
    const CharacterAnimation* blink = character_->Find(QStringLiteral("Blink"));
    const CharacterAnimation* idle =
        ++idleCount_ % 2 == 1 && blink ? blink : stateAnimation(QStringLiteral("Idling"));
    if (!idle) return;
    playAnimation(idle, nullptr);
}

QPoint CharacterEngine::Destination() const {
    for (auto waiting = queue_.rbegin(); waiting != queue_.rend(); ++waiting)
        if (waiting->kind == Request::Move) return waiting->point;
    if (current_ && current_->kind == Request::Move && !stopping_) return current_->point;
    return position_;
}

void CharacterEngine::SetPosition(QPoint topLeft) {
    if (topLeft == position_) return;
    position_ = topLeft;
    if (walkTimer_.isActive()) walkAt_ = topLeft; // a walk goes on from the new place
    emit moved(position_);
}

void CharacterEngine::SetSize(QSize size) {
    if (size.isEmpty() || size == size_) return;
    size_ = size;
    emit frameChanged();
}

int CharacterEngine::Picture() const {
    return held_.Picture;
}

bool CharacterEngine::MouthShown() const {
    return speaking_ && held_.HasMouth;
}

QPointF CharacterEngine::MouthAt() const {
    return held_.Mouth;
}

QString CharacterEngine::AnimationName() const {
    return heldAnimation_;
}

CharacterEngine::Direction CharacterEngine::WalkDirection(QPoint from, QPoint to) {
    const QPoint way = to - from;
    if (std::abs(way.x()) >= std::abs(way.y())) return way.x() < 0 ? Direction::Left : Direction::Right;
    return way.y() < 0 ? Direction::Up : Direction::Down;
}

CharacterEngine::Direction CharacterEngine::GestureDirection(QPointF centre, QPointF target) {
    const QPointF way = target - centre;
    if (std::abs(way.x()) >= std::abs(way.y())) return way.x() < 0 ? Direction::Left : Direction::Right;
    return way.y() < 0 ? Direction::Up : Direction::Down;
}

#include "agent/engine/AgentCharacter.h"

#include "agent/engine/BalloonWindow.h"
#include "agent/engine/CharacterEngine.h"
#include "agent/engine/CharacterProperties.h"
#include "agent/engine/CharacterWindow.h"
#include "agent/engine/VoiceOutput.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

AgentCharacter::AgentCharacter(std::shared_ptr<const CharacterData> character,
                               std::unique_ptr<VoiceOutput> voice)
    : character_(std::move(character))
    , engine_(std::make_unique<CharacterEngine>(character_, std::move(voice)))
    , window_(std::make_unique<CharacterWindow>(*engine_))
    , balloon_(std::make_unique<BalloonWindow>()) {
    balloon_->SetColours(character_->BalloonBackground, character_->BalloonBorder, character_->BalloonText);
    CharacterEngine* engine = engine_.get();
    connect(engine, &CharacterEngine::balloonShown, this, [this](bool thought, const QString& text) {
        speaking_ = !thought;
        balloon_->Start(thought, text);
        placeBalloon();
        balloon_->show();
        balloon_->raise();
        if (QWidget* popup = QApplication::activePopupWidget()) popup->raise(); // an open menu stays readable
    });
    connect(engine, &CharacterEngine::balloonRevealed, balloon_.get(), &BalloonWindow::Reveal);
    connect(engine, &CharacterEngine::balloonHidden, balloon_.get(), &QWidget::hide);
    connect(engine, &CharacterEngine::moved, this, [this] {
        if (balloon_->isVisible()) placeBalloon();
    });
    connect(engine, &CharacterEngine::visibilityChanged, this, [this](bool visible) {
        if (!visible) balloon_->hide();
        emit visibilityChanged(visible);
    });
    connect(engine, &CharacterEngine::idleStart, this, [this] {
        speaking_ = false;
        emit idleStart();
    });
    // A screen that went away or shrank must not leave the figure out of reach.
    auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &AgentCharacter::keepOnScreen);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, watch);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this,
            [this] { QMetaObject::invokeMethod(this, &AgentCharacter::keepOnScreen, Qt::QueuedConnection); });
}

AgentCharacter::~AgentCharacter() = default;

QMenu* AgentCharacter::Commands() const {
    return window_->Menu();
}

void AgentCharacter::SetCommands(const CommandSet& commands) {
    commands_ = commands;
    QMenu* menu = window_->Menu();
    qDeleteAll(commandActions_);
    commandActions_.clear();
    QAction* before = menu->actions().value(0);
    for (const CharacterCommand& command : commands_.Commands) {
        auto* action = new QAction(command.Caption, menu);
        action->setEnabled(command.Enabled);
        action->setVisible(command.Visible);
        const QString name = command.Name;
        connect(action, &QAction::triggered, this, [this, name] { emit commandChosen(name); });
        menu->insertAction(before, action);
        commandActions_ << action;
    }
}

void AgentCharacter::SetCommandVisible(const QString& name, bool visible) {
    if (!commands_.SetVisible(name, visible)) return;
    const int index = int(commands_.Find(name) - commands_.Commands.data());
    commandActions_.at(index)->setVisible(visible);
}

void AgentCharacter::Show() {
    engine_->Show();
}
void AgentCharacter::Hide() {
    engine_->Hide();
}
void AgentCharacter::Play(const QString& animation) {
    engine_->Play(animation);
}
void AgentCharacter::Speak(const QString& text) {
    speaking_ = true;
    engine_->Speak(text);
}
void AgentCharacter::Think(const QString& text) {
    engine_->Think(text);
}
void AgentCharacter::SpeakAsWritten(const QString& text) {
    speaking_ = true;
    engine_->SpeakAsWritten(text);
}
void AgentCharacter::ThinkAsWritten(const QString& text) {
    engine_->ThinkAsWritten(text);
}
void AgentCharacter::MoveTo(QPoint topLeft) {
    engine_->MoveTo(topLeft);
}
void AgentCharacter::GestureAt(QPoint target) {
    engine_->GestureAt(target);
}
void AgentCharacter::Stop() {
    engine_->Stop();
}

bool AgentCharacter::Visible() const {
    return engine_->Visible();
}
int AgentCharacter::Left() const {
    return engine_->Position().x();
}
QPoint AgentCharacter::Destination() const {
    return engine_->Destination();
}
int AgentCharacter::Top() const {
    return engine_->Position().y();
}
int AgentCharacter::Width() const {
    return engine_->Size().width();
}
int AgentCharacter::Height() const {
    return engine_->Size().height();
}
void AgentCharacter::SetWidth(int width) {
    engine_->SetSize(QSize(qBound(1, width, 4096), Height()));
}
void AgentCharacter::SetHeight(int height) {
    engine_->SetSize(QSize(Width(), qBound(1, height, 4096)));
}

bool AgentCharacter::BalloonVisible() const {
    return balloon_->isVisible();
}

void AgentCharacter::SetBalloonVisible(bool visible) {
    if (!visible)
        balloon_->hide();
    else if (engine_->Visible())
        balloon_->show();
}

void AgentCharacter::SetBalloonFontSize(int points) {
    balloon_->SetFontSize(points);
}

void AgentCharacter::Apply(const CharacterSettings& settings) {
    balloon_->SetFontSize(settings.BalloonFontSize);
    engine_->SpeedPercent = settings.SpeedPercent;
    engine_->Voice().SetSoundEnabled(settings.Speech);
}

void AgentCharacter::placeBalloon() {
    balloon_->PlaceBeside(QRect(engine_->Position(), engine_->Size()));
}

void AgentCharacter::keepOnScreen() {
    const QRect figure(engine_->Position(), engine_->Size());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(figure)) return;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    engine_->SetPosition(
        QPoint(qBound(area.left(), figure.left(), qMax(area.left(), area.right() - figure.width())),
               qBound(area.top(), figure.top(), qMax(area.top(), area.bottom() - figure.height()))));
}

#pragma once

#include "agent/commands/CommandSet.h"
#include "agent/engine/CharacterFile.h"

#include <QObject>
#include <QPoint>
#include <memory>

class BalloonWindow;
struct CharacterSettings;
class CharacterEngine;
class CharacterWindow;
class QAction;
class QMenu;
class VoiceOutput;

// A loaded character, whole: its engine, its window on the desktop, its balloon and its voice.
// This is what the program drives; none of it needs the main window.
class AgentCharacter : public QObject {
    Q_OBJECT
public:
    AgentCharacter(std::shared_ptr<const CharacterData> character, std::unique_ptr<VoiceOutput> voice);
    ~AgentCharacter() override;

    const CharacterData& Data() const { return *character_; }
    CharacterEngine& Engine() const { return *engine_; }
    CharacterWindow& Window() const { return *window_; }
    BalloonWindow& Balloon() const { return *balloon_; }
    QMenu* Commands() const;
    // The program's commands on the character's menu, above "Hide"; an empty set removes them.
    void SetCommands(const CommandSet& commands);
    const CommandSet& CommandList() const { return commands_; }
    void SetCommandVisible(const QString& name, bool visible);

    void Show();
    void Hide();
    void Play(const QString& animation);
    void Speak(const QString& text);
    void Think(const QString& text);
    void SpeakAsWritten(const QString& text);
    void ThinkAsWritten(const QString& text);
    void MoveTo(QPoint topLeft);
    void GestureAt(QPoint target);
    void Stop();

    bool Visible() const;
    bool Speaking() const { return speaking_; }
    int Left() const;
    // Where the figure will stand once its queued requests have run.
    QPoint Destination() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetWidth(int width);
    void SetHeight(int height);
    bool BalloonVisible() const;
    void SetBalloonVisible(bool visible);
    void SetBalloonFontSize(int points);
    void Apply(const CharacterSettings& settings);

signals:
    void idleStart();
    // The figure appeared or went (its own menu's Hide included).
    void visibilityChanged(bool visible);
    void commandChosen(const QString& name);

private:
    void keepOnScreen();
    void placeBalloon();

    std::shared_ptr<const CharacterData> character_;
    std::unique_ptr<CharacterEngine> engine_;
    std::unique_ptr<CharacterWindow> window_;
    std::unique_ptr<BalloonWindow> balloon_;
    bool speaking_ = false;
    CommandSet commands_;
    QList<QAction*> commandActions_;
};

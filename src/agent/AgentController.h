#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QVariantList>
#include <functional>
#include <memory>

#include "agent/scripts/ScriptSurroundings.h"

class ActiveAgents;
class AgentCharacter;
class AgentInfo;
class ScriptEngine;
class VoiceOutput;

// Drives the assistant character. Every operation first checks that a character is loaded, so callers
// never test for one: with no character installed, or the user not wanting one, nothing is loaded and
// every call is a quiet no-op.
class AgentController : public QObject {
    Q_OBJECT
public:
    // The folders to look for characters in; the program's and the user's by default.
    explicit AgentController(std::function<std::unique_ptr<VoiceOutput>()> makeVoice = {},
                             QStringList characterFolders = {});
    ~AgentController() override;
    AgentController(const AgentController&) = delete;
    AgentController& operator=(const AgentController&) = delete;

    void AddCharCommands();
    virtual void Command(const QString& name);
    QString CurBaseName() const { return curBaseName_; }
    QString CurName() const { return curName_; }
    void GestureAt(double x, double y);
    double Height() const;
    void SetHeight(double value);
    void Hide();
    virtual void Interrupt();
    void MoveTo(double x, double y);
    void MoveToClient(double x, double y);
    void MoveToGestureAt(double x, double y, double w, double h);
    void Play(const QString& animation);
    // Walks to a random place that hides none of the program (see FreePlace).
    void RandomizePosition(int chancePercent);
    // Walks to the place nearest the point (screen pixels) that hides none of the program.
    void MoveToFreePlace(QPoint wish);
    // Walks from where its queued requests leave the figure to the nearest such place, unless it
    // stands on one already: after pointing at something, it gets out of the way again.
    void ReturnToFreePlace();
    // A window of the program appeared there: a figure standing over it jumps to a free place.
    void StepAside(const QRect& window);
    // The program's window is in place: a figure standing in its way jumps to a free place.
    void Settle();
    // A character the user hid shows again, on a free place when its own one is not.
    void BringBack();
    // The character is loaded but not on show.
    bool Hidden() const;
    void RecallSizeFactor();
    void RememberCurSizeFactor() { rememberedSizeFactor_ = curSizeFactor_; }
    void SaveSizeFactor();
    // Runs the named script; returns whether the character is visible.
    virtual bool Script(const QString& name, bool immediately = false, const QVariantList& args = {});
    static bool ScriptNotExpired(const QString& name, int limit);
    void Show();
    virtual void ShowStandardProperties();
    int SizeFactor() const { return curSizeFactor_; }
    void SetSizeFactor(int factor);
    static int SizeFactorToPercentage(int factor);
    static int SizePercentageToFactor(int percentage);
    virtual void Speak(const QString& text);
    virtual void Think(const QString& text);
    // Text that is not the program's own (a page read aloud) is said and shown as it stands: bars,
    // backslashes and tags in it are words like any other.
    virtual void SpeakAsWritten(const QString& text);
    virtual void ThinkAsWritten(const QString& text);
    bool SelectAgent(const QString& name, bool centre);
    bool UseAgent() const { return useAgentFlag_; }
    void SetUseAgent(bool use);
    virtual void VoiceCommandVisible(const QString& command, bool visible);
    double Width() const;
    void SetWidth(double value);

    bool AgentAvailable() const { return agentAvailable_; }
    // Why the character last asked for was refused ("" when none was); said again once the window
    // that shows it exists.
    QString LastRefusal() const { return lastRefusal_; }
    bool CharLoaded() const { return charLoaded_; }
    AgentInfo& Info() const { return *info_; }
    AgentCharacter* Character() const { return char_.get(); }
    ScriptEngine& Scripts() const { return *scripts_; }

    // What the scripts point at in the main window; the window fills it in.
    ScriptSurroundings Surroundings;

    // The main window's client pixels on the screen; the window sets it when it exists.
    std::function<QPoint(QPoint)> ClientToScreen;
    // How long UnloadCharacter waits for the hiding animation at most.
    int UnloadWaitMs = 4000;

signals:
    // The user chose one of the character's commands (from its menu, or said it).
    void command(const QString& name);
    // The command "read": the window reads its page aloud.
    void readThePageRequested();
    // The user changed the character's properties; they are saved already.
    void characterSettingsChanged();
    // The character has done all it was asked and idles now.
    void idleStarted();
    // A character folder could not be used; the line says which and why.
    void characterRefused(const QString& line);
    // A character was loaded or unloaded, or it appeared or went.
    void presenceChanged();

protected:
    // For characters that are not on a screen (tests that only record what is asked).
    struct NoCharacterPlatform {};
    explicit AgentController(NoCharacterPlatform);

private:
    class Stage;
    void InitAgent();
    void pointAt(const QRectF& rect, const ClientToScreenMap& window);
    static QString ProperCaseName(const QString& name);
    void ShutdownAgent();
    void refuse(const QString& problem);
    void UnloadCharacter();
    void autoHideTick();
    QSize screenSize() const;
    FreePlace::Ground ground() const;
    // At once, without walking: onto the free place nearest, unless the figure stands on one.
    void jumpClear(const FreePlace::Ground& ground);
    QSize figureSize() const;

    std::function<std::unique_ptr<VoiceOutput>()> makeVoice_;
    std::unique_ptr<AgentInfo> info_;
    std::unique_ptr<ActiveAgents> activeAgents_;
    std::unique_ptr<AgentCharacter> char_;
    std::unique_ptr<Stage> stage_;
    std::unique_ptr<ScriptEngine> scripts_;
    QTimer timerAutoHide_;
    bool agentAvailable_ = false;
    bool charLoaded_ = false;
    bool useAgentFlag_ = false;
    QString curBaseName_;
    QString curName_;
    QString lastRefusal_;
    double savedLeft_ = 0;
    double savedTop_ = 0;
    bool hasSavedPlace_ = false;
    int curSizeFactor_ = 0;
    int rememberedSizeFactor_ = 0;
};

#pragma once

#include <QString>
#include <QVariantList>

// Drives the assistant character. Every operation first checks that a character is loaded, so callers
// never test for one: with no character platform installed, nothing is loaded and every call is a
// quiet no-op.
class AgentController {
public:
    AgentController();
    virtual ~AgentController();
    AgentController(const AgentController&) = delete;
    AgentController& operator=(const AgentController&) = delete;

    void AddCharCommands();
    void Command(const QString& name);
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
    void RandomizePosition(int chancePercent);
    void RecallSizeFactor();
    void RememberCurSizeFactor() { rememberedSizeFactor_ = curSizeFactor_; }
    void SaveSizeFactor();
    // Runs the named script; returns false when nothing was performed.
    virtual bool Script(const QString& name, bool immediately = false, const QVariantList& args = {});
    bool ScriptNotExpired(const QString& name);
    void Show();
    void ShowStandardProperties();
    int SizeFactor() const { return curSizeFactor_; }
    void SetSizeFactor(int factor);
    static int SizeFactorToPercentage(int factor);
    static int SizePercentageToFactor(int percentage);
    virtual void Speak(const QString& text);
    virtual void Think(const QString& text);
    bool SelectAgent(const QString& name, bool centre);
    bool UseAgent() const { return useAgentFlag_; }
    void SetUseAgent(bool use);
    virtual void VoiceCommandVisible(const QString& command, bool visible);
    double Width() const;
    void SetWidth(double value);

    bool AgentAvailable() const { return agentAvailable_; }
    bool CharLoaded() const { return charLoaded_; }

private:
    bool agentAvailable_ = false;
    bool charLoaded_ = false;
    bool useAgentFlag_ = false;
    QString curBaseName_;
    QString curName_;
    int curSizeFactor_ = 0;
    int rememberedSizeFactor_ = 0;
};

#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class AgentController;
class ListeningKeyFilter;
class ListeningTip;
class PulseMicrophone;
class RecognitionThread;
class VoiceCommands;

// The character's ears, assembled: the listening key from the character's settings, the microphone on
// the sound server, the recogniser with the character's commands, and the tip beside the character.
// A command heard is raised as the character's own command event, like a choice from its menu.
class VoiceListener : public QObject {
    Q_OBJECT
public:
    // tellStatus: a line for the status bar, for when voice commands cannot work.
    VoiceListener(AgentController& agent, std::function<void(const QString&)> tellStatus);
    ~VoiceListener() override;

    VoiceCommands& Commands() const { return *commands_; }

private:
    QPointer<AgentController> agent_; // may go before the window does
    std::unique_ptr<PulseMicrophone> microphone_;
    std::unique_ptr<RecognitionThread> recogniser_;
    std::unique_ptr<VoiceCommands> commands_;
    std::unique_ptr<ListeningTip> tip_;
    std::unique_ptr<ListeningKeyFilter> key_;
};

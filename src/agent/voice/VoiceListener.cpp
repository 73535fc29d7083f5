#include "agent/voice/VoiceListener.h"

#include "agent/AgentController.h"
#include "agent/engine/AgentCharacter.h"
#include "agent/engine/CharacterProperties.h"
#include "agent/voice/ListeningKeyFilter.h"
#include "agent/voice/ListeningTip.h"
#include "agent/voice/PulseMicrophone.h"
#include "agent/voice/RecognitionThread.h"
#include "agent/voice/VoiceCommands.h"

VoiceListener::VoiceListener(AgentController& agent, std::function<void(const QString&)> tellStatus)
    : agent_(&agent)
    , microphone_(std::make_unique<PulseMicrophone>())
    , recogniser_(std::make_unique<RecognitionThread>(CommandSet::Browser()))
    , commands_(std::make_unique<VoiceCommands>(*microphone_, *recogniser_)) {
    auto character = [this]() -> AgentCharacter* {
        return agent_ && agent_->CharLoaded() ? agent_->Character() : nullptr;
    };
    commands_->CharacterPresent = [character] {
        const AgentCharacter* c = character();
        return c && c->Visible();
    };
    commands_->CommandAvailable = [character](const QString& name) {
        const AgentCharacter* c = character();
        const CharacterCommand* command = c ? c->CommandList().Find(name) : nullptr;
        return command && command->Enabled && command->Visible;
    };

    tip_ = std::make_unique<ListeningTip>([character] {
        const AgentCharacter* c = character();
        return c && c->Visible() ? QRect(c->Left(), c->Top(), c->Width(), c->Height()) : QRect();
    });
    connect(commands_.get(), &VoiceCommands::tipShown, tip_.get(), &ListeningTip::ShowText);
    connect(commands_.get(), &VoiceCommands::tipHidden, tip_.get(), &ListeningTip::HideTip);
    connect(commands_.get(), &VoiceCommands::commandHeard, &agent, &AgentController::command);
    connect(commands_.get(), &VoiceCommands::statusText, this,
            [tell = std::move(tellStatus)](const QString& text) {
                if (tell) tell(text);
            });

    key_ = std::make_unique<ListeningKeyFilter>(CharacterSettings::Load().ListeningKey);
    key_->OnPressed = [this] { commands_->KeyPressed(); };
    key_->OnReleased = [this] { commands_->KeyReleased(); };
    connect(&agent, &AgentController::characterSettingsChanged, this,
            [this] { key_->SetKey(CharacterSettings::Load().ListeningKey); });
}

VoiceListener::~VoiceListener() {
    key_.reset(); // no key reaches what goes next
}

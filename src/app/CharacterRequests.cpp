#include "app/CharacterRequests.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"

AgentController* CharacterRequests::agent() {
    return App().Agent.get();
}

void CharacterRequests::Speak(const QString& text) {
    if (AgentController* a = agent()) a->Speak(text);
}

void CharacterRequests::Think(const QString& text) {
    if (AgentController* a = agent()) a->Think(text);
}

void CharacterRequests::Interrupt() {
    if (AgentController* a = agent()) a->Interrupt();
}

void CharacterRequests::Script(const QString& name, bool immediately, const QVariantList& args) {
    if (AgentController* a = agent()) a->Script(name, immediately, args);
}

void CharacterRequests::VoiceCommandVisible(const QString& command, bool visible) {
    if (AgentController* a = agent()) a->VoiceCommandVisible(command, visible);
}

void CharacterRequests::TellProblem(const QString& script, const QString& message) {
    AgentController* a = agent();
    if (a) a->Script(script, false, {message});
    if ((!a || !a->CharLoaded()) && !message.isEmpty()) emit statusText(message);
}

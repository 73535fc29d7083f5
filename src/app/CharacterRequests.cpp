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

void CharacterRequests::SpeakAsWritten(const QString& text) {
    if (AgentController* a = agent()) a->SpeakAsWritten(text);
}

void CharacterRequests::ThinkAsWritten(const QString& text) {
    if (AgentController* a = agent()) a->ThinkAsWritten(text);
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

void CharacterRequests::StepAside(const QRect& dialog) {
    if (AgentController* a = agent()) a->StepAside(dialog);
}

void CharacterRequests::BringBack() {
    if (AgentController* a = agent()) a->BringBack();
}

void CharacterRequests::Hide() {
    if (AgentController* a = agent()) a->Hide();
}

void CharacterRequests::TellProblem(const QString& script, const QString& message) {
    AgentController* a = agent();
    if (a) a->Script(script, false, {message});
    // Not every problem has a script of its own (bookmarks that could not be saved have none), so the
    // status bar says it whether or not a character is there to.
    if (!message.isEmpty()) emit statusText(message);
}

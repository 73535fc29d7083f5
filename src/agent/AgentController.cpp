#include "agent/AgentController.h"

#include "app/RegUtil.h"

namespace {
constexpr int kPercentages[] = {25, 50, 75, 100, 200, 400, 800};
}

AgentController::AgentController() {
    // No character platform is installed yet, so no character can be loaded: the user's wish is
    // remembered, and every character call below stays silent.
    useAgentFlag_ = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kUseAgent) != 0;
    curSizeFactor_ = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kAgentSize);
}

AgentController::~AgentController() = default;

void AgentController::AddCharCommands() {}
void AgentController::Command(const QString&) {}
void AgentController::GestureAt(double, double) {}
double AgentController::Height() const {
    return 0;
}
void AgentController::SetHeight(double) {}
void AgentController::Hide() {}
void AgentController::Interrupt() {}
void AgentController::MoveTo(double, double) {}
void AgentController::MoveToClient(double, double) {}
void AgentController::MoveToGestureAt(double, double, double, double) {}
void AgentController::Play(const QString&) {}
void AgentController::RandomizePosition(int) {}

void AgentController::RecallSizeFactor() {
    if (charLoaded_) SetSizeFactor(rememberedSizeFactor_);
}

void AgentController::SaveSizeFactor() {
    if (charLoaded_)
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kAgentSize, QString::number(curSizeFactor_));
}

bool AgentController::Script(const QString&, bool, const QVariantList&) {
    return false;
}
bool AgentController::ScriptNotExpired(const QString&) {
    return false;
}
void AgentController::Show() {}
void AgentController::ShowStandardProperties() {}

void AgentController::SetSizeFactor(int factor) {
    if (charLoaded_) curSizeFactor_ = factor;
}

int AgentController::SizeFactorToPercentage(int factor) {
    if ((factor >= 1 && factor <= 3) || (factor >= 5 && factor <= 7)) return kPercentages[factor - 1];
    return 100;
}

int AgentController::SizePercentageToFactor(int percentage) {
    for (int i = 0; i < 7; ++i)
        if (kPercentages[i] == percentage) return i + 1;
    return 4;
}

void AgentController::Speak(const QString&) {}
void AgentController::Think(const QString&) {}
bool AgentController::SelectAgent(const QString&, bool) {
    return false;
}

void AgentController::SetUseAgent(bool use) {
    useAgentFlag_ = use;
    RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent,
                          use ? QStringLiteral("1") : QStringLiteral("0"));
}

void AgentController::VoiceCommandVisible(const QString&, bool) {}
double AgentController::Width() const {
    return 0;
}
void AgentController::SetWidth(double) {}

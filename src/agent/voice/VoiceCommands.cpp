#include "agent/voice/VoiceCommands.h"

#include "agent/voice/AudioCapture.h"
#include "agent/voice/VoiceRecogniser.h"

VoiceCommands::VoiceCommands(AudioCapture& microphone, VoiceRecogniser& recogniser)
    : microphone_(microphone)
    , recogniser_(recogniser) {
    microphone_.OnStarted = [this] {
        recording_ = true;
        if (listening_) emit tipShown(kListening, false);
    };
    microphone_.OnFailed = [this](const QString&) {
        listening_ = false;
        recording_ = false;
        emit tipHidden();
        unavailable(QStringLiteral("no microphone was found"));
    };
    microphone_.OnFinished = [this](const QByteArray& pcm) { recorded(pcm); };
    recogniser_.OnUnavailable = [this](const QString& problem) {
        noModel_ = true;
        if (listening_) microphone_.Stop();
        listening_ = false;
        pending_ = 0;
        emit tipHidden();
        unavailable(problem);
    };
    recogniser_.OnRecognised = [this](const QString& name) { recognised(name); };
}

void VoiceCommands::KeyPressed() {
    if (listening_ || noModel_) return;
    if (CharacterPresent && !CharacterPresent()) return;
    listening_ = true;
    recogniser_.Prepare(); // the model loads while the user speaks
    microphone_.Start();
}

void VoiceCommands::KeyReleased() {
    if (!listening_) return;
    listening_ = false;
    microphone_.Stop();
}

void VoiceCommands::recorded(const QByteArray& pcm) {
    recording_ = false;
    if (noModel_) return;
    ++pending_;
    recogniser_.Recognise(pcm);
}

void VoiceCommands::recognised(const QString& name) {
    if (noModel_ || pending_ == 0) return;
    --pending_;
    const bool heard = !name.isEmpty() && (!CommandAvailable || CommandAvailable(name));
    // While the user is already saying the next one, the tip stays "Listening...".
    if (!listening_) {
        if (heard)
            emit tipHidden();
        else
            emit tipShown(kNotCaught, true);
    }
    if (heard) emit commandHeard(name);
}

void VoiceCommands::unavailable(const QString& why) {
    if (told_) return;
    told_ = true;
    emit statusText(QStringLiteral("Voice commands are unavailable: %1.").arg(why));
}

#include "music/VolumeControl.h"

#include <QProcess>
#include <QStandardPaths>

namespace Music {

MixerCommand FindVolumeMixer(const std::function<QString(const QString&)>& findExecutable) {
    // The sound server's own mixer first, then the desktops' own.
    const MixerCommand known[] = {
        {QStringLiteral("pavucontrol"), {}},
        {QStringLiteral("pavucontrol-qt"), {}},
        {QStringLiteral("pwvucontrol"), {}},
        {QStringLiteral("mate-volume-control"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}},
        {QStringLiteral("kcmshell6"), {QStringLiteral("kcm_pulseaudio")}},
        {QStringLiteral("kcmshell5"), {QStringLiteral("kcm_pulseaudio")}},
    };
    for (const MixerCommand& mixer : known) {
        const QString path = findExecutable(mixer.program);
        if (!path.isEmpty()) return {path, mixer.arguments};
    }
    return {};
}

bool OpenVolumeControl() {
    const MixerCommand mixer =
        FindVolumeMixer([](const QString& name) { return QStandardPaths::findExecutable(name); });
    return !mixer.program.isEmpty() && QProcess::startDetached(mixer.program, mixer.arguments);
}

QString NoVolumeControlText() {
    return QStringLiteral("No volume control program found");
}

} // namespace Music

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace Music {

struct MixerCommand {
    QString program; // empty when no mixer is installed
    QStringList arguments;
};

// The desktop's sound mixer, the first one installed of those we know; findExecutable answers
// the full path of a program name, or "" when it is not installed.
MixerCommand FindVolumeMixer(const std::function<QString(const QString&)>& findExecutable);
// Starts the mixer on its own, without a shell; false when none is installed or it would not start.
bool OpenVolumeControl();
// What the user is told then.
QString NoVolumeControlText();

} // namespace Music

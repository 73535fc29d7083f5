#include "music/Midi.h"

#include "app/RegUtil.h"

namespace Midi {
namespace {
bool midiAvailable = false;
bool oneSongOpen = false;

// The reply for a device that does not exist.
constexpr const char* kNoDevice = "263";
} // namespace

QString SendMciCommand(const QString& command) {
    if (command.trimmed().compare(QLatin1String("sysinfo sequencer quantity"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("0");
    return QString::fromLatin1(kNoDevice);
}

void CheckSequencer() {
    midiAvailable = RegUtil::RegNumber(SendMciCommand(QStringLiteral("sysinfo sequencer quantity"))) > 0;
}

bool MidiAvailable() {
    return midiAvailable;
}

bool PlayOneSong(const QString& path) {
    const QChar q = QLatin1Char('"');
    const QString reply = SendMciCommand(QStringLiteral("open ") + q + QStringLiteral("sequencer!") + path +
                                         q + QStringLiteral(" alias VhOneSong"));
    if (!reply.isEmpty()) return false;
    oneSongOpen = SendMciCommand(QStringLiteral("play VhOneSong from 0")).isEmpty();
    return oneSongOpen;
}

bool OneSongOpen() {
    return oneSongOpen;
}

void CheckOneSong() {
    if (!oneSongOpen) return;
    if (SendMciCommand(QStringLiteral("status VhOneSong mode")) != QLatin1String("playing")) {
        SendMciCommand(QStringLiteral("close VhOneSong"));
        oneSongOpen = false;
    }
}

} // namespace Midi

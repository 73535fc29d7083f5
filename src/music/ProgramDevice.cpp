#include "music/ProgramDevice.h"

namespace Midi {
namespace {

// No sequencer is installed: the count is 0 and every other command fails.
class NoSequencer : public MciBackend {
public:
    QString Send(const QString& command) override {
        if (command.trimmed().compare(QLatin1String("sysinfo sequencer quantity"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("0");
        return QStringLiteral("263");
    }
    QString ErrorText(quint32) override { return {}; }
};

} // namespace

MciBackend& ProgramDevice() {
    static NoSequencer device;
    return device;
}

} // namespace Midi

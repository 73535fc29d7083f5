#include "music/fluid/FluidDevice.h"

#include "base/Folders.h"
#include "music/fluid/AudioOutput.h"
#include "music/fluid/FluidSong.h"
#include "music/fluid/MciErrors.h"
#include "music/fluid/MciParser.h"
#include "music/fluid/SmfInfo.h"

#include <QDir>
#include <QFileInfo>

namespace Mci {
namespace {

QString code(quint32 error) {
    return QString::number(error);
}

QString success() {
    return QString();
}

} // namespace

FluidDevice::FluidDevice() = default;
FluidDevice::~FluidDevice() = default;

QString FluidDevice::ResolveSongFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile()) return path;
    if (!info.dir().exists()) return {};
    const QString found = FindFileIgnoringCase(info.path(), info.fileName());
    return QFileInfo(found).isFile() ? found : QString();
}

FluidSong* FluidDevice::openSong(const QString& alias) {
    const auto found = songs_.find(alias.toLower());
    return found != songs_.end() && found->second->isOpen() ? found->second.get() : nullptr;
}

QString FluidDevice::open(const Command& command) {
    const QString key = command.device.toLower();
    if (openSong(key)) return code(DuplicateAlias);
    const QString file = ResolveSongFile(command.file);
    if (file.isEmpty()) return code(FileNotFound);
    // The player is handed the very bytes that were checked, never the path again.
    QString problem;
    const QByteArray data = SmfInfo::ReadSongBytes(file, &problem);
    if (!problem.isEmpty()) return code(FileRead);
    const SmfInfo info = SmfInfo::Read(data);
    if (!info.valid()) return code(InvalidFile);
    std::unique_ptr<FluidSong>& song = songs_[key];
    if (!song) song = std::make_unique<FluidSong>(command.device);
    if (const quint32 error = song->open(data, info)) return code(error);
    return success();
}

QString FluidDevice::sysinfo(const Command& command) {
    if (command.device != QLatin1String("sequencer") && command.device != QLatin1String("all"))
        return QStringLiteral("0");
    if (command.openOnly) {
        int count = 0;
        for (const auto& entry : songs_)
            count += entry.second->isOpen() ? 1 : 0;
        return QString::number(count);
    }
    return AudioOutput::Available() ? QStringLiteral("1") : QStringLiteral("0");
}

QString FluidDevice::Send(const QString& text) {
    const Command command = MciParser::Parse(text);
    if (command.error) return code(command.error);
    using Verb = Command::Verb;
    if (command.verb == Verb::Open) return open(command);
    if (command.verb == Verb::Sysinfo) return sysinfo(command);
    if (command.verb == Verb::Close &&
        command.device.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        for (auto& entry : songs_)
            if (entry.second->isOpen()) entry.second->close();
        return success();
    }

    FluidSong* song = openSong(command.device);
    if (!song) return code(InvalidDeviceName);
    switch (command.verb) {
    case Verb::Close:
        song->close();
        return success();
    case Verb::Play:
        if (const quint32 error = song->play(command.from, command.to)) return code(error);
        return success();
    case Verb::Pause:
        song->pause();
        return success();
    case Verb::Resume:
        song->resume();
        return success();
    case Verb::Stop:
        song->stop();
        return success();
    case Verb::Seek:
        song->seek(command.toStart ? 0 : command.toEnd ? song->lengthMs() : command.to.value_or(0));
        return success();
    case Verb::Status:
        if (command.item == QLatin1String("mode")) return song->mode();
        if (command.item == QLatin1String("position")) return QString::number(song->positionMs());
        if (command.item == QLatin1String("length")) return QString::number(song->lengthMs());
        return QStringLiteral("true");
    default:
        return code(UnrecognizedCommand);
    }
}

QString FluidDevice::ErrorText(quint32 code) {
    return Mci::ErrorText(code);
}

} // namespace Mci

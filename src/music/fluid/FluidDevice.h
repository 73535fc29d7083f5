#pragma once

#include "music/MciBackend.h"

#include <QString>
#include <map>
#include <memory>

namespace Mci {

class FluidSong;
struct Command;

// The program's MIDI device: answers the sequencer's command strings, one FluidSynth synth and
// output per alias.
class FluidDevice : public Midi::MciBackend {
public:
    FluidDevice();
    ~FluidDevice() override;

    QString Send(const QString& command) override;
    QString ErrorText(quint32 code) override;

    // The song file a path names: the path itself, or a file in its folder whose name matches without
    // regard to case (songs written on the original platform name their files in any case). Empty when
    // there is none.
    static QString ResolveSongFile(const QString& path);

private:
    QString open(const Command& command);
    QString sysinfo(const Command& command);
    FluidSong* openSong(const QString& alias);

    // Keyed by the alias in lower case; a closed alias keeps its synth for the next song.
    std::map<QString, std::unique_ptr<FluidSong>> songs_;
};

} // namespace Mci

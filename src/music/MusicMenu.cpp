#include "music/MusicMenu.h"

#include "music/Midi.h"

namespace Music {

std::optional<MusicMenuState> MusicMenuFor(int state, const QString& songTitle) {
    MusicMenuState m;
    switch (state) {
    case Midi::StateIdle:
    case Midi::StateStopped:
        return m;
    case Midi::StatePlaying:
        m.play = false;
        m.pause = m.stop = m.nextTune = true;
        m.hint = QStringLiteral("Playing \"") + songTitle + QStringLiteral(",\" click to stop");
        m.toolTip = m.hint;
        return m;
    case Midi::StatePaused:
        m.play = false;
        m.resume = m.stop = m.nextTune = true;
        m.hint = m.toolTip = QStringLiteral("Paused, click to resume");
        return m;
    case Midi::StatePausing:
        m.play = false;
        m.nextTune = true;
        m.hint = QStringLiteral("Pausing between songs, click to play a new song now");
        m.toolTip = QStringLiteral("Pausing between songs");
        return m;
    default:
        return std::nullopt;
    }
}

MusicCommand DefaultMusicItem(int state) {
    switch (state) {
    case Midi::StatePlaying:
        return MusicCommand::Stop;
    case Midi::StatePaused:
        return MusicCommand::Resume;
    case Midi::StatePausing:
        return MusicCommand::NextTune;
    default:
        return MusicCommand::Play;
    }
}

MusicCommand ClickCommand(int state) {
    switch (state) {
    case Midi::StatePlaying:
        return MusicCommand::Stop;
    case Midi::StatePaused:
        return MusicCommand::Resume;
    default:
        return MusicCommand::Play; // in the pause between songs the next song starts at once
    }
}

} // namespace Music

#pragma once

#include <QString>
#include <optional>

// What the music box and its menu show in each music state, and what a click on the box does.
namespace Music {

struct MusicMenuState {
    bool play = true, pause = false, resume = false, stop = false, nextTune = false;
    QString hint = QStringLiteral("Click to play music");
    QString toolTip = QStringLiteral("Click to play music");
};

enum class MusicCommand { Play, Pause, Resume, Stop, NextTune };

// The items, hint and tooltip of a state; nothing for a state that is not one of the five.
std::optional<MusicMenuState> MusicMenuFor(int state, const QString& songTitle);
// The menu's default item, the one a plain click on the box would run.
MusicCommand DefaultMusicItem(int state);
// What a real click on the box does.
MusicCommand ClickCommand(int state);

} // namespace Music

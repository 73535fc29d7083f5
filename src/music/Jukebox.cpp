#include "music/Jukebox.h"

#include "music/Midi.h"
#include "music/MusicSettings.h"
#include "music/SongLibrary.h"

namespace Music {
namespace {
// The device's answer when another program holds the MIDI output.
constexpr int kMidiPortInUse = 337;
constexpr int kPicksBeforeGivingUp = 10;
} // namespace

Jukebox::Jukebox(QObject* parent)
    : QObject(parent) {
    Folders = [] { return MusicSettings().MusicFolders; };
    timerMusic_.setInterval(3000);
    timerThemeSong_.setInterval(1000);
    connect(&timerMusic_, &QTimer::timeout, this, &Jukebox::TimerMusic_Timer);
    connect(&timerThemeSong_, &QTimer::timeout, this, &Jukebox::TimerThemeSong_Timer);

    Midi::Hooks hooks;
    hooks.UpdateMusicMenu = [this](int state) { UpdateMusicMenu(state); };
    hooks.OpenMusicBoxNext = [this] { OpenMusicBox(QString()); };
    hooks.StopThemeSongTimer = [this] { timerThemeSong_.stop(); };
    hooks.StopMusicTimer = [this] { timerMusic_.stop(); };
    hooks.MusicTimerIntervalMs = timerMusic_.interval();
    Midi::SetHooks(std::move(hooks));
}

Jukebox::~Jukebox() {
    Midi::SetHooks({}); // the device layer outlives the box
}

void Jukebox::OpenMusicBox(const QString& path) {
    if (Midi::OneSongOpen()) {
        Midi::SetBoxOpenPending(true);
        return;
    }
    musicOn_ = true;
    timerMusic_.start();
    emit boxSwitched(true);
    if (path.isEmpty())
        PlayNextSong();
    else
        PlaySong(path);
}

void Jukebox::CloseMusicBox() {
    // A box waiting for the theme to end stays shut: the user asked for silence.
    Midi::SetBoxOpenPending(false);
    musicOn_ = false;
    timerMusic_.stop();
    emit boxSwitched(false);
    Midi::StopMusic();
    emit statusText(QStringLiteral("Music stopped"));
}

void Jukebox::UpdateMusicMenu(int state) {
    const std::optional<MusicMenuState> menu = MusicMenuFor(state, songTitle_);
    if (!menu) return;
    menu_ = *menu;
    emit menuChanged(menu_);
}

void Jukebox::PlaySong(const QString& path) {
    const int code = Midi::PlayMidiFile(path);
    if (code == 0) {
        Midi::SetMusicState(Midi::StatePlaying);
        songTitle_ = GetSongTitle(path);
        emit scriptRequested(QStringLiteral("music_start"), false, {});
        UpdateMusicMenu(Midi::StatePlaying);
        emit statusText(menu_.hint);
        Midi::SaveMusicState(Midi::StatePlaying);
    } else if (code == kMidiPortInUse) {
        emit scriptRequested(QStringLiteral("midi_busy"), false, {GetSongTitle(path)});
        CloseMusicBox();
    } else {
        emit speakRequested(Midi::GetMciErrorText(static_cast<quint32>(code)));
        CloseMusicBox();
    }
}

QString Jukebox::PickNextSong() {
    const QStringList folders = Folders ? Folders() : QStringList();
    for (int i = 0; i < kPicksBeforeGivingUp; ++i) {
        const QString song = PickRandomSong(folders);
        if (song != lastSong_) {
            lastSong_ = song;
            return song;
        }
    }
    return {};
}

void Jukebox::PlayNextSong() {
    const QString path = PickNextSong();
    if (path.isEmpty())
        CloseMusicBox();
    else
        PlaySong(path);
}

void Jukebox::Click() {
    Run(ClickCommand(Midi::MusicState()));
}

void Jukebox::Run(MusicCommand command) {
    switch (command) {
    case MusicCommand::Play:
    case MusicCommand::NextTune: // the playing song is closed by the next play
        OpenMusicBox(QString());
        break;
    case MusicCommand::Pause:
        if (Midi::MusicState() == Midi::StatePlaying) Midi::PauseMusic();
        break;
    case MusicCommand::Resume:
        if (Midi::MusicState() == Midi::StatePaused) Midi::ResumeMusic();
        break;
    case MusicCommand::Stop:
        CloseMusicBox();
        break;
    }
}

void Jukebox::FilesDropped(const QStringList& files) {
    // Only the first file counts; it plays from where it lies.
    if (files.isEmpty() || files.first().isEmpty()) return;
    if (IsSongName(files.first())) OpenMusicBox(files.first());
}

void Jukebox::StartAtLaunch() {
    if (Midi::MidiAvailable() && Midi::MusicState() == Midi::StatePlaying) OpenMusicBox(QString());
}

void Jukebox::ExitMusic() {
    timerThemeSong_.stop();
    if (!musicOn_) return;
    const int state = Midi::MusicState();
    Midi::StopMusic();
    Midi::SaveMusicState(state);
    musicOn_ = false;
    timerMusic_.stop();
}

void Jukebox::StartThemeSongTimer() {
    timerThemeSong_.start();
}

void Jukebox::TimerMusic_Timer() {
    if (!Midi::MidiAvailable() || !musicOn_) {
        timerMusic_.stop();
        return;
    }
    Midi::CheckMusic();
}

void Jukebox::TimerThemeSong_Timer() {
    Midi::CheckOneSong();
}

} // namespace Music

#include "music/Jukebox.h"

#include "base/Folders.h"
#include "base/Random.h"
#include "music/Midi.h"
#include "music/MusicSettings.h"
#include "music/SongLibrary.h"

namespace Music {
namespace {
// The device's answer when another program holds the MIDI output.
constexpr int kMidiPortInUse = 337;
constexpr int kPicksBeforeGivingUp = 10;

// Errors of the device itself, which no other song would escape; every other error belongs to the
// song (missing, unreadable, not a MIDI file, a name the device cannot take).
bool isDeviceError(int code) {
    static const QList<int> device = {262, 264, 266, kMidiPortInUse, 338, 340, 343};
    return device.contains(code);
}

// Why a song cannot be played, in a few words.
QString songProblem(int code) {
    switch (code) {
    case 275:
        return QStringLiteral("the file is not there any more");
    case 296:
        return QStringLiteral("it is not a MIDI song, or it is damaged");
    case 348:
        return QStringLiteral("the file cannot be read");
    default:
        return Midi::GetMciErrorText(static_cast<quint32>(code));
    }
}
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

Jukebox::Start Jukebox::startSong(const QString& path) {
    const int code = Midi::PlayMidiFile(path);
    if (code == 0) {
        Midi::SetMusicState(Midi::StatePlaying);
        songTitle_ = GetSongTitle(path);
        emit scriptRequested(QStringLiteral("music_start"), false, {});
        UpdateMusicMenu(Midi::StatePlaying);
        // Songs skipped on the way stay in view beside the one that plays.
        emit statusText(skipped_.isEmpty()
                            ? menu_.hint
                            : skipped_.join(QStringLiteral("; ")) + QStringLiteral(". ") + menu_.hint);
        Midi::SaveMusicState(Midi::StatePlaying);
        return Start::Playing;
    }
    if (code == kMidiPortInUse) {
        emit scriptRequested(QStringLiteral("midi_busy"), false, {GetSongTitle(path)});
        CloseMusicBox();
        return Start::DeviceFailed;
    }
    if (isDeviceError(code)) {
        emit speakRequested(Midi::GetMciErrorText(static_cast<quint32>(code)));
        CloseMusicBox();
        return Start::DeviceFailed;
    }
    // One bad song does not silence the box: it is named, with the reason, and skipped.
    const QString title = GetSongTitle(path);
    const QString why = songProblem(code);
    skipped_ << QStringLiteral("Skipped \"%1\": %2").arg(title, why);
    emit statusText(skipped_.join(QStringLiteral("; ")));
    emit scriptRequested(QStringLiteral("music_song_skipped"), false, {title, why});
    return Start::SongFailed;
}

void Jukebox::PlaySong(const QString& path) {
    skipped_.clear();
    if (startSong(path) == Start::SongFailed) playNextSkipping({path});
}

QString Jukebox::PickNextSong() {
    return pickSkipping({});
}

QString Jukebox::pickSkipping(const QStringList& skip) {
    const QStringList folders = Folders ? Folders() : QStringList();
    for (int i = 0; i < kPicksBeforeGivingUp; ++i) {
        const QString song = PickRandomSong(folders);
        if (song != lastSong_ && !skip.contains(song)) {
            lastSong_ = song;
            return song;
        }
    }
    if (skip.isEmpty()) return {};
    // With songs skipped, the draws above may keep meeting them: choose among the rest instead.
    QStringList rest;
    for (const QString& folder : folders)
        for (const QString& name : ListSongs(folder)) {
            const QString song = AddBackslash(folder) + name;
            if (song != lastSong_ && !skip.contains(song)) rest << song;
        }
    if (rest.isEmpty()) return {};
    lastSong_ = rest.at(qMin(int(Rnd() * rest.size()), int(rest.size()) - 1));
    return lastSong_;
}

void Jukebox::PlayNextSong() {
    skipped_.clear();
    playNextSkipping({});
}

void Jukebox::playNextSkipping(QStringList skipped) {
    for (;;) {
        const QString path = pickSkipping(skipped);
        if (path.isEmpty()) break;
        const Start start = startSong(path);
        if (start != Start::SongFailed) return;
        skipped << path;
    }
    int total = 0;
    for (const QString& folder : Folders ? Folders() : QStringList())
        total += CountSongs(folder);
    CloseMusicBox();
    if (total == 0) {
        emit statusText(QStringLiteral("No songs in your music folders"));
    } else if (!skipped.isEmpty() && skipped.size() >= total) {
        emit statusText(QStringLiteral("Music stopped: no song in your music folders can be played"));
        emit scriptRequested(QStringLiteral("music_none_playable"), true, {});
    }
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

#pragma once

#include "music/MusicMenu.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <functional>

namespace Music {

// The jukebox behind the music box: it opens and closes the box, picks and plays the songs, keeps
// the menu and hint in step with the music state and runs the two music timers. It knows no window:
// what the user should see and hear comes out of its signals.
class Jukebox : public QObject {
    Q_OBJECT
public:
    explicit Jukebox(QObject* parent = nullptr);
    ~Jukebox() override;

    // The folders songs are picked from; the music settings' folders unless replaced.
    std::function<QStringList()> Folders;

    // Switches the box on and plays the song, or the next song when the path is empty. While a
    // one-off song (the theme) plays, the box only waits to open when it ends.
    void OpenMusicBox(const QString& path);
    // Switches the box off and stops the music.
    void CloseMusicBox();
    void UpdateMusicMenu(int state);
    void PlaySong(const QString& path);
    void PlayNextSong();
    // A song other than the last one, or "" when ten draws found none.
    QString PickNextSong();

    // What the user does with the box and its menu.
    void Click(); // a real click, not the end of a drag
    void Run(MusicCommand command);
    void FilesDropped(const QStringList& files);

    // Start-up: the music plays again when it was playing at the last exit.
    void StartAtLaunch();
    // Exit: the music stops, and a box that was on remembers its state for the next start.
    void ExitMusic();
    void StartThemeSongTimer();
    void TimerMusic_Timer();
    void TimerThemeSong_Timer();

    bool MusicOn() const { return musicOn_; }
    QString MusicHint() const { return menu_.hint; }
    const MusicMenuState& Menu() const { return menu_; }
    QString SongTitle() const { return songTitle_; }
    QString LastSong() const { return lastSong_; }
    QTimer& TimerMusic() { return timerMusic_; }
    QTimer& TimerThemeSong() { return timerThemeSong_; }

signals:
    // The box's picture: switched on or off.
    void boxSwitched(bool on);
    void menuChanged(const Music::MusicMenuState& menu);
    void statusText(const QString& text);
    // The character's part.
    void scriptRequested(const QString& name, bool immediately, const QVariantList& args);
    void speakRequested(const QString& text);

private:
    enum class Start { Playing, SongFailed, DeviceFailed };
    Start startSong(const QString& path);
    QString pickSkipping(const QStringList& skip);
    // Plays the next song that can be played; the box closes, saying why, when none can.
    void playNextSkipping(QStringList skipped);

    bool musicOn_ = false;
    MusicMenuState menu_;
    QString songTitle_;
    QString lastSong_;
    QStringList skipped_; // what was skipped, and why, on the way to the song that plays
    QTimer timerMusic_;
    QTimer timerThemeSong_;
};

} // namespace Music

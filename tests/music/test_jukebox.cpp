#include "JukeboxFakeDevice.h"
#include "TestEnvironment.h"
#include "app/Random.h"
#include "app/RegUtil.h"
#include "music/Jukebox.h"
#include "music/MusicSettings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Music;

// The jukebox over a recording device: which songs play, what the box, menu, status bar and
// character are told, and what is stored.
class TestJukebox : public QObject {
    Q_OBJECT

    struct Rig {
        TestEnvironment env;
        JukeboxFakeDevice device;
        QTemporaryDir songs;
        Jukebox box;
        QStringList heard; // scripts, speech and status texts in order
        QList<bool> pictures;

        explicit Rig(const QStringList& files) {
            for (const QString& file : files) {
                QFile f(songs.filePath(file));
                f.open(QIODevice::WriteOnly);
            }
            box.Folders = [this] { return QStringList{songs.path()}; };
            connect(&box, &Jukebox::scriptRequested, &box,
                    [this](const QString& name, bool, const QVariantList& args) {
                        heard << QStringLiteral("script:") + name +
                                     (args.isEmpty() ? QString()
                                                     : QLatin1Char(' ') + args.first().toString());
                    });
            connect(&box, &Jukebox::speakRequested, &box,
                    [this](const QString& text) { heard << "speak:" + text; });
            connect(&box, &Jukebox::statusText, &box,
                    [this](const QString& text) { heard << "status:" + text; });
            connect(&box, &Jukebox::boxSwitched, &box, [this](bool on) { pictures << on; });
            Midi::CheckSequencer();
            SeedRandom(7);
        }
        QString song(const QString& name) const { return songs.filePath(name); }
        QString storedState() const {
            return RegUtil::GetRegString(RegUtil::kProductKey, QStringLiteral("Music state"));
        }
        void songEnds() {
            device.replies[QStringLiteral("status vhmidi mode")] = QStringLiteral("stopped");
            box.TimerMusic_Timer();
            device.replies[QStringLiteral("status vhmidi mode")] = QStringLiteral("playing");
        }
    };

private slots:
    void aSongStartsAndTellsEveryone() {
        Rig r({QStringLiteral("Jingle.mid")});
        r.box.OpenMusicBox(QString());
        QCOMPARE(r.device.SentStartingWith("open"),
                 QStringList{"open \"" + r.song("Jingle.mid") + "\" type sequencer alias vhmidi"});
        QCOMPARE(Midi::MusicState(), int(Midi::StatePlaying));
        QVERIFY(r.box.MusicOn());
        QVERIFY(r.box.TimerMusic().isActive());
        QCOMPARE(r.pictures, QList<bool>{true});
        const QString hint = QStringLiteral("Playing \"Jingle,\" click to stop");
        QCOMPARE(r.box.MusicHint(), hint);
        QCOMPARE(r.box.Menu().toolTip, hint);
        QCOMPARE(r.heard, (QStringList{"script:music_start", "status:" + hint}));
        QCOMPARE(r.storedState(), QStringLiteral("2"));
    }

    void oneSongInTotalPlaysOnceThenTheBoxCloses() {
        Rig r({QStringLiteral("Only.mid")});
        r.box.OpenMusicBox(QString());
        r.heard.clear();
        r.songEnds();
        QCOMPARE(r.device.SentStartingWith("open").size(), 1);
        QVERIFY(!r.box.MusicOn());
        QVERIFY(!r.box.TimerMusic().isActive());
        QCOMPARE(r.pictures.last(), false);
        QCOMPARE(Midi::MusicState(), int(Midi::StateStopped));
        QCOMPARE(r.heard, QStringList{"status:Music stopped"});
        QCOMPARE(r.storedState(), QStringLiteral("1"));
        QCOMPARE(r.box.MusicHint(), QStringLiteral("Click to play music"));
    }

    void noSongTwiceInARow() {
        Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid"), QStringLiteral("c.mid")});
        QString last;
        for (int i = 0; i < 40; ++i) {
            const QString next = r.box.PickNextSong();
            QVERIFY(!next.isEmpty());
            QVERIFY(next != last);
            last = next;
        }
        // The empty pick of a library that emptied is taken, so the last song may come again later.
        Rig empty({});
        QCOMPARE(empty.box.PickNextSong(), QString());
        empty.box.OpenMusicBox(QString());
        QVERIFY(empty.device.SentStartingWith("open").isEmpty());
        QCOMPARE(empty.heard, QStringList{"status:Music stopped"});
    }

    void playFailuresAreExplainedAndCloseTheBox() {
        Rig r({QStringLiteral("Carol.mid")});
        r.device.replies[QStringLiteral("play vhmidi from 0")] = QStringLiteral("337");
        r.box.OpenMusicBox(QString());
        QCOMPARE(r.heard, (QStringList{"script:midi_busy Carol", "status:Music stopped"}));
        QVERIFY(!r.box.MusicOn());

        Rig other({QStringLiteral("Carol.mid")});
        other.device.replies[QStringLiteral("play vhmidi from 0")] = QStringLiteral("263");
        other.device.errors[263] =
            QStringLiteral("The specified device is not open or is not recognized by MCI.");
        other.box.OpenMusicBox(QString());
        QCOMPARE(other.heard.first(), "speak:" + other.device.errors[263]);
        QCOMPARE(Midi::MusicState(), int(Midi::StateStopped));
        QCOMPARE(other.storedState(), QStringLiteral("1"));
    }

    void clickActsByState() {
        Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid")});
        r.box.Click(); // idle: plays
        QCOMPARE(Midi::MusicState(), int(Midi::StatePlaying));
        r.box.Run(MusicCommand::Pause);
        QCOMPARE(r.box.MusicHint(), QStringLiteral("Paused, click to resume"));
        r.box.Click(); // paused: resumes
        QCOMPARE(r.device.sent.last(), QStringLiteral("resume vhmidi"));
        QCOMPARE(Midi::MusicState(), int(Midi::StatePlaying));
        r.box.Click(); // playing: stops
        QCOMPARE(Midi::MusicState(), int(Midi::StateStopped));
        QVERIFY(!r.box.MusicOn());
        r.box.Click(); // stopped: plays
        QVERIFY(r.box.MusicOn());
    }

    void pauseAndResumeOnlyInTheirStates() {
        Rig r({QStringLiteral("a.mid")});
        r.box.Run(MusicCommand::Pause); // idle
        r.box.Run(MusicCommand::Resume);
        QVERIFY(r.device.sent.filter("vhmidi").isEmpty());
        r.box.OpenMusicBox(QString());
        r.box.Run(MusicCommand::Resume); // playing
        QVERIFY(r.device.SentStartingWith("resume").isEmpty());
        r.box.Run(MusicCommand::Pause);
        r.box.Run(MusicCommand::Pause); // already paused
        QCOMPARE(r.device.SentStartingWith("pause").size(), 1);
        // Paused, the three-second check leaves the device alone.
        const qsizetype before = r.device.sent.size();
        r.box.TimerMusic_Timer();
        QCOMPARE(r.device.sent.size(), before);
    }

    void everyFewMinutesPausesThenPlaysTheNextSong() {
        Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid")});
        RegUtil::SetRegString(RegUtil::kProductKey, QStringLiteral("Music frequency"), QStringLiteral("1"));
        r.box.OpenMusicBox(QString());
        r.songEnds();
        QCOMPARE(Midi::MusicState(), int(Midi::StatePausing));
        QCOMPARE(r.device.sent.last(), QStringLiteral("close vhmidi"));
        QCOMPARE(r.box.MusicHint(), QStringLiteral("Pausing between songs, click to play a new song now"));
        QCOMPARE(r.box.Menu().toolTip, QStringLiteral("Pausing between songs"));
        const int ticks = Midi::PauseTicksLeft();
        QVERIFY(ticks >= 40 && ticks <= 100);
        for (int i = 1; i < ticks; ++i)
            r.box.TimerMusic_Timer();
        QCOMPARE(r.device.SentStartingWith("open").size(), 1);
        r.box.TimerMusic_Timer();
        QCOMPARE(r.device.SentStartingWith("open").size(), 2);
        QCOMPARE(Midi::MusicState(), int(Midi::StatePlaying));

        // A click in the pause starts the next song at once.
        r.songEnds();
        r.box.Click();
        QCOMPARE(r.device.SentStartingWith("open").size(), 3);
        QCOMPARE(Midi::MusicState(), int(Midi::StatePlaying));
    }

    void theThemeSongHoldsTheBoxBackUntilItEnds() {
        Rig r({QStringLiteral("a.mid")});
        QVERIFY(Midi::PlayOneSong(r.song("THEME.MID")));
        r.box.StartThemeSongTimer();
        r.box.OpenMusicBox(QString());
        QVERIFY(!r.box.MusicOn());
        QVERIFY(r.pictures.isEmpty());
        QVERIFY(!r.box.TimerMusic().isActive());
        r.box.TimerThemeSong_Timer(); // still playing
        QVERIFY(!r.box.MusicOn());
        r.device.replies[QStringLiteral("status VhOneSong mode")] = QStringLiteral("stopped");
        r.box.TimerThemeSong_Timer();
        QVERIFY(!r.box.TimerThemeSong().isActive());
        QVERIFY(r.box.MusicOn());
        QCOMPARE(r.device.SentStartingWith("open").size(), 2);
    }

    void stoppingWhileTheThemePlaysCancelsTheWaitingBox() {
        Rig r({QStringLiteral("a.mid")});
        QVERIFY(Midi::PlayOneSong(r.song("THEME.MID")));
        r.box.OpenMusicBox(QString());
        r.box.Run(MusicCommand::Stop);
        r.device.replies[QStringLiteral("status VhOneSong mode")] = QStringLiteral("stopped");
        r.box.TimerThemeSong_Timer();
        QVERIFY(!r.box.MusicOn());
        QCOMPARE(r.device.SentStartingWith("open").size(), 1); // the theme only
    }

    void droppedFilesPlayOnlyWhenTheFirstIsASong() {
        Rig r({});
        r.box.FilesDropped({"/tmp/sound.wav", "/tmp/SONG.MID"});
        r.box.FilesDropped({"/tmp/song.midi"});
        r.box.FilesDropped({});
        QVERIFY(r.device.SentStartingWith("open").isEmpty());
        r.box.FilesDropped({"/tmp/SONG.MID", "/tmp/other.mid"});
        QCOMPARE(r.device.SentStartingWith("open"),
                 QStringList{"open \"/tmp/SONG.MID\" type sequencer alias vhmidi"});
        QCOMPARE(r.box.SongTitle(), QStringLiteral("SONG"));
    }

    void theStateSurvivesARestartOnlyWhenPlaying() {
        {
            Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid")});
            r.box.OpenMusicBox(QString());
            r.box.ExitMusic();
            QCOMPARE(r.device.sent.last(), QStringLiteral("close vhmidi"));
            QCOMPARE(r.storedState(), QStringLiteral("2"));
            LoadMusicSettings();
            r.box.StartAtLaunch();
            QVERIFY(r.box.MusicOn());
        }
        for (const char* stored : {"1", "3", "4", ""}) {
            Rig r({QStringLiteral("a.mid")});
            RegUtil::SetRegString(RegUtil::kProductKey, QStringLiteral("Music state"),
                                  QString::fromLatin1(stored));
            LoadMusicSettings();
            QCOMPARE(Midi::MusicState(), int(Midi::StateIdle));
            r.box.StartAtLaunch();
            QVERIFY(!r.box.MusicOn());
            r.box.ExitMusic(); // a box that is off stores nothing
            QCOMPARE(r.storedState(), QString::fromLatin1(stored));
        }
    }

    void theMenuFollowsTheState() {
        Rig r({});
        const struct {
            int state;
            bool play, pause, resume, stop, next;
            MusicCommand byDefault;
        } table[] = {{0, true, false, false, false, false, MusicCommand::Play},
                     {1, true, false, false, false, false, MusicCommand::Play},
                     {2, false, true, false, true, true, MusicCommand::Stop},
                     {3, false, false, true, true, true, MusicCommand::Resume},
                     {4, false, false, false, false, true, MusicCommand::NextTune}};
        for (const auto& row : table) {
            r.box.UpdateMusicMenu(row.state);
            const MusicMenuState& m = r.box.Menu();
            QCOMPARE((QList<bool>{m.play, m.pause, m.resume, m.stop, m.nextTune}),
                     (QList<bool>{row.play, row.pause, row.resume, row.stop, row.next}));
            QCOMPARE(DefaultMusicItem(row.state), row.byDefault);
        }
        QSignalSpy changes(&r.box, &Jukebox::menuChanged);
        r.box.UpdateMusicMenu(7); // no such state: nothing changes
        QCOMPARE(changes.size(), 0);
        QVERIFY(r.box.Menu().nextTune && !r.box.Menu().play);
    }

    void theMusicTimerStopsItselfWithoutABox() {
        Rig r({QStringLiteral("a.mid")});
        r.box.TimerMusic().start();
        r.box.TimerMusic_Timer();
        QVERIFY(!r.box.TimerMusic().isActive());
        QVERIFY(r.device.SentStartingWith("status").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJukebox)
#include "test_jukebox.moc"

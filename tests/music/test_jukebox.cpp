#include "JukeboxEar.h"
#include "JukeboxFakeDevice.h"
#include "TestEnvironment.h"
#include "base/Random.h"
#include "base/RegUtil.h"
#include "music/Jukebox.h"
#include "music/MusicSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Music;

// The jukebox over a recording device: which songs play, what the box, status bar and character
// are told, and what is stored.
class TestJukebox : public QObject {
    Q_OBJECT

    struct Rig {
        TestEnvironment env;
        JukeboxFakeDevice device;
        QTemporaryDir songs;
        Jukebox box;
        QStringList heard; // scripts, speech and status texts in order

        explicit Rig(const QStringList& files) {
            for (const QString& file : files)
                QFile(songs.filePath(file)).open(QIODevice::WriteOnly);
            box.Folders = [this] { return QStringList{songs.path()}; };
            ListenToJukebox(box, heard);
            Midi::CheckSequencer();
            SeedRandom(7);
        }
        int opened() const { return int(device.SentStartingWith("open").size()); }
        QString stored() const {
            return RegUtil::GetRegString(RegUtil::kProductKey, QStringLiteral("Music state"));
        }
        void reply(const char* command, const char* text) {
            device.replies[QString::fromLatin1(command)] = text;
        }
        void songEnds() {
            reply("status vhmidi mode", "stopped");
            box.TimerMusic_Timer();
            reply("status vhmidi mode", "playing");
        }
    };

private slots:
    void aSongStartsAndTellsEveryone() {
        Rig r({QStringLiteral("Jingle.mid")});
        r.box.OpenMusicBox(QString());
        QCOMPARE(r.device.SentStartingWith("open"),
                 QStringList{"open \"" + r.songs.filePath("Jingle.mid") + "\" type sequencer alias vhmidi"});
        QVERIFY(r.box.MusicOn() && r.box.TimerMusic().isActive());
        const QString hint = QStringLiteral("Playing \"Jingle,\" click to stop");
        QCOMPARE(r.box.Menu().toolTip, hint);
        QCOMPARE(r.heard, (QStringList{"script:music_start", "status:" + hint}));
        QCOMPARE(r.stored(), QStringLiteral("2"));
    }

    void oneSongInTotalPlaysOnceThenTheBoxCloses() {
        Rig r({QStringLiteral("Only.mid")});
        r.box.OpenMusicBox(QString());
        r.heard.clear();
        r.songEnds();
        QCOMPARE(r.opened(), 1);
        QVERIFY(!r.box.MusicOn() && !r.box.TimerMusic().isActive());
        QCOMPARE(r.heard, QStringList{"status:Music stopped"});
        QCOMPARE(r.stored(), QStringLiteral("1"));
        QCOMPARE(r.box.MusicHint(), QStringLiteral("Click to play music"));
    }

    void noSongTwiceInARow() {
        Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid"), QStringLiteral("c.mid")});
        QString last;
        for (int i = 0; i < 40; ++i) {
            const QString next = r.box.PickNextSong();
            QVERIFY(!next.isEmpty() && next != last);
            last = next;
        }
    }

    void playFailuresAreExplainedAndCloseTheBox() {
        Rig r({QStringLiteral("Carol.mid")});
        r.reply("play vhmidi from 0", "337");
        r.box.OpenMusicBox(QString());
        QCOMPARE(r.heard, (QStringList{"script:midi_busy Carol", "status:Music stopped"}));
        QVERIFY(!r.box.MusicOn());

        Rig other({QStringLiteral("Carol.mid")});
        // A fault of the device itself, which every song would meet, is read out and closes the box.
        other.reply("play vhmidi from 0", "343");
        other.device.errors[343] = QStringLiteral("There are no MIDI devices installed on the system.");
        other.box.OpenMusicBox(QString());
        QCOMPARE(other.heard.first(), "speak:" + other.device.errors[343]);
        QCOMPARE(other.stored(), QStringLiteral("1"));
    }

    void clickAndMenuActByState() {
        Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid")});
        r.box.Run(MusicCommand::Pause); // nothing plays: nothing to pause or resume
        r.box.Run(MusicCommand::Resume);
        QVERIFY(r.device.sent.filter("vhmidi").isEmpty());
        r.box.Click(); // idle: plays
        r.box.Run(MusicCommand::Resume);
        QVERIFY(r.device.SentStartingWith("resume").isEmpty());
        r.box.Run(MusicCommand::Pause);
        QCOMPARE(r.box.MusicHint(), QStringLiteral("Paused, click to resume"));
        const qsizetype sent = r.device.sent.size();
        r.box.TimerMusic_Timer(); // paused: the check leaves the device alone
        QCOMPARE(r.device.sent.size(), sent);
        r.box.Click(); // paused: resumes
        QCOMPARE(r.device.sent.last(), QStringLiteral("resume vhmidi"));
        r.box.Click(); // playing: stops
        QCOMPARE(Midi::MusicState(), int(Midi::StateStopped));
        r.box.Click(); // stopped: plays
        QVERIFY(r.box.MusicOn());
    }

    void everyFewMinutesPausesThenPlaysTheNextSong() {
        Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid")});
        RegUtil::SetRegString(RegUtil::kProductKey, QStringLiteral("Music frequency"), QStringLiteral("1"));
        r.box.OpenMusicBox(QString());
        r.songEnds();
        QCOMPARE(Midi::MusicState(), int(Midi::StatePausing));
        QCOMPARE(r.box.Menu().toolTip, QStringLiteral("Pausing between songs"));
        const int ticks = Midi::PauseTicksLeft();
        for (int i = 1; i < ticks; ++i)
            r.box.TimerMusic_Timer();
        QCOMPARE(r.opened(), 1);
        r.box.TimerMusic_Timer();
        QCOMPARE(r.opened(), 2);
        // A click in the pause starts the next song at once.
        r.songEnds();
        r.box.Click();
        QCOMPARE(r.opened(), 3);
        QCOMPARE(Midi::MusicState(), int(Midi::StatePlaying));
    }

    void theThemeSongHoldsTheBoxBackUntilItEnds() {
        Rig r({QStringLiteral("a.mid")});
        QVERIFY(Midi::PlayOneSong(r.songs.filePath("THEME.MID")));
        r.box.StartThemeSongTimer();
        r.box.OpenMusicBox(QString());
        r.box.TimerThemeSong_Timer(); // still playing
        QVERIFY(!r.box.MusicOn() && !r.box.TimerMusic().isActive());
        r.reply("status VhOneSong mode", "stopped");
        r.box.TimerThemeSong_Timer();
        QVERIFY(!r.box.TimerThemeSong().isActive());
        QVERIFY(r.box.MusicOn());
        QCOMPARE(r.opened(), 2);

        // Stopped while it waited, the box stays shut when the theme ends.
        Rig stopped({QStringLiteral("a.mid")});
        QVERIFY(Midi::PlayOneSong(stopped.songs.filePath("THEME.MID")));
        stopped.box.OpenMusicBox(QString());
        stopped.box.Run(MusicCommand::Stop);
        stopped.reply("status VhOneSong mode", "stopped");
        stopped.box.TimerThemeSong_Timer();
        QVERIFY(!stopped.box.MusicOn());
        QCOMPARE(stopped.opened(), 1);
    }

    void droppedFilesPlayOnlyWhenTheFirstIsASong() {
        Rig r({});
        r.box.FilesDropped({"/tmp/sound.wav", "/tmp/SONG.MID"});
        r.box.FilesDropped({"/tmp/song.midi"});
        r.box.FilesDropped({});
        QCOMPARE(r.opened(), 0);
        r.box.FilesDropped({"/tmp/SONG.MID", "/tmp/other.mid"});
        QCOMPARE(r.device.SentStartingWith("open"),
                 QStringList{"open \"/tmp/SONG.MID\" type sequencer alias vhmidi"});
    }

    void theStateSurvivesARestartOnlyWhenPlaying() {
        {
            Rig r({QStringLiteral("a.mid"), QStringLiteral("b.mid")});
            r.box.OpenMusicBox(QString());
            r.box.ExitMusic();
            QCOMPARE(r.device.sent.last(), QStringLiteral("close vhmidi"));
            QCOMPARE(r.stored(), QStringLiteral("2"));
            LoadMusicSettings();
            r.box.StartAtLaunch();
            QVERIFY(r.box.MusicOn());
        }
        for (const char* stored : {"1", "3", "4", ""}) {
            Rig r({QStringLiteral("a.mid")});
            RegUtil::SetRegString(RegUtil::kProductKey, QStringLiteral("Music state"),
                                  QString::fromLatin1(stored));
            LoadMusicSettings();
            r.box.StartAtLaunch();
            QVERIFY(!r.box.MusicOn());
            r.box.ExitMusic(); // a box that is off stores nothing
            QCOMPARE(r.stored(), QString::fromLatin1(stored));
        }
    }
};

QTEST_GUILESS_MAIN(TestJukebox)
#include "test_jukebox.moc"

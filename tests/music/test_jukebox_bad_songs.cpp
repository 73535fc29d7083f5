// The jukebox over the real device when a music folder holds songs that cannot be played: each is
// named with its reason and skipped, the good ones are heard, and only a folder with nothing playable
// switches the box off, saying so.
#include "JukeboxEar.h"
#include "TestEnvironment.h"
#include "TestSongs.h"
#include "WavStats.h"
#include "base/Random.h"
#include "music/Jukebox.h"
#include "music/Midi.h"
#include "music/fluid/AudioOutput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace Music;

class TestJukeboxBadSongs : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString wav_;

    struct Rig {
        TestEnvironment env;
        QTemporaryDir songs;
        Jukebox box;
        QStringList heard;
        Rig() {
            Midi::ResetForTesting();
            box.Folders = [this] { return QStringList{songs.path()}; };
            ListenToJukebox(box, heard);
            Midi::CheckSequencer();
        }
        ~Rig() {
            box.CloseMusicBox();
            Midi::ResetForTesting();
        }
        QString add(const QString& name, const QByteArray& data) {
            const QString path = songs.filePath(name);
            TestSongs::Write(path, data);
            return path;
        }
        QStringList heardStarting(const QString& start) const {
            QStringList found;
            for (const QString& line : heard)
                if (line.startsWith(start)) found << line;
            return found;
        }
        // Lets the song playing come to its end, as the music timer would see it.
        void playToTheEnd() {
            QElapsedTimer waited;
            waited.start();
            while (Midi::SendMciCommand(QStringLiteral("status vhmidi mode")) == QLatin1String("playing") &&
                   waited.elapsed() < 20000)
                QTest::qWait(200);
        }
    };

private slots:
    void initTestCase() {
        if (Mci::AudioOutput::SoundFontPath().isEmpty()) QSKIP("no General MIDI SoundFont installed");
        wav_ = dir_.filePath(QStringLiteral("out.wav"));
        qputenv("GW_MIDI_WAV", wav_.toLocal8Bit());
        Midi::SetBackend(nullptr); // the program's own device
    }
    void init() { QFile::remove(wav_); }

    void aBrokenSongBeforeAGoodOneIsSkippedAndTheGoodOneHeard() {
        for (int seed : {1, 2, 3, 4, 5}) {
            Rig r;
            SeedRandom(seed);
            const QString broken = r.add(QStringLiteral("A cut carol.mid"), TestSongs::Tune(2).left(60));
            r.add(QStringLiteral("B not a song.mid"), "<html><body>Not found</body></html>");
            r.add(QStringLiteral("C good! \"carol\".mid"), TestSongs::Tune(1));
            QFile::remove(wav_);
            // The broken one asked for first, as a dropped file would be, then whatever the draws give.
            r.box.OpenMusicBox(broken);
            QVERIFY(r.box.MusicOn());
            QCOMPARE(Midi::MusicState(), int(Midi::StatePlaying));
            QCOMPARE(r.box.SongTitle(), QStringLiteral("C good! \"carol\""));
            QVERIFY(r.heard.contains(
                QStringLiteral("status:Skipped \"A cut carol\": it is not a MIDI song, or it "
                               "is damaged")));
            QCOMPARE(r.heardStarting("script:music_song_skipped").first(),
                     QStringLiteral("script:music_song_skipped A cut carol"));
            QCOMPARE(r.heardStarting("speak:"), QStringList()); // no device error read out
            // The reason stays in view beside the song that plays.
            const QString shown = r.heardStarting("status:").last();
            QVERIFY2(shown.contains(QLatin1String("Skipped \"A cut carol\"")) &&
                         shown.contains(QLatin1String("Playing")),
                     qPrintable(shown));
            r.playToTheEnd();
            Midi::SendMciCommand(QStringLiteral("close vhmidi"));
            QVERIFY2(WavStats(wav_).rms() > 0.01, qPrintable(QString::number(WavStats(wav_).rms())));
        }
    }

    void aFolderWithNothingPlayableSwitchesTheBoxOffSayingWhy() {
        Rig r;
        r.add(QStringLiteral("one.mid"), "RIFF....WAVEfmt ");
        r.add(QStringLiteral("two.mid"), QByteArray());
        r.box.OpenMusicBox(QString());
        QVERIFY(!r.box.MusicOn());
        QCOMPARE(r.heardStarting("status:Skipped").size(), 2);
        QCOMPARE(r.heard.last(), QStringLiteral("script:music_none_playable"));
        QVERIFY(r.heardStarting("status:").last().contains(
            QLatin1String("no song in your music folders can be played")));
    }

    void emptyFoldersAreToldNotIgnored() {
        Rig r;
        r.box.Click();
        QVERIFY(!r.box.MusicOn());
        QCOMPARE(r.heardStarting("status:").last(), QStringLiteral("status:No songs in your music folders"));
    }
};

QTEST_GUILESS_MAIN(TestJukeboxBadSongs)
#include "test_jukebox_bad_songs.moc"

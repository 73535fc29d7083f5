// The real device: FluidSynth with the General MIDI SoundFont, heard through its file driver.
#include "DeviceHelpers.h"
#include "TestSongs.h"
#include "WavStats.h"
#include "music/Midi.h"
#include "music/fluid/AudioOutput.h"
#include "music/fluid/FluidDevice.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestFluidDevice : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString wav_;

    QString song(const QString& name, const QByteArray& data) {
        const QString path = dir_.filePath(name);
        TestSongs::Write(path, data);
        return path;
    }
    static QString openCommand(const QString& path, const QString& alias = QStringLiteral("vhmidi")) {
        return QStringLiteral("open \"%1\" type sequencer alias %2").arg(path, alias);
    }

private slots:
    void initTestCase() {
        if (Mci::AudioOutput::SoundFontPath().isEmpty()) QSKIP("no General MIDI SoundFont installed");
        wav_ = dir_.filePath(QStringLiteral("out.wav"));
        qputenv("GW_MIDI_WAV", wav_.toLocal8Bit());
    }
    void init() { QFile::remove(wav_); }

    void aSongPlaysToItsEndIntoTheWav() {
        Mci::FluidDevice device;
        QCOMPARE(device.Send(QStringLiteral("sysinfo sequencer quantity")), QStringLiteral("1"));
        QCOMPARE(device.Send(openCommand(song("tune.mid", TestSongs::Tune(3)))), QString());
        QCOMPARE(device.Send(QStringLiteral("status vhmidi mode")), QStringLiteral("stopped"));
        QCOMPARE(device.Send(QStringLiteral("status vhmidi length")), QStringLiteral("3000"));
        QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QString());
        bool sawPlaying = false;
        QCOMPARE(WaitUntilStopped(device, "vhmidi", 30000, &sawPlaying), QStringLiteral("stopped"));
        QVERIFY(sawPlaying);
        QCOMPARE(device.Send(QStringLiteral("status vhmidi position")), QStringLiteral("3000"));
        QCOMPARE(device.Send(QStringLiteral("close vhmidi")), QString());

        const WavStats sound(wav_);
        QVERIFY(sound.valid());
        QVERIFY2(sound.seconds() > 2.8 && sound.seconds() < 7.0,
                 qPrintable(QString::number(sound.seconds())));
        QVERIFY2(sound.rms(0, 3) > 0.01, qPrintable(QString::number(sound.rms(0, 3))));
        // Sound all through the song; what follows its end is the release dying away.
        QVERIFY(sound.longestSilence(0, 3) < 0.5);
    }

    void pauseIsSilentAndResumeGoesOnFromThere() {
        Mci::FluidDevice device;
        QCOMPARE(device.Send(openCommand(song("pause.mid", TestSongs::Tune(4, 19)))), QString());
        QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QString());
        QTest::qWait(1200);
        QCOMPARE(device.Send(QStringLiteral("pause vhmidi")), QString());
        const qint64 pausedAt = device.Send(QStringLiteral("status vhmidi position")).toLongLong();
        QVERIFY(pausedAt > 0);
        QTest::qWait(1500);
        QCOMPARE(device.Send(QStringLiteral("status vhmidi mode")), QStringLiteral("paused"));
        QCOMPARE(device.Send(QStringLiteral("status vhmidi position")).toLongLong(), pausedAt);
        QCOMPARE(device.Send(QStringLiteral("resume vhmidi")), QString());
        QTest::qWait(300);
        QVERIFY(device.Send(QStringLiteral("status vhmidi position")).toLongLong() >= pausedAt);
        QCOMPARE(WaitUntilStopped(device, "vhmidi"), QStringLiteral("stopped"));
        device.Send(QStringLiteral("close vhmidi"));

        const WavStats sound(wav_);
        QVERIFY(sound.valid());
        QVERIFY2(sound.longestSilence() >= 1.0, qPrintable(QString::number(sound.longestSilence())));
        // The whole song was heard around the pause: four seconds of it and more than a second of silence.
        QVERIFY2(sound.seconds() > 5.0, qPrintable(QString::number(sound.seconds())));
        QVERIFY(sound.rms(sound.seconds() - 2.5, sound.seconds()) > 0.005);
    }

    void aNoteNeverReleasedStillEnds() {
        Mci::FluidDevice device;
        // An organ note that lasts as long as it is held, and no note-off: the track ends at one second.
        const QByteArray stuck = TestSongs::Smf({{0, 0, 60, 19}, {0, 0, 64, 19}}, 960);
        QCOMPARE(device.Send(openCommand(song("stuck.mid", stuck))), QString());
        QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QString());
        QCOMPARE(WaitUntilStopped(device, "vhmidi"), QStringLiteral("stopped"));
        device.Send(QStringLiteral("close vhmidi"));
        const WavStats sound(wav_);
        QVERIFY(sound.rms(0, 1) > 0.01);
    }

    void badFilesAndAliasesAreErrors() {
        Mci::FluidDevice device;
        QCOMPARE(device.Send(openCommand(dir_.filePath("missing.mid"))), QStringLiteral("275"));
        QCOMPARE(device.Send(openCommand(song("text.mid", "These are not the notes you are looking for."))),
                 QStringLiteral("296"));
        QCOMPARE(device.Send(openCommand(song("cut.mid", TestSongs::Tune(2).left(40)))),
                 QStringLiteral("296"));
        // A failed open leaves nothing open, so play reports the alias unknown, as the layer above expects.
        QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QStringLiteral("263"));
        QCOMPARE(device.Send(QStringLiteral("status vhmidi mode")), QStringLiteral("263"));

        const QString tune = song("alias.mid", TestSongs::Tune(1));
        QCOMPARE(device.Send(openCommand(tune)), QString());
        QCOMPARE(device.Send(openCommand(tune, "VHMIDI")), QStringLiteral("289"));
        QCOMPARE(device.Send(QStringLiteral("open \"sequencer!%1\" alias VhOneSong").arg(tune)), QString());
        QCOMPARE(device.Send(QStringLiteral("sysinfo sequencer quantity open")), QStringLiteral("2"));
        QCOMPARE(device.Send(QStringLiteral("close all")), QString());
        QCOMPARE(device.Send(QStringLiteral("sysinfo sequencer quantity open")), QStringLiteral("0"));
        QCOMPARE(device.Send(QStringLiteral("close vhmidi")), QStringLiteral("263"));
        // Opened again after a close, the alias takes the new song.
        QCOMPARE(device.Send(openCommand(tune)), QString());
        QCOMPARE(device.Send(QStringLiteral("close vhmidi")), QString());
    }

    // Whatever a file may be called on this desktop, the program's own command strings open it.
    void songsPlayWhateverTheirPath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("exclamation mark") << "carols"
                                          << "Hark! The Herald Angels Sing.mid";
        QTest::newRow("two of them") << "carols!"
                                     << "Joy!to!the!World.mid";
        QTest::newRow("quotes") << "songs"
                                << "The \"Holly\" and the 'Ivy'.mid";
        QTest::newRow("quote at the ends") << "\"quoted\""
                                           << "\"Noel\".mid";
        QTest::newRow("spaces and hash") << "my songs #2"
                                         << "Carol  #1.mid";
        QTest::newRow("letters of other scripts") << "Weihnachtslieder"
                                                  << "Stille Nacht – Ĝojo 聖誕.mid";
        QTest::newRow("folder named type") << "type"
                                           << "alias.mid";
        QTest::newRow("words of the command") << "type sequencer alias"
                                              << "sequencer!.mid";
    }
    void songsPlayWhateverTheirPath() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QVERIFY(QDir(dir_.path()).mkpath(folder));
        const QString path = song(folder + QLatin1Char('/') + name, TestSongs::Tune(1, 0));
        Mci::FluidDevice device;
        Midi::MciBackend* previous = Midi::SetBackend(&device);
        Midi::ResetForTesting();
        QCOMPARE(Midi::PlayMidiFile(path), 0);
        QVERIFY(Midi::PlayOneSong(path));
        QCOMPARE(WaitUntilStopped(device, "vhmidi"), QStringLiteral("stopped"));
        QCOMPARE(WaitUntilStopped(device, "VhOneSong"), QStringLiteral("stopped"));
        Midi::CheckOneSong();
        Midi::StopMusic();
        Midi::SetBackend(previous);
        QVERIFY2(WavStats(wav_).rms() > 0.01, qPrintable(QString::number(WavStats(wav_).rms())));
        QVERIFY(WavStats(Mci::AudioOutput::WavPathForAlias(wav_, "VhOneSong")).rms() > 0.01);
    }

    // A song lasts as long as its longest track, whichever track that is.
    void aSongLastsAsLongAsItsLongestTrack() {
        const QByteArray longTrack = TestSongs::Tune(3, 0);
        const QByteArray shortTrack = TestSongs::Smf({{0, 300, 72, 0}}, 480);
        for (const QList<QByteArray>& tracks : {QList<QByteArray>{longTrack, shortTrack},
                                                QList<QByteArray>{shortTrack, longTrack, shortTrack}}) {
            QFile::remove(wav_);
            Mci::FluidDevice device;
            QCOMPARE(device.Send(openCommand(song("tracks.mid", TestSongs::MultiTrack(tracks)))), QString());
            QCOMPARE(device.Send(QStringLiteral("status vhmidi length")), QStringLiteral("3000"));
            QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QString());
            QCOMPARE(WaitUntilStopped(device, "vhmidi"), QStringLiteral("stopped"));
            QCOMPARE(device.Send(QStringLiteral("status vhmidi position")), QStringLiteral("3000"));
            device.Send(QStringLiteral("close vhmidi"));
            const WavStats sound(wav_);
            QVERIFY2(sound.seconds() > 2.8, qPrintable(QString::number(sound.seconds())));
            // The long track is heard to its end, after the short one stopped.
            QVERIFY2(sound.rms(2.0, 2.9) > 0.01, qPrintable(QString::number(sound.rms(2.0, 2.9))));
        }
    }

    // A named pipe in a music folder is refused at once instead of waiting for a writer.
    void aPipeIsNoSong() {
        const QString pipe = dir_.filePath("pipe.mid");
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        Mci::FluidDevice device;
        const QString reply = device.Send(openCommand(pipe));
        QVERIFY2(reply == QLatin1String("275") || reply == QLatin1String("348"), qPrintable(reply));
        QFile::remove(pipe);
    }

    void themeAndBackgroundPlayTogether() {
        Mci::FluidDevice device;
        Midi::MciBackend* previous = Midi::SetBackend(&device);
        Midi::ResetForTesting();
        const QString background = song("Carol.mid", TestSongs::Tune(3, 0));
        song("THEME.MID", TestSongs::Tune(2, 9));
        QCOMPARE(Midi::PlayMidiFile(background), 0);
        QVERIFY(Midi::MidiOpen());
        // The theme is asked for by another spelling of its name, as the about box does.
        QVERIFY(Midi::PlayOneSong(dir_.filePath("Theme.MID")));
        QCOMPARE(WaitUntilStopped(device, "VhOneSong"), QStringLiteral("stopped"));
        Midi::CheckOneSong();
        QVERIFY(!Midi::OneSongOpen());
        QCOMPARE(WaitUntilStopped(device, "vhmidi"), QStringLiteral("stopped"));
        Midi::StopMusic();
        Midi::SetBackend(previous);

        const WavStats music(wav_);
        const WavStats theme(Mci::AudioOutput::WavPathForAlias(wav_, "VhOneSong"));
        QVERIFY2(music.rms() > 0.01, qPrintable(QString::number(music.rms())));
        QVERIFY2(theme.rms() > 0.01, qPrintable(QString::number(theme.rms())));
        QVERIFY(music.seconds() > 2.8 && theme.seconds() > 1.8);
    }

    void playPartOfASong_data() {
        QTest::addColumn<QString>("range");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::newRow("from the middle") << "from 2500" << 1.0 << 4.0;
        QTest::newRow("up to a point") << "from 0 to 1000" << 0.8 << 3.0;
    }
    void playPartOfASong() {
        QFETCH(QString, range);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        Mci::FluidDevice device;
        QCOMPARE(device.Send(openCommand(song("part.mid", TestSongs::Tune(4)))), QString());
        QCOMPARE(device.Send(QStringLiteral("play vhmidi ") + range), QString());
        QCOMPARE(WaitUntilStopped(device, "vhmidi"), QStringLiteral("stopped"));
        device.Send(QStringLiteral("close vhmidi"));
        const WavStats sound(wav_);
        QVERIFY2(sound.seconds() > shortest && sound.seconds() < longest,
                 qPrintable(QString::number(sound.seconds())));
        QVERIFY(sound.rms() > 0.005);
    }
};

QTEST_GUILESS_MAIN(TestFluidDevice)
#include "test_fluid_device.moc"

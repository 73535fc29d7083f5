// A machine with no sound output at all: no sound server and no ALSA device (the test runs with an
// ALSA configuration that defines none and a sound server address where none listens).
#include "TestSongs.h"
#include "music/Midi.h"
#include "music/fluid/AudioOutput.h"
#include "music/fluid/FluidDevice.h"

#include <QTemporaryDir>
#include <QTest>

class TestDeviceWithoutOutput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (Mci::AudioOutput::SoundFontPath().isEmpty()) QSKIP("no General MIDI SoundFont installed");
        qunsetenv("GW_MIDI_WAV");
    }

    void noSequencerIsCountedAndPlayingFails() {
        Mci::FluidDevice device;
        QCOMPARE(device.Send(QStringLiteral("sysinfo sequencer quantity")), QStringLiteral("0"));

        QTemporaryDir dir;
        const QString tune = dir.filePath(QStringLiteral("tune.mid"));
        QVERIFY(TestSongs::Write(tune, TestSongs::Tune(1)));
        // The file is fine, so it opens; the output is what is missing, so play fails and says so.
        QCOMPARE(device.Send(QStringLiteral("open \"%1\" type sequencer alias vhmidi").arg(tune)), QString());
        const QString reply = device.Send(QStringLiteral("play vhmidi from 0"));
        QCOMPARE(reply, QStringLiteral("343"));
        QVERIFY(!device.ErrorText(reply.toUInt()).isEmpty());
        QCOMPARE(device.Send(QStringLiteral("status vhmidi mode")), QStringLiteral("stopped"));

        // The layer above reads the same: no sequencer, and a play that fails with its code.
        Midi::MciBackend* previous = Midi::SetBackend(&device);
        Midi::ResetForTesting();
        Midi::CheckSequencer();
        QVERIFY(!Midi::MidiAvailable());
        device.Send(QStringLiteral("close vhmidi"));
        QCOMPARE(Midi::PlayMidiFile(tune), 343);
        QVERIFY(!Midi::MidiOpen());
        Midi::SetBackend(previous);
    }
};

QTEST_GUILESS_MAIN(TestDeviceWithoutOutput)
#include "test_device_without_output.moc"

// The device on a sound server: a private PulseAudio with a null sink, whose monitor the test records.
// The same server going away while a song plays must end the song rather than leave it "playing".
#include "DeviceHelpers.h"
#include "TestSongs.h"
#include "WavStats.h"
#include "music/fluid/AudioOutput.h"
#include "music/fluid/FluidDevice.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestDeviceSoundServer : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess server_;

    bool serverAnswers() {
        QProcess info;
        info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        return info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit &&
               info.exitCode() == 0;
    }
    QString song(const QString& name, const QByteArray& data) {
        const QString path = dir_.filePath(name);
        TestSongs::Write(path, data);
        return path;
    }

private slots:
    void initTestCase() {
        if (Mci::AudioOutput::SoundFontPath().isEmpty()) QSKIP("no General MIDI SoundFont installed");
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
            QSKIP("no PulseAudio server to test with");
        qunsetenv("GW_MIDI_WAV");
        const QString runtime = dir_.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", (runtime + QStringLiteral("/pulse")).toLocal8Bit());
        qunsetenv("PULSE_SERVER");
        QFile script(dir_.filePath(QStringLiteral("ci.pa")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("load-module module-native-protocol-unix\n"
                     "load-module module-null-sink sink_name=ci\n"
                     "set-default-sink ci\n");
        script.close();
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start(QStringLiteral("pulseaudio"), {"-n", "-F", script.fileName(), "--daemonize=no",
                                                     "--exit-idle-time=-1", "--disallow-exit"});
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(serverAnswers(), 15000);
    }
    void cleanupTestCase() {
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished();
        }
    }

    void aSongIsHeardOnTheServer() {
        Mci::FluidDevice device;
        QCOMPARE(device.Send(QStringLiteral("sysinfo sequencer quantity")), QStringLiteral("1"));
        const QString wav = dir_.filePath(QStringLiteral("heard.wav"));
        QProcess recorder;
        recorder.start(QStringLiteral("parec"),
                       {"--latency-msec=50", "-d", "ci.monitor", "--file-format=wav", wav});
        QVERIFY(recorder.waitForStarted());
        QTest::qWait(300);
        QCOMPARE(device.Send(QStringLiteral("open \"%1\" type sequencer alias vhmidi")
                                 .arg(song("t.mid", TestSongs::Tune(2)))),
                 QString());
        QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QString());
        QCOMPARE(WaitUntilStopped(device, "vhmidi"), QStringLiteral("stopped"));
        device.Send(QStringLiteral("close vhmidi"));
        QTest::qWait(300);
        recorder.terminate();
        QVERIFY(recorder.waitForFinished());
        const WavStats sound(wav);
        QVERIFY(sound.valid());
        QVERIFY2(sound.rms() > 0.005, qPrintable(QString::number(sound.rms())));
    }

    // Runs last: it takes the server away.
    void theServerGoingAwayEndsTheSong() {
        Mci::FluidDevice device;
        QCOMPARE(device.Send(QStringLiteral("open \"%1\" type sequencer alias vhmidi")
                                 .arg(song("long.mid", TestSongs::Tune(60)))),
                 QString());
        QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QString());
        QTest::qWait(1000);
        QCOMPARE(device.Send(QStringLiteral("status vhmidi mode")), QStringLiteral("playing"));
        server_.kill();
        QVERIFY(server_.waitForFinished());
        QCOMPARE(WaitUntilStopped(device, "vhmidi", 30000), QStringLiteral("stopped"));
        QVERIFY(device.Send(QStringLiteral("status vhmidi position")).toLongLong() < 60000);
        QCOMPARE(device.Send(QStringLiteral("close vhmidi")), QString());
    }
};

QTEST_GUILESS_MAIN(TestDeviceSoundServer)
#include "test_device_sound_server.moc"

// The X display going away under the running program, with its character on the screen and a song
// playing: the program ends by itself, with an exit status, never a crash.
#include "base/RegUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kProgram = QStringLiteral(GW_PROGRAM);

// A display number nobody uses yet.
int freeDisplay() {
    for (int number = 140; number < 200; ++number)
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            return number;
    return -1;
}
} // namespace

class TestE2EDisplayLoss : public QObject {
    Q_OBJECT

private slots:
    void losingTheDisplayEndsTheProgramCleanly() {
        QVERIFY2(QFileInfo(kProgram).isExecutable(), qPrintable(kProgram));
        const int display = freeDisplay();
        QVERIFY(display > 0);
        QProcess server;
        server.start(QStringLiteral("Xvfb"),
                     {QStringLiteral(":%1").arg(display), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(server.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)), 20000);

        QTemporaryDir home;
        const QString runtime = home.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        RegUtil::SetSettingsFilePathForTesting(
            home.filePath(QStringLiteral(".config/Varnholt Software/Glisterwood 97.conf")));
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent, QStringLiteral("1"));
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kStartupPage, QStringLiteral("about:blank"));
        RegUtil::SetRegString(RegUtil::kProductKey, QStringLiteral("Music state"), QStringLiteral("2"));
        RegUtil::SetSettingsFilePathForTesting(QString());

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("GW_MIDI_WAV"), home.filePath(QStringLiteral("music.wav")));
        // Told when the window shows, and kept open long after.
        env.insert(QStringLiteral("GLISTERWOOD_BENCH"), QStringLiteral("1"));
        env.insert(QStringLiteral("GLISTERWOOD_BENCH_HOLD_MS"), QStringLiteral("600000"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(kProgram, {});
        QVERIFY(program.waitForStarted(30000));
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardOutput()).contains("bench: shown"), 60000);
        QTest::qWait(3000); // the character walks on and greets

        server.terminate();
        QVERIFY(server.waitForFinished(10000));
        QVERIFY2(program.waitForFinished(30000), "the program went on without its display");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY(program.exitCode() != 0);
    }
};

QTEST_GUILESS_MAIN(TestE2EDisplayLoss)
#include "test_e2e_display_loss.moc"

// End to end: the built program hears a command spoken into the microphone. A private sound server
// with a null sink stands in for the microphone; X keys come from xdotool, as from a keyboard.
#include "SpokenAudio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
const QString kProgram = QStringLiteral(GW_PROGRAM);
const QString kOutputDir = QStringLiteral(GW_E2E_OUTPUT_DIR);

// Runs a helper program to its end; its standard output, or "" when it failed.
QString run(const QString& program, const QStringList& args, const QProcessEnvironment& env,
            const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForStarted(10000)) return {};
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The program's shown top-level windows, as the X server places them.
QList<QRect> shownWindows(qint64 pid, const QProcessEnvironment& env) {
    QList<QRect> windows;
    const QStringList ids =
        run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid), ""}, env)
            .split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        const QString shell = run("xdotool", {"getwindowgeometry", "--shell", id}, env);
        QHash<QString, int> v;
        for (const QString& line : shell.split('\n', Qt::SkipEmptyParts))
            v.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
        windows << QRect(v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]);
    }
    return windows;
}
} // namespace

class TestE2EVoice : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
    std::unique_ptr<QProcess> pulse_;
    std::unique_ptr<QProcess> program_;

private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs an X display (xvfb-run)");
        for (const char* tool : {"pulseaudio", "pactl", "paplay", "xdotool"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);
        const QString runtime = home_.path() + "/runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env_.insert("HOME", home_.path());
        env_.insert("XDG_CONFIG_HOME", home_.path() + "/.config");
        env_.insert("XDG_DATA_HOME", home_.path() + "/.local/share");
        env_.insert("XDG_CACHE_HOME", home_.path() + "/.cache");
        env_.insert("XDG_RUNTIME_DIR", runtime);
        env_.insert("PULSE_RUNTIME_PATH", runtime + "/pulse");
        env_.insert("QT_QPA_PLATFORM", "xcb");

        QFile config(home_.path() + "/sound.pa");
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("load-module module-native-protocol-unix\n"
                     "load-module module-null-sink sink_name=speakers\n"
                     "load-module module-null-sink sink_name=mic\n"
                     "set-default-sink speakers\n"
                     "set-default-source mic.monitor\n");
        config.close();
        pulse_ = std::make_unique<QProcess>();
        pulse_->setProcessEnvironment(env_);
        pulse_->start("pulseaudio", {"-n", "-F", config.fileName(), "--daemonize=no", "--exit-idle-time=-1"});
        QVERIFY(pulse_->waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!run("pactl", {"info"}, env_).isEmpty(), 20000);

        QDir().mkpath(home_.path() + "/.config/Varnholt Software");
        QFile page(home_.path() + "/page.html");
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Voice</title></head><body><p>A quiet page.</p></body></html>");
        page.close();
        QFile settings(home_.path() + "/.config/Varnholt Software/Glisterwood 97.conf");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[General]\nUse%20agent=1\nStartup%20page=file://" + page.fileName().toUtf8() + "\n");
    }

    void cleanupTestCase() {
        for (auto* process : {program_.get(), pulse_.get()})
            if (process && process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(15000);
            }
    }

    void aSpokenTipIsGiven() {
        const QByteArray speech = SpokenAudio("give me a tip");
        QVERIFY(!speech.isEmpty());
        program_ = std::make_unique<QProcess>();
        program_->setProcessEnvironment(env_);
        program_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_->start(kProgram, {});
        QVERIFY(program_->waitForStarted(30000));
        const qint64 pid = program_->processId();

        QList<QRect> last;
        auto windows = [&] {
            const QList<QRect> now = shownWindows(pid, env_);
            if (now != last) qInfo() << "windows" << now;
            last = now;
            return now;
        };
        // Besides the full-screen windows: the character (square), its balloon, the listening tip.
        auto small = [&] {
            QList<QRect> found;
            for (const QRect& w : windows())
                if (w.width() < 1000) found << w;
            return found;
        };
        auto balloonShown = [&] {
            for (const QRect& w : small())
                if (w.width() != w.height() && w.height() >= 40) return true;
            return false;
        };
        // The character alone, once the greeting is over.
        int quietFor = 0;
        QTRY_VERIFY_WITH_TIMEOUT((quietFor = small().size() == 1 ? quietFor + 1 : 0) >= 40, 120000);

        // The main window, by the page's title in its caption.
        const QString main =
            run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid), "--name", "Voice"},
                env_)
                .section('\n', 0, 0);
        QVERIFY(!main.isEmpty());
        run("xdotool", {"mousemove", "300", "600"}, env_);
        run("xdotool", {"windowfocus", "--sync", main}, env_);
        run("xdotool", {"keydown", "Scroll_Lock"}, env_);
        auto listening = [&] {
            for (const QRect& w : small())
                if (w.height() < 40) return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 10000);
        QProcess microphone;
        microphone.setProcessEnvironment(env_);
        microphone.start("paplay", {"--raw", "--rate=16000", "--channels=1", "--format=s16le", "-d", "mic"});
        microphone.write(speech);
        microphone.closeWriteChannel();
        QVERIFY(microphone.waitForFinished(30000));
        run("xdotool", {"keyup", "Scroll_Lock"}, env_);
        // The character's balloon with the tip.
        QTRY_VERIFY_WITH_TIMEOUT(balloonShown(), 30000);
        QGuiApplication::primaryScreen()->grabWindow(0).save(kOutputDir + "/e2e_voice_tip.png");
    }
};

QTEST_MAIN(TestE2EVoice)
#include "test_e2e_voice.moc"

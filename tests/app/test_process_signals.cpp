// How the running program hears from outside: signals from the system and a second start.
#include "app/SignalRelay.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <csignal>
#include <unistd.h>

class TestProcessSignals : public QObject {
    Q_OBJECT

private slots:
    void endingSignalsArriveOnTheEventLoop() {
        SignalRelay relay;
        QVERIFY(relay.Installed());
        QSignalSpy ended(&relay, &SignalRelay::endRequested);
        for (int number : {SIGTERM, SIGHUP, SIGINT}) {
            ended.clear();
            ::raise(number); // would end the test process, were it not relayed
            QVERIFY(ended.wait(5000));
            QCOMPARE(ended.first().first().toInt(), number);
        }
    }

    void aSecondStartHandsOverToTheFirst() {
        const QString name =
            SingleInstance::NameFor(QStringLiteral("/tmp/profile-") + QUuid::createUuid().toString());
        QVERIFY(SingleInstance::NameFor(QStringLiteral("/a")) !=
                SingleInstance::NameFor(QStringLiteral("/b")));

        // No program runs yet: the start goes on by itself.
        QVERIFY(!SingleInstance(name).HandOver());

        // The first program listens on its own thread, as it would in its own process.
        QThread first;
        auto* running = new SingleInstance(name);
        QVERIFY(running->Listen());
        running->moveToThread(&first);
        QSignalSpy activated(running, &SingleInstance::activated);
        first.start();
        QVERIFY(SingleInstance(name).HandOver());
        QTRY_COMPARE(activated.size(), 1);
        QVERIFY(SingleInstance(name).HandOver());
        QTRY_COMPARE(activated.size(), 2);
        QMetaObject::invokeMethod(
            running, [running] { delete running; }, Qt::BlockingQueuedConnection);
        first.quit();
        first.wait();

        // A socket left by a program that died is taken over.
        SingleInstance again(name);
        QVERIFY(again.Listen());
    }
};

// The single-instance socket can be reached by this user only, takes a few kilobytes for a few
// seconds from a caller, and a socket left behind or held by someone else never stops a start.
class TestSingleInstanceSocket : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;

    // A program listening on a thread of its own, as it would in its own process.
    struct Running {
        QThread thread;
        SingleInstance* instance;
        explicit Running(const QString& name)
            : instance(new SingleInstance(name)) {
            QVERIFY(instance->Listen());
            instance->moveToThread(&thread);
            thread.start();
        }
        ~Running() {
            QMetaObject::invokeMethod(
                instance, [this] { delete instance; }, Qt::BlockingQueuedConnection);
            thread.quit();
            thread.wait();
        }
    };

    // A process of another user holding a socket at the path that answers "ok" to anything.
    static bool startSquatter(QProcess& squatter, const QString& path) {
        squatter.start(
            QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral(
                 "import os,socket,sys\n"
                 "s=socket.socket(socket.AF_UNIX);s.bind(sys.argv[1]);os.chmod(sys.argv[1],0o777)\n"
                 "os.setgid(65534);os.setuid(65534);s.listen(5);print('ready',flush=True)\n"
                 "while True:\n c,_=s.accept();c.recv(100);c.sendall(b'ok\\n');c.close()\n"),
             path});
        return squatter.waitForReadyRead(10000) && squatter.readAll().startsWith("ready");
    }

private slots:
    void initTestCase() {
        QFile::setPermissions(runtime_.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    }

    void theSocketLivesInAPrivateFolder() {
        QVERIFY(SingleInstance::NameFor(QStringLiteral("/p")).startsWith(runtime_.path() + QLatin1Char('/')));
        // A runtime folder open to others is not used: a folder of our own is made instead.
        QTemporaryDir open;
        QFile::setPermissions(open.path(), QFileDevice::Permissions(0x7777));
        qputenv("XDG_RUNTIME_DIR", open.path().toLocal8Bit());
        const QString fallback = SingleInstance::PrivateFolder();
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        QVERIFY(!fallback.isEmpty() && !fallback.startsWith(open.path()));
        QCOMPARE(QFileInfo(fallback).permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteOther |
                                                      QFileDevice::ReadOther | QFileDevice::WriteGroup),
                 QFileDevice::Permissions());
        QCOMPARE(QFileInfo(fallback).ownerId(), ::getuid());
    }

    void anotherUsersSocketIsNotBelieved() {
        if (::getuid() != 0) QSKIP("starting a process of another user needs root");
        // Where anyone may create files, as the shared temporary folder is.
        QTemporaryDir shared;
        QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777));
        const QString path = shared.filePath(QStringLiteral("squatted"));
        QProcess squatter;
        QVERIFY(startSquatter(squatter, path));
        QVERIFY(!SingleInstance(path).HandOver()); // its "ok" does not end this start
        squatter.kill();
        squatter.waitForFinished();
    }

    void aStaleSocketNeverStopsAStart() {
        const QString name = SingleInstance::NameFor(QUuid::createUuid().toString());
        // A socket file with nobody listening, as a program that crashed leaves it.
        QProcess crashed;
        crashed.start(QStringLiteral("python3"),
                      {QStringLiteral("-c"),
                       QStringLiteral("import socket,sys\n"
                                      "s=socket.socket(socket.AF_UNIX);s.bind(sys.argv[1])"),
                       name});
        QVERIFY(crashed.waitForFinished(10000));
        QVERIFY(QFileInfo::exists(name));
        QVERIFY(!SingleInstance(name).HandOver());
        Running first(name);
        QSignalSpy activated(first.instance, &SingleInstance::activated);
        QVERIFY(SingleInstance(name).HandOver());
        QTRY_COMPARE(activated.size(), 1);
    }

    void callersGetAFewKilobytesAndAFewSeconds() {
        const QString name = SingleInstance::NameFor(QUuid::createUuid().toString());
        Running first(name);
        QSignalSpy activated(first.instance, &SingleInstance::activated);

        // A megabyte without an end of line: the program hangs up rather than keep it.
        QLocalSocket flood;
        flood.connectToServer(name);
        QVERIFY(flood.waitForConnected(5000));
        flood.write(QByteArray(1024 * 1024, 'x'));
        QSignalSpy floodEnded(&flood, &QLocalSocket::disconnected);
        QVERIFY(floodEnded.wait(15000) || flood.state() == QLocalSocket::UnconnectedState);

        // A caller that says nothing is hung up on too.
        QLocalSocket idle;
        idle.connectToServer(name);
        QVERIFY(idle.waitForConnected(5000));
        QSignalSpy idleEnded(&idle, &QLocalSocket::disconnected);
        QVERIFY(idleEnded.wait(15000));

        // A wrong request is refused; the right one still works.
        QLocalSocket wrong;
        wrong.connectToServer(name);
        QVERIFY(wrong.waitForConnected(5000));
        wrong.write("open /etc/passwd\n");
        QSignalSpy wrongEnded(&wrong, &QLocalSocket::disconnected);
        QVERIFY(wrongEnded.wait(15000));
        QCOMPARE(wrong.readAll(), QByteArray());
        QCOMPARE(activated.size(), 0);
        QVERIFY(SingleInstance(name).HandOver());
        QTRY_COMPARE(activated.size(), 1);
    }
};

// A program whose window thread is held up when the signal comes (as a start-up waiting on a
// file would be): it ends all the same.
int holdUpAfterTheSignal() {
    SignalRelay relay;
    ::raise(SIGTERM);
    ::sleep(60); // no event loop runs, so the relayed request is never read
    return 0;
}

class TestHeldUpProgram : public QObject {
    Q_OBJECT
private slots:
    void aSignalEndsAProgramThatIsHeldUp() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-up")});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 128 + SIGTERM);
    }
};

int main(int argc, char** argv) {
    if (argc == 2 && qstrcmp(argv[1], "--hold-up") == 0) return holdUpAfterTheSignal();
    QCoreApplication app(argc, argv);
    int failed = 0;
    {
        TestProcessSignals relayed;
        failed += QTest::qExec(&relayed, argc, argv);
    }
    {
        TestHeldUpProgram heldUp;
        failed += QTest::qExec(&heldUp, argc, argv);
    }
    {
        TestSingleInstanceSocket socket;
        failed += QTest::qExec(&socket, argc, argv);
    }
    return failed;
}
#include "test_process_signals.moc"

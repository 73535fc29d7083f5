// How the running program hears from outside: signals from the system and a second start.
#include "app/SignalRelay.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <csignal>

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

        // A second start with addresses hands them over as they are, to open in the first.
        QSignalSpy received(running, &SingleInstance::addressesReceived);
        const QStringList given{QStringLiteral("https://example.org/a b?x=1&y=%20#top"),
                                QStringLiteral("file:///tmp/snow\nflake.html"),
                                QStringLiteral("about:blank")};
        QVERIFY(SingleInstance(name).HandOver(given));
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toStringList(), given);
        QCOMPARE(activated.size(), 2); // not a bare "come to the front"
        // An address longer than the program takes is left out; the others still arrive.
        QVERIFY(SingleInstance(name).HandOver({QString(int(SingleInstance::kMaxRequest), QLatin1Char('a')),
                                               QStringLiteral("http://fits.example/")}));
        QTRY_COMPARE(received.size(), 2);
        QCOMPARE(received.last().first().toStringList(), QStringList{"http://fits.example/"});

        QMetaObject::invokeMethod(
            running, [running] { delete running; }, Qt::BlockingQueuedConnection);
        first.quit();
        first.wait();

        // A socket left by a program that died is taken over.
        SingleInstance again(name);
        QVERIFY(again.Listen());
    }
};

QTEST_GUILESS_MAIN(TestProcessSignals)
#include "test_process_signals.moc"

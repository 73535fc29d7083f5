#include "TestEnvironment.h"
#include "agent/engine/CharacterProperties.h"
#include "agent/voice/AudioCapture.h"
#include "agent/voice/ListeningKeyFilter.h"
#include "agent/voice/ListeningTip.h"
#include "agent/voice/VoiceCommands.h"
#include "agent/voice/VoiceRecogniser.h"
#include "base/RegUtil.h"

#include <QApplication>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
// A microphone that does what the test says, when it says.
struct FakeMicrophone : AudioCapture {
    void Start() override { ++starts; }
    void Stop() override { ++stops; }
    int starts = 0, stops = 0;
};

struct FakeRecogniser : VoiceRecogniser {
    void Prepare() override { ++prepares; }
    void Recognise(const QByteArray& pcm) override { given << pcm; }
    int prepares = 0;
    QList<QByteArray> given;
};

// What the user sees and what reaches the character, in order.
struct Outcome {
    explicit Outcome(VoiceCommands& voice) {
        QObject::connect(&voice, &VoiceCommands::tipShown, [this](const QString& text, bool transient) {
            log << (transient ? "flash:" : "tip:") + text;
        });
        QObject::connect(&voice, &VoiceCommands::tipHidden, [this] { log << "hide"; });
        QObject::connect(&voice, &VoiceCommands::commandHeard,
                         [this](const QString& name) { log << "command:" + name; });
        QObject::connect(&voice, &VoiceCommands::statusText,
                         [this](const QString& text) { log << "status:" + text; });
    }
    QStringList log;
};

struct Rig {
    FakeMicrophone mic;
    FakeRecogniser recogniser;
    VoiceCommands voice{mic, recogniser};
    Outcome out{voice};
    bool character = true;
    Rig() {
        voice.CharacterPresent = [this] { return character; };
        voice.CommandAvailable = [](const QString& name) { return name != "Read"; };
    }
    // Press, the microphone opens, release, the recording arrives.
    void say(const QByteArray& pcm) {
        voice.KeyPressed();
        mic.OnStarted();
        voice.KeyReleased();
        mic.OnFinished(pcm);
    }
};
} // namespace

class TestVoiceCommands : public QObject {
    Q_OBJECT
private slots:
    void aCommandSaidWhileTheKeyIsHeld() {
        Rig rig;
        rig.voice.KeyPressed();
        rig.voice.KeyPressed(); // held: still the one recording
        QCOMPARE(rig.mic.starts, 1);
        QCOMPARE(rig.recogniser.prepares, 1);
        QVERIFY(rig.out.log.isEmpty()); // the tip waits for the microphone
        rig.mic.OnStarted();
        QCOMPARE(rig.out.log, QStringList({"tip:" + VoiceCommands::kListening}));
        rig.voice.KeyReleased();
        QCOMPARE(rig.mic.stops, 1);
        rig.mic.OnFinished("pcm");
        QCOMPARE(rig.recogniser.given, QList<QByteArray>({"pcm"}));
        rig.recogniser.OnRecognised("Tip");
        QCOMPARE(rig.out.log.mid(1), QStringList({"hide", "command:Tip"}));
    }

    void nothingMatchedOrAHiddenCommand() {
        Rig rig;
        rig.say("noise");
        rig.recogniser.OnRecognised("");
        rig.say("read");
        rig.recogniser.OnRecognised("Read"); // not on the menu just now
        const QString flash = "flash:" + VoiceCommands::kNotCaught;
        QCOMPARE(rig.out.log, QStringList({"tip:" + VoiceCommands::kListening, flash,
                                           "tip:" + VoiceCommands::kListening, flash}));
    }

    void anAnswerWhileTheNextCommandIsSaid() {
        Rig rig;
        rig.say("first");
        rig.voice.KeyPressed();
        rig.mic.OnStarted();
        rig.recogniser.OnRecognised("Tip");
        rig.recogniser.OnRecognised("Tip"); // no recording of its own: ignored
        QCOMPARE(rig.out.log, QStringList({"tip:" + VoiceCommands::kListening,
                                           "tip:" + VoiceCommands::kListening, "command:Tip"}));
    }

    void noCharacterNoListening() {
        Rig rig;
        rig.character = false;
        rig.voice.KeyPressed();
        rig.voice.KeyReleased();
        QCOMPARE(rig.mic.starts, 0);
        QCOMPARE(rig.mic.stops, 0);
        QVERIFY(rig.out.log.isEmpty());
    }

    void noMicrophoneIsToldOnce() {
        Rig rig;
        for (int i = 0; i < 2; ++i) {
            rig.voice.KeyPressed();
            rig.mic.OnFailed("Connection refused");
            rig.voice.KeyReleased();
        }
        QCOMPARE(rig.mic.starts, 2); // one may be plugged in by now
        QCOMPARE(rig.mic.stops, 0);
        QCOMPARE(
            rig.out.log,
            QStringList({"hide", "status:Voice commands are unavailable: no microphone was found.", "hide"}));
        QVERIFY(!rig.voice.Listening());
    }

    void noModelMakesTheKeyDoNothing() {
        Rig rig;
        rig.voice.KeyPressed();
        rig.mic.OnStarted();
        rig.recogniser.OnUnavailable("the speech recognition model is not installed");
        QCOMPARE(rig.mic.stops, 1);
        rig.voice.KeyReleased();
        rig.mic.OnFinished("late");
        QVERIFY(rig.recogniser.given.isEmpty());
        rig.voice.KeyPressed();
        QCOMPARE(rig.mic.starts, 1);
        QCOMPARE(
            rig.out.log,
            QStringList(
                {"tip:" + VoiceCommands::kListening, "hide",
                 "status:Voice commands are unavailable: the speech recognition model is not installed."}));
    }

    void theKeyAcrossTheApplication() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        window.show();
        field->setFocus();
        ListeningKeyFilter filter(Qt::Key_ScrollLock);
        QStringList seen;
        filter.OnPressed = [&] { seen << "down"; };
        filter.OnReleased = [&] { seen << "up"; };

        QTest::keyPress(field, Qt::Key_ScrollLock);
        QTest::keyPress(field, Qt::Key_ScrollLock, Qt::NoModifier, -1); // still held
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_ScrollLock, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(field, &repeat);
        QTest::keyRelease(field, Qt::Key_ScrollLock);
        QTest::keyPress(field, Qt::Key_ScrollLock); // a repeat X did not mark as one
        QTest::keyRelease(field, Qt::Key_ScrollLock);
        QTest::keyClicks(field, "ab");
        QCOMPARE(seen, QStringList({"down"}));
        QTRY_COMPARE(seen, QStringList({"down", "up"}));
        QCOMPARE(field->text(), QStringLiteral("ab")); // other keys go where they went

        filter.SetKey(Qt::Key_F9);
        QTest::keyPress(field, Qt::Key_F9);
        filter.SetKey(Qt::Key_ScrollLock); // changed while held: the old key counts as let go
        QCOMPARE(seen, QStringList({"down", "up", "down", "up"}));
    }

    void theKeyCanBeChosenInThePropertiesSheet() {
        TestEnvironment env;
        QCOMPARE(CharacterSettings::Load().ListeningKey, int(Qt::Key_ScrollLock));
        ListeningKeyFilter filter(Qt::Key_ScrollLock);
        int presses = 0;
        filter.OnPressed = [&] { ++presses; };

        CharacterProperties sheet(CharacterSettings::Load());
        sheet.show();
        sheet.EditListeningKey->setFocus();
        sheet.EditListeningKey->clear();
        QWidget* input = sheet.EditListeningKey->findChild<QLineEdit*>();
        QVERIFY(input);
        QTest::keyClick(input, Qt::Key_ScrollLock); // recorded, not listened for
        QCOMPARE(presses, 0);
        QTest::keyClick(input, Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(sheet.Settings().ListeningKey, int(Qt::Key_ScrollLock)); // one key, no combination

        sheet.EditListeningKey->setKeySequence(QKeySequence(Qt::CTRL | Qt::Key_F9));
        CharacterSettings chosen = sheet.Settings();
        QCOMPARE(chosen.ListeningKey, int(Qt::Key_F9));
        chosen.Save();
        QCOMPARE(CharacterSettings::Load().ListeningKey, int(Qt::Key_F9));

        sheet.EditListeningKey->clear();
        QCOMPARE(sheet.Settings().ListeningKey, int(Qt::Key_ScrollLock));
        RegUtil::SetRegString(RegUtil::kCharacterKey, "Listening key", "no such key at all");
        QCOMPARE(CharacterSettings::Load().ListeningKey, int(Qt::Key_ScrollLock));
    }

    void theTipStaysBesideTheCharacterOnTheScreen() {
        const QRect screen(0, 0, 1000, 800);
        const QSize tip(100, 20);
        QCOMPARE(ListeningTip::PlaceBeside(QRect(100, 300, 128, 128), tip, screen), QPoint(232, 332));
        QCOMPARE(ListeningTip::PlaceBeside(QRect(860, 300, 128, 128), tip, screen), QPoint(756, 332)); // left
        QCOMPARE(ListeningTip::PlaceBeside(QRect(900, -100, 128, 128), tip, screen).y(), 0);
        const QPoint tight = ListeningTip::PlaceBeside(QRect(0, 700, 1000, 128), tip, screen);
        QVERIFY(screen.contains(QRect(tight, tip)));
    }
};

QTEST_MAIN(TestVoiceCommands)
#include "test_voice_commands.moc"

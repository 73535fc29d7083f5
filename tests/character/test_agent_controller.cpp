#include "TestCharacter.h"
#include "TestEnvironment.h"
#include "agent/AgentController.h"
#include "agent/AgentInfo.h"
#include "agent/FreePlace.h"
#include "agent/engine/AgentCharacter.h"
#include "agent/engine/CharacterEngine.h"
#include "agent/engine/CharacterProperties.h"
#include "agent/engine/SilentVoice.h"
#include "agent/scripts/ScriptEngine.h"
#include "base/RegUtil.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTest>
#include <QThread>
#include <QTimer>

// The program's side of the character: choosing and loading one, its size and place, and the voice.
class TestAgentController : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Two characters: "merlin" (the fallback) and "tester" (named "Tester").
    QStringList folders() {
        WriteTestCharacter(dir_, QStringLiteral("tester"));
        WriteTestCharacter(dir_, QStringLiteral("merlin"), [](QString& m) {
            m.replace(QStringLiteral("\"Tester\""), QStringLiteral("\"Merlin\""));
        });
        return {dir_.path()};
    }

    std::unique_ptr<AgentController> controller(const QString& name,
                                                const QString& use = QStringLiteral("1")) {
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent, use);
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kAgentName, name);
        auto c = std::make_unique<AgentController>([] { return std::make_unique<SilentVoice>(); }, folders());
        c->UnloadWaitMs = 2000;
        return c;
    }

    // A window filling the screen, with a bar across its top and a column on its right to stand on.
    struct Window {
        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QRect bar{screen.left(), screen.top(), screen.width(), 50};
        QRect column{screen.right() - 79, screen.top() + 50, 80, screen.height() - 50};
        QList<QRect> dialogs;
        FreePlace::Ground Ground() const {
            FreePlace::Ground g;
            g.WorkArea = screen;
            g.Window = screen;
            g.Avoid = QList<QRect>{bar} + dialogs;
            g.Preferred = {column};
            return g;
        }
    };

private slots:
    void choosesTheCharacterOrFallsBackToMerlin_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("by display name") << "tester"
                                         << "Tester";
        QTest::newRow("missing name") << ""
                                      << "Merlin";
        QTest::newRow("not installed") << "Rudolph"
                                       << "Merlin";
    }
    void choosesTheCharacterOrFallsBackToMerlin() {
        TestEnvironment env;
        QFETCH(QString, setting);
        auto c = controller(setting);
        QVERIFY(c->CharLoaded());
        QTEST(c->CurName(), "loaded");
        QTEST(RegUtil::GetRegString(RegUtil::kProductKey, RegUtil::kAgentName), "loaded");
        QTRY_VERIFY(c->Character()->Visible()); // shown and greeting
        QCOMPARE(c->Width(), 40.0);             // 100 % without a size setting
    }

    void offOrBrokenMeansNoCharacterAndQuietCalls() {
        TestEnvironment env;
        {
            auto c = controller(QStringLiteral("Tester"), QStringLiteral(""));
            QVERIFY(!c->CharLoaded());
            QVERIFY(c->SelectAgent(QStringLiteral("Tester"), true)); // nothing wanted, nothing wrong
            c->Speak(QStringLiteral("nobody hears this"));
            c->MoveTo(1, 2);
            QCOMPARE(c->Height(), 0.0);
        }
        // A broken Merlin and no other character: nothing loads.
        QTemporaryDir dir;
        WriteTestCharacter(dir, QStringLiteral("merlin"), [](QString& m) { m.truncate(40); });
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent, QStringLiteral("1"));
        AgentController broken([] { return std::make_unique<SilentVoice>(); }, {dir.path()});
        QVERIFY(!broken.CharLoaded());
        QVERIFY(!broken.Script(QStringLiteral("startup")));
        QVERIFY(RegUtil::GetRegString(RegUtil::kScriptsKey, QStringLiteral("startup")).isEmpty());
        broken.Command(QStringLiteral("tip"));
        broken.VoiceCommandVisible(QStringLiteral("read"), false);
    }

    // A character that is refused says why in one line, and Merlin comes instead and says it too.
    void aRefusedCharacterSaysWhy() {
        TestEnvironment env;
        const QStringList where = folders();
        WriteTestCharacter(dir_, QStringLiteral("evil"), [](QString& m) {
            m.replace(QStringLiteral("\"Tester\""), QStringLiteral("\"Evil\""));
        });
        QFile frame(dir_.filePath(QStringLiteral("evil/b.svg")));
        QVERIFY(frame.open(QIODevice::WriteOnly));
        frame.write("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink'>"
                    "<image xlink:href='file:///etc/hostname' width='9' height='9'/></svg>");
        frame.close();
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent, QStringLiteral("1"));
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kAgentName, QStringLiteral("Evil"));
        AgentController c([] { return std::make_unique<SilentVoice>(); }, where);
        QCOMPARE(c.CurName(), QStringLiteral("Merlin"));
        QVERIFY2(c.LastRefusal().startsWith(QLatin1String("The character \"Evil\" cannot be used: ")),
                 qPrintable(c.LastRefusal()));
        QVERIFY(c.LastRefusal().contains(QLatin1String("<image>")));
        QVERIFY(!c.LastRefusal().contains(QLatin1Char('\n')));
        QSignalSpy refused(&c, &AgentController::characterRefused);
        QVERIFY(c.SelectAgent(QStringLiteral("Evil"), true));
        QCOMPARE(refused.size(), 1);
        QVERIFY(c.SelectAgent(QStringLiteral("Tester"), true));
        QVERIFY(c.LastRefusal().isEmpty());
    }

    // Reading a character goes on beside the window's events: timers fire and the window paints.
    void loadingLeavesTheEventLoopRunning() {
        const QString program = QStringLiteral(GW_BUILD_CHARACTERS);
        if (!QFileInfo::exists(program + QStringLiteral("/merlin")))
            QSKIP("the program's characters are not drawn yet");
        AgentInfo info({program});
        info.ScanCharacters();
        QVERIFY(info.FindByFile(QStringLiteral("merlin")));
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(0);
        const CharacterLoad load = info.LoadSelected();
        ticker.stop();
        QVERIFY2(load.Character, qPrintable(load.Problem));
        QVERIFY(ticks > 0);
        // The pictures made on the loading thread are used on this one.
        QCOMPARE(load.Character->Pictures.first()->thread(), QThread::currentThread());

        // The program may end while a character loads, and the controller with it.
        TestEnvironment env;
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent, QStringLiteral("0"));
        auto* ending = new AgentController([] { return std::make_unique<SilentVoice>(); }, {program});
        ending->SetUseAgent(true);
        QTimer::singleShot(0, [ending] { delete ending; });
        QVERIFY(!ending->SelectAgent(QStringLiteral("Merlin"), false));
    }

    void scriptsAndCommandsReachTheLoadedCharacter() {
        TestEnvironment env;
        auto c = controller(QStringLiteral("tester"));
        QTRY_VERIFY(c->Character()->Visible());
        QVERIFY(c->Script(QStringLiteral("  StartUp  ")));
        QCOMPARE(RegUtil::GetRegString(RegUtil::kScriptsKey, QStringLiteral("startup")), QStringLiteral("1"));
        QVERIFY(c->Character()->Engine().Busy());
        c->Script(QStringLiteral("card_new"), true); // stops the introduction, performs nothing
        QTRY_VERIFY(!c->Character()->Engine().Busy());

        const QList<QAction*> menu = c->Character()->Commands()->actions();
        QStringList captions;
        for (const QAction* action : menu)
            captions << action->text();
        QCOMPARE(captions,
                 (QStringList{"Read this page", "Give me a tip", "Shut up", "Properties...", "", "Hide"}));
        c->VoiceCommandVisible(QStringLiteral("read"), false);
        QVERIFY(!menu.first()->isVisible());
        c->VoiceCommandVisible(QStringLiteral("READ"), true);
        QVERIFY(menu.first()->isVisible());

        QSignalSpy chosen(c.get(), &AgentController::command);
        menu.at(1)->trigger();
        QCOMPARE(chosen.value(0).value(0).toString(), QStringLiteral("Tip"));
        c->Command(QStringLiteral("  TIP "));
        QVERIFY(c->Scripts().RecentTips[3] >= 1);
        QVERIFY(c->Character()->Engine().Busy());
        c->Command(QStringLiteral("shut up"));
        QTRY_VERIFY(!c->Character()->Engine().Busy());
        QSignalSpy read(c.get(), &AgentController::readThePageRequested);
        c->Command(QStringLiteral("Read"));
        QCOMPARE(read.size(), 1);
    }

    void sizesFollowTheTables() {
        QCOMPARE(AgentController::SizeFactorToPercentage(1), 25);
        QCOMPARE(AgentController::SizeFactorToPercentage(7), 800);
        QCOMPARE(AgentController::SizeFactorToPercentage(4), 100);
        QCOMPARE(AgentController::SizeFactorToPercentage(0), 100);
        QCOMPARE(AgentController::SizeFactorToPercentage(9), 100);
        QCOMPARE(AgentController::SizePercentageToFactor(25), 1);
        QCOMPARE(AgentController::SizePercentageToFactor(400), 6);
        QCOMPARE(AgentController::SizePercentageToFactor(150), 4);
        TestEnvironment env;
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kAgentSize, QStringLiteral("6"));
        auto c = controller(QStringLiteral("Tester"));
        QCOMPARE(c->Width(), 160.0);
        QCOMPARE(c->Height(), 240.0);
        c->SetSizeFactor(0); // out of range: 100 %
        QCOMPARE(c->SizeFactor(), 4);
        QCOMPARE(c->Width(), 40.0);
        c->SetSizeFactor(1);
        QCOMPARE(c->Height(), 15.0);
        c->SaveSizeFactor();
        QCOMPARE(RegUtil::GetRegString(RegUtil::kProductKey, RegUtil::kAgentSize), QStringLiteral("1"));
    }

    void pointsFromTheSideWithMoreRoom() {
        TestEnvironment env;
        auto c = controller(QStringLiteral("Tester"));
        CharacterEngine& engine = c->Character()->Engine();
        engine.WalkPixelsPerSecond = 100000;
        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
        c->ClientToScreen = [](QPoint p) { return p + QPoint(0, 0); };
        // A target in the right part of the screen: the figure stands left of it, 2 pixels clear.
        c->MoveToGestureAt(screenWidth - 200, 300, 100, 40);
        QTRY_VERIFY(!engine.Busy());
        QCOMPARE(engine.Position().x(), screenWidth - 200 - 40 - 2);
        QCOMPARE(engine.Position().y(), 320 - 10); // the rectangle's middle less the pointing height
        // Equal room on both sides: to the right.
        const int w = 100;
        c->MoveToGestureAt((screenWidth - w) / 2.0, 100, w, 20);
        QTRY_VERIFY(!engine.Busy());
        QCOMPARE(engine.Position().x(), int(std::lround((screenWidth - w) / 2.0)) + w + 2);
    }

    void goesOnlyWhereItHidesNothing() {
        TestEnvironment env;
        auto c = controller(QStringLiteral("Tester"));
        QTRY_VERIFY(c->Character()->Visible());
        CharacterEngine& engine = c->Character()->Engine();
        engine.WalkPixelsPerSecond = 100000;
        Window window;
        c->Surroundings.StandingGround = [&window] { return window.Ground(); };
        const QSize figure(40, 60);
        // Loaded before the window was there, it stood in the middle of the screen.
        QVERIFY(!window.column.contains(QRect(engine.Position(), figure)));
        c->Settle();
        QVERIFY(window.column.contains(QRect(engine.Position(), figure)));
        for (int i = 0; i < 10; ++i) {
            c->RandomizePosition(100);
            QTRY_VERIFY(!engine.Busy());
            QVERIFY(window.column.contains(QRect(engine.Position(), figure)));
        }
        // A tip that points at the middle of the page ends with a walk back to the column.
        c->Surroundings.MusicBox = [&window] { return QRect(window.screen.center(), QSize(32, 32)); };
        c->Scripts().Random = [] { return 4.5 / 11; }; // tip 5, the music box
        c->Command(QStringLiteral("tip"));
        QVERIFY(window.column.contains(QRect(engine.Destination(), figure)));
        c->Interrupt();
        QTRY_VERIFY(!engine.Busy());

        // A dialog opening over the figure sends it aside at once, and later walks keep off it.
        const QPoint before = engine.Position();
        window.dialogs << QRect(window.column.left() - 100, before.y() - 10, 300, 100);
        c->StepAside(window.dialogs.first());
        QVERIFY(!QRect(engine.Position(), figure).intersects(window.dialogs.first()));
        QVERIFY(window.column.contains(QRect(engine.Position(), figure)));
        c->StepAside(QRect(0, 0, 10, 10)); // one elsewhere leaves it be
        QVERIFY(FreePlace::IsFree(window.Ground(), QRect(engine.Position(), figure)));
    }

    void theUserCanBringItBack() {
        TestEnvironment env;
        auto c = controller(QStringLiteral("Tester"));
        QTRY_VERIFY(c->Character()->Visible());
        CharacterEngine& engine = c->Character()->Engine();
        Window window;
        c->Surroundings.StandingGround = [&window] { return window.Ground(); };
        QSignalSpy presence(c.get(), &AgentController::presenceChanged);
        c->Hide();
        QTRY_VERIFY(c->Hidden());
        QVERIFY(presence.size() >= 1);
        engine.SetPosition(window.bar.topLeft()); // where it went is in the way now
        c->BringBack();
        QTRY_VERIFY(c->Character()->Visible());
        QVERIFY(!c->Hidden());
        QVERIFY(window.column.contains(QRect(engine.Position(), QSize(40, 60))));
        // Switched off and on again, it comes back where it was; the first time near the middle,
        // on a free place.
        const QPoint place = engine.Position();
        c->SetUseAgent(false);
        QVERIFY(!c->Hidden()); // not loaded is not hidden: there is nothing to bring back
        c->SetUseAgent(true);
        QVERIFY(c->SelectAgent(QStringLiteral("Tester"), false));
        QCOMPARE(c->Character()->Engine().Position(), place);
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent, QStringLiteral("0"));
        auto fresh = controller(QStringLiteral("Tester"), QStringLiteral("0"));
        fresh->Surroundings.StandingGround = [&window] { return window.Ground(); };
        fresh->SetUseAgent(true);
        QVERIFY(fresh->SelectAgent(QStringLiteral("Tester"), false));
        QVERIFY(window.column.contains(QRect(fresh->Character()->Engine().Position(), QSize(40, 60))));
    }

    void turningItOffSaysGoodbyeAndUnloads() {
        TestEnvironment env;
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent, QStringLiteral("1"));
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kAgentName, QStringLiteral("Tester"));
        auto heard = std::make_shared<QStringList>();
        auto c = std::make_unique<AgentController>(
            [heard] {
                auto voice = std::make_unique<ScriptedVoice>();
                auto* raw = voice.get();
                voice->OnSaid = [heard, raw] { *heard = raw->said; };
                return voice;
            },
            folders());
        QTRY_VERIFY(c->Character()->Visible());
        c->RandomizePosition(100);
        QTRY_VERIFY(!c->Character()->Engine().Busy());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(screen.contains(QRect(c->Character()->Engine().Position(), QSize(40, 60))));
        c->SetUseAgent(false);
        QCOMPARE(*heard, (QStringList{"Hello there.", "Bye now."})); // the greeting, then the farewell
        QVERIFY(!c->CharLoaded());
        QCOMPARE(c->CurName(), QString());
        QCOMPARE(c->CurBaseName(), QString());
        QCOMPARE(RegUtil::GetRegString(RegUtil::kProductKey, RegUtil::kUseAgent), QStringLiteral("0"));
        c->Speak(QStringLiteral("quiet now")); // a no-op, not a crash
    }

    void talkingSettingsSurviveAndStayInRange() {
        TestEnvironment env;
        const CharacterSettings defaults = CharacterSettings::Load();
        QVERIFY(defaults.Speech);
        QCOMPARE(defaults.SpeedPercent, 100);
        CharacterSettings quiet{false, 150, 14};
        quiet.Save();
        const CharacterSettings back = CharacterSettings::Load();
        QVERIFY(!back.Speech);
        QCOMPARE(back.SpeedPercent, 150);
        QCOMPARE(back.BalloonFontSize, 14);
        RegUtil::SetRegString(RegUtil::kCharacterKey, QStringLiteral("Speed"), QStringLiteral("9000"));
        RegUtil::SetRegString(RegUtil::kCharacterKey, QStringLiteral("Balloon font size"),
                              QStringLiteral("big"));
        QCOMPARE(CharacterSettings::Load().SpeedPercent, 200);
        QCOMPARE(CharacterSettings::Load().BalloonFontSize, 10);
        // The sheet shows and returns them.
        CharacterProperties sheet(back);
        QVERIFY(!sheet.CheckSpeech->isChecked());
        sheet.SpinFontSize->setValue(30);
        QCOMPARE(sheet.Settings().BalloonFontSize, 20);
    }
};

QTEST_MAIN(TestAgentController)
#include "test_agent_controller.moc"

#include "TestCharacter.h"
#include "agent/AgentInfo.h"
#include "agent/engine/AnimationCursor.h"
#include "agent/engine/CharacterEngine.h"
#include "agent/engine/CharacterFile.h"
#include "agent/engine/SpeechMarkup.h"

#include <QBitmap>
#include <QFileInfo>
#include <QPainter>
#include <QRegion>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <sys/stat.h>

using Direction = CharacterEngine::Direction;

// The character platform's rules: speech mark-up, frames and branches, character folders, and the
// request queue of a character on a scripted voice.
class TestCharacterEngine : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    std::unique_ptr<CharacterEngine> engine(ScriptedVoice** voiceOut = nullptr) {
        const CharacterLoad load = LoadCharacterFolder(WriteTestCharacter(dir_));
        auto voice = std::make_unique<ScriptedVoice>();
        if (voiceOut) *voiceOut = voice.get();
        auto e = std::make_unique<CharacterEngine>(load.Character, std::move(voice));
        e->Percent = [] { return 0; }; // every branch taken, the first choice made
        e->IdleDelayMs = 5;
        e->SpeechLingerMs = 0;
        return e;
    }

    // The animations in the order the figure played them.
    static QStringList track(CharacterEngine& e) {
        auto* names = new QStringList;
        QObject::connect(&e, &CharacterEngine::frameChanged, &e, [&e, names] {
            if (names->isEmpty() || names->last() != e.AnimationName()) names->append(e.AnimationName());
        });
        QObject::connect(&e, &QObject::destroyed, [names] { delete names; });
        e.setProperty("track", QVariant::fromValue(reinterpret_cast<quintptr>(names)));
        return {};
    }
    static QStringList played(CharacterEngine& e) {
        return *reinterpret_cast<QStringList*>(e.property("track").value<quintptr>());
    }

private slots:
    void markUp_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Hello there." << 0 << "Hello there."
                               << "Hello there.";
        QTest::newRow("first of three") << "Hi!|Hello!|Welcome!" << 0 << "Hi!"
                                        << "Hi!";
        QTest::newRow("last of three") << "Hi!|Hello!|Welcome!" << 2 << "Welcome!"
                                       << "Welcome!";
        QTest::newRow("bar inside a map") << R"(See \map="one|two"="1|2"\ here)" << 0 << "See one|two here"
                                          << "See 1|2 here";
        QTest::newRow("map in capitals")
            << R"(\MAP="jee dubbleyou"="GW"\ rocks)" << 0 << "jee dubbleyou rocks"
            << "GW rocks";
        QTest::newRow("mail context") << R"(Write to \Ctx="E-mail"\santa@north.pole.example today)" << 0
                                      << "Write to santa at north dot pole dot example today"
                                      << "Write to santa@north.pole.example today";
        QTest::newRow("address without context")
            << "Mail santa@north.example" << 0 << "Mail santa@north.example"
            << "Mail santa@north.example";
        QTest::newRow("voice tags dropped")
            << R"(\Pau=300\Well, \Emp\really\Spd=90\!)" << 0 << "Well, really!"
            << "Well, really!";
        QTest::newRow("a backslash of its own") << R"(C:\\Music)" << 0 << R"(C:\Music)"
                                                << R"(C:\Music)";
        QTest::newRow("tag left open") << R"(Oops \Pau=30)" << 0 << "Oops"
                                       << "Oops";
    }
    void markUp() {
        QFETCH(QString, text);
        QFETCH(int, choice);
        const SpeechText out = ParseSpeechMarkup(text, [choice](int) { return choice; });
        QTEST(out.Spoken, "spoken");
        QTEST(out.Shown, "shown");
    }

    void everyAlternativeCanBeChosen() {
        QSet<QString> seen;
        for (int i = 0; i < 200 && seen.size() < 3; ++i)
            seen.insert(ParseSpeechMarkup(QStringLiteral("a|b|c")).Shown);
        QCOMPARE(seen.size(), 3);
    }

    void wordsRevealInStep() {
        QCOMPARE(ShownWordsFor(0, 4, 2), 0);
        QCOMPARE(ShownWordsFor(1, 4, 2), 1);
        QCOMPARE(ShownWordsFor(3, 4, 2), 2);
        QCOMPARE(ShownWordsFor(4, 4, 8), 8);
        QCOMPARE(ShownWordsFor(0, 0, 5), 5); // nothing to hear: show it all
        QCOMPARE(CountWords(QStringLiteral("  one\ntwo  three ")), 3);
    }

    void branchesAndExits() {
        const CharacterLoad load = LoadCharacterFolder(WriteTestCharacter(dir_));
        QVERIFY2(load.Character, qPrintable(load.Problem));
        const CharacterAnimation& wave = *load.Character->Find(QStringLiteral("wave")); // any case
        int roll = 0;
        AnimationCursor loop(wave, [&roll] { return roll; });
        QVERIFY(loop.Advance() && loop.Index() == 1);
        QVERIFY(loop.Advance() && loop.Index() == 0); // the branch back, weight 100
        roll = 99;
        QVERIFY(loop.Advance() && loop.Index() == 1);
        QVERIFY(loop.Advance() && loop.Index() == 0); // 99 < 100: still taken
        QVERIFY(loop.Advance());
        loop.Exit();
        QVERIFY(loop.Advance() && loop.Index() == 2); // through the exit
        QVERIFY(!loop.Advance());
        QCOMPARE(loop.Index(), 2); // the last frame is held

        // An exit that leads back into the loop still comes to an end.
        CharacterAnimation circle;
        circle.Frames = {CharacterFrame{0, 10, 1, {}, false, {}}, CharacterFrame{0, 10, 0, {}, false, {}}};
        AnimationCursor endless(circle, [] { return 0; });
        endless.Exit();
        int steps = 0;
        while (endless.Advance() && steps < 100)
            ++steps;
        QVERIFY(steps < 100);
    }

    void brokenFoldersAreRefusedWithAReason_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not json") << "\"name\": \"Tester\","
                                  << "\"name\": Tester"
                                  << "not valid JSON";
        QTest::newRow("no name") << "\"name\": \"Tester\""
                                 << "\"name\": \"  \""
                                 << "no name";
        QTest::newRow("missing picture") << "\"image\": \"b.svg\", \"duration\": 10}], \"return\""
                                         << "\"image\": \"gone.svg\", \"duration\": 10}], \"return\""
                                         << "\"gone.svg\"";
        QTest::newRow("picture outside the folder") << "\"image\": \"b.svg\", \"duration\": 10}], \"return\""
                                                    << "\"image\": \"../tester/b.svg\", \"duration\": 10}], "
                                                       "\"return\""
                                                    << "cannot be drawn";
        QTest::newRow("unknown state animation") << "\"Idling\": [\"Idle1\"]"
                                                 << "\"Idling\": [\"Nap\"]"
                                                 << "\"Nap\"";
        QTest::newRow("empty state") << "\"Idling\": [\"Idle1\"]"
                                     << "\"Idling\": []"
                                     << "\"Idling\"";
        QTest::newRow("branch too heavy") << "\"weight\": 100}], \"exit\": 1"
                                          << "\"weight\": 101}], \"exit\": 1"
                                          << "weigh more than 100";
        QTest::newRow("exit nowhere") << "\"exit\": 1}]}"
                                      << "\"exit\": 7}]}"
                                      << "does not exist";
        QTest::newRow("no mouth") << "\"open\": \"m.svg\""
                                  << "\"open\": \"\""
                                  << "\"open\" mouth";
        QTest::newRow("zero duration") << "\"image\": \"rest.svg\", \"duration\": 10, \"mouth\""
                                       << "\"image\": \"rest.svg\", \"duration\": 0, \"mouth\""
                                       << "duration";
        QTest::newRow("return missing") << "\"return\": \"ExplainReturn\""
                                        << "\"return\": \"Nowhere\""
                                        << "\"Nowhere\"";
    }
    void brokenFoldersAreRefusedWithAReason() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QTemporaryDir dir;
        bool changed = false;
        const QString folder = WriteTestCharacter(dir, QStringLiteral("broken"), [&](QString& manifest) {
            changed = manifest.contains(from);
            manifest.replace(from, to);
        });
        QVERIFY2(changed, "the test's manifest text moved");
        const CharacterLoad load = LoadCharacterFolder(folder);
        QVERIFY(!load.Character);
        QFETCH(QString, reason);
        QVERIFY2(load.Problem.contains(reason), qPrintable(load.Problem));
        QVERIFY(!LoadCharacterFolder(dir.filePath(QStringLiteral("absent"))).Character);
    }

    // A frame picture draws from its own file only; anything that would reach elsewhere, wait on
    // another program or take too much memory is refused before it is decoded, with the reason.
    void hostileFramesAreRefused_data() {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("reason");
        const QByteArray head = "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 40 60\">";
        QTest::newRow("image from a file")
            << head + "<image xlink:href=\"file:///etc/hostname\" width=\"40\" height=\"60\"/></svg>"
            << "<image>";
        QTest::newRow("image beside it")
            << head + "<image href=\"photo.png\" width=\"4\" height=\"6\"/></svg>"
            << "<image>";
        QTest::newRow("use of another file") << head + "<use xlink:href=\"/tmp/other.svg#figure\"/></svg>"
                                             << "refers to";
        QTest::newRow("fill from another file")
            << head + "<rect width=\"4\" height=\"4\" fill=\"url(other.svg#paint)\"/></svg>"
            << "refers to";
        QTest::newRow("style sheet import") << head + "<style>@import url(/etc/style.css);</style></svg>"
                                            << "style";
        QTest::newRow("entity from a file")
            << QByteArray(
                   "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>") +
                   head + "<text>&e;</text></svg>"
            << "document type";
        QTest::newRow("style sheet instruction")
            << QByteArray("<?xml-stylesheet href=\"http://example.org/a.css\"?>") + head + "</svg>"
            << "style sheet";
        QTest::newRow("compressed") << QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00", 8) << "well-formed";
        QTest::newRow("too large") << head + "<desc>" + QByteArray(1100 * 1024, 'x') + "</desc></svg>"
                                   << "larger than 1 MB";
    }
    void hostileFramesAreRefused() {
        QFETCH(QByteArray, picture);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString folder = WriteTestCharacter(dir, QStringLiteral("hostile"));
        QFile file(folder + QStringLiteral("/b.svg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(picture);
        file.close();
        const CharacterLoad load = LoadCharacterFolder(folder);
        QVERIFY(!load.Character);
        QVERIFY2(load.Problem.contains(reason), qPrintable(load.Problem));
        QVERIFY2(!load.Problem.contains(QLatin1Char('\n')), qPrintable(load.Problem));
    }

    void picturesFromPipesAndFrameBombsAreRefusedUnread() {
        // A frame that is a named pipe would wait for a writer for ever: it is refused at once.
        QTemporaryDir dir;
        const QString folder = WriteTestCharacter(dir, QStringLiteral("piped"));
        QFile::remove(folder + QStringLiteral("/b.svg"));
        QVERIFY(::mkfifo(QFile::encodeName(folder + QStringLiteral("/b.svg")).constData(), 0600) == 0);
        CharacterLoad load = LoadCharacterFolder(folder);
        QVERIFY(!load.Character);
        QVERIFY2(load.Problem.contains(QLatin1String("not a regular file")), qPrintable(load.Problem));
        // So is a manifest that is one.
        QFile::remove(folder + QStringLiteral("/character.json"));
        QVERIFY(::mkfifo(QFile::encodeName(folder + QStringLiteral("/character.json")).constData(), 0600) ==
                0);
        QVERIFY(!LoadCharacterFolder(folder).Character);
        AgentInfo info({dir.path()});
        info.ScanCharacters();
        QCOMPARE(info.CharCount(), 0);

        // Twenty thousand frames, or thousands of different pictures, are refused before any is decoded.
        for (const bool distinct : {false, true}) {
            QTemporaryDir bombDir;
            const QString bomb = WriteTestCharacter(bombDir, QStringLiteral("bomb"), [distinct](QString& m) {
                QStringList frames;
                for (int i = 0; i < (distinct ? 1500 : 20000); ++i)
                    frames
                        << QStringLiteral("{\"image\": \"f%1.svg\", \"duration\": 10}").arg(distinct ? i : 0);
                m.replace(QStringLiteral("\"Hide\": {\"frames\": ["),
                          QStringLiteral("\"Hide\": {\"frames\": [%1, ").arg(frames.join(u',')));
            });
            load = LoadCharacterFolder(bomb);
            QVERIFY(!load.Character);
            QVERIFY2(load.Problem.contains(distinct ? QLatin1String("pictures") : QLatin1String("frames")),
                     qPrintable(load.Problem));
        }
    }

    // Text from a page is said and shown as it stands: bars and tags are words like any other.
    void textAsWrittenBypassesTheMarkUp() {
        ScriptedVoice* voice = nullptr;
        auto e = engine(&voice);
        QSignalSpy balloon(e.get(), &CharacterEngine::balloonShown);
        const QString page = QStringLiteral(R"(Home | About | Contact \Map="x"="y"\ C:\Music \Pau=500\ end)");
        e->Show();
        e->SpeakAsWritten(page);
        e->Speak(page); // the program's own line still chooses one alternative
        QTRY_COMPARE(voice->said.size(), 2);
        QCOMPARE(voice->said.first(), page);
        QCOMPARE(balloon.first().at(1).toString(), page);
        QCOMPARE(voice->said.last(), QStringLiteral("Home"));
        e->ThinkAsWritten(QStringLiteral("Loaded: A|B"));
        QTRY_COMPARE(balloon.size(), 3);
        QCOMPARE(balloon.last().at(1).toString(), QStringLiteral("Loaded: A|B"));
    }

    void requestsRunInOrderAndIdleStartsOnce() {
        ScriptedVoice* voice = nullptr;
        auto e = engine(&voice);
        track(*e);
        QSignalSpy idle(e.get(), &CharacterEngine::idleStart);
        QSignalSpy balloon(e.get(), &CharacterEngine::balloonShown);
        e->Show();
        e->Play(QStringLiteral("Explain"));
        e->Speak(QStringLiteral("Merry Christmas"));
        e->Play(QStringLiteral("NoSuchAnimation")); // skipped quietly
        e->Play(QStringLiteral("Wave"));
        e->Play(QStringLiteral("RestPose")); // which ends the wave's loop
        QTRY_COMPARE(idle.size(), 1);
        QVERIFY(e->Visible());
        // Explain's pose is held through the speech and lowered before the wave.
        QCOMPARE(played(*e).mid(0, 4), (QStringList{"Show", "Explain", "ExplainReturn", "Wave"}));
        QCOMPARE(voice->said, QStringList{"Merry Christmas"});
        QCOMPARE(balloon.size(), 1);
        QCOMPARE(balloon.first().at(1).toString(), QStringLiteral("Merry Christmas"));
        // Idling begins by itself, and a request ends it.
        QTRY_COMPARE(e->AnimationName(), QStringLiteral("Idle1"));
        e->Hide();
        QTRY_VERIFY(!e->Visible());
        QTRY_COMPARE(idle.size(), 2); // once for every time the queue ran dry
        QTest::qWait(30);
        QCOMPARE(idle.size(), 2);
    }

    void stopEndsTheCurrentRequestAndDropsTheRest() {
        ScriptedVoice* voice = nullptr;
        auto e = engine(&voice);
        voice->finishAtOnce = false;
        e->Show();
        e->Speak(QStringLiteral("A long story about reindeer"));
        e->Play(QStringLiteral("Explain"));
        e->Speak(QStringLiteral("Never said"));
        QTRY_VERIFY(voice->talking);
        QSignalSpy idle(e.get(), &CharacterEngine::idleStart);
        e->Stop();
        QTRY_COMPARE(idle.size(), 1);
        QCOMPARE(voice->said, QStringList{"A long story about reindeer"});
        QVERIFY(!e->Busy());

        // A looping animation stopped through its exit.
        e->IdleDelayMs = 60000;
        e->Play(QStringLiteral("Wave"));
        QTRY_COMPARE(e->AnimationName(), QStringLiteral("Wave"));
        e->Stop();
        QTRY_VERIFY(!e->Busy());
        QCOMPARE(e->Picture(), LoadCharacterFolder(WriteTestCharacter(dir_))
                                   .Character->Find(QStringLiteral("RestPose"))
                                   ->Frames.first()
                                   .Picture); // Wave's exit frame is the rest picture
        // That frame has no mouth, so speech first takes the speaking pose; stopped then, nothing is said.
        e->Speak(QStringLiteral("Not a word"));
        QCOMPARE(e->AnimationName(), QStringLiteral("RestPose"));
        e->Stop();
        QTRY_VERIFY(!e->Busy());
        QCOMPARE(voice->said, QStringList{"A long story about reindeer"});
    }

    void aNewThoughtReplacesOneStillWaiting() {
        ScriptedVoice* voice = nullptr;
        auto e = engine(&voice);
        voice->finishAtOnce = false;
        e->IdleDelayMs = 60000; // no idling between the thoughts
        QSignalSpy balloon(e.get(), &CharacterEngine::balloonShown);
        e->Show();
        e->Speak(QStringLiteral("Welcome back"));
        QTRY_VERIFY(voice->talking);
        // Pages load while the figure talks: only the last one is thought of afterwards.
        e->Think(QStringLiteral("Loaded: Carols."));
        e->Play(QStringLiteral("Acknowledge"));
        e->ThinkAsWritten(QStringLiteral("Loaded: Reindeer."));
        e->ThinkAsWritten(QStringLiteral("Loaded: Sleighs."));
        voice->FinishUtterance();
        QTRY_VERIFY(!e->Busy());
        QStringList thoughts;
        for (const QList<QVariant>& shown : balloon)
            if (shown.at(0).toBool()) thoughts << shown.at(1).toString();
        QCOMPARE(thoughts, QStringList{"Loaded: Sleighs."});
        // A thought on show is not cut short by the next one; that one follows it.
        e->Think(QStringLiteral("Loaded: Snow."));
        e->Think(QStringLiteral("Loaded: Stars."));
        QTRY_VERIFY(!e->Busy());
        QCOMPARE(balloon.size(), 4);
        QCOMPARE(balloon.at(2).at(1).toString(), QStringLiteral("Loaded: Snow."));
        QCOMPARE(balloon.at(3).at(1).toString(), QStringLiteral("Loaded: Stars."));
    }

    void tellsWhereItWillStand() {
        auto e = engine();
        e->WalkPixelsPerSecond = 50;
        e->SetPosition(QPoint(10, 10));
        QCOMPARE(e->Destination(), QPoint(10, 10));
        e->Show();
        e->MoveTo(QPoint(300, 10));
        e->GestureAt(QPoint(0, 0));
        e->MoveTo(QPoint(200, 200));
        e->Play(QStringLiteral("Explain"));
        QCOMPARE(e->Destination(), QPoint(200, 200)); // the last walk asked for, not where it is
        e->Stop();
        QTRY_VERIFY(!e->Busy());
        QCOMPARE(e->Destination(), e->Position()); // stopped: where it stands
    }

    void walksToTheTargetAndPointsTheRightWay() {
        auto e = engine();
        e->WalkPixelsPerSecond = 4000;
        e->IdleDelayMs = 60000;
        e->SetPosition(QPoint(500, 500));
        e->Show();
        QSignalSpy moved(e.get(), &CharacterEngine::moved);
        e->MoveTo(QPoint(100, 520));
        QTRY_VERIFY(!e->Busy());
        QCOMPARE(e->Position(), QPoint(100, 520));
        QVERIFY(moved.size() >= 2); // it walked there, not jumped
        track(*e);
        e->GestureAt(QPoint(0, 540)); // left of the figure
        e->GestureAt(QPoint(900, 540));
        QTRY_VERIFY(!e->Busy());
        QCOMPARE(played(*e).mid(0, 3), (QStringList{"GestureLeft", "GestureLeftReturn", "GestureRight"}));
        // Hidden, a move is a jump.
        e->Hide();
        e->MoveTo(QPoint(7, 8));
        QTRY_COMPARE(e->Position(), QPoint(7, 8));
    }

    // The characters the build draws load as the engine reads them, with everything the scripts play.
    void theProgramsCharactersAreWhole_data() {
        QTest::addColumn<QString>("id");
        QTest::newRow("merlin") << "merlin";
        QTest::newRow("snowman") << "snowman";
    }
    void theProgramsCharactersAreWhole() {
        QFETCH(QString, id);
        const QString folder = QStringLiteral(GW_BUILD_CHARACTERS "/") + id;
        if (!QFileInfo::exists(folder)) QSKIP("this character is not drawn yet");
        const CharacterLoad load = LoadCharacterFolder(folder);
        QVERIFY2(load.Character, qPrintable(load.Problem));
        const QStringList played = {"Pleased",     "Announce", "Explain",       "Suggest",        "Sad",
                                    "Alert",       "Wave",     "GestureDown",   "Greet",          "Surprised",
                                    "DoMagic1",    "DoMagic2", "Processing",    "StartListening", "RestPose",
                                    "Acknowledge", "Decline",  "Confused",      "Show",           "Hide",
                                    "Blink",       "Thinking", "DeclineReturn", "WaveReturn"};
        for (const QString& name : played)
            QVERIFY2(load.Character->Find(name), qPrintable(name));
        // Qt draws the figure (only the first moments of appearing may be empty).
        int drawn = 0;
        for (const auto& picture : load.Character->Pictures) {
            QImage image(load.Character->FrameSize, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            picture->render(&p);
            p.end();
            drawn += QRegion(QBitmap::fromImage(image.createAlphaMask())).isEmpty() ? 0 : 1;
        }
        QVERIFY(drawn >= load.Character->Pictures.size() - 3);
    }

    void directions_data() {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("walk");
        QTest::newRow("left") << QPoint(-10, 3) << int(Direction::Left);
        QTest::newRow("right") << QPoint(10, -3) << int(Direction::Right);
        QTest::newRow("up") << QPoint(3, -10) << int(Direction::Up);
        QTest::newRow("down") << QPoint(-3, 10) << int(Direction::Down);
        QTest::newRow("diagonal goes sideways") << QPoint(-10, -10) << int(Direction::Left);
    }
    void directions() {
        QFETCH(QPoint, to);
        QFETCH(int, walk);
        QCOMPARE(int(CharacterEngine::WalkDirection(QPoint(0, 0), to)), walk);
        QCOMPARE(int(CharacterEngine::GestureDirection(QPointF(50, 50), QPointF(50, 50) + to)), walk);
    }
};

QTEST_MAIN(TestCharacterEngine)
#include "test_character_engine.moc"

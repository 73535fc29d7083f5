#include "RecordingStage.h"
#include "TestEnvironment.h"
#include "agent/scripts/ScriptCounters.h"
#include "agent/scripts/ScriptEngine.h"
#include "base/RegUtil.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

// The script engine against a recording character: what each situation makes it do, how the
// explanations wear out over runs, and the tips.
class TestScripts : public QObject {
    Q_OBJECT

    static QString counter(const QString& name) { return RegUtil::GetRegString(RegUtil::kScriptsKey, name); }

private slots:
    void countedScriptsFallSilentAtTheirLimit() {
        TestEnvironment env;
        RecordingStage stage;
        ScriptSurroundings at;
        ScriptEngine engine(stage, at);
        engine.Perform(QStringLiteral("opt_bg_dblclick"));
        engine.Perform(QStringLiteral("opt_bg_dblclick"));
        QCOMPARE(stage.log.size(), 2);
        engine.Perform(QStringLiteral("opt_bg_dblclick"));
        QCOMPARE(stage.log.size(), 2); // the third call does nothing
        QCOMPARE(counter("opt_bg_dblclick"), QStringLiteral("2"));
        ScriptCounters::RestoreAll();
        engine.Perform(QStringLiteral("opt_bg_dblclick"));
        QCOMPARE(stage.log.size(), 3); // speaks again once restored
        QCOMPARE(counter("opt_bg_dblclick"), QStringLiteral("1"));
    }

    void damagedCountersReadAsZero() {
        TestEnvironment env;
        RegUtil::SetRegString(RegUtil::kScriptsKey, QStringLiteral("bulb_dropped"), QStringLiteral("lots"));
        QVERIFY(ScriptCounters::NotExpired(QStringLiteral("bulb_dropped"), 4));
        QCOMPARE(counter("bulb_dropped"), QStringLiteral("1"));
        RegUtil::SetRegString(RegUtil::kScriptsKey, QStringLiteral("bulb_dropped"), QStringLiteral("99999"));
        QVERIFY(!ScriptCounters::NotExpired(QStringLiteral("bulb_dropped"), 4));
        QCOMPARE(counter("bulb_dropped"), QStringLiteral("99999")); // nothing written
    }

    void startupGreetsAlwaysAndIntroducesTwice() {
        TestEnvironment env;
        RecordingStage stage;
        ScriptSurroundings at;
        ScriptEngine engine(stage, at);
        const QStringList greeting = {
            "free:462,256",
            "show",
            "play:Pleased",
            "speak:Merry Christmas!|Hello!|Thanks for using Varnholt Software Glisterwood 99!",
            "free:892,616", // lower right, 32 pixels clear
        };
        engine.Perform(QStringLiteral("startup"));
        QCOMPARE(stage.log.mid(0, 5), greeting);
        QCOMPARE(stage.log.value(5), QStringLiteral("play:Announce"));
        QCOMPARE(stage.log.value(6),
                 QStringLiteral("speak:Howdy!  My name is Merlin!  I'm here to add to your "
                                "enjoyment while surfing the web."));
        QCOMPARE(stage.log.last(), QStringLiteral("play:PleasedReturn"));
        stage.log.clear();
        engine.Perform(QStringLiteral("startup"));
        QVERIFY(stage.log.size() > 5);
        stage.log.clear();
        engine.Perform(QStringLiteral("startup"));
        QCOMPARE(stage.log, greeting); // after two introductions only the greeting and the walk
        QCOMPARE(counter("startup"), QStringLiteral("2"));
    }

    void cardExplanationShortensAfterFive() {
        TestEnvironment env;
        RecordingStage stage;
        ScriptSurroundings at;
        at.ContextCard = [] { return std::optional<QPoint>(QPoint(300, 200)); };
        ScriptEngine engine(stage, at);
        for (int i = 0; i < 5; ++i)
            engine.Perform(QStringLiteral("whatsthis_card"), {QStringLiteral("Santa")});
        stage.log.clear();
        engine.Perform(QStringLiteral("whatsthis_card"), {QStringLiteral("Santa")});
        QCOMPARE(stage.log, (QStringList{"point:300,200,32,32",
                                         "speak:A single click on this RivadOvov will take you to \"Santa\".",
                                         "pointreturn"}));
    }

    void musicStartSpeaksAboveFifty_data() {
        QTest::addColumn<double>("random");
        QTest::addColumn<bool>("speaks");
        QTest::newRow("r = 0") << 0.0 << false;
        QTest::newRow("r = 50") << 0.505 << false;
        QTest::newRow("r = 51") << 0.515 << true;
        QTest::newRow("r = 99") << 0.999 << true;
    }
    void musicStartSpeaksAboveFifty() {
        QFETCH(double, random);
        RecordingStage stage;
        ScriptSurroundings at;
        ScriptEngine engine(stage, at);
        engine.Random = [random] { return random; };
        engine.Perform(QStringLiteral("music_start"));
        QTEST(!stage.log.isEmpty(), "speaks");
    }

    void scriptsReadTheWindowAndTheirExtraValue() {
        TestEnvironment env;
        RecordingStage stage;
        ScriptSurroundings at;
        int state = 3;
        at.MusicBox = [] { return QRect(40, 700, 48, 48); };
        at.MusicState = [&state] { return state; };
        at.SelectedBookmark = [] {
            return std::optional<ScriptSurroundings::Bookmark>(
                {QRect(10, 20, 90, 18), QStringLiteral("Elves")});
        };
        at.BookmarkList = [](QPoint p) { return p; };
        ScriptEngine engine(stage, at);
        engine.Perform(QStringLiteral("midi_busy"), {QStringLiteral("Jingle Bells")});
        QCOMPARE(stage.log.value(1),
                 QStringLiteral(R"(speak:I'm sorry, but I cannot play "Jingle Bells" while )"
                                R"(another program is playing a \Map="middy"="MIDI"\ file.)"));
        stage.log.clear();
        engine.Perform(QStringLiteral("whatsthis_music"));
        QCOMPARE(stage.log.first(), QStringLiteral("point:40,700,32,32"));
        QVERIFY(
            stage.log.contains("speak:I hear that you've paused the music.  Click once on the Music Box to "
                               "resume the music."));
        stage.log.clear();
        state = 7; // not a state: only the framing
        engine.Perform(QStringLiteral("whatsthis_music"));
        QCOMPARE(stage.Said().size(), 2);
        stage.log.clear();
        engine.Perform(QStringLiteral("whatsthis_bookmarks"));
        QCOMPARE(stage.log, (QStringList{"point:10,20,32,32 in list",
                                         "speak+hide:Double click on this bookmark to go to \"Elves\".",
                                         "pointreturn", "pointreturn"}));
        stage.log.clear();
        engine.Perform(QStringLiteral("desktop_not_saved"), {QStringLiteral("Disk full.")});
        QVERIFY(stage.log.value(1).endsWith(QStringLiteral("disk:  Disk full.")));
        stage.log.clear();
        for (const char* silent : {"card_new", "bookmarks_not_saved", "couldnt open path", "no such script"})
            engine.Perform(QString::fromLatin1(silent));
        QVERIFY(stage.log.isEmpty());
    }

    void tipsNeverRepeatWithinFive() {
        RecordingStage stage;
        ScriptSurroundings at;
        ScriptEngine engine(stage, at);
        // A generator that keeps offering recent tips: the engine must draw again.
        int call = 0;
        const double offers[] = {0.0, 0.0, 0.1, 0.0, 0.1, 0.2, 0.3, 0.0, 0.1, 0.2, 0.3, 0.4, 0.0, 0.5};
        engine.Random = [&] {
            return call < 14 ? offers[call++] : QRandomGenerator::global()->generateDouble();
        };
        QList<int> given;
        for (int i = 0; i < 40; ++i) {
            engine.GiveTip();
            given << engine.RecentTips[3];
        }
        QCOMPARE(given.mid(0, 3), (QList<int>{1, 2, 3}));
        for (int i = 0; i + 5 <= given.size(); ++i) {
            const QList<int> window = given.mid(i, 5);
            QCOMPARE(QSet<int>(window.begin(), window.end()).size(), 5);
        }
        for (int tip : given)
            QVERIFY(tip >= 1 && tip <= 11);
        QCOMPARE(stage.log.count(QStringLiteral("stop")), 40);   // each tip cuts off what went before
        QCOMPARE(stage.log.count(QStringLiteral("return")), 40); // and ends out of the way
    }

    void cornerTipTellsWhatIsShown() {
        RecordingStage stage;
        ScriptSurroundings at;
        at.CornerButtonAt = [](ScriptSurroundings::CornerButton which) {
            return ScriptSurroundings::Corner{QRect(which * 10, 0, 32, 32),
                                              which == ScriptSurroundings::Back};
        };
        ScriptEngine engine(stage, at);
        engine.Random = [] { return 6.5 / 11; }; // tip 7
        engine.GiveTip();
        QCOMPARE(stage.log.value(2), QStringLiteral("speak:The hand pointing left is the Back button."));
        QVERIFY(stage.log.value(4).startsWith(QStringLiteral("speak:When you can go Forward")));
        QCOMPARE(stage.log.mid(stage.log.size() - 2), (QStringList{"random:100", "return"}));
    }
};

QTEST_GUILESS_MAIN(TestScripts)
#include "test_scripts.moc"

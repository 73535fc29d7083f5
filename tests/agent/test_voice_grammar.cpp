#include "agent/commands/CommandSet.h"
#include "agent/voice/CommandGrammar.h"
#include "agent/voice/VoicePattern.h"

#include <QTest>

class TestVoiceGrammar : public QObject {
    Q_OBJECT
private slots:
    void grammarOfTheBrowserCommands() {
        QCOMPARE(CommandGrammar(CommandSet::Browser()),
                 QStringLiteral("#JSGF V1.0;\n"
                                "grammar commands;\n"
                                "public <command> = <c1> | <c2> | <c3> | <c4>;\n"
                                "<c1> = read [ this page ];\n"
                                "<c2> = [ give me a ] tip;\n"
                                "<c3> = ( shut up | quiet );\n"
                                "<c4> = properties;\n"));
    }

    void unknownWordsLeaveTheirCommandOut() {
        const CommandSet set = CommandSet::Browser();
        const QString grammar = CommandGrammar(set, [](const QString& word) { return word != "quiet"; });
        QVERIFY(!grammar.contains("shut"));
        QVERIFY(grammar.contains("public <command> = <c1> | <c2> | <c3>;"));
        QVERIFY(grammar.contains("<c3> = properties;"));
        QCOMPARE(CommandGrammar(set, [](const QString&) { return false; }), QString());
        QCOMPARE(CommandGrammar(CommandSet{}), QString());
    }

    void expansions_data() {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("jsgf");
        QTest::newRow("any words around") << "...Glisterwood..."
                                          << "glisterwood";
        QTest::newRow("any words alone") << "..."
                                         << "";
        QTest::newRow("ellipsis character") << QString::fromUtf8("go \u2026 home") << "go home";
        QTest::newRow("empty option") << "(please|) stop"
                                      << "[ please ] stop";
        QTest::newRow("nested") << "[show (first|last)] Page"
                                << "[ show ( first | last ) ] page";
        QTest::newRow("top-level bars") << "Shut up|Quiet"
                                        << "( shut up | quiet )";
        QTest::newRow("unclosed") << "[give me (a tip"
                                  << "[ give me a tip ]";
        QTest::newRow("stray closers") << "tip)] ]"
                                       << "tip";
        QTest::newRow("nothing") << ""
                                 << "";
    }
    void expansions() {
        QFETCH(QString, voice);
        QFETCH(QString, jsgf);
        QCOMPARE(VoicePattern(voice).Jsgf(), jsgf);
    }

    void matching_data() {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<bool>("matches");
        QTest::newRow("read alone") << "Read [this* page]"
                                    << "read" << true;
        QTest::newRow("read this page") << "Read [this* page]"
                                        << "read this page" << true;
        QTest::newRow("half the option") << "Read [this* page]"
                                         << "read this" << false;
        QTest::newRow("extra word") << "Read [this* page]"
                                    << "read this page now" << false;
        QTest::newRow("tip") << "[Give me a] Tip"
                             << "tip" << true;
        QTest::newRow("give me a tip") << "[Give me a] Tip"
                                       << "give me a tip" << true;
        QTest::newRow("give me tip") << "[Give me a] Tip"
                                     << "give me tip" << false;
        QTest::newRow("quiet") << "(Shut up|Quiet)"
                               << "quiet" << true;
        QTest::newRow("shut up") << "(Shut up|Quiet)"
                                 << "shut up" << true;
        QTest::newRow("shut") << "(Shut up|Quiet)"
                              << "shut" << false;
        QTest::newRow("name inside") << "...Glisterwood..."
                                     << "hey glisterwood go on" << true;
        QTest::newRow("name alone") << "...Glisterwood..."
                                    << "glisterwood" << true;
        QTest::newRow("no name") << "...Glisterwood..."
                                 << "hello there" << false;
        QTest::newRow("any words only") << "..."
                                        << "anything" << false;
        QTest::newRow("nothing heard") << "Properties"
                                       << "" << false;
        QTest::newRow("backtracking") << "[a] a b"
                                      << "a b" << true;
    }
    void matching() {
        QFETCH(QString, voice);
        QFETCH(QString, heard);
        QFETCH(bool, matches);
        QCOMPARE(VoicePattern(voice).Matches(heard.split(' ', Qt::SkipEmptyParts)), matches);
    }

    void wordsOfAPattern() {
        QCOMPARE(VoicePattern("[Give me a] Tip").Words(), QStringList({"give", "me", "a", "tip"}));
        QCOMPARE(VoicePattern("(Shut up|Quiet) ... quiet").Words(), QStringList({"shut", "up", "quiet"}));
        QVERIFY(VoicePattern("... [ ] ( | )").Empty());
    }

    void heardWordsToCommands() {
        const CommandSet set = CommandSet::Browser();
        QCOMPARE(MatchCommand(set, "  GIVE me A  tip "), QStringLiteral("Tip"));
        QCOMPARE(MatchCommand(set, "read this page"), QStringLiteral("Read"));
        QCOMPARE(MatchCommand(set, "quiet"), QStringLiteral("Shut up"));
        QCOMPARE(MatchCommand(set, "properties"), QStringLiteral("Properties"));
        QCOMPARE(MatchCommand(set, "read me a tip"), QString());
        QCOMPARE(MatchCommand(set, ""), QString());
    }
};

QTEST_GUILESS_MAIN(TestVoiceGrammar)
#include "test_voice_grammar.moc"

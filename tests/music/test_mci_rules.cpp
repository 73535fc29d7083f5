// The rules of the MIDI device that need no sound: reading command strings, the error texts,
// checking song files and finding the end of a song.
#include "TestSongs.h"
#include "music/Midi.h"
#include "music/fluid/FluidDevice.h"
#include "music/fluid/MciErrors.h"
#include "music/fluid/MciParser.h"
#include "music/fluid/SmfInfo.h"
#include "music/fluid/SongEndWatch.h"

#include <QTemporaryDir>
#include <QTest>

using Mci::Command;
using Verb = Mci::Command::Verb;

class TestMciRules : public QObject {
    Q_OBJECT
private slots:
    void theProgramsOwnCommandsParse() {
        const Command background = Mci::MciParser::Parse(
            QStringLiteral("open \"/home/a b/Music/Silent Night.mid\" type sequencer alias vhmidi"));
        QCOMPARE(background.error, 0u);
        QCOMPARE(background.verb, Verb::Open);
        QCOMPARE(background.file, QStringLiteral("/home/a b/Music/Silent Night.mid"));
        QCOMPARE(background.deviceType, QStringLiteral("sequencer"));
        QCOMPARE(background.device, QStringLiteral("vhmidi"));

        const Command one =
            Mci::MciParser::Parse(QStringLiteral("open \"sequencer!/opt/gw/THEME.MID\" alias VhOneSong"));
        QCOMPARE(one.error, 0u);
        QCOMPARE(one.file, QStringLiteral("/opt/gw/THEME.MID"));
        QCOMPARE(one.deviceType, QStringLiteral("sequencer"));
        QCOMPARE(one.device, QStringLiteral("VhOneSong"));

        const Command play = Mci::MciParser::Parse(QStringLiteral("play vhmidi from 0"));
        QCOMPARE(play.verb, Verb::Play);
        QCOMPARE(play.device, QStringLiteral("vhmidi"));
        QCOMPARE(play.from.value_or(-1), 0);
        QVERIFY(!play.to);

        const Command status = Mci::MciParser::Parse(QStringLiteral("STATUS VhOneSong MODE"));
        QCOMPARE(status.verb, Verb::Status);
        QCOMPARE(status.item, QStringLiteral("mode"));

        const Command count = Mci::MciParser::Parse(QStringLiteral("sysinfo sequencer quantity"));
        QCOMPARE(count.verb, Verb::Sysinfo);
        QCOMPARE(count.device, QStringLiteral("sequencer"));
        QVERIFY(!count.openOnly);

        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("close vhmidi")).verb, Verb::Close);
        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("pause vhmidi")).verb, Verb::Pause);
        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("resume vhmidi")).verb, Verb::Resume);
    }

    void otherFormsOfTheSequencer() {
        // Without a type, the file's extension chooses the sequencer; anything else has no device.
        const Command byExtension = Mci::MciParser::Parse(QStringLiteral("open song.MID alias s"));
        QCOMPARE(byExtension.error, 0u);
        QCOMPARE(byExtension.deviceType, QStringLiteral("sequencer"));
        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("open song.wav alias s")).error, 281u);
        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("open \"x.mid\" type waveaudio alias s")).error, 263u);
        // Without an alias the device answers to its file name.
        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("open tune.mid")).device, QStringLiteral("tune.mid"));

        const Command range = Mci::MciParser::Parse(QStringLiteral("play s from 1500 to 3000"));
        QCOMPARE(range.from.value_or(-1), 1500);
        QCOMPARE(range.to.value_or(-1), 3000);
        QVERIFY(Mci::MciParser::Parse(QStringLiteral("seek s to start")).toStart);
        QVERIFY(Mci::MciParser::Parse(QStringLiteral("seek s to end")).toEnd);
        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("seek s to 250")).to.value_or(-1), 250);
        QVERIFY(Mci::MciParser::Parse(QStringLiteral("sysinfo sequencer quantity open")).openOnly);
    }

    void badCommandsGetTheirCodes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<quint32>("error");
        QTest::newRow("empty") << "   " << 267u;
        QTest::newRow("unknown verb") << "record vhmidi" << 261u;
        QTest::newRow("no device") << "play" << 292u;
        QTest::newRow("open quote") << "open \"/music/a.mid type sequencer alias vhmidi" << 294u;
        QTest::newRow("text after quote") << "open \"/music/a.mid\"x type sequencer alias vhmidi" << 305u;
        QTest::newRow("unknown keyword") << "open \"a.mid\" type sequencer alias vhmidi loudly" << 259u;
        QTest::newRow("alias without name") << "open \"a.mid\" type sequencer alias" << 269u;
        QTest::newRow("two aliases") << "open a.mid alias x alias y" << 295u;
        QTest::newRow("from without number") << "play vhmidi from" << 273u;
        QTest::newRow("from not a number") << "play vhmidi from start" << 270u;
        QTest::newRow("negative from") << "play vhmidi from -5" << 270u;
        QTest::newRow("to before from") << "play vhmidi from 900 to 100" << 282u;
        QTest::newRow("waiting") << "play vhmidi from 0 wait" << 274u;
        QTest::newRow("notify") << "play vhmidi notify" << 274u;
        QTest::newRow("status without item") << "status vhmidi" << 273u;
        QTest::newRow("status of nothing known") << "status vhmidi colour" << 259u;
        QTest::newRow("pause with extra") << "pause vhmidi now" << 259u;
        QTest::newRow("sysinfo without item") << "sysinfo sequencer" << 273u;
    }
    void badCommandsGetTheirCodes() {
        QFETCH(QString, command);
        QFETCH(quint32, error);
        QCOMPARE(Mci::MciParser::Parse(command).error, error);
    }

    void wordsSplitAtBlanksOutsideQuotes() {
        QStringList words;
        quint32 error = 0;
        QVERIFY(Mci::MciParser::SplitWords(QStringLiteral("  open \"a  b.mid\"\talias  x "), words, error));
        QCOMPARE(words, QStringList({"open", "a  b.mid", "alias", "x"}));
        QVERIFY(Mci::MciParser::SplitWords(QStringLiteral("open \"\" alias x"), words, error));
        QCOMPARE(words.at(1), QString());
    }

    // A file name may hold anything: "!" is a device type's mark only after one, and a quote inside
    // quotes is written twice.
    void fileNamesKeepTheirMarks() {
        const Mci::Command hark = Mci::MciParser::Parse(
            QStringLiteral("open \"/m/Hark! The Herald.mid\" type sequencer alias vhmidi"));
        QCOMPARE(hark.error, 0u);
        QCOMPARE(hark.file, QStringLiteral("/m/Hark! The Herald.mid"));
        QCOMPARE(hark.deviceType, QStringLiteral("sequencer"));
        const Mci::Command one =
            Mci::MciParser::Parse(QStringLiteral("open \"Sequencer!/m/Joy! World.mid\" alias x"));
        QCOMPARE(one.error, 0u);
        QCOMPARE(one.file, QStringLiteral("/m/Joy! World.mid"));
        // Without a type, a name with "!" is still a file, known by its extension.
        QCOMPARE(Mci::MciParser::Parse(QStringLiteral("open \"/m/Hey!Ho.mid\" alias y")).file,
                 QStringLiteral("/m/Hey!Ho.mid"));

        QStringList words;
        quint32 error = 0;
        QVERIFY(Mci::MciParser::SplitWords(QStringLiteral("open \"The \"\"Holly\"\".mid\" alias x"), words,
                                           error));
        QCOMPARE(words.at(1), QStringLiteral("The \"Holly\".mid"));
        QVERIFY(Mci::MciParser::SplitWords(QStringLiteral("open \"\"\"Noel\"\"\" x"), words, error));
        QCOMPARE(words.at(1), QStringLiteral("\"Noel\""));
        QVERIFY(!Mci::MciParser::SplitWords(QStringLiteral("open \"a\"b\""), words, error));
        QCOMPARE(error, 305u);
    }

    void errorTextsAreThePlatformsWords() {
        QCOMPARE(
            Mci::ErrorText(337),
            QStringLiteral(
                "The specified MIDI port is already in use. Wait until it is free, and then try again."));
        QCOMPARE(Mci::ErrorText(263),
                 QStringLiteral("The specified device is not open or is not recognized by MCI."));
        QCOMPARE(
            Mci::ErrorText(275),
            QStringLiteral("Cannot find the specified file. Make sure the path and filename are correct."));
        // Every code the device can answer with has a text.
        for (quint32 code : {259u, 261u, 263u, 266u, 267u, 269u, 270u, 273u, 274u, 275u, 281u,
                             282u, 289u, 292u, 294u, 295u, 296u, 305u, 337u, 340u, 343u})
            QVERIFY2(!Mci::ErrorText(code).isEmpty(), qPrintable(QString::number(code)));

        // Through the device layer, a code nobody knows reads "BadCall".
        Mci::FluidDevice device;
        Midi::MciBackend* previous = Midi::SetBackend(&device);
        QCOMPARE(Midi::GetMciErrorText(337), Mci::ErrorText(337));
        QCOMPARE(Midi::GetMciErrorText(12345), QStringLiteral("BadCall"));
        QCOMPARE(Midi::GetMciErrorText(258), QStringLiteral("BadCall"));
        Midi::SetBackend(previous);
    }

    void songFilesAreChecked() {
        using namespace TestSongs;
        const Mci::SmfInfo tune = Mci::SmfInfo::Read(Tune(3));
        QVERIFY2(tune.valid(), qPrintable(tune.problem()));
        QCOMPARE(tune.totalTicks(), 3 * 960);
        QCOMPARE(tune.lengthMs(), 3000);
        QCOMPARE(tune.noteCount(), 6);

        QVERIFY(!Mci::SmfInfo::Read(QByteArray("RIFF....WAVEfmt ")).valid());
        QVERIFY(!Mci::SmfInfo::Read(QByteArray()).valid());
        QVERIFY(!Mci::SmfInfo::Read(QByteArray("plain text, not a song at all")).valid());
        // Cut anywhere inside its track, a file is refused rather than read past its end.
        const QByteArray whole = Tune(2);
        for (qsizetype cut = 14; cut < whole.size(); cut += 3)
            QVERIFY2(!Mci::SmfInfo::Read(whole.left(cut)).valid(), qPrintable(QString::number(cut)));
        // A track length that claims more than the file holds.
        QByteArray lying = whole;
        lying[18] = char(0x7F);
        QVERIFY(!Mci::SmfInfo::Read(lying).valid());
    }

    void tempoChangesMapTicksToTime() {
        using namespace TestSongs;
        // 120 beats a minute for the first beat, then 60: the second beat lasts a second.
        const QByteArray data = Smf({{0, 1920, 60}}, 1920, {{0, 500000}, {480, 1000000}});
        const Mci::SmfInfo info = Mci::SmfInfo::Read(data);
        QVERIFY2(info.valid(), qPrintable(info.problem()));
        QCOMPARE(info.tickToMs(480), 500);
        QCOMPARE(info.tickToMs(960), 1500);
        QCOMPARE(info.msToTick(1500), 960);
        QCOMPARE(info.msToTick(250), 240);
    }

    void songFilesAreFoundWithoutRegardToCase() {
        QTemporaryDir dir;
        QVERIFY(TestSongs::Write(dir.filePath("THEME.MID"), TestSongs::Tune(1)));
        QCOMPARE(Mci::FluidDevice::ResolveSongFile(dir.filePath("Theme.MID")), dir.filePath("THEME.MID"));
        QCOMPARE(Mci::FluidDevice::ResolveSongFile(dir.filePath("THEME.MID")), dir.filePath("THEME.MID"));
        QVERIFY(Mci::FluidDevice::ResolveSongFile(dir.filePath("Other.MID")).isEmpty());
        QVERIFY(Mci::FluidDevice::ResolveSongFile(dir.filePath("nowhere/THEME.MID")).isEmpty());
    }

    void theEndOfASong() {
        using Verdict = Mci::SongEndWatch::Verdict;
        Mci::SongEndWatch watch;
        watch.start(0, 0);
        QCOMPARE(watch.poll(500, 1000, false, 4, 1000), Verdict::Playing);
        // At the end with nothing sounding: over.
        QCOMPARE(watch.poll(1000, 1000, false, 0, 2000), Verdict::Ended);
        QVERIFY(watch.ended());

        // Notes still held at the end are let go, then cut once the release time has passed.
        watch.start(0, 0);
        QCOMPARE(watch.poll(1000, 1000, true, 3, 1000), Verdict::ReleaseHeldNotes);
        QCOMPARE(watch.poll(1000, 1000, true, 3, 1500), Verdict::Playing);
        QCOMPARE(watch.poll(1000, 1000, true, 3, 1000 + Mci::SongEndWatch::kReleaseMs),
                 Verdict::SilenceAndEnd);

        // Released notes that die away end it before that.
        watch.start(0, 0);
        QCOMPARE(watch.poll(1000, 1000, true, 2, 1000), Verdict::ReleaseHeldNotes);
        QCOMPARE(watch.poll(1000, 1000, true, 0, 1200), Verdict::Ended);

        // A position that stops moving before the end: the output went away.
        watch.start(0, 0);
        QCOMPARE(watch.poll(300, 1000, false, 2, 1000), Verdict::Playing);
        QCOMPARE(watch.poll(300, 1000, false, 2, 2000), Verdict::Playing);
        QCOMPARE(watch.poll(300, 1000, false, 2, 1000 + Mci::SongEndWatch::kStallMs), Verdict::SilenceAndEnd);

        // A song resumed after a long pause is not taken for a stalled one.
        watch.start(300, 60000);
        QCOMPARE(watch.poll(300, 1000, false, 2, 61000), Verdict::Playing);
    }
};

QTEST_GUILESS_MAIN(TestMciRules)
#include "test_mci_rules.moc"

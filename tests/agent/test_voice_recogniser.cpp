#include "SpokenAudio.h"
#include "agent/commands/CommandSet.h"
#include "agent/voice/CommandRecogniser.h"
#include "agent/voice/RecognitionThread.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The real recogniser on speech synthesised by espeak-ng, as the microphone would hear it.
class TestVoiceRecogniser : public QObject {
    Q_OBJECT
    std::unique_ptr<CommandRecogniser> recogniser_;

    QByteArray spoken(const QString& phrase) {
        QString problem;
        const QByteArray pcm = SpokenAudio(phrase, QStringLiteral("en-us"), 160, &problem);
        if (pcm.isEmpty()) qWarning("%s", qPrintable(problem));
        return pcm;
    }

private slots:
    void initTestCase() {
        recogniser_ = std::make_unique<CommandRecogniser>(CommandSet::Browser());
        QVERIFY2(recogniser_->Available(), qPrintable(recogniser_->Problem()));
    }

    void hearsTheFourCommands_data() {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("command");
        QTest::newRow("tip") << "give me a tip"
                             << "Tip";
        QTest::newRow("read") << "read this page"
                              << "Read";
        QTest::newRow("quiet") << "quiet"
                               << "Shut up";
        QTest::newRow("properties") << "properties"
                                    << "Properties";
    }
    void hearsTheFourCommands() {
        QFETCH(QString, phrase);
        QFETCH(QString, command);
        const QByteArray pcm = spoken(phrase);
        QVERIFY(!pcm.isEmpty());
        QCOMPARE(recogniser_->Recognise(pcm), command);
    }

    void speechThatIsNoCommand() {
        QCOMPARE(recogniser_->Recognise(spoken("open the window")), QString());
        QCOMPARE(recogniser_->Recognise(spoken("play some music")), QString());
    }

    void silenceAndNothingAreNoCommand() {
        QCOMPARE(recogniser_->Recognise(QByteArray(CommandRecogniser::kSampleRate * 2, '\0')), QString());
        QCOMPARE(recogniser_->Recognise(QByteArray()), QString());
        QCOMPARE(recogniser_->Recognise(QByteArray(1, '\x7f')), QString()); // half a sample
        // The start of a word, as when the key is let go at once.
        const QByteArray tip = spoken("tip");
        QCOMPARE(recogniser_->Recognise(tip.left(CommandRecogniser::kSampleRate * 2 * 4 / 10)), QString());
    }

    void withoutTheModelNothingIsHeard() {
        QTemporaryDir empty;
        CommandRecogniser missing(CommandSet::Browser(),
                                  SpeechModel{empty.path() + "/en-us", empty.path() + "/cmudict-en-us.dict"});
        QVERIFY(!missing.Available());
        QVERIFY(missing.Problem().contains("not installed"));
        QCOMPARE(missing.Recognise(spoken("give me a tip")), QString());
    }

    void commandsWithoutKnownWordsAreUnavailable() {
        CommandSet set;
        set.Commands = {{"Fly", "Fly", "Zzyzxqwv"}};
        CommandRecogniser none(set);
        QVERIFY(!none.Available());
        QVERIFY(!none.Problem().isEmpty());
    }

    void theThreadAnswersInOrder() {
        RecognitionThread thread(CommandSet::Browser());
        QStringList heard;
        QString problem;
        thread.OnRecognised = [&](const QString& name) { heard << name; };
        thread.OnUnavailable = [&](const QString& why) { problem = why; };
        thread.Recognise(spoken("properties"));
        thread.Recognise(QByteArray(16000, '\0'));
        thread.Recognise(spoken("quiet"));
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 3, 60000);
        QCOMPARE(heard, QStringList({"Properties", "", "Shut up"}));
        QVERIFY(problem.isEmpty());
    }

    void theThreadTellsOfAMissingModel() {
        QTemporaryDir empty;
        RecognitionThread thread(CommandSet::Browser(), SpeechModel{empty.path(), empty.path() + "/dict"});
        QString problem;
        thread.OnUnavailable = [&](const QString& why) { problem = why; };
        thread.Prepare();
        thread.Prepare();
        QTRY_VERIFY_WITH_TIMEOUT(!problem.isEmpty(), 60000);
    }
};

QTEST_GUILESS_MAIN(TestVoiceRecogniser)
#include "test_voice_recogniser.moc"

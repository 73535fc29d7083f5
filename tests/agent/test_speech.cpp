#include "agent/engine/Speech.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace {

const QString kSentence = QStringLiteral("Hello there, merry Christmas to you all. Ho ho ho!");
const QStringList kSentenceWords{"Hello", "there", "merry", "Christmas", "to",
                                 "you",   "all",   "Ho",    "ho",        "ho"};

double Rms(const QByteArray& pcm) {
    double sum = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        sum += std::pow(qFromLittleEndian<qint16>(pcm.constData() + i), 2);
    return pcm.size() < 2 ? 0 : std::sqrt(sum / double(pcm.size() / 2));
}

QStringList Spoken(const QString& text, const QList<SpokenWord>& words) {
    QStringList spoken;
    for (const SpokenWord& w : words)
        spoken.append(text.mid(w.TextPosition, w.TextLength));
    return spoken;
}

QByteArray Tone(int ms, int amplitude) {
    QByteArray pcm(qsizetype(ms) * 22050 / 1000 * 2, '\0');
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        qToLittleEndian<qint16>(qint16(amplitude * std::sin(double(i) * 0.2)), pcm.data() + 2 * i);
    return pcm;
}

void WriteFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// What a Speaker said, in order: "w" for a word, "m" for the mouth, "f" for finished.
struct Heard {
    explicit Heard(Speaker& speaker) {
        QObject::connect(&speaker, &Speaker::wordStarted, [this](int position, int length) {
            words.append({position, length, 0});
            log += 'w';
        });
        QObject::connect(&speaker, &Speaker::mouthChanged, [this](int shape) {
            mouths.append(shape);
            log += 'm';
        });
        QObject::connect(&speaker, &Speaker::finished, [this] { log += 'f'; });
    }
    int Finished() const { return int(log.count('f')); }
    QList<SpokenWord> words;
    QList<int> mouths;
    QString log;
};

// For what needs a process of its own (espeak-ng starts once per process, Qt's sound backend connects to
// its server once), this program runs itself: the child says kSentence with sound on and reports.
QStringList RunChild(const QProcessEnvironment& env) {
    QProcess child;
    QProcessEnvironment childEnv = env;
    childEnv.insert(QStringLiteral("GW_SPEECH_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(childEnv);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(60000)) child.kill();
    child.waitForFinished();
    return QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

int ChildMain() {
    const QString problem = SynthesizeSpeech(kSentence, {}).Problem;
    Speaker speaker;
    Heard heard(speaker);
    const bool available = speaker.AudioAvailable();
    speaker.Say(kSentence, {});
    const bool playing = speaker.PlayingSound();
    (void)QTest::qWaitFor([&] { return heard.Finished() > 0; }, 30000);
    QTest::qWait(300);
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    out.write(QStringLiteral("problem %1\navailable %2\nplaying %3\nfinished %4\nwords %5\n")
                  .arg(problem)
                  .arg(available)
                  .arg(playing)
                  .arg(heard.Finished())
                  .arg(Spoken(kSentence, heard.words).join(u' '))
                  .toUtf8());
    return 0;
}

// A WAV file's samples, whatever its chunk sizes say: a recorder that is stopped may leave them 0.
QByteArray WavSamples(const QByteArray& wav) {
    for (qsizetype at = 12; wav.startsWith("RIFF") && at + 8 <= wav.size();) {
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (wav.mid(at, 4) == "data") return wav.mid(at + 8);
        at += 8 + qsizetype(size) + (size & 1);
    }
    return {};
}

// A private PulseAudio with only a null sink, so the test hears what we play and nobody else does.
class PrivateSoundServer {
public:
    QString Start() {
        for (const char* tool : {"pulseaudio", "pactl", "parec"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QStringLiteral("%1 is not installed (pulseaudio, pulseaudio-utils)").arg(tool);
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", dir_.filePath(QStringLiteral("pulse")).toLocal8Bit());
        qunsetenv("PULSE_SERVER");
        // Once the server is gone nothing may start a real one in its place.
        WriteFile(dir_.filePath(QStringLiteral("client.conf")), "autospawn = no\n");
        qputenv("PULSE_CLIENTCONFIG", dir_.filePath(QStringLiteral("client.conf")).toLocal8Bit());
        WriteFile(dir_.filePath(QStringLiteral("ci.pa")), "load-module module-native-protocol-unix\n"
                                                          "load-module module-null-sink sink_name=ci\n"
                                                          "set-default-sink ci\n");
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(QStringLiteral("pulseaudio"), {"-n", "-F", dir_.filePath(QStringLiteral("ci.pa")),
                                                     "--daemonize=no", "--exit-idle-time=-1"});
        for (int i = 0; i < 100 && server_.waitForStarted() && server_.state() == QProcess::Running; ++i) {
            QProcess info;
            info.start(QStringLiteral("pactl"), {"info"});
            if (info.waitForFinished() && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0)
                return {};
            QTest::qWait(100);
        }
        return QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(server_.readAll());
    }
    void StartRecording() {
        recorder_.start(QStringLiteral("parec"),
                        {"--latency-msec=50", "-d", "ci.monitor", "--format=s16le", "--rate=22050",
                         "--channels=1", "--file-format=wav", dir_.filePath(QStringLiteral("out.wav"))});
        recorder_.waitForStarted();
    }
    QByteArray StopRecording() {
        recorder_.terminate();
        recorder_.waitForFinished();
        QFile wav(dir_.filePath(QStringLiteral("out.wav")));
        wav.open(QIODevice::ReadOnly);
        return WavSamples(wav.readAll());
    }
    void Kill() {
        for (QProcess* p : {&recorder_, &server_}) {
            p->kill();
            p->waitForFinished();
        }
    }
    ~PrivateSoundServer() { Kill(); }

private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcess recorder_;
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void sentencesGiveSoundAndWordsInOurPositions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("english, two sentences") << kSentence << "en" << kSentenceWords;
        QTest::newRow("german") << QStringLiteral("Frohe Weihnachten, süße Grüße!") << "de"
                                << QStringList{"Frohe", "Weihnachten", "süße", "Grüße"};
        // An emoji is two UTF-16 units, four UTF-8 bytes and one code point, and espeak says it in two words.
        QTest::newRow("emoji") << QStringLiteral("Süße Grüße 🎄 und 🎅 for you") << "en"
                               << QStringList{"Süße", "Grüße", "🎄", "und", "🎅", "for", "you"};
        QTest::newRow("dictionary phrase") << QStringLiteral("Santa Claus is coming") << "en"
                                           << QStringList{"Santa", "Claus", "is", "coming"};
        QTest::newRow("symbol espeak cannot name")
            << QStringLiteral("Hello 𝄞 world") << "en" << QStringList{"Hello", "𝄞", "world"};
        QTest::newRow("number read in parts") << QStringLiteral("In 1999, we bought 3 trees.") << "en"
                                              << QStringList{"In", "1999", "we", "bought", "3", "trees"};
        QTest::newRow("spaces, line breaks, combining accent")
            << QStringLiteral("  \t Hello\r\n  world e\u0301te ok") << "en"
            << QStringList{"Hello", "world", "e\u0301te", "ok"};
        QTest::newRow("NUL") << QStringLiteral("Hello") + QChar(0) + QStringLiteral("world") << "en"
                             << QStringList{"Hello", "world"};
    }
    void sentencesGiveSoundAndWordsInOurPositions() {
        QFETCH(QString, text);
        QFETCH(QString, voice);
        QFETCH(QStringList, words);
        const SpeechAudio audio = SynthesizeSpeech(text, {voice, 50, 170});
        QVERIFY2(audio.Problem.isEmpty(), qPrintable(audio.Problem));
        QCOMPARE(audio.VoiceName, voice);
        QCOMPARE(audio.SampleRate, 22050);
        QCOMPARE(audio.DurationMs, int(audio.Pcm.size() / 2 * 1000 / audio.SampleRate));
        // At 170 words a minute a word takes about 350 ms.
        QVERIFY2(audio.DurationMs > 150 * words.size() && audio.DurationMs < 1200 * words.size() + 1000,
                 qPrintable(QString::number(audio.DurationMs)));
        QVERIFY2(Rms(audio.Pcm) > 500, qPrintable(QString::number(Rms(audio.Pcm))));
        QCOMPARE(Spoken(text, audio.Words), words);
        for (qsizetype i = 0; i < audio.Words.size(); ++i) {
            const SpokenWord& w = audio.Words[i];
            QVERIFY(i == 0 ? w.StartMs >= 0 : w.StartMs > audio.Words[i - 1].StartMs);
            // Something is heard in the quarter second after a word starts.
            const QByteArray after = audio.Pcm.mid(qsizetype(w.StartMs) * 22050 / 1000 * 2, 22050 / 4 * 2);
            QVERIFY2(Rms(after) > 300, qPrintable(words[i]));
        }
        QVERIFY(audio.Words.last().StartMs < audio.DurationMs);
    }

    // espeak says an emoji by its name: the words after it come when they do after the spelled-out name.
    void emojiTimesMatchTheirNames() {
        const QString named = QStringLiteral("Süße Grüße Christmas tree und Santa Claus for you");
        const SpeechAudio a = SynthesizeSpeech(QStringLiteral("Süße Grüße 🎄 und 🎅 for you"), {});
        const SpeechAudio b = SynthesizeSpeech(named, {});
        QCOMPARE(a.Words.size(), 7);
        QCOMPARE(b.Words.size(), 9);
        for (const auto& [inA, inB] : {std::pair{2, 2}, {3, 4}, {4, 5}, {5, 7}, {6, 8}})
            QVERIFY2(std::abs(a.Words[inA].StartMs - b.Words[inB].StartMs) < 40,
                     qPrintable(QStringLiteral("%1: %2 ms, named %3 ms")
                                    .arg(Spoken(named, b.Words)[inB])
                                    .arg(a.Words[inA].StartMs)
                                    .arg(b.Words[inB].StartMs)));
    }

    void nothingToSayIsAProblemNotACrash_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral("   \n\t  ");
        QTest::newRow("punctuation") << QStringLiteral("... ?!");
        QTest::newRow("NULs") << QString(3, QChar(0));
    }
    void nothingToSayIsAProblemNotACrash() {
        QFETCH(QString, text);
        for (const SpeechAudio& audio : {SynthesizeSpeech(text, {}), SilentSpeech(text, 170)}) {
            QVERIFY(!audio.Problem.isEmpty());
            QVERIFY(audio.Pcm.isEmpty() && audio.Words.isEmpty() && audio.DurationMs == 0);
        }
    }

    void unknownVoiceSpeaksWithTheDefaultOne() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no voice \"no-such-voice\""));
        const SpeechAudio fallback = SynthesizeSpeech(kSentence, {QStringLiteral("no-such-voice"), 50, 170});
        QVERIFY2(fallback.Problem.isEmpty(), qPrintable(fallback.Problem));
        QCOMPARE(fallback.VoiceName, QStringLiteral("en"));
        QCOMPARE(Spoken(kSentence, fallback.Words), kSentenceWords);
        QVERIFY(Rms(fallback.Pcm) > 500);
        // The failed attempt leaves nothing behind for the next voice.
        QCOMPARE(SynthesizeSpeech(QStringLiteral("Guten Tag"), {QStringLiteral("de"), 50, 170}).VoiceName,
                 QStringLiteral("de"));
    }

    void fasterIsShorter() {
        const SpeechAudio slow = SynthesizeSpeech(kSentence, {QStringLiteral("en"), 50, 120});
        const SpeechAudio fast = SynthesizeSpeech(kSentence, {QStringLiteral("en"), 50, 320});
        QCOMPARE(slow.Words.size(), fast.Words.size());
        QVERIFY2(slow.DurationMs > fast.DurationMs * 3 / 2,
                 qPrintable(QStringLiteral("%1 %2").arg(slow.DurationMs).arg(fast.DurationMs)));
        QVERIFY(SilentSpeech(kSentence, 120).DurationMs > SilentSpeech(kSentence, 320).DurationMs * 3 / 2);
    }

    void silentSpeechTimesEveryWord() {
        const QString text = QStringLiteral("(Frohe) Weihnachten, süße Grüße 🎄 - und ein gutes neues Jahr!");
        const SpeechAudio silent = SilentSpeech(text, 170);
        QVERIFY(silent.Problem.isEmpty() && silent.Pcm.isEmpty());
        QCOMPARE(Spoken(text, silent.Words), (QStringList{"Frohe", "Weihnachten", "süße", "Grüße", "🎄", "und",
                                                          "ein", "gutes", "neues", "Jahr"}));
        for (qsizetype i = 1; i < silent.Words.size(); ++i)
            QVERIFY(silent.Words[i].StartMs > silent.Words[i - 1].StartMs);
        QVERIFY(silent.DurationMs > silent.Words.last().StartMs);
        // About as long as espeak-ng takes.
        const int spoken = SynthesizeSpeech(text, {QStringLiteral("de"), 50, 170}).DurationMs;
        QVERIFY2(silent.DurationMs > spoken / 2 && silent.DurationMs < spoken * 2,
                 qPrintable(QStringLiteral("%1 %2").arg(silent.DurationMs).arg(spoken)));
    }

    void mouthFollowsLoudness() {
        SpeechAudio audio;
        audio.SampleRate = 22050;
        audio.Pcm = Tone(300, 0) + Tone(300, 12000) + Tone(300, 0) + Tone(300, 1500) + Tone(300, 0);
        audio.DurationMs = 1500;
        const QList<int> expected{MouthClosed, MouthOpen, MouthClosed, MouthNarrow, MouthClosed};
        for (int part = 0; part < 5; ++part)
            QCOMPARE(MouthShapeAt(audio, part * 300 + 150), expected[part]);
        QVERIFY(MouthShapeAt(audio, 280) != MouthClosed); // the window is centred: it hears what comes next
        QCOMPARE(MouthShapeAt(audio, 5000), int(MouthClosed));
        // Without sound: open inside a word, closed just before the next.
        const SpeechAudio silent = SilentSpeech(kSentence, 170);
        const int start = silent.Words[3].StartMs, next = silent.Words[4].StartMs;
        QCOMPARE(MouthShapeAt(silent, (start + next) / 2), int(MouthOpen));
        QCOMPARE(MouthShapeAt(silent, next - 1), int(MouthClosed));
    }

    // Silent speakers keep their hands off the sound output, which realSoundServer() connects first.
    void silentSpeakerSaysEveryWordOnce() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        speaker.Say(kSentence, {});
        QVERIFY(speaker.Speaking() && !speaker.PlayingSound());
        QVERIFY(heard.log.isEmpty()); // nothing from inside Say()
        QTRY_COMPARE_WITH_TIMEOUT(heard.Finished(), 1, 20000);
        QVERIFY(!speaker.Speaking());
        QTest::qWait(200);
        QVERIFY(heard.log.endsWith(u'f') && heard.Finished() == 1);
        // The words as with sound, and the mouth moves with the sound that was not played.
        QCOMPARE(Spoken(kSentence, heard.words), kSentenceWords);
        QVERIFY(heard.mouths.contains(MouthOpen));
        QCOMPARE(heard.mouths.last(), int(MouthClosed));

        speaker.Say(QStringLiteral("  "), {});
        QCOMPARE(heard.Finished(), 1); // not from inside Say()
        QTRY_COMPARE_WITH_TIMEOUT(heard.Finished(), 2, 5000);
        QCOMPARE(heard.words.size(), kSentenceWords.size());
    }

    // A long page is said in pieces: nothing lost or doubled at the joins, the first piece short.
    void longTextIsSaidInPieces() {
        QString page;
        for (int i = 1; i <= 120; ++i)
            page += QStringLiteral("Sentence number %1 sits here. ").arg(i);
        const QList<SpeechPiece> pieces = SplitForSpeech(page);
        QVERIFY(pieces.size() >= 3);
        QVERIFY(pieces.first().Text.size() <= 300);
        QString joined;
        for (const SpeechPiece& piece : pieces) {
            QCOMPARE(piece.Offset, int(joined.size()));
            joined += piece.Text;
        }
        QCOMPARE(joined, page);
        for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
            QVERIFY2(pieces[i].Text.trimmed().endsWith(u'.'), qPrintable(pieces[i].Text.right(20)));
        // One word longer than a piece is cut, not lost.
        const QString word(5000, u'x');
        QCOMPARE(SplitForSpeech(word).size(), 4);

        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        // Two pieces, said quickly.
        const QString shortPage = page.left(page.indexOf(QStringLiteral("number 15 ")));
        speaker.Say(shortPage, {QStringLiteral("en"), 50, 450});
        QTRY_COMPARE_WITH_TIMEOUT(heard.Finished(), 1, 60000);
        QStringList expected;
        for (const QString& w : shortPage.split(u' ', Qt::SkipEmptyParts))
            expected << QString(w).remove(u'.');
        QCOMPARE(Spoken(shortPage, heard.words), expected);

        // Stopped during the second piece: silence, one finished(), nothing from the third.
        Heard second(speaker);
        QObject::connect(&speaker, &Speaker::wordStarted, &speaker, [&] {
            if (second.words.size() == 50) speaker.Stop();
        });
        speaker.Say(shortPage, {QStringLiteral("en"), 50, 450});
        QTRY_COMPARE_WITH_TIMEOUT(second.Finished(), 1, 60000);
        QTest::qWait(500);
        QCOMPARE(second.words.size(), 50);
        QCOMPARE(second.Finished(), 1);
    }

    void stopInTheMiddle() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        QObject::connect(&speaker, &Speaker::wordStarted, &speaker, [&] {
            if (heard.words.size() == 2) speaker.Stop();
        });
        speaker.Say(kSentence, {});
        QTRY_COMPARE_WITH_TIMEOUT(heard.Finished(), 1, 20000);
        QVERIFY(!speaker.Speaking());
        QTest::qWait(1000);
        speaker.Stop(); // nothing to stop: no second finished()
        QCOMPARE(heard.words.size(), 2);
        QCOMPARE(heard.Finished(), 1);
        QVERIFY(heard.log.endsWith(u'f'));
    }

    // A new Say() ends the one before; the engine may also say its next line from finished().
    void sayWhileSpeaking() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        QStringList queue{QStringLiteral("Ho ho")};
        QObject::connect(&speaker, &Speaker::finished, &speaker, [&] {
            if (heard.Finished() == 2 && !queue.isEmpty()) speaker.Say(queue.takeFirst(), {});
        });
        speaker.Say(kSentence, {});
        QTRY_VERIFY_WITH_TIMEOUT(!heard.words.isEmpty(), 20000);
        const qsizetype before = heard.words.size();
        speaker.Say(QStringLiteral("Jingle bells"), {});
        QCOMPARE(heard.Finished(), 1);
        QVERIFY(speaker.Speaking());
        QTRY_COMPARE_WITH_TIMEOUT(heard.Finished(), 3, 20000);
        QTest::qWait(300);
        QCOMPARE(heard.Finished(), 3);
        QVERIFY(!speaker.Speaking());
        QCOMPARE(Spoken(QStringLiteral("Jingle bells"), heard.words.mid(before, 2)),
                 (QStringList{"Jingle", "bells"}));
        QCOMPARE(Spoken(QStringLiteral("Ho ho"), heard.words.mid(before + 2)), (QStringList{"Ho", "ho"}));
    }

    void realSoundServer() {
        PrivateSoundServer server;
        const QString why = server.Start();
        if (!why.isEmpty()) QSKIP(qPrintable(why));

        Speaker speaker;
        QVERIFY(speaker.AudioAvailable());
        Heard heard(speaker);
        server.StartRecording();
        QTest::qWait(300);
        speaker.Say(kSentence, {});
        QVERIFY(speaker.PlayingSound());
        QTRY_COMPARE_WITH_TIMEOUT(heard.Finished(), 1, 30000);
        QTest::qWait(200);
        const QByteArray recorded = server.StopRecording();
        QCOMPARE(heard.Finished(), 1);
        QCOMPARE(Spoken(kSentence, heard.words), kSentenceWords);
        QVERIFY(heard.mouths.contains(MouthOpen));
        QVERIFY2(recorded.size() > 22050, qPrintable(QString::number(recorded.size())));
        QVERIFY2(Rms(recorded) > 200, qPrintable(QString::number(Rms(recorded))));

        // Sound switched off in mid-sentence, then the server going away: the rest is said silently.
        for (int round = 2; round <= 3; ++round) {
            const qsizetype before = heard.words.size();
            speaker.Say(kSentence, {});
            QVERIFY(speaker.PlayingSound());
            QTRY_VERIFY_WITH_TIMEOUT(heard.words.size() >= before + 2, 30000);
            if (round == 2)
                speaker.SetSoundEnabled(false);
            else
                server.Kill();
            QTRY_COMPARE_WITH_TIMEOUT(heard.Finished(), round, 30000);
            QCOMPARE(Spoken(kSentence, heard.words.mid(before)), kSentenceWords);
            speaker.SetSoundEnabled(true);
        }
    }

    void speaksSilentlyWithout_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("problem");
        QTest::newRow("sound output") << ""
                                      << "problem ";
        QTest::newRow("espeak-ng data") << "ESPEAK_DATA_PATH"
                                        << "problem espeak-ng could not start";
    }
    void speaksSilentlyWithout() {
        QFETCH(QString, variable);
        QFETCH(QString, problem);
        QTemporaryDir empty;
        WriteFile(empty.filePath(QStringLiteral("client.conf")), "autospawn = no\n");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), empty.filePath(QStringLiteral("client.conf")));
        env.insert(QStringLiteral("PULSE_SERVER"),
                   QStringLiteral("unix:") + empty.filePath(QStringLiteral("no")));
        if (!variable.isEmpty()) env.insert(variable, empty.path());
        const QStringList report = RunChild(env);
        QCOMPARE(report.size(), 5);
        QVERIFY2(problem == u"problem " ? report[0] == problem : report[0].startsWith(problem),
                 qPrintable(report[0]));
        QCOMPARE(report.mid(1, 3), (QStringList{"available 0", "playing 0", "finished 1"}));
        QCOMPARE(report[4], QStringLiteral("words ") + kSentenceWords.join(u' '));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("GW_SPEECH_CHILD")) return ChildMain();
    TestSpeech test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_speech.moc"

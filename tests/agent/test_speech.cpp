#include "agent/engine/Speech.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace {

const QString kSentence = QStringLiteral("Hello there, merry Christmas to you all. Ho ho ho!");

double Rms(const QByteArray& pcm) {
    const qsizetype samples = pcm.size() / 2;
    if (samples == 0) return 0;
    double sum = 0;
    for (qsizetype i = 0; i < samples; ++i) {
        const double v = qFromLittleEndian<qint16>(pcm.constData() + 2 * i);
        sum += v * v;
    }
    return std::sqrt(sum / double(samples));
}

QStringList Spoken(const QString& text, const QList<SpokenWord>& words) {
    QStringList spoken;
    for (const SpokenWord& w : words)
        spoken.append(text.mid(w.TextPosition, w.TextLength));
    return spoken;
}

QByteArray Tone(int ms, int amplitude, int sampleRate = 22050) {
    QByteArray pcm(qsizetype(ms) * sampleRate / 1000 * 2, '\0');
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        qToLittleEndian<qint16>(qint16(amplitude * std::sin(double(i) * 0.2)), pcm.data() + 2 * i);
    return pcm;
}

// What a Speaker said, in the order it said it.
struct Heard {
    explicit Heard(Speaker& speaker) {
        QObject::connect(&speaker, &Speaker::wordStarted, [this](int position, int length) {
            words.append({position, length, 0});
            log.append(QStringLiteral("word"));
        });
        QObject::connect(&speaker, &Speaker::mouthChanged, [this](int shape) {
            mouths.append(shape);
            log.append(QStringLiteral("mouth"));
        });
        QObject::connect(&speaker, &Speaker::finished, [this] {
            ++finished;
            log.append(QStringLiteral("finished"));
        });
    }
    QList<SpokenWord> words;
    QList<int> mouths;
    QStringList log;
    int finished = 0;
};

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A child run of this program, for the cases that need a process of their own: espeak-ng starts once per
// process, and Qt's sound backend connects to its server once.
QJsonObject RunChild(const QString& mode, const QProcessEnvironment& env) {
    QProcess child;
    QProcessEnvironment childEnv = env;
    childEnv.insert(QStringLiteral("GW_SPEECH_CHILD"), mode);
    child.setProcessEnvironment(childEnv);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return {};
    }
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    return QJsonDocument::fromJson(lines.last()).object();
}

// Says kSentence with sound on and reports what happened as one line of JSON.
int ChildMain(const QString& mode) {
    QJsonObject report;
    const SpeechAudio audio = SynthesizeSpeech(kSentence, {});
    report[QStringLiteral("problem")] = audio.Problem;
    Speaker speaker;
    Heard heard(speaker);
    report[QStringLiteral("available")] = speaker.AudioAvailable();
    speaker.Say(kSentence, {});
    report[QStringLiteral("playing")] = speaker.PlayingSound();
    QEventLoop loop;
    QObject::connect(&speaker, &Speaker::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    Wait(300);
    report[QStringLiteral("finished")] = heard.finished;
    report[QStringLiteral("words")] = QJsonArray::fromStringList(Spoken(kSentence, heard.words));
    report[QStringLiteral("mode")] = mode;
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    out.write(QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n');
    return 0;
}

const QStringList kSentenceWords{"Hello", "there", "merry", "Christmas", "to",
                                 "you",   "all",   "Ho",    "ho",        "ho"};

// A WAV file's samples, 16-bit, whatever its chunk sizes say: a recorder that is killed may leave them 0.
QByteArray WavSamples(const QByteArray& wav) {
    if (!wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return {};
    qsizetype at = 12;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (id == "data") return wav.mid(at + 8);
        at += 8 + qsizetype(size) + (size & 1);
    }
    return {};
}

// A private PulseAudio with only a null sink, so the test hears what we play and nobody else does.
class PrivateSoundServer {
public:
    bool Start(QString* why) {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
            *why = QStringLiteral("pulseaudio, pactl and parec (pulseaudio-utils) are needed");
            return false;
        }
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", (dir_.path() + QStringLiteral("/pulse")).toLocal8Bit());
        qunsetenv("PULSE_SERVER");
        // Once the server is gone nothing may start a real one in its place.
        QFile config(dir_.filePath(QStringLiteral("client.conf")));
        config.open(QIODevice::WriteOnly);
        config.write("autospawn = no\n");
        config.close();
        qputenv("PULSE_CLIENTCONFIG", config.fileName().toLocal8Bit());
        QFile script(dir_.filePath(QStringLiteral("ci.pa")));
        script.open(QIODevice::WriteOnly);
        script.write("load-module module-native-protocol-unix\n"
                     "load-module module-null-sink sink_name=ci\n"
                     "set-default-sink ci\n");
        script.close();
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(pulseaudio, {"-n", "-F", script.fileName(), "--daemonize=no", "--exit-idle-time=-1"});
        if (!server_.waitForStarted()) {
            *why = QStringLiteral("pulseaudio did not start");
            return false;
        }
        for (int i = 0; i < 100; ++i) {
            QProcess info;
            info.start(QStringLiteral("pactl"), {"info"});
            if (info.waitForFinished() && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0)
                return true;
            if (server_.state() == QProcess::NotRunning) break;
            Wait(100);
        }
        *why = QStringLiteral("pulseaudio did not answer: ") + QString::fromLocal8Bit(server_.readAll());
        return false;
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
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished();
            }
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
        QTest::newRow("german umlauts and sharp s")
            << QStringLiteral("Frohe Weihnachten, süße Grüße!") << "de"
            << QStringList{"Frohe", "Weihnachten", "süße", "Grüße"};
        // Each emoji is two UTF-16 units but one code point, and espeak names it in several words.
        QTest::newRow("emoji among umlauts") << QStringLiteral("Süße Grüße 🎄 und 🎅 for you") << "en"
                                             << QStringList{"Süße", "Grüße", "🎄", "und", "🎅", "for", "you"};
        // espeak reads a number as several overlapping words.
        QTest::newRow("dictionary phrase") << QStringLiteral("Santa Claus is coming") << "en"
                                           << QStringList{"Santa", "Claus", "is", "coming"};
        QTest::newRow("symbol espeak cannot name")
            << QStringLiteral("Hello 𝄞 world") << "en" << QStringList{"Hello", "𝄞", "world"};
        QTest::newRow("number") << QStringLiteral("In 1999, we bought 3 trees.") << "en"
                                << QStringList{"In", "1999", "we", "bought", "3", "trees"};
        QTest::newRow("spaces, line breaks and a combining accent")
            << QStringLiteral("  \t Hello\r\n  world e\u0301te ok") << "en"
            << QStringList{"Hello", "world", "e\u0301te", "ok"};
        QTest::newRow("a NUL inside") << QStringLiteral("Hello") + QChar(0) + QStringLiteral("world") << "en"
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
        QCOMPARE(audio.Pcm.size() % 2, 0);
        QCOMPARE(audio.DurationMs, int(audio.Pcm.size() / 2 * 1000 / audio.SampleRate));
        // At 170 words a minute a word takes about 350 ms.
        QVERIFY2(audio.DurationMs > 150 * words.size() && audio.DurationMs < 1200 * words.size() + 1000,
                 qPrintable(QString::number(audio.DurationMs)));
        QVERIFY2(Rms(audio.Pcm) > 500, qPrintable(QString::number(Rms(audio.Pcm))));

        QCOMPARE(Spoken(text, audio.Words), words);
        for (qsizetype i = 1; i < audio.Words.size(); ++i)
            QVERIFY(audio.Words[i].StartMs > audio.Words[i - 1].StartMs);
        QVERIFY(audio.Words.first().StartMs >= 0);
        QVERIFY(audio.Words.last().StartMs < audio.DurationMs);
        // Each word's time is where its sound is: something is heard soon after it starts.
        for (const SpokenWord& w : audio.Words) {
            SpeechAudio part = audio;
            const qsizetype from = qsizetype(w.StartMs) * audio.SampleRate / 1000 * 2;
            part.Pcm = audio.Pcm.mid(from, audio.SampleRate / 4 * 2);
            QVERIFY2(Rms(part.Pcm) > 300, qPrintable(text.mid(w.TextPosition, w.TextLength)));
        }
    }

    // espeak says an emoji by its name: the words after it come when they do after the spelled-out name.
    void emojiTimesMatchTheirNames() {
        const QString emoji = QStringLiteral("Süße Grüße 🎄 und 🎅 for you");
        const QString named = QStringLiteral("Süße Grüße Christmas tree und Santa Claus for you");
        const SpeechAudio a = SynthesizeSpeech(emoji, {});
        const SpeechAudio b = SynthesizeSpeech(named, {});
        QCOMPARE(Spoken(named, b.Words),
                 (QStringList{"Süße", "Grüße", "Christmas", "tree", "und", "Santa", "Claus", "for", "you"}));
        QCOMPARE(a.Words.size(), 7);
        for (const auto& [inA, inB] : {std::pair{2, 2}, {3, 4}, {4, 5}, {5, 7}, {6, 8}})
            QVERIFY2(std::abs(a.Words[inA].StartMs - b.Words[inB].StartMs) < 40,
                     qPrintable(QStringLiteral("%1: %2 %3")
                                    .arg(named.mid(b.Words[inB].TextPosition, b.Words[inB].TextLength))
                                    .arg(a.Words[inA].StartMs)
                                    .arg(b.Words[inB].StartMs)));
    }

    void nothingToSayIsAProblemNotACrash_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral("   \n\t  ");
        QTest::newRow("punctuation only") << QStringLiteral("... ?!");
        QTest::newRow("NULs") << QString(3, QChar(0));
    }
    void nothingToSayIsAProblemNotACrash() {
        QFETCH(QString, text);
        for (const SpeechAudio& audio : {SynthesizeSpeech(text, {}), SilentSpeech(text, 170)}) {
            QVERIFY(!audio.Problem.isEmpty());
            QVERIFY(audio.Pcm.isEmpty());
            QVERIFY(audio.Words.isEmpty());
            QCOMPARE(audio.DurationMs, 0);
        }
    }

    void unknownVoiceSpeaksWithTheDefaultOne() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no voice \"no-such-voice\""));
        const SpeechAudio fallback = SynthesizeSpeech(kSentence, {QStringLiteral("no-such-voice"), 50, 170});
        QVERIFY2(fallback.Problem.isEmpty(), qPrintable(fallback.Problem));
        QCOMPARE(fallback.VoiceName, QStringLiteral("en"));
        QCOMPARE(Spoken(kSentence, fallback.Words), kSentenceWords);
        QVERIFY(Rms(fallback.Pcm) > 500);
        // A blank name is the default voice too, without a warning.
        QCOMPARE(SynthesizeSpeech(kSentence, {QStringLiteral(" "), 50, 170}).VoiceName, QStringLiteral("en"));
        // The failed attempt leaves nothing behind for the next voice.
        QCOMPARE(SynthesizeSpeech(QStringLiteral("Guten Tag"), {QStringLiteral("de"), 50, 170}).VoiceName,
                 QStringLiteral("de"));
    }

    void rateAndPitch() {
        const SpeechAudio slow = SynthesizeSpeech(kSentence, {QStringLiteral("en"), 50, 120});
        const SpeechAudio fast = SynthesizeSpeech(kSentence, {QStringLiteral("en"), 50, 320});
        QCOMPARE(slow.Words.size(), fast.Words.size());
        QVERIFY2(slow.DurationMs > fast.DurationMs * 3 / 2,
                 qPrintable(QStringLiteral("%1 %2").arg(slow.DurationMs).arg(fast.DurationMs)));
        // Out of range is brought into range rather than refused.
        for (const SpeechVoice& wild :
             {SpeechVoice{QStringLiteral("en"), -20, 5}, SpeechVoice{QStringLiteral("en"), 1000, 100000}}) {
            const SpeechAudio audio = SynthesizeSpeech(kSentence, wild);
            QVERIFY2(audio.Problem.isEmpty(), qPrintable(audio.Problem));
            QCOMPARE(audio.Words.size(), kSentenceWords.size());
        }
    }

    void silentSpeechTimesEveryWord() {
        const QString text = QStringLiteral("(Frohe) Weihnachten, süße Grüße 🎄 - und ein gutes neues Jahr!");
        const SpeechAudio normal = SilentSpeech(text, 170);
        QVERIFY(normal.Problem.isEmpty());
        QVERIFY(normal.Pcm.isEmpty());
        QCOMPARE(Spoken(text, normal.Words), (QStringList{"Frohe", "Weihnachten", "süße", "Grüße", "🎄", "und",
                                                          "ein", "gutes", "neues", "Jahr"}));
        QCOMPARE(normal.Words.first().StartMs, 0);
        for (qsizetype i = 1; i < normal.Words.size(); ++i)
            QVERIFY(normal.Words[i].StartMs > normal.Words[i - 1].StartMs);
        QVERIFY(normal.DurationMs > normal.Words.last().StartMs);
        // About as long as espeak-ng takes, and faster when asked.
        const int spoken = SynthesizeSpeech(text, {QStringLiteral("de"), 50, 170}).DurationMs;
        QVERIFY2(normal.DurationMs > spoken / 2 && normal.DurationMs < spoken * 2,
                 qPrintable(QStringLiteral("%1 %2").arg(normal.DurationMs).arg(spoken)));
        QVERIFY(SilentSpeech(text, 340).DurationMs < normal.DurationMs * 2 / 3);
    }

    void mouthFollowsLoudness() {
        SpeechAudio audio;
        audio.SampleRate = 22050;
        audio.Pcm = Tone(300, 0) + Tone(300, 12000) + Tone(300, 0) + Tone(300, 1500) + Tone(300, 0);
        audio.DurationMs = 1500;
        QCOMPARE(MouthShapeAt(audio, 150), int(MouthClosed));
        QCOMPARE(MouthShapeAt(audio, 450), int(MouthOpen));
        QCOMPARE(MouthShapeAt(audio, 750), int(MouthClosed));
        QCOMPARE(MouthShapeAt(audio, 1050), int(MouthNarrow));
        QCOMPARE(MouthShapeAt(audio, 1350), int(MouthClosed));
        // The window is centred on the moment: it hears a sound starting 20 ms later.
        QVERIFY(MouthShapeAt(audio, 280) != MouthClosed);
        QCOMPARE(MouthShapeAt(audio, -5), int(MouthClosed));
        QCOMPARE(MouthShapeAt(audio, 5000), int(MouthClosed));

        // Real speech opens the mouth and closes it again in its pauses.
        const SpeechAudio spoken = SynthesizeSpeech(kSentence, {});
        QSet<int> shapes;
        for (int ms = 0; ms < spoken.DurationMs; ms += 30)
            shapes.insert(MouthShapeAt(spoken, ms));
        QCOMPARE(shapes, (QSet<int>{MouthClosed, MouthNarrow, MouthOpen}));

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
        QVERIFY(speaker.Speaking());
        QVERIFY(!speaker.PlayingSound());
        QVERIFY(heard.log.isEmpty()); // nothing from inside Say()
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 1, 20000);
        QVERIFY(!speaker.Speaking());
        Wait(200);
        QCOMPARE(heard.finished, 1);
        QCOMPARE(heard.log.last(), QStringLiteral("finished"));
        // The same words as with sound, and the mouth moved with the sound that was not played.
        QCOMPARE(Spoken(kSentence, heard.words), kSentenceWords);
        QVERIFY(heard.mouths.contains(MouthOpen));
        QCOMPARE(heard.mouths.last(), int(MouthClosed));
    }

    void stopInTheMiddle() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        speaker.Say(kSentence, {});
        QTRY_VERIFY_WITH_TIMEOUT(heard.words.size() >= 2, 20000);
        speaker.Stop();
        QCOMPARE(heard.finished, 1);
        QVERIFY(!speaker.Speaking());
        const qsizetype words = heard.words.size();
        QVERIFY(words < kSentenceWords.size());
        Wait(1500);
        QCOMPARE(heard.words.size(), words);
        QCOMPARE(heard.finished, 1);
        QCOMPARE(heard.log.last(), QStringLiteral("finished"));
        speaker.Stop(); // nothing to stop: no second finished()
        QCOMPARE(heard.finished, 1);
    }

    void stopFromAWordHandler() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        QObject::connect(&speaker, &Speaker::wordStarted, &speaker, [&] {
            if (heard.words.size() == 2) speaker.Stop();
        });
        speaker.Say(kSentence, {});
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 1, 20000);
        Wait(500);
        QCOMPARE(heard.words.size(), 2);
        QCOMPARE(heard.finished, 1);
    }

    void sayWhileSpeakingEndsTheFirst() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        const QString second = QStringLiteral("Jingle bells");
        speaker.Say(kSentence, {});
        QTRY_VERIFY_WITH_TIMEOUT(!heard.words.isEmpty(), 20000);
        speaker.Say(second, {});
        QCOMPARE(heard.finished, 1);
        QVERIFY(speaker.Speaking());
        const qsizetype before = heard.words.size();
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 2, 20000);
        Wait(300);
        QCOMPARE(heard.finished, 2);
        QCOMPARE(Spoken(second, heard.words.mid(before)), (QStringList{"Jingle", "bells"}));
    }

    // The engine may queue its next line from finished(), also while a Say() is replacing the first.
    void sayFromFinished() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        QStringList queue{QStringLiteral("Ho ho"), QStringLiteral("Merry Christmas")};
        QObject::connect(&speaker, &Speaker::finished, &speaker, [&] {
            if (!queue.isEmpty()) speaker.Say(queue.takeFirst(), {});
        });
        speaker.Say(QStringLiteral("Jingle"), {});
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 3, 20000);
        Wait(300);
        QCOMPARE(heard.finished, 3);
        QCOMPARE(heard.words.size(), 1 + 2 + 2);
        QVERIFY(!speaker.Speaking());
    }

    void sayingNothingStillFinishes() {
        Speaker speaker;
        speaker.SetSoundEnabled(false);
        Heard heard(speaker);
        speaker.Say(QStringLiteral("  "), {});
        QCOMPARE(heard.finished, 0); // not from inside Say()
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 1, 5000);
        QVERIFY(heard.words.isEmpty());
        QVERIFY(!speaker.Speaking());
    }

    void realSoundServer() {
        PrivateSoundServer server;
        QString why;
        if (!server.Start(&why)) QSKIP(qPrintable(why));

        Speaker speaker;
        QVERIFY(speaker.AudioAvailable());
        Heard heard(speaker);
        server.StartRecording();
        Wait(300);
        speaker.Say(kSentence, {});
        QVERIFY(speaker.PlayingSound());
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 1, 30000);
        Wait(200);
        const QByteArray recorded = server.StopRecording();
        QCOMPARE(heard.finished, 1);
        QCOMPARE(Spoken(kSentence, heard.words), kSentenceWords);
        QVERIFY(heard.mouths.contains(MouthOpen));
        QVERIFY2(recorded.size() > 22050, qPrintable(QString::number(recorded.size())));
        QVERIFY2(Rms(recorded) > 200, qPrintable(QString::number(Rms(recorded))));

        // Sound switched off in mid-sentence: the rest is said silently.
        qsizetype before = heard.words.size();
        speaker.Say(kSentence, {});
        QVERIFY(speaker.PlayingSound());
        QTRY_VERIFY_WITH_TIMEOUT(heard.words.size() >= before + 2, 30000);
        speaker.SetSoundEnabled(false);
        QVERIFY(!speaker.PlayingSound());
        QVERIFY(speaker.Speaking());
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 2, 30000);
        QCOMPARE(Spoken(kSentence, heard.words.mid(before)), kSentenceWords);
        speaker.SetSoundEnabled(true);

        // The server going away in mid-sentence: the same.
        before = heard.words.size();
        speaker.Say(kSentence, {});
        QVERIFY(speaker.PlayingSound());
        QTRY_VERIFY_WITH_TIMEOUT(heard.words.size() >= before + 2, 30000);
        server.Kill();
        QTRY_COMPARE_WITH_TIMEOUT(heard.finished, 3, 30000);
        QCOMPARE(Spoken(kSentence, heard.words.mid(before)), kSentenceWords);
    }

    void noSoundOutputSpeaksSilently() {
        QTemporaryDir empty;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), empty.path());
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), empty.path());
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + empty.filePath("none"));
        QFile config(empty.filePath(QStringLiteral("client.conf")));
        config.open(QIODevice::WriteOnly);
        config.write("autospawn = no\n");
        config.close();
        env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), config.fileName());
        const QJsonObject report = RunChild(QStringLiteral("no sound"), env);
        QVERIFY(!report.isEmpty());
        QCOMPARE(report["available"].toBool(), false);
        QCOMPARE(report["playing"].toBool(), false);
        QCOMPARE(report["finished"].toInt(), 1);
        QCOMPARE(report["words"].toVariant().toStringList(), kSentenceWords);
    }

    void noEspeakDataSpeaksSilently() {
        QTemporaryDir empty;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ESPEAK_DATA_PATH"), empty.path());
        const QJsonObject report = RunChild(QStringLiteral("no espeak-ng data"), env);
        QVERIFY(!report.isEmpty());
        QVERIFY2(report["problem"].toString().contains("espeak-ng-data"),
                 qPrintable(report["problem"].toString()));
        QCOMPARE(report["playing"].toBool(), false);
        QCOMPARE(report["finished"].toInt(), 1);
        QCOMPARE(report["words"].toVariant().toStringList(), kSentenceWords);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("GW_SPEECH_CHILD"))
        return ChildMain(qEnvironmentVariable("GW_SPEECH_CHILD"));
    TestSpeech test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_speech.moc"

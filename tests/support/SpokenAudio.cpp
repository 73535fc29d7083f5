#include "SpokenAudio.h"

#include "agent/engine/Speech.h"

#include <QProcess>
#include <QStandardPaths>

QByteArray SpokenAudio(const QString& phrase, const QString& voice, int rate, QString* problem) {
    auto fail = [problem](const QString& why) {
        if (problem) *problem = why;
        return QByteArray();
    };
    const SpeechAudio speech = SynthesizeSpeech(phrase, SpeechVoice{voice, 50, rate});
    if (speech.Pcm.isEmpty()) return fail(QStringLiteral("espeak-ng: ") + speech.Problem);
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    if (sox.isEmpty()) return fail(QStringLiteral("sox is not installed"));

    const QString raw = QStringLiteral("-traw -esigned-integer -b16 -c1 -r%1");
    QStringList args = raw.arg(speech.SampleRate).split(u' ');
    args << QStringLiteral("-") << raw.arg(16000).split(u' ') << QStringLiteral("-") << QStringLiteral("pad")
         << QStringLiteral("0.3") << QStringLiteral("0.3");
    QProcess process;
    process.start(sox, args);
    process.write(speech.Pcm);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return fail(QStringLiteral("sox failed: ") + QString::fromLocal8Bit(process.readAllStandardError()));
    return process.readAllStandardOutput();
}

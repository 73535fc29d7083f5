// The songs the program brings: the theme and the default Music folder written by the song generator.
#include "DeviceHelpers.h"
#include "WavStats.h"
#include "music/fluid/AudioOutput.h"
#include "music/fluid/FluidDevice.h"
#include "music/fluid/SmfInfo.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString programFolder() {
    return QStringLiteral(GW_BUILD_PROGRAM);
}
} // namespace

class TestSongs : public QObject {
    Q_OBJECT
private slots:
    void theCarolsAreAllThere() {
        const QStringList titles = {"Jingle Bells",
                                    "Deck the Halls",
                                    "Silent Night",
                                    "O Christmas Tree",
                                    "We Wish You a Merry Christmas",
                                    "Joy to the World",
                                    "Hark! The Herald Angels Sing",
                                    "The First Noel",
                                    "God Rest Ye Merry, Gentlemen",
                                    "O Come, All Ye Faithful",
                                    "Good King Wenceslas",
                                    "Angels We Have Heard on High"};
        const QDir music(programFolder() + QStringLiteral("/Music"));
        for (const QString& title : titles)
            QVERIFY2(music.exists(title + QStringLiteral(".mid")), qPrintable(title));
        QVERIFY(QFileInfo(programFolder() + QStringLiteral("/THEME.MID")).isFile());
    }

    void everySongIsASoundStandardMidiFile() {
        QStringList files = {programFolder() + QStringLiteral("/THEME.MID")};
        const QDir music(programFolder() + QStringLiteral("/Music"));
        for (const QString& name : music.entryList({QStringLiteral("*.mid")}, QDir::Files))
            files << music.filePath(name);
        QVERIFY(files.size() >= 13);
        for (const QString& file : files) {
            const Mci::SmfInfo info = Mci::SmfInfo::ReadFile(file);
            const QByteArray name = QFileInfo(file).fileName().toUtf8();
            QVERIFY2(info.valid(), name + ": " + info.problem().toUtf8());
            QCOMPARE(info.format(), 1);
            // A melody, its accompaniment and a bass at least, on several instruments.
            QVERIFY2(info.trackCount() >= 4, name);
            QVERIFY2(info.programs().size() >= 3, name);
            QVERIFY2(info.noteCount() >= 100, name);
            QVERIFY2(info.lengthMs() >= 20000 && info.lengthMs() <= 180000, name);
        }
    }

    void aCarolSoundsForItsWholeLength() {
        if (Mci::AudioOutput::SoundFontPath().isEmpty()) QSKIP("no General MIDI SoundFont installed");
        QTemporaryDir dir;
        const QString wav = dir.filePath(QStringLiteral("carol.wav"));
        qputenv("GW_MIDI_WAV", wav.toLocal8Bit());
        const QString carol = programFolder() + QStringLiteral("/Music/We Wish You a Merry Christmas.mid");
        const Mci::SmfInfo info = Mci::SmfInfo::ReadFile(carol);
        Mci::FluidDevice device;
        QCOMPARE(device.Send(QStringLiteral("open \"%1\" type sequencer alias vhmidi").arg(carol)),
                 QString());
        QCOMPARE(device.Send(QStringLiteral("play vhmidi from 0")), QString());
        QCOMPARE(WaitUntilStopped(device, "vhmidi", 180000), QStringLiteral("stopped"));
        device.Send(QStringLiteral("close vhmidi"));

        const WavStats sound(wav);
        const double length = info.lengthMs() / 1000.0;
        QVERIFY2(sound.seconds() > length - 0.5 && sound.seconds() < length + 5,
                 qPrintable(QStringLiteral("%1 s of %2").arg(sound.seconds()).arg(length)));
        QVERIFY2(sound.rms() > 0.03, qPrintable(QString::number(sound.rms())));
        QVERIFY2(sound.peak() < 0.99, qPrintable(QString::number(sound.peak())));
        QVERIFY(sound.longestSilence(0, length) < 1.0);
    }
};

QTEST_GUILESS_MAIN(TestSongs)
#include "test_songs.moc"

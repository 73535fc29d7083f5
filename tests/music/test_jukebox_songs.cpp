#include "base/Folders.h"
#include "music/Music.h"
#include "music/SongLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Music;

// Finding, counting and picking the songs of the music folders.
class TestJukeboxSongs : public QObject {
    Q_OBJECT

    QTemporaryDir root_;

    QString folderWith(const QString& name, const QStringList& files) {
        const QString folder = root_.filePath(name);
        QDir().mkpath(folder);
        for (const QString& file : files) {
            QFile f(folder + QLatin1Char('/') + file);
            f.open(QIODevice::WriteOnly);
        }
        return folder;
    }

private slots:
    void songsAreMidFilesInAnyCaseWithoutSubfolders() {
        const QString folder =
            folderWith(QStringLiteral("mixed"),
                       {QStringLiteral("a.MID"), QStringLiteral("b.mid"), QStringLiteral("c.Mid"),
                        QStringLiteral("d.midi"), QStringLiteral("e.txt"), QStringLiteral("mid")});
        folderWith(QStringLiteral("mixed/sub"), {QStringLiteral("f.mid")});
        QDir().mkpath(folder + QStringLiteral("/folder.mid")); // a folder is no song
        QCOMPARE(CountSongs(folder), 3);
        QCOMPARE(FindSong(folder, 3), folder + QStringLiteral("/c.Mid"));
        QCOMPARE(FindSong(folder, 4), QString());
        // A folder given with its trailing separator gives the same paths.
        QCOMPARE(FindSong(folder + QLatin1Char('/'), 2), folder + QStringLiteral("/b.mid"));
    }

    void missingOrEmptyFoldersHoldNoSongs() {
        QCOMPARE(CountSongs(root_.filePath(QStringLiteral("nowhere"))), 0);
        QCOMPARE(CountSongs(QString()), 0);
        QCOMPARE(PickSongAt({QString(), root_.filePath(QStringLiteral("nowhere"))}, 0.5), QString());
    }

    void picksNumberTheSongsAcrossFolders() {
        const QString none = folderWith(QStringLiteral("none"), {});
        const QString two =
            folderWith(QStringLiteral("two"), {QStringLiteral("1.mid"), QStringLiteral("2.mid")});
        const QString three =
            folderWith(QStringLiteral("three"),
                       {QStringLiteral("3.mid"), QStringLiteral("4.mid"), QStringLiteral("5.mid")});
        const QStringList folders{none, two, three};
        // Five songs: each fifth of the draws is one song, the empty folder never chosen.
        const struct {
            double u;
            QString song;
        } draws[] = {{0.0, two + "/1.mid"},   {0.19, two + "/1.mid"},   {0.2, two + "/2.mid"},
                     {0.4, three + "/3.mid"}, {0.79, three + "/4.mid"}, {0.999, three + "/5.mid"}};
        for (const auto& draw : draws)
            QCOMPARE(PickSongAt(folders, draw.u), draw.song);
    }

    void titlesDropFolderAndExtension() {
        QCOMPARE(GetSongTitle(QStringLiteral("/music/Jingle.mid")), QStringLiteral("Jingle"));
        QCOMPARE(GetSongTitle(QStringLiteral("a.mid")), QStringLiteral("a"));
        QCOMPARE(GetSongTitle(QStringLiteral("/a/b.c/Deck the Halls.MID")), QStringLiteral("Deck the Halls"));
        QVERIFY(IsSongName(QStringLiteral("http://example.org/carol.MID")));
        QVERIFY(!IsSongName(QStringLiteral("http://example.org/carol.midi")));
        QVERIFY(!IsSongName(QStringLiteral("song.wav")));
    }

    void themeSongIsFoundWhateverTheCaseOfItsName() {
        const QString folder = folderWith(QStringLiteral("program"), {QStringLiteral("Theme.mid")});
        QCOMPARE(FindFileIgnoringCase(folder, QStringLiteral("THEME.MID")),
                 folder + QStringLiteral("/Theme.mid"));
        // None there: the name as asked, so the device can say the file is missing.
        const QString empty = folderWith(QStringLiteral("bare"), {});
        QCOMPARE(FindFileIgnoringCase(empty, QStringLiteral("THEME.MID")),
                 empty + QStringLiteral("/THEME.MID"));
    }
};

QTEST_GUILESS_MAIN(TestJukeboxSongs)
#include "test_jukebox_songs.moc"

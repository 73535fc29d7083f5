#include "TestEnvironment.h"
#include "TestSongs.h"
#include "music/Download.h"
#include "music/MusicSettings.h"
#include "music/SongDownload.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Music;

namespace {

const QByteArray kSong = TestSongs::Tune(200);
const QByteArray kPage =
    "<!DOCTYPE html><html><body><h1>Carols</h1><a href='carol.mid'>Carol</a></body></html>";

// A web server on the loopback that answers by path: a song, a song sent in slow pieces, no
// answer at all, a file announced too big, a file that streams past the limit, a missing file.
class SongServer : public QObject {
public:
    SongServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    QString Address(const char* path) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(server_.serverPort()).arg(QLatin1String(path));
    }

private:
    static QByteArray head(const char* status, qint64 length) {
        QByteArray text = QByteArray("HTTP/1.1 ") + status + "\r\nConnection: close\r\n";
        if (length >= 0) text += "Content-Length: " + QByteArray::number(length) + "\r\n";
        return text + "\r\n";
    }
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QByteArray path = request.split(' ').value(1).toLower();
        if (path == "/ok.mid") {
            socket->write(head("200 OK", kSong.size()) + kSong);
            socket->disconnectFromHost();
        } else if (path == "/slow.mid") {
            socket->write(head("200 OK", kSong.size()));
            auto* timer = new QTimer(socket);
            auto sent = std::make_shared<int>(0);
            connect(timer, &QTimer::timeout, socket, [socket, timer, sent] {
                const QByteArray piece = kSong.mid(*sent, 600);
                *sent += int(piece.size());
                socket->write(piece);
                if (*sent >= kSong.size()) {
                    timer->stop();
                    socket->disconnectFromHost();
                }
            });
            timer->start(40);
        } else if (path == "/big.mid") {
            socket->write(head("200 OK", FileDownload::kMaxBytes + 1));
        } else if (path == "/stream.mid") {
            socket->write(head("200 OK", -1));
            const QByteArray block(256 * 1024, 'y');
            for (qint64 written = 0; written <= FileDownload::kMaxBytes; written += block.size())
                socket->write(block);
            socket->disconnectFromHost();
        } else if (path == "/page.mid") {
            // A song link whose server answers with a web page, as a login or error page would.
            socket->write(head("200 OK", kPage.size()) + kPage);
            socket->disconnectFromHost();
        } else if (path == "/cut.mid") {
            const QByteArray cut = kSong.left(kSong.size() / 2);
            socket->write(head("200 OK", cut.size()) + cut);
            socket->disconnectFromHost();
        } else if (path == "/missing.mid") {
            socket->write(head("404 Not Found", 9) + "not found");
            socket->disconnectFromHost();
        }
        // "/hung.mid" never answers.
    }
    QTcpServer server_;
};

} // namespace

// Fetching a song: the old file is replaced only by a whole new one, and nothing hangs for ever.
class TestJukeboxDownload : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString target_;

    FileDownload::Result fetch(const QString& address, std::function<void(FileDownload&)> meanwhile = {}) {
        FileDownload download;
        download.StallTimeoutMs = 500;
        QSignalSpy finished(&download, &FileDownload::finished);
        download.Start(address, target_);
        if (meanwhile) meanwhile(download);
        if (finished.isEmpty()) finished.wait(20000);
        return finished.isEmpty() ? FileDownload::Result(-1)
                                  : finished.first().first().value<FileDownload::Result>();
    }
    QByteArray target() const {
        QFile f(target_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QStringList leftovers() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init() {
        target_ = dir_.filePath(QStringLiteral("Carol.mid"));
        for (const QString& file : leftovers())
            QFile::remove(dir_.filePath(file));
        QFile old(target_);
        old.open(QIODevice::WriteOnly);
        old.write("the song the user had");
    }

    void aWholeSongReplacesTheOldFile() {
        SongServer server;
        QCOMPARE(fetch(server.Address("ok.mid")), FileDownload::Done);
        QCOMPARE(target(), kSong);
        QCOMPARE(leftovers(), QStringList{"Carol.mid"});
        // A slow server that keeps sending is waited for.
        init();
        QCOMPARE(fetch(server.Address("slow.mid")), FileDownload::Done);
        QCOMPARE(target(), kSong);
    }

    void failuresKeepTheOldFileAndLeaveNothingBehind() {
        SongServer server;
        const struct {
            const char* path;
            FileDownload::Result result;
        } cases[] = {{"hung.mid", FileDownload::NoResponse},
                     {"big.mid", FileDownload::TooBig},
                     {"stream.mid", FileDownload::TooBig},
                     {"missing.mid", FileDownload::Failed}};
        for (const auto& c : cases) {
            QCOMPARE(fetch(server.Address(c.path)), c.result);
            QCOMPARE(target(), QByteArray("the song the user had"));
            QCOMPARE(leftovers(), QStringList{"Carol.mid"});
        }
        // A cancel part-way keeps the old file too.
        const auto cancelled = fetch(server.Address("slow.mid"), [](FileDownload& download) {
            QSignalSpy(&download, &FileDownload::progress).wait(5000);
            download.Cancel();
        });
        QCOMPARE(cancelled, FileDownload::Cancelled);
        QCOMPARE(target(), QByteArray("the song the user had"));
        QCOMPARE(leftovers(), QStringList{"Carol.mid"});
    }

    void onlyWebAddressesAreFetched() {
        for (const char* address :
             {"ftp://127.0.0.1/a.mid", "file:///etc/passwd.mid", "gopher://x/a.mid", "http://"}) {
            QCOMPARE(fetch(QString::fromLatin1(address)), FileDownload::NotWebAddress);
            QCOMPARE(target(), QByteArray("the song the user had"));
        }
    }

    void aDroppedSongAddressIsSavedWhereTheUserSaysAndPlays() {
        SongServer server;
        SongDownload songs(nullptr);
        songs.ShowProgress = false;
        songs.Transfer().StallTimeoutMs = 500;
        QStringList heard;
        QString asked;
        songs.AskSaveFileName = [&](const QString& suggested) {
            asked = suggested;
            return target_;
        };
        connect(&songs, &SongDownload::scriptRequested, this,
                [&](const QString& name, bool immediately, const QVariantList&) {
                    heard << name + (immediately ? "!" : "");
                });
        connect(&songs, &SongDownload::interruptRequested, this, [&] { heard << "interrupt"; });
        QSignalSpy ready(&songs, &SongDownload::songReady);

        songs.DownloadSong(QStringLiteral("http://example.org/carol.midi"));
        songs.DownloadSong(QStringLiteral("some text"));
        QVERIFY(heard.isEmpty());

        songs.DownloadSong(server.Address("ok.mid") + QStringLiteral("\n"));
        QVERIFY(ready.wait(10000));
        QCOMPARE(asked, QStringLiteral("ok.mid"));
        QCOMPARE(ready.first().first().toString(), target_);
        QCOMPARE(heard, (QStringList{"music_newsongfilename", "music_downloading!", "interrupt"}));

        // Upper-case extension accepted; the server has no such file: the character says it failed.
        heard.clear();
        QSignalSpy failed(&songs.Transfer(), &FileDownload::finished);
        songs.DownloadSong(server.Address("missing.MID"));
        QVERIFY(failed.wait(10000));
        QCOMPARE(heard,
                 (QStringList{"music_newsongfilename", "music_downloading!", "music_download_failed!"}));
        QCOMPARE(target(), kSong);

        // What arrives must be a song: a web page or half a song is refused, the old file kept, nothing
        // left behind, and the status bar says why.
        QStringList status;
        connect(&songs, &SongDownload::statusText, this, [&](const QString& text) { status << text; });
        for (const char* path : {"page.mid", "cut.mid"}) {
            heard.clear();
            failed.clear();
            songs.DownloadSong(server.Address(path));
            QVERIFY(failed.wait(10000));
            QCOMPARE(failed.first().first().value<FileDownload::Result>(), FileDownload::Refused);
            QCOMPARE(heard.last(), QStringLiteral("music_download_failed!"));
            QCOMPARE(target(), kSong);
            QCOMPARE(leftovers(), QStringList{"Carol.mid"});
        }
        QVERIFY2(status.value(0).contains(QLatin1String("web page")), qPrintable(status.value(0)));
        QVERIFY2(status.value(1).contains(QLatin1String("damaged")), qPrintable(status.value(1)));
        QCOMPARE(ready.size(), 1);

        // A cancelled save dialog ends it quietly.
        heard.clear();
        songs.AskSaveFileName = [](const QString&) { return QString(); };
        songs.DownloadSong(server.Address("ok.mid"));
        QCOMPARE(heard, QStringList{"music_newsongfilename"});
        QVERIFY(!songs.Transfer().Running());
    }

    // The save dialog starts in the first music folder, where the jukebox will find the song.
    void theSaveDialogOpensInTheFirstMusicFolder() {
        TestEnvironment env;
        QTemporaryDir first, second;
        Music::MusicSettings().MusicFolders = {first.path(), second.path()};
        QCOMPARE(SongDownload::SaveFolder(), first.path());
        // A first folder that is gone: the desktop's music folder, never the program's own.
        Music::MusicSettings().MusicFolders = {first.filePath("gone"), second.path()};
        QVERIFY(SongDownload::SaveFolder() != first.filePath("gone"));
        QVERIFY(QFileInfo(SongDownload::SaveFolder()).isDir());
    }
};

QTEST_GUILESS_MAIN(TestJukeboxDownload)
#include "test_jukebox_download.moc"

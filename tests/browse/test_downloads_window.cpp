// File > Downloads on the real engine: a download from a local server shows in the window with its
// progress, can be opened, shown in its folder or cancelled, and its end is told without a box.
#include "EngineWindow.h"
#include "RecordingAgent.h"
#include "TinyHttp.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/DownloadRow.h"
#include "browse/Downloads.h"
#include "browse/DownloadsWindow.h"
#include "browse/WebEngineBrowser.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr int kTimeoutMs = 30000;
const QByteArray kCarols = QByteArray("Silent night, holy night. ").repeated(4000);

bool anyModalBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w) && w->isVisible()) return true;
    return false;
}
} // namespace

class TestDownloadsWindow : public QObject, EngineWindowFixture {
    Q_OBJECT
    std::unique_ptr<TinyHttp> http;
    QTemporaryDir folder;

private slots:
    void init() {
        QVERIFY(StartEngineWindow());
        http = std::make_unique<TinyHttp>();
        http->Route("/carols.txt", [](QTcpSocket* socket) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                          "Content-Disposition: attachment; filename=carols.txt\r\nContent-Length: " +
                          QByteArray::number(kCarols.size()) + "\r\nConnection: close\r\n\r\n" + kCarols);
            socket->disconnectFromHost();
        });
        // Half of it, then the server waits for ever.
        http->Route("/slow.bin", [](QTcpSocket* socket) {
            socket->write(
                "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                "Content-Disposition: attachment; filename=slow.bin\r\nContent-Length: 2000000\r\n\r\n");
            socket->write(QByteArray(1000000, 'x'));
            socket->flush();
        });
        http->Page("/start.html", "<title>Start</title>");
        current()->Navigate(http->Url(QStringLiteral("/start.html")));
        QTRY_COMPARE_WITH_TIMEOUT(current()->LocationName(), QStringLiteral("Start"), kTimeoutMs);
    }
    void cleanup() {
        EndEngineWindow();
        http.reset();
    }

    void aDownloadShowsItsProgressAndCanBeOpened() {
        Downloads* saving = factory->Saving();
        const QString target = folder.filePath(QStringLiteral("carols.txt"));
        saving->AskForPath = [&](const QString&) { return target; };
        QSignalSpy finished(saving, &Downloads::finished);
        DownloadsWindow* window = mod().DownloadList;
        QVERIFY(window->isHidden());
        QCOMPARE(window->Count(), 0);

        current()->Navigate(http->Url(QStringLiteral("/carols.txt")));
        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(finished.first().at(0).toBool());
        QVERIFY(window->isVisible()); // it came up for the download
        QCOMPARE(window->Count(), 1);
        DownloadRow* row = window->Row(0);
        QTRY_VERIFY_WITH_TIMEOUT(row->StatusText().startsWith(QStringLiteral("Done")), kTimeoutMs);
        QCOMPARE(row->Name->text(), QStringLiteral("carols.txt"));
        QCOMPARE(row->Bar->value(), row->Bar->maximum());
        QVERIFY(!row->Open->isHidden() && !row->ShowFolder->isHidden() && row->Cancel->isHidden());
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), kCarols);
        // Told in the status bar, never in a box that waits.
        QVERIFY(!anyModalBox());
        QVERIFY(ui().PicStatusBar->Text().contains(QStringLiteral("carols.txt")));

        QStringList opened, shown;
        window->OpenFile = [&](const QString& file) {
            opened << file;
            return true;
        };
        window->OpenFolder = [&](const QString& dir) {
            shown << dir;
            return false;
        };
        row->Open->click();
        row->ShowFolder->click();
        QCOMPARE(opened, QStringList{target});
        QCOMPARE(shown, QStringList{QFileInfo(target).absolutePath()});
        QCOMPARE(row->StatusText(), QStringLiteral("The folder could not be shown."));

        // File > Downloads brings it back after the user closed it.
        window->close();
        ui().Menus->ItemFileDownloads->trigger();
        QVERIFY(window->isVisible());
    }

    void aRunningDownloadCanBeCancelledAndLeavesNothing() {
        Downloads* saving = factory->Saving();
        const QString target = folder.filePath(QStringLiteral("slow.bin"));
        saving->AskForPath = [&](const QString&) { return target; };
        QSignalSpy finished(saving, &Downloads::finished);
        current()->Navigate(http->Url(QStringLiteral("/slow.bin")));
        DownloadsWindow* window = mod().DownloadList;
        QTRY_COMPARE_WITH_TIMEOUT(window->Count(), 1, kTimeoutMs);
        DownloadRow* row = window->Row(0);
        QTRY_VERIFY_WITH_TIMEOUT(
            row->StatusText().endsWith(QStringLiteral("of 1.9 MB")) && row->Bar->value() > 0, kTimeoutMs);
        QVERIFY(row->Running() && !row->Cancel->isHidden() && row->Open->isHidden());
        row->Cancel->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kTimeoutMs);
        QCOMPARE(finished.first().at(0).toBool(), false);
        QTRY_COMPARE_WITH_TIMEOUT(row->StatusText(), QStringLiteral("Cancelled"), kTimeoutMs);
        QVERIFY(row->Cancel->isHidden() && row->Open->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(target) &&
                                     !QFileInfo::exists(target + QStringLiteral(".crdownload")),
                                 kTimeoutMs);

        // The next download goes on top.
        current()->Navigate(http->Url(QStringLiteral("/carols.txt")));
        saving->AskForPath = [&](const QString&) { return folder.filePath(QStringLiteral("again.txt")); };
        QTRY_COMPARE_WITH_TIMEOUT(window->Count(), 2, kTimeoutMs);
        QCOMPARE(window->Row(0)->Name->text(), QStringLiteral("again.txt"));
        QCOMPARE(window->Row(1), row);
    }

    void sizesReadAsPeopleWriteThem() {
        QCOMPARE(DownloadRow::SizeText(12), QStringLiteral("12 bytes"));
        QCOMPARE(DownloadRow::SizeText(200 * 1024), QStringLiteral("200 KB"));
        QCOMPARE(DownloadRow::SizeText(1536 * 1024), QStringLiteral("1.5 MB"));
        QCOMPARE(DownloadRow::SizeText(3LL * 1024 * 1024 * 1024), QStringLiteral("3.00 GB"));
    }
};

QTEST_MAIN(TestDownloadsWindow)
#include "test_downloads_window.moc"

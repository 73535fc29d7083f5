#include "browse/Downloads.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

Downloads::Downloads(QWebEngineProfile* profile, QWidget* dialogParent)
    : QObject(profile)
    , dialogParent_(dialogParent) {
    connect(profile, &QWebEngineProfile::downloadRequested, this, &Downloads::onRequested);
}

QString Downloads::SuggestedPath(const QString& folder, const QString& fileName) {
    QString name = QFileInfo(fileName).fileName(); // never a path the page chose
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("download");
    return QDir(folder).filePath(name);
}

void Downloads::onRequested(QWebEngineDownloadRequest* download) {
    // The engine cancels a download that is not accepted before this handler returns.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(dialogParent_, QStringLiteral("Save File"),
                                                      SuggestedPath(folder, download->downloadFileName()));
    if (path.isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo target(path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    download->accept();
    track(download);
}

void Downloads::track(QWebEngineDownloadRequest* download) {
    auto* progress =
        new QProgressDialog(QStringLiteral("Downloading %1...").arg(download->downloadFileName()),
                            QStringLiteral("Cancel"), 0, 100, dialogParent_);
    progress->setWindowTitle(QStringLiteral("Download"));
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    progress->show();

    connect(progress, &QProgressDialog::canceled, download, &QWebEngineDownloadRequest::cancel);
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, progress, [download, progress] {
        const qint64 total = download->totalBytes();
        if (total > 0) {
            progress->setMaximum(100);
            progress->setValue(int(download->receivedBytes() * 100 / total));
        } else {
            progress->setMaximum(0); // size unknown: a busy bar
        }
    });
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, progress, [this, download, progress] {
        const QString file = QDir(download->downloadDirectory()).filePath(download->downloadFileName());
        progress->close();
        switch (download->state()) {
        case QWebEngineDownloadRequest::DownloadCompleted:
            QMessageBox::information(dialogParent_, QStringLiteral("Download"),
                                     QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(file)));
            break;
        case QWebEngineDownloadRequest::DownloadCancelled:
            break; // the user asked for it
        default:
            QMessageBox::warning(dialogParent_, QStringLiteral("Download"),
                                 QStringLiteral("The download of %1 failed: %2")
                                     .arg(download->downloadFileName(), download->interruptReasonString()));
            break;
        }
    });
}

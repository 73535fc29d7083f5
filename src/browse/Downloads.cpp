#include "browse/Downloads.h"

#include "base/WarnLater.h"
#include "browse/DownloadName.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

namespace {
QString targetOf(const QWebEngineDownloadRequest* download) {
    return QDir(download->downloadDirectory()).filePath(download->downloadFileName());
}

// The engine writes a download under its name with this added until it is whole.
const QString kPartSuffix = QStringLiteral(".crdownload");

// What the engine wrote of a download that did not finish.
void removePartial(const QString& file) {
    QFile::remove(file);
    QFile::remove(file + kPartSuffix);
}
} // namespace

Downloads::Downloads(QWebEngineProfile* profile, QWidget* dialogParent)
    : QObject(profile)
    , dialogParent_(dialogParent) {
    AskForPath = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(dialogParent_, QStringLiteral("Save File"), suggested);
    };
    Tell = [this](const QString& text, bool failed) {
        // A saved download shows in the Downloads window; a failure before it started gets a box
        // that does not stop the user.
        if (failed) WarnLater(dialogParent_, QStringLiteral("Download"), text);
    };
    connect(profile, &QWebEngineProfile::downloadRequested, this, &Downloads::onRequested);
}

QString Downloads::SuggestedPath(const QString& folder, const QString& fileName) {
    return QDir(folder).filePath(SafeDownloadName(fileName, kMaxFileNameBytes - int(kPartSuffix.size())));
}

QString Downloads::DownloadFolder() {
    // The user's download folder, made when it is missing; the home folder only when it cannot be.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isWritable()) return folder;
    return QDir::homePath();
}

void Downloads::onRequested(QWebEngineDownloadRequest* download) {
    // The engine may raise the same download again (resuming it after a failure); it was asked
    // about and told already.
    if (asked_.contains(download->id())) {
        download->cancel();
        // The engine raises a download again when it was cut off and it tries to resume it.
        if (targets_.contains(download->id()))
            failed(download->id(), QStringLiteral("the connection to the server was lost"));
        return;
    }
    asked_.insert(download->id());
    // The engine cancels a download that is not accepted before this handler returns.
    const QString path = AskForPath(SuggestedPath(DownloadFolder(), download->downloadFileName()));
    if (path.isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo target(path);
    const QFileInfo dir(target.absolutePath());
    if (!dir.isDir() || !dir.isWritable()) {
        download->cancel();
        const QString text = QStringLiteral("The download of %1 failed: the folder %2 cannot be written.")
                                 .arg(target.fileName(), QDir::toNativeSeparators(dir.absoluteFilePath()));
        Tell(text, true);
        emit finished(false, text);
        return;
    }
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(
        SafeDownloadName(target.fileName(), kMaxFileNameBytes - int(kPartSuffix.size())));
    download->accept();
    track(download);
}

void Downloads::track(QWebEngineDownloadRequest* download) {
    const quint32 id = download->id();
    targets_.insert(id, targetOf(download));
    requests_.insert(id, download);
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            [this, download](QWebEngineDownloadRequest::DownloadState state) {
                const quint32 id = download->id();
                if (ended_.contains(id)) return;
                const QString file = targetOf(download);
                switch (state) {
                case QWebEngineDownloadRequest::DownloadCompleted: {
                    ended_.insert(id);
                    const QFileInfo saved(file);
                    const QString text =
                        QStringLiteral("Saved %1")
                            .arg(QDir::toNativeSeparators(
                                QDir(saved.absolutePath()).filePath(ShortDisplayName(saved.fileName()))));
                    emit finished(true, text);
                    Tell(text, false);
                    break;
                }
                case QWebEngineDownloadRequest::DownloadCancelled:
                    ended_.insert(id);
                    removePartial(file);
                    emit finished(false, QString());
                    break; // the user asked for it
                case QWebEngineDownloadRequest::DownloadInterrupted:
                    failed(id, download->interruptReasonString());
                    break;
                default:
                    break;
                }
            });
    emit started(download);
}

void Downloads::failed(quint32 id, const QString& why) {
    if (ended_.contains(id)) return;
    ended_.insert(id);
    const QString file = targets_.value(id);
    const QString text = QStringLiteral("The download of %1 failed: %2.")
                             .arg(ShortDisplayName(QFileInfo(file).fileName()),
                                  why.isEmpty() ? QStringLiteral("the server stopped sending it") : why);
    // An interrupted download could be resumed by the engine; it is over, and its part goes.
    QPointer<QWebEngineDownloadRequest> download = requests_.value(id);
    if (download) {
        download->setProperty(kFailureProperty, text); // its row in the Downloads window says why
        download->cancel();
    }
    removePartial(file);
    // The engine may still be writing the part: remove it again once it has let go.
    QTimer::singleShot(500, this, [file] { removePartial(file); });
    emit finished(false, text);
}

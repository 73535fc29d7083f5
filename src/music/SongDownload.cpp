#include "music/SongDownload.h"

#include "base/Folders.h"
#include "music/MusicSettings.h"
#include "music/SongLibrary.h"
#include "music/fluid/SmfInfo.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QUrl>

namespace Music {
namespace {
QString failureText(FileDownload::Result result, const QString& why) {
    switch (result) {
    case FileDownload::TooBig:
        return QStringLiteral("The song was not downloaded: it is larger than 10 MB.");
    case FileDownload::NotWebAddress:
        return QStringLiteral(
            "The song was not downloaded: only web addresses (http, https) can be fetched.");
    case FileDownload::NoResponse:
        return QStringLiteral("The song was not downloaded: the server stopped answering.");
    case FileDownload::Refused:
        return QStringLiteral("The song was not saved: %1.").arg(why);
    default:
        return QStringLiteral("The song could not be downloaded.");
    }
}

QString nameOnly(const QString& address) {
    return QUrl::fromUserInput(address).fileName();
}

// A song link that answers with anything but a song (a web page, an error text) is not kept: the
// jukebox would meet it again on every pick.
QString notASong(const QByteArray& content) {
    const Mci::SmfInfo song = Mci::SmfInfo::Read(content);
    if (song.valid()) return {};
    const QByteArray start = content.left(512).trimmed().toLower();
    if (start.startsWith('<') || start.contains("<html") || start.contains("<!doctype"))
        return QStringLiteral("the address sent a web page, not a MIDI song");
    if (!content.startsWith("MThd")) return QStringLiteral("what arrived is not a MIDI song");
    return QStringLiteral("the MIDI song is damaged (%1)").arg(song.problem());
}
} // namespace

SongDownload::SongDownload(QWidget* window)
    : window_(window) {
    AskSaveFileName = [this](const QString& suggested) { return askWithDialog(suggested); };
    transfer_.CheckContent = notASong;
    connect(&transfer_, &FileDownload::finished, this, &SongDownload::transferFinished);
}

SongDownload::~SongDownload() {
    delete dialog_;
}

void SongDownload::DownloadSong(const QString& dropped) {
    const QString address = dropped.trimmed();
    if (!IsSongName(address) || transfer_.Running()) return;
    emit scriptRequested(QStringLiteral("music_newsongfilename"), false, {});
    const QString file = AskSaveFileName ? AskSaveFileName(nameOnly(address)) : QString();
    if (file.isEmpty()) return;
    file_ = file;
    emit scriptRequested(QStringLiteral("music_downloading"), true, {});
    if (ShowProgress) {
        dialog_ = new QProgressDialog(QStringLiteral("Downloading %1 ...").arg(nameOnly(address)),
                                      QStringLiteral("Cancel"), 0, 0, window_);
        dialog_->setWindowTitle(QStringLiteral("Downloading music"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(300);
        dialog_->setValue(0); // starts the count to showing, also when no byte ever comes
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        connect(dialog_, &QProgressDialog::canceled, &transfer_, &FileDownload::Cancel);
        connect(&transfer_, &FileDownload::progress, dialog_,
                [dialog = dialog_](qint64 received, qint64 total) {
                    if (!dialog) return;
                    // Sizes in kilobytes keep the counts inside the dialog's range.
                    dialog->setMaximum(total > 0 ? int(total / 1024) + 1 : 0);
                    dialog->setValue(int(received / 1024));
                });
    }
    transfer_.Start(address, file);
}

void SongDownload::transferFinished(FileDownload::Result result) {
    if (dialog_) dialog_->deleteLater();
    dialog_ = nullptr;
    switch (result) {
    case FileDownload::Done:
        emit interruptRequested();
        emit songReady(file_);
        break;
    case FileDownload::Cancelled:
        emit interruptRequested(); // the user knows; the character need not explain
        break;
    default:
        emit scriptRequested(QStringLiteral("music_download_failed"), true, {});
        emit statusText(failureText(result, transfer_.RefusedBecause()));
        break;
    }
}

QString SongDownload::SaveFolder() {
    // The first music folder, so that the jukebox finds the song; the desktop's music folder when
    // that one cannot be written (the program's own folder of an installed copy).
    const QStringList folders = MusicSettings().MusicFolders;
    if (!folders.isEmpty() && QFileInfo(folders.first()).isDir() && QFileInfo(folders.first()).isWritable())
        return folders.first();
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return QFileInfo(music).isDir() ? music : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

QString SongDownload::askWithDialog(const QString& suggestedName) {
    QFileDialog dialog(window_, QStringLiteral("Save As"), SaveFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("MIDI files (*.mid)"));
    dialog.setDefaultSuffix(QStringLiteral("mid"));
    if (!suggestedName.isEmpty()) dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

} // namespace Music

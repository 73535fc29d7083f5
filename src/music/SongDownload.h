#pragma once

#include "music/Download.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <functional>

class QProgressDialog;
class QWidget;

namespace Music {

// A dropped address of a song: the user names the file, the song is fetched under a progress
// dialog the user can cancel, and once it has arrived it is ready to play.
class SongDownload : public QObject {
    Q_OBJECT
public:
    explicit SongDownload(QWidget* window);
    ~SongDownload() override;

    // Any text that is not the address of a ".mid" file is ignored, as is a drop while one runs.
    void DownloadSong(const QString& address);

    // Asks where to save the song, suggesting a name; "" when the user cancels. Tests answer it.
    std::function<QString(const QString& suggestedName)> AskSaveFileName;
    // Tests do without the progress dialog.
    bool ShowProgress = true;
    FileDownload& Transfer() { return transfer_; }
    // Where the save dialog opens.
    static QString SaveFolder();

signals:
    void scriptRequested(const QString& name, bool immediately, const QVariantList& args);
    void interruptRequested();
    // The song has been saved there and should play now.
    void songReady(const QString& file);
    // Why a download failed, for the status bar.
    void statusText(const QString& text);

private:
    void transferFinished(FileDownload::Result result);
    QString askWithDialog(const QString& suggestedName);

    QWidget* window_;
    FileDownload transfer_;
    QPointer<QProgressDialog> dialog_;
    QString file_;
};

} // namespace Music

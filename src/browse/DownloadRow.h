#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;
class QWebEngineDownloadRequest;

// One download in the Downloads window: its name, its progress or how it ended, and what can be
// done with it (open it, show its folder, or cancel it while it runs).
class DownloadRow : public QFrame {
    Q_OBJECT
public:
    DownloadRow(QWebEngineDownloadRequest* download, QWidget* parent);

    QString File() const { return file_; }
    // "Done", "Cancelled", a failure's reason, or the progress.
    QString StatusText() const;
    bool Running() const { return running_; }

    // "1.5 MB", "200 KB", "12 bytes".
    static QString SizeText(qint64 bytes);

    QLabel* Name;
    QProgressBar* Bar;
    QLabel* Status;
    QPushButton *Open, *ShowFolder, *Cancel;

signals:
    void openRequested(const QString& file);
    void folderRequested(const QString& folder);

private:
    void update();

    QPointer<QWebEngineDownloadRequest> download_;
    QString file_;
    bool running_ = true;
};

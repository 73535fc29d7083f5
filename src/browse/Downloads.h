#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWebEngineDownloadRequest>
#include <functional>

class QProgressDialog;
class QWebEngineDownloadRequest;
class QWebEngineProfile;
class QWidget;

// Downloads started by pages: ask where to save (once per download), show progress that can be
// cancelled, and tell the user how each one ended. A download that fails says why in its window,
// which then closes, and leaves no half-written file behind.
class Downloads : public QObject {
    Q_OBJECT
public:
    Downloads(QWebEngineProfile* profile, QWidget* dialogParent);
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // Where the save dialog starts for a suggested file name.
    static QString SuggestedPath(const QString& folder, const QString& fileName);
    // The folder downloads are offered in.
    static QString DownloadFolder();

    // The save dialog: the chosen path, or "" when cancelled. Tests answer it.
    std::function<QString(const QString& suggested)> AskForPath;
    // How a download's end is told when no progress window says it (saved, or a folder that cannot
    // be written). Tests record it.
    std::function<void(const QString& text, bool failed)> Tell;

    static constexpr int kFailureShownMs = 4000;

signals:
    // A download's progress window has closed; the download is over.
    void finished(bool saved, const QString& text);

private:
    void onRequested(QWebEngineDownloadRequest* download);
    void track(QWebEngineDownloadRequest* download);
    void failed(quint32 id, QProgressDialog* progress, const QString& why);

    QPointer<QWidget> dialogParent_;
    QSet<quint32> asked_; // each download is asked about once, whatever the engine repeats
    QSet<quint32> ended_; // told how it ended
    QHash<quint32, QPointer<QProgressDialog>> progress_;
    QHash<quint32, QString> targets_;
    QHash<quint32, QPointer<QWebEngineDownloadRequest>> requests_;
};

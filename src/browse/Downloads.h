#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWebEngineDownloadRequest>
#include <functional>

class QWebEngineDownloadRequest;
class QWebEngineProfile;
class QWidget;

// Downloads started by pages: ask where to save (once per download), hand each accepted download to
// whoever shows it (the Downloads window, with its progress and a way to cancel), and tell how each
// one ended. A download that fails says why and leaves no half-written file behind.
class Downloads : public QObject {
    Q_OBJECT
public:
    Downloads(QWebEngineProfile* profile, QWidget* dialogParent);
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // The property of a download that failed, with the text that says why.
    static constexpr const char* kFailureProperty = "glisterwoodFailure";

    // Where the save dialog starts for a suggested file name.
    static QString SuggestedPath(const QString& folder, const QString& fileName);
    // The folder downloads are offered in.
    static QString DownloadFolder();

    // The save dialog: the chosen path, or "" when cancelled. Tests answer it.
    std::function<QString(const QString& suggested)> AskForPath;
    // How a download's end is told beside the Downloads window (saved, or a folder that cannot be
    // written); never a box that waits for the user. Tests record it.
    std::function<void(const QString& text, bool failed)> Tell;

signals:
    // A download was accepted and runs; its window shows it from now on.
    void started(QWebEngineDownloadRequest* download);
    // A download is over: saved, cancelled (no text) or failed (the text says why).
    void finished(bool saved, const QString& text);

private:
    void onRequested(QWebEngineDownloadRequest* download);
    void track(QWebEngineDownloadRequest* download);
    void failed(quint32 id, const QString& why);

    QPointer<QWidget> dialogParent_;
    QSet<quint32> asked_; // each download is asked about once, whatever the engine repeats
    QSet<quint32> ended_; // told how it ended
    QHash<quint32, QString> targets_;
    QHash<quint32, QPointer<QWebEngineDownloadRequest>> requests_;
};

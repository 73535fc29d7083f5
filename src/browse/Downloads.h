#pragma once

#include <QObject>
#include <QPointer>

class QWebEngineDownloadRequest;
class QWebEngineProfile;
class QWidget;

// Downloads started by pages: ask where to save, show progress that can be cancelled, and tell the
// user how each one ended. None vanishes silently.
class Downloads : public QObject {
    Q_OBJECT
public:
    Downloads(QWebEngineProfile* profile, QWidget* dialogParent);
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // Where the save dialog starts for a suggested file name.
    static QString SuggestedPath(const QString& folder, const QString& fileName);

private:
    void onRequested(QWebEngineDownloadRequest* download);
    void track(QWebEngineDownloadRequest* download);

    QPointer<QWidget> dialogParent_;
};

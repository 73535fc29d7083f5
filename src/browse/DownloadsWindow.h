#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class DownloadRow;
class Downloads;
class QLabel;
class QVBoxLayout;
class QWebEngineDownloadRequest;

// File > Downloads: this run's downloads, newest first, with their progress. A window of its own
// beside the main window; it comes up when a download starts, without taking the keyboard.
class DownloadsWindow : public QWidget {
    Q_OBJECT
public:
    explicit DownloadsWindow(QWidget* owner);

    // Shows the downloads of these pages from now on; false when it already does.
    bool Follow(Downloads& downloads);
    // A new download at the top of the list.
    void Add(QWebEngineDownloadRequest* download);
    // File > Downloads: the window in front.
    void ShowWindow();

    int Count() const;
    DownloadRow* Row(int index) const; // 0 is the newest

    // The desktop opens a file or shows a folder; tests record instead. False when nothing could.
    std::function<bool(const QString& file)> OpenFile;
    std::function<bool(const QString& folder)> OpenFolder;

protected:
    void keyPressEvent(QKeyEvent* event) override; // Escape closes it, as it would a dialog

private:
    void showBeside();

    QVBoxLayout* rows_;
    QLabel* empty_;
    QPointer<Downloads> followed_;
    bool placed_ = false;
};

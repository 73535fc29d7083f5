#pragma once

#include <QWidget>

class QWebEnginePage;
class QWebEngineView;

// Shows a page full screen (a video, say) in a window of its own; Escape leaves full screen. The
// page returns to its normal view when this window goes.
class FullScreenWindow : public QWidget {
    Q_OBJECT
public:
    FullScreenWindow(QWebEnginePage* page, QWebEngineView* normalView);
    ~FullScreenWindow() override;

private:
    QWebEngineView* view_;
    QWebEngineView* normalView_;
    QWebEnginePage* page_;
};

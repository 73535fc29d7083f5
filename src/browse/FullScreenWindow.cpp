#include "browse/FullScreenWindow.h"

#include <QAction>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

FullScreenWindow::FullScreenWindow(QWebEnginePage* page, QWebEngineView* normalView)
    : view_(new QWebEngineView(this))
    , normalView_(normalView)
    , page_(page) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    auto* exit = new QAction(this);
    exit->setShortcut(Qt::Key_Escape);
    connect(exit, &QAction::triggered, page_,
            [this] { page_->triggerAction(QWebEnginePage::ExitFullScreen); });
    addAction(exit);
    view_->setPage(page_);
    showFullScreen();
}

FullScreenWindow::~FullScreenWindow() {
    view_->setPage(nullptr);
    normalView_->setPage(page_);
}

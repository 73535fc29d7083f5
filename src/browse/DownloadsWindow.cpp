#include "browse/DownloadsWindow.h"

#include "browse/DownloadRow.h"
#include "browse/Downloads.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>

DownloadsWindow::DownloadsWindow(QWidget* owner)
    : QWidget(owner, Qt::Window) {
    setWindowTitle(QStringLiteral("Downloads"));
    setObjectName(QStringLiteral("DownloadsWindow"));
    // Coming up for a new download must not take the keys from what the user is typing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(520, 380);
    OpenFile = [](const QString& file) { return QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };
    OpenFolder = [](const QString& folder) { return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };

    auto* list = new QWidget;
    rows_ = new QVBoxLayout(list);
    empty_ = new QLabel(QStringLiteral("No downloads in this session."), list);
    empty_->setAlignment(Qt::AlignCenter);
    rows_->addWidget(empty_);
    rows_->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(list);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

bool DownloadsWindow::Follow(Downloads& downloads) {
    if (followed_ == &downloads) return false;
    followed_ = &downloads;
    connect(&downloads, &Downloads::started, this, &DownloadsWindow::Add);
    return true;
}

void DownloadsWindow::Add(QWebEngineDownloadRequest* download) {
    auto* row = new DownloadRow(download, this);
    connect(row, &DownloadRow::openRequested, this, [this, row](const QString& file) {
        if (!OpenFile(file))
            row->Status->setText(QStringLiteral("No program on this computer opens this file."));
    });
    connect(row, &DownloadRow::folderRequested, this, [this, row](const QString& folder) {
        if (!OpenFolder(folder)) row->Status->setText(QStringLiteral("The folder could not be shown."));
    });
    empty_->hide();
    rows_->insertWidget(0, row);
    if (!isVisible()) showBeside();
    raise();
}

void DownloadsWindow::ShowWindow() {
    showBeside();
    raise();
    activateWindow();
}

void DownloadsWindow::showBeside() {
    // The first time, over the right of the main window, clear of its menus and tabs.
    if (!placed_ && parentWidget()) {
        placed_ = true;
        const QRect owner = parentWidget()->window()->geometry();
        move(owner.right() - width() - 48, owner.top() + 96);
    }
    show();
}

void DownloadsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

int DownloadsWindow::Count() const {
    return rows_->count() - 2; // the note for an empty list and the stretch at the end
}

DownloadRow* DownloadsWindow::Row(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return qobject_cast<DownloadRow*>(rows_->itemAt(index)->widget());
}

#include "browse/DownloadRow.h"

#include "browse/DownloadName.h"
#include "browse/Downloads.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineDownloadRequest>

DownloadRow::DownloadRow(QWebEngineDownloadRequest* download, QWidget* parent)
    : QFrame(parent)
    , download_(download)
    , file_(QDir(download->downloadDirectory()).filePath(download->downloadFileName())) {
    setFrameShape(QFrame::StyledPanel);
    Name = new QLabel(this);
    Name->setTextFormat(Qt::PlainText);
    Name->setText(ShortDisplayName(QFileInfo(file_).fileName()));
    Name->setToolTip(QDir::toNativeSeparators(file_));
    QFont bold = Name->font();
    bold.setBold(true);
    Name->setFont(bold);
    Bar = new QProgressBar(this);
    Bar->setTextVisible(false);
    Bar->setMaximumHeight(10);
    Status = new QLabel(this);
    Status->setTextFormat(Qt::PlainText);
    Status->setWordWrap(true);
    Open = new QPushButton(QStringLiteral("&Open"), this);
    ShowFolder = new QPushButton(QStringLiteral("Show in &folder"), this);
    Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    for (QPushButton* button : {Open, ShowFolder, Cancel})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Open);
    buttons->addWidget(ShowFolder);
    buttons->addWidget(Cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Name, 0, 0);
    layout->addWidget(Bar, 1, 0);
    layout->addWidget(Status, 2, 0);
    layout->addLayout(buttons, 3, 0);

    connect(Open, &QPushButton::clicked, this, [this] { emit openRequested(file_); });
    connect(ShowFolder, &QPushButton::clicked, this,
            [this] { emit folderRequested(QFileInfo(file_).absolutePath()); });
    connect(Cancel, &QPushButton::clicked, this, [this] {
        if (download_ && !download_->isFinished()) download_->cancel();
    });
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this, &DownloadRow::update);
    connect(download, &QWebEngineDownloadRequest::totalBytesChanged, this, &DownloadRow::update);
    connect(download, &QWebEngineDownloadRequest::stateChanged, this, &DownloadRow::update);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, &DownloadRow::update);
    update();
}

QString DownloadRow::SizeText(qint64 bytes) {
    const QLocale locale;
    if (bytes < 1024) return QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg(locale.toString(double(bytes) / 1024, 'f', 0));
    if (bytes < 1024LL * 1024 * 1024)
        return QStringLiteral("%1 MB").arg(locale.toString(double(bytes) / (1024 * 1024), 'f', 1));
    return QStringLiteral("%1 GB").arg(locale.toString(double(bytes) / (1024.0 * 1024 * 1024), 'f', 2));
}

QString DownloadRow::StatusText() const {
    return Status->text();
}

void DownloadRow::update() {
    if (!download_) return; // gone with the engine; the row says what it said last
    const qint64 received = download_->receivedBytes();
    const qint64 total = download_->totalBytes();
    const QString failure = download_->property(Downloads::kFailureProperty).toString();
    switch (download_->state()) {
    case QWebEngineDownloadRequest::DownloadRequested:
    case QWebEngineDownloadRequest::DownloadInProgress:
        running_ = true;
        if (total > 0) {
            Bar->setRange(0, 1000);
            Bar->setValue(int(received * 1000 / total));
            Status->setText(QStringLiteral("%1 of %2").arg(SizeText(received), SizeText(total)));
        } else {
            Bar->setRange(0, 0); // size unknown: a busy bar
            Status->setText(SizeText(received));
        }
        break;
    case QWebEngineDownloadRequest::DownloadCompleted:
        running_ = false;
        Bar->setRange(0, 1000);
        Bar->setValue(1000);
        Status->setText(QStringLiteral("Done \u2014 %1").arg(SizeText(received)));
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
    case QWebEngineDownloadRequest::DownloadInterrupted:
        running_ = false;
        Bar->setRange(0, 1000);
        Bar->setValue(0);
        if (!failure.isEmpty())
            Status->setText(failure);
        else if (download_->state() == QWebEngineDownloadRequest::DownloadInterrupted)
            Status->setText(QStringLiteral("Failed: %1").arg(download_->interruptReasonString()));
        else
            Status->setText(QStringLiteral("Cancelled"));
        break;
    }
    const bool done = download_->state() == QWebEngineDownloadRequest::DownloadCompleted;
    Open->setVisible(done);
    ShowFolder->setVisible(done);
    Cancel->setVisible(running_);
    Bar->setVisible(running_ || done);
}

#include "music/Download.h"

#include "base/ProductProfile.h"
#include "base/SaveFile.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace Music {

FileDownload::FileDownload(QObject* parent)
    : QObject(parent)
    , network_(std::make_unique<QNetworkAccessManager>())
    , stall_(new QTimer(this)) {
    stall_->setSingleShot(true);
    connect(stall_, &QTimer::timeout, this, [this] {
        failure_ = NoResponse;
        if (reply_) reply_->abort();
    });
}

FileDownload::~FileDownload() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        reply_ = nullptr;
    }
    if (file_) file_->cancelWriting(); // the old file stays as it was
}

void FileDownload::Start(const QString& address, const QString& file) {
    if (reply_) return;
    received_ = 0;
    failure_ = Done;
    content_.clear();
    refusedBecause_.clear();
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        // Reported after the caller has connected, like any other outcome.
        QTimer::singleShot(0, this, [this] { emit finished(NotWebAddress); });
        return;
    }
    file_ = std::make_unique<QSaveFile>(file);
    if (!file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        QTimer::singleShot(0, this, [this] { emit finished(Failed); });
        return;
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, ProductProfile().Product_Name());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    reply_ = network_->get(request);
    reply_->setReadBufferSize(64 * 1024);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > MaxBytes) {
            failure_ = TooBig;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::readyRead, this, &FileDownload::readAvailable);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        stall_->start();
        emit progress(received, total);
    });
    connect(reply_, &QNetworkReply::finished, this, &FileDownload::replyFinished);
    stall_->start(StallTimeoutMs);
}

void FileDownload::Cancel() {
    if (!reply_) return;
    failure_ = Cancelled;
    reply_->abort();
}

void FileDownload::readAvailable() {
    if (!reply_ || failure_ != Done) return;
    const QByteArray bytes = reply_->readAll();
    received_ += bytes.size();
    if (received_ > MaxBytes) {
        failure_ = TooBig;
        reply_->abort();
        return;
    }
    if (CheckContent) content_.append(bytes);
    if (file_->write(bytes) != bytes.size()) {
        failure_ = Failed;
        reply_->abort();
    }
}

void FileDownload::replyFinished() {
    if (!reply_) return;
    if (failure_ == Done) readAvailable();
    Result result = failure_;
    if (result == Done && reply_->error() != QNetworkReply::NoError) result = Failed;
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (result == Done && (status < 200 || status > 299)) result = Failed;
    if (result == Done && CheckContent) {
        refusedBecause_ = CheckContent(content_);
        if (!refusedBecause_.isEmpty()) result = Refused;
    }
    if (result == Done && !SaveFile::Commit(*file_)) result = Failed;
    end(result);
}

void FileDownload::end(Result result) {
    stall_->stop();
    if (file_ && result != Done) file_->cancelWriting();
    file_.reset();
    content_.clear();
    reply_->disconnect(this);
    reply_->deleteLater();
    reply_ = nullptr;
    emit finished(result);
}

} // namespace Music

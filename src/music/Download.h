#pragma once

#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;
class QTimer;

namespace Music {

// Fetches one file over http or https into a temporary file beside the target; the target is
// replaced only when the whole file has arrived. A failure, a refusal or a cancel leaves the old
// file as it was and nothing else behind. The window keeps running meanwhile.
class FileDownload : public QObject {
    Q_OBJECT
public:
    enum Result { Done, Failed, Cancelled, TooBig, NotWebAddress, NoResponse, Refused };
    Q_ENUM(Result)

    static constexpr qint64 kMaxBytes = 10 * 1024 * 1024;
    static constexpr int kStallTimeoutMs = 30000;

    explicit FileDownload(QObject* parent = nullptr);
    ~FileDownload() override;

    // Starts the transfer; finished() comes once, also for an address that is refused at once.
    void Start(const QString& address, const QString& file);
    void Cancel();
    bool Running() const { return reply_ != nullptr; }

    // Limits; tests make them small.
    qint64 MaxBytes = kMaxBytes;
    int StallTimeoutMs = kStallTimeoutMs;
    // Looks at the whole file once it has arrived, before it is kept: why it is refused, or "".
    std::function<QString(const QByteArray& content)> CheckContent;
    // Why the last download was refused.
    QString RefusedBecause() const { return refusedBecause_; }

signals:
    void progress(qint64 received, qint64 total);
    void finished(Music::FileDownload::Result result);

private:
    void readAvailable();
    void replyFinished();
    void end(Result result);

    std::unique_ptr<QNetworkAccessManager> network_;
    QNetworkReply* reply_ = nullptr;
    std::unique_ptr<QSaveFile> file_;
    QTimer* stall_ = nullptr;
    qint64 received_ = 0;
    Result failure_ = Done; // why the reply was aborted, when it was
    QByteArray content_;    // kept for the check (the size is limited)
    QString refusedBecause_;
};

} // namespace Music

#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>

namespace {
constexpr int kConnectMs = 1500;
const QByteArray kRequest = "activate\n";
// "open" and the addresses, each percent-encoded so that neither blanks nor line ends are in them.
const QByteArray kOpen = "open ";

// Addresses beyond what the running program takes are left out; it still comes to the front.
QByteArray requestFor(const QStringList& addresses, qint64 limit) {
    QByteArray request = kOpen;
    for (const QString& address : addresses) {
        const QByteArray encoded = QUrl::toPercentEncoding(address);
        if (request.size() + encoded.size() + 2 > limit) continue;
        if (request.size() > kOpen.size()) request += ' ';
        request += encoded;
    }
    return request.size() > kOpen.size() ? request + '\n' : kRequest;
}

QStringList addressesIn(const QByteArray& line) {
    QStringList addresses;
    for (const QByteArray& encoded : line.mid(kOpen.size()).trimmed().split(' '))
        if (!encoded.isEmpty()) addresses << QUrl::fromPercentEncoding(encoded);
    return addresses;
}
} // namespace

QString SingleInstance::NameFor(const QString& profileFolder) {
    // A hash keeps the name short and free of the folder's characters.
    const QByteArray hash =
        QCryptographicHash::hash(profileFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("glisterwood99-") + QString::fromLatin1(hash.left(20));
}

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent)
    , name_(name) {}

bool SingleInstance::HandOver(const QStringList& addresses) {
    const QByteArray request = requestFor(addresses, kMaxRequest);
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write(request);
    if (!socket.waitForBytesWritten(kConnectMs)) return false;
    // The first program answers once it has taken the request.
    const bool answered = socket.waitForReadyRead(kConnectMs) && socket.readAll().startsWith("ok");
    socket.disconnectFromServer();
    return answered;
}

bool SingleInstance::Listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // A socket left behind by a program that crashed: nobody answered on it above.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kMaxRequest) socket->abort();
                    return;
                }
                const QByteArray line = socket->readLine(kMaxRequest + 1);
                const bool open = line.startsWith(kOpen) && line.endsWith('\n');
                if (line != kRequest && !open) {
                    socket->disconnectFromServer();
                    return;
                }
                socket->write("ok\n");
                socket->flush();
                if (open)
                    emit addressesReceived(addressesIn(line));
                else
                    emit activated();
            });
        }
    });
    return true;
}

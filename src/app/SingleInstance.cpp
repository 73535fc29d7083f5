#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int kConnectMs = 1500;
const QByteArray kRequest = "activate\n";
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

bool SingleInstance::HandOver() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write(kRequest);
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
                if (!socket->canReadLine()) return;
                if (socket->readLine() != kRequest) {
                    socket->disconnectFromServer();
                    return;
                }
                socket->write("ok\n");
                socket->flush();
                emit activated();
            });
        }
    });
    return true;
}

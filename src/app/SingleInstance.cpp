#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kConnectMs = 1500;
const QByteArray kRequest = "activate\n";

// A folder only this user can enter: its own, not a link, closed to group and others.
bool isPrivateFolder(const QString& path) {
    struct stat info = {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}
} // namespace

QString SingleInstance::PrivateFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime)) return runtime;
    // Without one, a folder of our own in the temporary folder; one that someone else made first
    // is not used.
    const QString own = QDir::tempPath() + QStringLiteral("/glisterwood99-%1").arg(::getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivateFolder(own) ? own : QString();
}

QString SingleInstance::NameFor(const QString& profileFolder) {
    const QString folder = PrivateFolder();
    if (folder.isEmpty()) return {};
    // A hash keeps the name short and free of the folder's characters.
    const QByteArray hash =
        QCryptographicHash::hash(profileFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder + QStringLiteral("/glisterwood99-") + QString::fromLatin1(hash.left(20));
}

bool SingleInstance::PeerIsThisUser(qintptr socketDescriptor) {
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        size != sizeof peer)
        return false;
    return peer.uid == ::getuid();
}

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent)
    , name_(name) {}

bool SingleInstance::HandOver() {
    if (name_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs)) return false;
    // Only a program of this user may end this start.
    if (!PeerIsThisUser(socket.socketDescriptor())) return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(kConnectMs)) return false;
    // The first program answers once it has taken the request.
    const bool answered = socket.waitForReadyRead(kConnectMs) && socket.read(16).startsWith("ok");
    socket.disconnectFromServer();
    return answered;
}

bool SingleInstance::Listen() {
    if (name_.isEmpty()) return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // A socket left behind by a program that crashed: nobody answered on it above.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection())
            serve(socket);
    });
    return true;
}

void SingleInstance::serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (callers_ >= kMaxCallers || !PeerIsThisUser(socket->socketDescriptor())) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++callers_;
    connect(socket, &QObject::destroyed, this, [this] { --callers_; });
    // A caller that says nothing useful in time is hung up on.
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(kRequestTimeoutMs);
    socket->setReadBufferSize(kMaxRequestBytes);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (!socket->canReadLine()) {
            // No end of line within the few bytes a request takes: not one of ours.
            if (socket->bytesAvailable() >= kMaxRequestBytes) {
                socket->abort();
                socket->deleteLater();
            }
            return;
        }
        const bool request = socket->readLine(kMaxRequestBytes) == kRequest;
        if (request) {
            socket->write("ok\n");
            socket->flush();
        }
        socket->disconnectFromServer();
        if (request) emit activated();
    });
}

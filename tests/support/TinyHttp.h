#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QVariant>
#include <functional>

// A small HTTP server on the loopback address for pages that need a real host (dialog titles,
// downloads whose server goes away). Each path answers with a handler that writes to the socket.
class TinyHttp : public QTcpServer {
public:
    using Handler = std::function<void(QTcpSocket*)>;

    TinyHttp() {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    // Each connection gathers its own request.
                    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
                    socket->setProperty("request", request);
                    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool()) return;
                    socket->setProperty("answered", true);
                    const QByteArray line = request.left(request.indexOf("\r\n"));
                    const QByteArray path = line.split(' ').value(1);
                    const auto handler = routes_.constFind(path);
                    if (handler == routes_.constEnd())
                        Reply(socket, "404 Not Found", "text/plain", "no such page");
                    else
                        (*handler)(socket);
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
    void Route(const QByteArray& path, Handler handler) { routes_.insert(path, std::move(handler)); }
    void Page(const QByteArray& path, const QByteArray& html) {
        Route(path, [html](QTcpSocket* socket) { Reply(socket, "200 OK", "text/html", html); });
    }
    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }
    static void Reply(QTcpSocket* socket, const QByteArray& status, const QByteArray& type,
                      const QByteArray& body) {
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type +
                      "\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

private:
    QHash<QByteArray, Handler> routes_;
};

#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running program per profile: a second start hands over to the first through a local socket
// and ends; the first comes to the front and opens a new page.
//
// The socket lives where only this user can reach it ($XDG_RUNTIME_DIR, or a private folder of ours
// when there is none), and either side talks only to a peer of the same user. The running program
// reads a few bytes from each caller, for a short while, and then hangs up.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's full path for a profile folder (one per user and data folder); "" when no private
    // folder can be had, and then there is no hand-over at all.
    static QString NameFor(const QString& profileFolder);
    // The folder for the socket: the runtime folder when it is the user's own and closed to others,
    // else a folder of our own made so; "" when neither can be had.
    static QString PrivateFolder();
    // Whether the process at the other end of a connected local socket runs as this user.
    static bool PeerIsThisUser(qintptr socketDescriptor);

    static constexpr int kMaxRequestBytes = 4096;
    static constexpr int kRequestTimeoutMs = 3000;
    static constexpr int kMaxCallers = 8;

    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    // True when another program answered and took the request; this one should end.
    bool HandOver();
    // Listens for later starts; false when the socket cannot be made (the program runs anyway).
    bool Listen();

signals:
    // A second start asked this program to show itself.
    void activated();

private:
    void serve(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_ = nullptr;
    int callers_ = 0;
};

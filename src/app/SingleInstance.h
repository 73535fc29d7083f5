#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running program per profile: a second start hands over to the first through a local socket
// and ends; the first comes to the front and opens a new page, or a page for each address the
// second start was given.
//
// The socket lives where only this user can reach it ($XDG_RUNTIME_DIR, or a private folder of ours
// when there is none), and either side talks only to a peer of the same user. The running program
// reads a few kilobytes from each caller, for a short while, and then hangs up.
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

    // Room for the addresses of a second start: long addresses run to a few kilobytes each.
    static constexpr int kMaxRequestBytes = 64 * 1024;
    static constexpr int kRequestTimeoutMs = 3000;
    static constexpr int kMaxCallers = 8;

    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    // True when another program answered and took the request (with the addresses to open, if any);
    // this one should end.
    bool HandOver(const QStringList& addresses = {});
    // Listens for later starts; false when the socket cannot be made (the program runs anyway).
    bool Listen();

signals:
    // A second start asked this program to show itself.
    void activated();
    // A second start was given addresses; they are for this program to open.
    void addressesReceived(const QStringList& addresses);

private:
    void serve(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_ = nullptr;
    int callers_ = 0;
};

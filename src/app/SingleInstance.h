#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// One running program per profile: a second start hands over to the first through a local socket
// and ends; the first comes to the front and opens a new page, or a page for each address the
// second start was given.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's name for a profile folder (one per user and data folder).
    static QString NameFor(const QString& profileFolder);

    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    // True when another program answered and took the request (with the addresses to open, if any);
    // this one should end.
    bool HandOver(const QStringList& addresses = {});
    // Listens for later starts; false when the socket cannot be made (the program runs anyway).
    bool Listen();

    // The longest request taken: a few thousand addresses of ordinary length.
    static constexpr qint64 kMaxRequest = 1024 * 1024;

signals:
    // A second start asked this program to show itself.
    void activated();
    // A second start was given addresses; they are for this program to open.
    void addressesReceived(const QStringList& addresses);

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

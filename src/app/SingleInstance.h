#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per profile: a second start hands over to the first through a local socket
// and ends; the first comes to the front and opens a new page.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's name for a profile folder (one per user and data folder).
    static QString NameFor(const QString& profileFolder);

    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    // True when another program answered and took the request; this one should end.
    bool HandOver();
    // Listens for later starts; false when the socket cannot be made (the program runs anyway).
    bool Listen();

signals:
    // A second start asked this program to show itself.
    void activated();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

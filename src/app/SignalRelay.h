#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the window thread, so the program ends the
// way File > Exit ends it. The handler only writes a byte to a pipe; everything else runs later.
class SignalRelay : public QObject {
    Q_OBJECT
public:
    explicit SignalRelay(QObject* parent = nullptr);
    ~SignalRelay() override;
    // False when the pipe could not be made; the signals then keep their default action.
    bool Installed() const { return notifier_ != nullptr; }

signals:
    void endRequested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};

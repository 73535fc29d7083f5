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
    // The last signal relayed, 0 when none was: one that came before anyone listened still counts.
    int Received() const { return received_; }

    // How long the program has to end by itself once a signal came; then it ends at once.
    static constexpr unsigned kGraceSeconds = 5;

signals:
    void endRequested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
};

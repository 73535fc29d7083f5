#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>

class QTimer;

// Writes something a moment after it changed: a burst of changes costs one write, and no change
// waits longer than kLatestMs to be written, so a crash or kill loses at most those few seconds.
class AutoSaver : public QObject {
    Q_OBJECT
public:
    // save returns false when the write failed; it is tried again at the next change.
    explicit AutoSaver(std::function<bool()> save, QObject* parent = nullptr);

    static constexpr int kQuietMs = 1000;  // a change waits this long for the next one
    static constexpr int kLatestMs = 4000; // but is written at most this long after it happened

    void Changed();
    // Writes at once when anything is unwritten.
    void SaveNow();
    bool Pending() const { return pending_; }

signals:
    // A write failed; said once until a write succeeds again.
    void saveFailed();

private:
    std::function<bool()> save_;
    QTimer* timer_;
    QElapsedTimer since_; // since the oldest unwritten change
    bool pending_ = false;
    bool failing_ = false;
};

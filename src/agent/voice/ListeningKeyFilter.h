#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Watches the whole application for the listening key going down and up. Key repeat while it is held
// is not a new press, and the key edit of the properties sheet still receives it, so the key can be
// chosen again. X repeats a held key as release and press, and under load such a pair is not always
// marked as repeat, so a release counts only when no press follows it within kReleaseMs.
class ListeningKeyFilter : public QObject {
    Q_OBJECT
public:
    static constexpr int kReleaseMs = 120;

    explicit ListeningKeyFilter(int key);
    ~ListeningKeyFilter() override;

    void SetKey(int key);
    int Key() const { return key_; }

    std::function<void()> OnPressed;
    std::function<void()> OnReleased;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void release();

    int key_;
    bool down_ = false;
    QTimer releaseTimer_;
};

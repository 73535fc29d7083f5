#pragma once

#include <QObject>
#include <functional>

// Watches the whole application for the listening key going down and up. Key repeat while it is held
// is not a new press, and the key edit of the properties sheet still receives it, so the key can be
// chosen again.
class ListeningKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit ListeningKeyFilter(int key);
    ~ListeningKeyFilter() override;

    void SetKey(int key);
    int Key() const { return key_; }

    std::function<void()> OnPressed;
    std::function<void()> OnReleased;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int key_;
    bool down_ = false;
};

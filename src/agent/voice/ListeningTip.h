#pragma once

#include <QLabel>
#include <QRect>
#include <QTimer>
#include <functional>

// The small note beside the character while it listens ("Listening...") or after ("Didn't catch that").
class ListeningTip : public QLabel {
    Q_OBJECT
public:
    static constexpr int kTransientMs = 2500;

    // beside: where the character is on the screen, empty when it is not there.
    explicit ListeningTip(std::function<QRect()> beside);

    void ShowText(const QString& text, bool transient);
    void HideTip();

    // Right of the character, or left of it where the right has no room; always on the screen.
    static QPoint PlaceBeside(const QRect& character, QSize tip, const QRect& screen);

private:
    std::function<QRect()> beside_;
    QTimer hideTimer_;
};

#include "agent/voice/ListeningTip.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kGap = 4;
}

ListeningTip::ListeningTip(std::function<QRect()> beside)
    : QLabel(nullptr,
             Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , beside_(std::move(beside)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kTransientMs);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void ListeningTip::ShowText(const QString& text, bool transient) {
    const QRect character = beside_ ? beside_() : QRect();
    if (character.isEmpty()) {
        HideTip();
        return;
    }
    setText(text);
    adjustSize();
    QScreen* screen = QGuiApplication::screenAt(character.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : character;
    move(PlaceBeside(character, size(), area));
    show();
    raise();
    if (transient)
        hideTimer_.start();
    else
        hideTimer_.stop();
}

void ListeningTip::HideTip() {
    hideTimer_.stop();
    hide();
}

QPoint ListeningTip::PlaceBeside(const QRect& character, QSize tip, const QRect& screen) {
    int x = character.right() + 1 + kGap;
    if (x + tip.width() > screen.right() + 1) x = character.left() - kGap - tip.width();
    int y = character.top() + character.height() / 3 - tip.height() / 2;
    x = qBound(screen.left(), x, screen.right() + 1 - tip.width());
    y = qBound(screen.top(), y, screen.bottom() + 1 - tip.height());
    return {x, y};
}

#include "decor/DesktopSurface.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

void DesktopSurface::PaintBackground(const QRect& desktop) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    QPainter p(&picture_);
    p.fillRect(picture_.rect(), QColor(0xd8, 0xd8, 0xd8));
    // A winter night until a holiday picture is chosen.
    QLinearGradient night(desktop.topLeft(), desktop.bottomLeft());
    night.setColorAt(0, QColor(0x0b, 0x1d, 0x3a));
    night.setColorAt(1, QColor(0x1d, 0x4e, 0x5f));
    p.fillRect(desktop, night);
    update();
}

void DesktopSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (picture_.isNull())
        p.fillRect(event->rect(), palette().window());
    else
        p.drawImage(event->rect(), picture_, event->rect());
}

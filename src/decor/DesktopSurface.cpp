#include "decor/DesktopSurface.h"

#include "decor/Background.h"

#include <QPaintEvent>
#include <QPainter>

void DesktopSurface::DrawBackground(const QImage& tile, const QRect& desktop) {
    const qreal dpr = devicePixelRatioF();
    picture_ = QImage(size() * dpr, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(dpr);
    picture_.fill(palette().color(QPalette::Window));
    if (!tile.isNull()) {
        QPainter p(&picture_);
        for (const QPoint& origin : TileOrigins(desktop, tile.deviceIndependentSize().toSize()))
            p.drawImage(origin, tile);
    }
    update();
}

void DesktopSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect covered(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
    const qreal dpr = picture_.devicePixelRatio();
    // Snowflakes and bulbs ask for many small areas at once; only those are drawn, not the
    // rectangle around them all.
    for (const QRect& r : event->region()) {
        if (!covered.contains(r)) p.fillRect(r, palette().window());
        const QRect shown = r & covered;
        if (shown.isEmpty()) continue;
        // The source rectangle is in the picture's own (device) pixels.
        p.drawImage(QRectF(shown), picture_,
                    QRectF(shown.x() * dpr, shown.y() * dpr, shown.width() * dpr, shown.height() * dpr));
    }
    if (overlay_) overlay_(p, event->rect());
}

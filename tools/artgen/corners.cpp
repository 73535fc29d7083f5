// The four corner buttons of the browser pane: back, forward, stop and reload.

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace art {
namespace {

// The back arrow: a rounded, candy-cane striped arrow pointing left.
QPainterPath backArrowShape(const QSizeF& size) {
    const qreal w = size.width(), h = size.height();
    const qreal mid = h / 2;
    QPainterPath head;
    head.moveTo(1.5, mid);
    head.lineTo(14.5, 1.5);
    head.quadTo(16.0, 0.8, 16.0, 2.6);
    head.lineTo(16.0, h - 2.6);
    head.quadTo(16.0, h - 0.8, 14.5, h - 1.5);
    head.closeSubpath();

    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(12, mid - 5.5, w - 13.5, 11), 5, 5);
    return head.united(shaft).simplified();
}

void drawArrow(QPainter& p, const QSizeF& size, bool forward) {
    p.save();
    if (forward) {
        p.translate(size.width(), 0);
        p.scale(-1, 1);
    }
    const QPainterPath shape = backArrowShape(size);

    // A dark, soft shadow so it reads on light and dark toolbars alike.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 0, 0, 70));
    p.drawPath(shape.translated(0.6, 0.9));

    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0xfb, 0xf6, 0xee));
    p.setBrush(QColor(0xd8, 0x1e, 0x2c));
    for (qreal x = -size.height(); x < size.width() + size.height(); x += 7) {
        QPolygonF stripe;
        stripe << QPointF(x, size.height()) << QPointF(x + 4, size.height())
               << QPointF(x + 4 + size.height() * 0.8, 0) << QPointF(x + size.height() * 0.8, 0);
        p.drawPolygon(stripe);
    }
    // Gloss on the upper half.
    QLinearGradient gloss(QPointF(0, 0), QPointF(0, size.height()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(0.48, QColor(255, 255, 255, 30));
    gloss.setColorAt(0.52, QColor(0, 0, 0, 0));
    gloss.setColorAt(1.0, QColor(60, 0, 0, 70));
    p.fillRect(QRectF(QPointF(0, 0), size), gloss);
    p.restore();

    QPen rim(QColor(0x8a, 0x0e, 0x16), 1.3);
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    // A golden cap at the tail end, like an ornament hanger.
    const qreal mid = size.height() / 2;
    const QRectF cap(size.width() - 5.5, mid - 5.5, 4.5, 11);
    QLinearGradient goldCap(cap.topLeft(), cap.bottomLeft());
    goldCap.setColorAt(0.0, QColor(0xff, 0xef, 0xa8));
    goldCap.setColorAt(0.5, kGold);
    goldCap.setColorAt(1.0, QColor(0xa8, 0x72, 0x08));
    p.setBrush(goldCap);
    p.setPen(QPen(QColor(0x7a, 0x52, 0x04), 0.8));
    p.drawRoundedRect(cap, 1.6, 1.6);
    p.restore();
}

} // namespace

void drawGoBack(QPainter& p, const QSizeF& size) {
    drawArrow(p, size, false);
}

void drawGoForward(QPainter& p, const QSizeF& size) {
    drawArrow(p, size, true);
}

void drawStop(QPainter& p, const QSizeF& size) {
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal radius = size.width() / 2 - 0.5;
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        octagon << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    QLinearGradient red(QPointF(0, 0), QPointF(0, size.height()));
    red.setColorAt(0.0, QColor(0xff, 0x5a, 0x4e));
    red.setColorAt(1.0, QColor(0xb3, 0x0f, 0x18));
    p.setPen(QPen(QColor(0x6e, 0x05, 0x0b), 1.0));
    p.setBrush(red);
    p.drawPolygon(octagon);

    const qreal arm = size.width() * 0.2;
    QPen cross(Qt::white, size.width() * 0.16, Qt::SolidLine, Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    p.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

void drawReload(QPainter& p, const QSizeF& size) {
    const QPointF centre(size.width() / 2, size.height() / 2 + 0.8);
    const qreal radius = size.width() * 0.29;
    const QRectF ring(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);

    // The arc runs counter-clockwise from the top right round to the right side.
    QPainterPath arc;
    arc.arcMoveTo(ring, 60);
    arc.arcTo(ring, 60, 285);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0d, 0x4d, 0x1f), size.width() * 0.23, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(QColor(0x3c, 0xc0, 0x5a), size.width() * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);

    // Arrow head at the start of the arc, pointing along the turn (clockwise).
    QPainterPath start;
    start.arcMoveTo(ring, 60);
    const QPointF tip = start.currentPosition();
    const qreal a = 60 * std::numbers::pi / 180;
    const QPointF outward(std::cos(a), -std::sin(a));
    const QPointF along(std::sin(a), std::cos(a)); // clockwise tangent in screen coordinates
    const qreal head = size.width() * 0.38;
    QPolygonF arrow;
    arrow << tip + outward * head * 0.55 << tip - outward * head * 0.55 << tip + along * head * 0.8;
    arrow.translate(-along * head * 0.1);
    p.setPen(QPen(QColor(0x0d, 0x4d, 0x1f), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(0x3c, 0xc0, 0x5a));
    p.drawPolygon(arrow);
}

} // namespace art

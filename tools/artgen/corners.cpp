// The four corner buttons of the browser pane: a hand pointing back, a hand pointing forward, a
// stop sign and a reload arrow.

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace art {
namespace {

// A rounded bar from x = left to x = right (both centres of the round ends) at height y.
QPainterPath capsule(qreal left, qreal right, qreal y, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(left - radius, y - radius, right - left + 2 * radius, 2 * radius), radius,
                        radius);
    return path;
}

// A white cartoon glove pointing left, in a 32×26 box: the index finger out, the thumb under it,
// two fingers curled below and a flared cuff at the wrist.
void drawPointingHand(QPainter& p) {
    QPainterPath back;
    back.addRoundedRect(QRectF(11.0, 5.2, 15.0, 17.0), 6.0, 6.0);
    const QPainterPath index = capsule(3.2, 15.0, 8.9, 2.5);
    const QPainterPath thumb = capsule(8.0, 16.0, 14.0, 2.2);
    const QPainterPath middle = capsule(12.2, 17.0, 17.9, 1.8);
    const QPainterPath ring = capsule(13.4, 17.0, 21.0, 1.5);

    // The cuff flares out towards the arm.
    QPainterPath cuff;
    cuff.moveTo(24.0, 6.6);
    cuff.lineTo(29.6, 4.2);
    cuff.quadTo(31.0, 3.8, 31.0, 5.2);
    cuff.lineTo(31.0, 22.8);
    cuff.quadTo(31.0, 24.2, 29.6, 23.8);
    cuff.lineTo(24.0, 21.4);
    cuff.closeSubpath();

    const QPainterPath hand = back.united(index).united(thumb).united(middle).united(ring);
    const QPainterPath whole = hand.united(cuff);

    // A soft shadow so the white glove reads on light backgrounds too.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 20, 60));
    p.drawPath(whole.translated(0.7, 1.0));

    QLinearGradient cloth(QPointF(0, 4), QPointF(0, 23));
    cloth.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    cloth.setColorAt(0.55, QColor(0xf4, 0xf5, 0xf8));
    cloth.setColorAt(1.0, QColor(0xc9, 0xce, 0xd9));
    p.setBrush(cloth);
    p.drawPath(hand);

    // Folds where each lower finger tucks under the one above it.
    const QColor crease(0x4a, 0x50, 0x5e);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(crease, 0.8, Qt::SolidLine, Qt::RoundCap));
    QPainterPath folds;
    folds.moveTo(8.4, 11.5);
    folds.quadTo(11.0, 11.9, 13.6, 11.4);
    folds.moveTo(12.6, 16.2);
    folds.quadTo(14.0, 16.5, 15.4, 16.1);
    folds.moveTo(13.8, 19.6);
    folds.quadTo(15.0, 19.9, 16.2, 19.5);
    p.drawPath(folds);

    QLinearGradient band(QPointF(24.0, 0), QPointF(31.0, 0));
    band.setColorAt(0.0, QColor(0xd8, 0xdc, 0xe5));
    band.setColorAt(0.45, QColor(0xff, 0xff, 0xff));
    band.setColorAt(1.0, QColor(0xc2, 0xc8, 0xd4));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawPath(cuff);

    QPen outline(QColor(0x22, 0x25, 0x2d), 1.1);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(whole);
    p.drawLine(QPointF(24.0, 6.8), QPointF(24.0, 21.2));
}

// A regular octagon with flat sides facing up, down, left and right, `apothem` from its centre to
// each side.
QPolygonF octagon(QPointF centre, qreal apothem) {
    const qreal radius = apothem / std::cos(std::numbers::pi / 8);
    QPolygonF shape;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        shape << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    return shape;
}

} // namespace

void drawGoBack(QPainter& p, const QSizeF& /*size*/) {
    drawPointingHand(p);
}

void drawGoForward(QPainter& p, const QSizeF& size) {
    p.translate(size.width(), 0);
    p.scale(-1, 1);
    drawPointingHand(p);
}

void drawStop(QPainter& p, const QSizeF& size) {
    // Sides land on whole pixels: a dark rim on the outermost pixel, one pixel of white border,
    // then the red face with a white bar across it.
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal outer = size.width() / 2 - 0.5;
    p.setPen(QPen(QColor(0x5a, 0x08, 0x0d), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(octagon(centre, outer));

    QLinearGradient red(QPointF(0, 2), QPointF(0, size.height() - 2));
    red.setColorAt(0.0, QColor(0xf4, 0x4a, 0x44));
    red.setColorAt(1.0, QColor(0xb8, 0x10, 0x1a));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPolygon(octagon(centre, outer - 1.5));

    p.setBrush(Qt::white);
    p.drawRect(QRectF(centre.x() - 4, centre.y() - 1, 8, 2));
}

void drawReload(QPainter& p, const QSizeF& size) {
    // A band round most of a circle, turning clockwise, with a broad head on top pointing down to
    // the right, so the turn still reads at 16 pixels.
    const qreal s = size.width() / 16;
    const QPointF centre(size.width() / 2, size.height() / 2 + 0.4 * s);
    const qreal outer = 6.0 * s, inner = 3.7 * s, middle = (outer + inner) / 2, reach = 3.1 * s;
    const qreal headAt = 108, tipAt = 40, tailAt = 360 + 10; // degrees, counter-clockwise from 3 o'clock
    auto polar = [&](qreal degrees, qreal radius) {
        const qreal a = degrees * std::numbers::pi / 180;
        return centre + QPointF(std::cos(a) * radius, -std::sin(a) * radius);
    };

    QPainterPath band;
    const QRectF outerRing(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerRing(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    band.arcMoveTo(outerRing, headAt + 2);
    band.arcTo(outerRing, headAt + 2, tailAt - headAt - 2);
    band.arcTo(innerRing, tailAt, headAt + 2 - tailAt);
    band.closeSubpath();

    QPolygonF head;
    head << polar(headAt, middle + reach) << polar(headAt, middle - reach) << polar(tipAt, middle);
    QPainterPath arrow;
    arrow.addPolygon(head);
    arrow.closeSubpath();
    const QPainterPath shape = band.united(arrow);

    QRadialGradient green(centre - QPointF(2, 3), size.width() * 0.7);
    green.setColorAt(0.0, QColor(0x7c, 0xe0, 0x8a));
    green.setColorAt(0.6, QColor(0x2f, 0xa8, 0x4c));
    green.setColorAt(1.0, QColor(0x17, 0x70, 0x30));
    QPen outline(QColor(0x0c, 0x3f, 0x1b), 0.9);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(green);
    p.drawPath(shape);
}

} // namespace art

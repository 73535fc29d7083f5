// Desktop card icons for more everyday topics: winning, travel, science, making things and the
// tools of a computer.

#include "cards.h"

#include <QPen>

#include <array>
#include <cmath>

namespace art::cards {

void trophy(QPainter& p) {
    const QColor gold = kYellow.darker(104);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath handle;
        handle.moveTo(16 + side * 7.5, 6);
        handle.cubicTo(16 + side * 14, 6, 16 + side * 13.5, 14.5, 16 + side * 5, 15.5);
        fill(p, thick(handle, 2.2), gold.darker(108), 0.8);
    }
    QPainterPath cup;
    cup.moveTo(7, 3.5);
    cup.lineTo(25, 3.5);
    cup.cubicTo(25, 13, 21, 17.5, 16, 17.5);
    cup.cubicTo(11, 17.5, 7, 13, 7, 3.5);
    cup.closeSubpath();
    fill(p, cup, gold, 1.0, Shade::Round);
    fill(p, star(QPointF(16, 9.5), 3.6, 1.5), gold.lighter(118), 0.6);
    fill(p, polygon({{14.5, 17}, {17.5, 17}, {18, 22}, {14, 22}}), gold.darker(110), 0.8);
    fill(p, box(10.5, 21.5, 11, 2.6, 1), gold);
    fill(p, box(8, 24, 16, 6, 1), kBrown.darker(110));
    fill(p, box(12, 25.6, 8, 2.8, 0.5), gold.lighter(110), 0.6);
}

void rocket(QPainter& p) {
    // Drawn pointing straight up about (0, 0), then turned to climb to the upper right.
    QTransform t;
    t.translate(16.5, 15.5);
    t.rotate(45);
    QPainterPath flame;
    flame.moveTo(-3.2, 8);
    flame.cubicTo(-3, 13, -1, 15, 0, 17.5);
    flame.cubicTo(1, 15, 3, 13, 3.2, 8);
    flame.closeSubpath();
    fill(p, t.map(flame), kOrange, 0.7);
    fill(p, t.map(ellipse(QPointF(0, 10.5), 1.6, 3)), kYellow, 0);
    for (const qreal side : {-1.0, 1.0})
        fill(p, t.map(polygon({{side * 3.5, 0}, {side * 8, 6.5}, {side * 8, 10}, {side * 3.5, 7}})), kRed);
    QPainterPath body;
    body.moveTo(0, -14);
    body.cubicTo(4, -10, 5, -5, 4.5, 8.5);
    body.lineTo(-4.5, 8.5);
    body.cubicTo(-5, -5, -4, -10, 0, -14);
    body.closeSubpath();
    fill(p, t.map(body), kSnow, 1.0, Shade::Round);
    p.save();
    p.setClipPath(t.map(body));
    fill(p, t.map(box(-6, -15, 12, 6.5)), kRed, 0);
    fill(p, t.map(box(-6, 6.5, 12, 2.5)), kSilver, 0);
    p.restore();
    line(p, t.map(body), withAlpha(kCharcoal, 220), 1.0);
    fill(p, t.map(box(-1, 7, 2, 9)), kRed.darker(110), 0.7);
    fill(p, t.map(circle(QPointF(0, -2.5), 2.7)), kSilver, 0.8);
    fill(p, t.map(circle(QPointF(0, -2.5), 1.8)), kSky, 0, Shade::Round);
}

void key(QPainter& p) {
    const QColor brass(0xe8, 0xb8, 0x3c);
    QTransform t;
    t.translate(16, 16);
    t.rotate(-40);
    QPainterPath shape = circle(QPointF(-8, 0), 6.2);
    shape = shape.united(box(-3, -1.8, 16, 3.6, 0.8));
    shape = shape.united(box(7.5, 1, 2.4, 4.8, 0.5)).united(box(11, 1, 2.2, 3.6, 0.5));
    shape = shape.united(box(-3, -2.8, 2.4, 5.6, 0.8));
    shape = shape.subtracted(circle(QPointF(-9.2, 0), 2.6)).simplified();
    fill(p, t.map(shape), brass, 1.0, Shade::Round);
    line(p, t.map(polyline({{-1, -0.4}, {11, -0.4}})), withAlpha(Qt::white, 140), 0.8);
}

void shield(QPainter& p) {
    QPainterPath shape;
    shape.moveTo(16, 2.5);
    shape.cubicTo(20, 5, 24, 5.5, 27.5, 5.5);
    shape.cubicTo(27.5, 18, 24, 25, 16, 30);
    shape.cubicTo(8, 25, 4.5, 18, 4.5, 5.5);
    shape.cubicTo(8, 5.5, 12, 5, 16, 2.5);
    shape.closeSubpath();
    fill(p, shape, kBlue, 1.0, Shade::Round);
    QPainterPath inner;
    inner.moveTo(16, 5.2);
    inner.cubicTo(19.3, 7.2, 22.4, 7.8, 25.2, 7.9);
    inner.cubicTo(24.9, 17.8, 22, 23.6, 16, 27.4);
    inner.cubicTo(10, 23.6, 7.1, 17.8, 6.8, 7.9);
    inner.cubicTo(9.6, 7.8, 12.7, 7.2, 16, 5.2);
    line(p, inner, withAlpha(Qt::white, 120), 0.9);
    fill(p, thick(polyline({{10.5, 15.5}, {14.5, 19.5}, {21.5, 11.5}}), 3.2), kSnow, 0.8);
}

void flask(QPainter& p) {
    QPainterPath glass;
    glass.moveTo(12.5, 4);
    glass.lineTo(12.5, 12);
    glass.lineTo(4.5, 25.5);
    glass.cubicTo(3.5, 27.5, 4.5, 29.5, 7, 29.5);
    glass.lineTo(25, 29.5);
    glass.cubicTo(27.5, 29.5, 28.5, 27.5, 27.5, 25.5);
    glass.lineTo(19.5, 12);
    glass.lineTo(19.5, 4);
    glass.closeSubpath();
    fill(p, glass, QColor(0xe6, 0xf2, 0xfa), 0);
    p.save();
    p.setClipPath(glass);
    fill(p, box(0, 18.5, 32, 14), kGreen.lighter(112), 0);
    line(p, polyline({{0, 18.5}, {32, 18.5}}), withAlpha(Qt::white, 190), 1.0);
    for (const auto& [at, radius] : {std::pair{QPointF(13, 24.5), 1.4},
                                     {QPointF(18.5, 22), 1.0},
                                     {QPointF(16, 27), 0.8},
                                     {QPointF(21, 26.5), 1.2}})
        line(p, circle(at, radius), withAlpha(Qt::white, 210), 0.7);
    p.restore();
    line(p, glass, withAlpha(kNavy, 220), 1.1);
    fill(p, box(11, 2.5, 10, 2.6, 1.2), kSilver, 0.8);
    line(p, polyline({{14.5, 6}, {14.5, 12.5}, {9, 21.5}}), withAlpha(Qt::white, 220), 1.0);
    for (const auto& [at, radius] : {std::pair{QPointF(21.5, 9), 1.0}, {QPointF(24, 5.5), 1.3}})
        line(p, circle(at, radius), withAlpha(kGreen.darker(110), 200), 0.7);
}

void palette(QPainter& p) {
    QPainterPath board = blob({{16, 3}, {29.5, 6}, {30, 18}, {24, 29}, {10, 29}, {2.5, 21}, {3, 8}});
    board = board.subtracted(ellipse(QPointF(11, 21.5), 2.6, 2.2));
    board = board.subtracted(circle(QPointF(21.5, 29.5), 3.5));
    fill(p, board.simplified(), QColor(0xe0, 0xb0, 0x74), 1.0, Shade::Round);
    for (const auto& [at, colour] : {std::pair{QPointF(9, 12), kRed},
                                     {QPointF(15, 8), kYellow},
                                     {QPointF(22, 9), kGreen},
                                     {QPointF(25.5, 15.5), kBlue},
                                     {QPointF(24, 22), kPurple}})
        fill(p, ellipse(at, 2.6, 2.3), colour, 0.7, Shade::Round);
    // A brush laid across the board, its tip loaded with red.
    QTransform t;
    t.translate(14.5, 17);
    t.rotate(-35);
    fill(p, t.map(box(-1, -1, 13, 2, 1)), kBrown.darker(105), 0.7);
    fill(p, t.map(box(-3.5, -1.3, 3, 2.6, 0.3)), kSilver, 0.6);
    QPainterPath bristles;
    bristles.moveTo(-3.4, -1.3);
    bristles.cubicTo(-6, -1.3, -7.5, 0, -8.5, 0);
    bristles.cubicTo(-7.5, 0, -6, 1.3, -3.4, 1.3);
    bristles.closeSubpath();
    fill(p, t.map(bristles), kRed, 0.6);
}

} // namespace art::cards

// Desktop card icons for more everyday topics: winning, travel, science, making things and the
// tools of a computer.

#include "cards.h"

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

void pencil(QPainter& p) {
    // Drawn lying along +x with its point at the origin, then tilted to write down to the left.
    QTransform t;
    t.translate(4, 28);
    t.rotate(-45);
    fill(p, t.map(polygon({{0, 0}, {7, -3.4}, {7, 3.4}})), QColor(0xf2, 0xd2, 0xa4), 0.9);
    fill(p, t.map(polygon({{0, 0}, {2.6, -1.3}, {2.6, 1.3}})), kCharcoal, 0);
    const QPainterPath body = box(7, -3.4, 20, 6.8);
    fill(p, t.map(body), kYellow.darker(104));
    line(p, t.map(polyline({{7.5, -1.1}, {26.5, -1.1}})), withAlpha(Qt::white, 150), 0.8);
    line(p, t.map(polyline({{7.5, 1.3}, {26.5, 1.3}})), withAlpha(kOrange.darker(120), 150), 0.8);
    fill(p, t.map(box(27, -3.4, 3.5, 6.8)), kSilver, 0.9);
    fill(p, t.map(box(30.5, -3.4, 4, 6.8, 1.8).united(box(30.5, -3.4, 2, 6.8))), kPink, 0.9);
}

void scissors(QPainter& p) {
    const QPointF pivot(16, 15);
    // Each half is a blade reaching up past the pivot and a ring for the fingers below it.
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath blade;
        blade.moveTo(pivot + QPointF(-side * 2, 3));
        blade.lineTo(pivot + QPointF(side * 8, -12.5));
        blade.lineTo(pivot + QPointF(side * 9.5, -11.5));
        blade.lineTo(pivot + QPointF(side * 1.8, 4.5));
        blade.closeSubpath();
        const QPointF ring = pivot + QPointF(-side * 6.5, 10);
        QPainterPath arm = thick(polyline({pivot + QPointF(-side * 1, 2), ring}), 2.6);
        arm = arm.united(circle(ring, 4.6)).subtracted(circle(ring, 2.6)).simplified();
        fill(p, arm, kRed, 1.0);
        fill(p, blade, kSilver, 0.9);
        line(p, polyline({pivot + QPointF(side * 0.5, -1), pivot + QPointF(side * 7.6, -11.2)}),
             withAlpha(Qt::white, 170), 0.7);
    }
    fill(p, circle(pivot, 1.5), kGrey, 0.7, Shade::Round);
}

void printer(QPainter& p) {
    // The paper waiting at the back, the machine, and a printed page coming out of the front.
    fill(p, box(9, 2.5, 14, 10), kPaper);
    fill(p, box(3, 10, 26, 12.5, 2.5), kSilver.darker(104));
    fill(p, box(6, 11.8, 20, 2, 0.8), kCharcoal, 0);
    fill(p, circle(QPointF(25, 16.5), 1.2), kGreen, 0.6);
    fill(p, box(3, 19, 26, 4.5, 1.5), kGrey.darker(108));
    const QPainterPath page = box(8, 20.5, 16, 9.5);
    fill(p, page, kPaper);
    fill(p, box(10, 22.5, 5, 3.5, 0.4), kSky, 0);
    for (const qreal y : {23.0, 25.5})
        line(p, polyline({{16.5, y}, {21.5, y}}), withAlpha(kGrey, 200), 0.9);
    line(p, polyline({{10, 28}, {19, 28}}), withAlpha(kGrey, 200), 0.9);
    fill(p, box(5.5, 19.8, 21, 1.2, 0.5), kCharcoal, 0);
}

void wifi(QPainter& p) {
    const QPointF c(16, 26);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 7 + i * 6;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 135);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 135, -90);
        fill(p, thick(arc, 3.4), kBlue, 1.0, Shade::Round);
    }
    fill(p, circle(c, 2.6), kBlue, 1.0, Shade::Round);
}

void contacts(QPainter& p) {
    // Two people, one standing a little behind the other.
    const auto person = [&](QPointF head, qreal size, const QColor& shirt) {
        QPainterPath shoulders;
        const qreal w = size * 1.55, top = head.y() + size * 1.15;
        shoulders.moveTo(head.x() - w, top + size * 1.9);
        shoulders.cubicTo(head.x() - w, top, head.x() - w * 0.6, top - size * 0.2, head.x(),
                          top - size * 0.2);
        shoulders.cubicTo(head.x() + w * 0.6, top - size * 0.2, head.x() + w, top, head.x() + w,
                          top + size * 1.9);
        shoulders.closeSubpath();
        fill(p, shoulders, shirt, 1.0, Shade::Round);
        fill(p, circle(head, size), kSkin, 0.9, Shade::Round);
    };
    person(QPointF(21.5, 8.5), 4.2, kTeal);
    person(QPointF(12, 12), 5, kBlue);
}

void photo(QPainter& p) {
    // A print with a white border: sky, a sun and two hills.
    fill(p, turned(box(4, 5.5, 25, 21, 1.2), QPointF(16, 16), -6), kSilver, 0.8);
    fill(p, box(3, 5, 26, 22, 1.2), kPaper);
    const QPainterPath picture = box(5.5, 7.5, 21, 15);
    fill(p, picture, kSky, 0);
    p.save();
    p.setClipPath(picture);
    fill(p, circle(QPointF(21.5, 11.5), 2.4), kYellow, 0.6, Shade::Round);
    fill(p, polygon({{3, 24}, {12, 12}, {20, 24}}), kGreen.darker(110), 0.7);
    fill(p, polygon({{13, 24}, {20, 16}, {29, 24}}), kGreen, 0.7);
    fill(p, polygon({{12, 12}, {14, 14.7}, {12, 14}, {10, 14.7}}), kSnow, 0);
    p.restore();
    line(p, picture, withAlpha(kGrey, 160), 0.7);
}

void stocksChart(QPainter& p) {
    line(p, polyline({{4, 3}, {4, 28}, {29.5, 28}}), kCharcoal, 1.5);
    for (const auto& [x, height] : {std::pair{7.0, 6.0}, {13.0, 10.0}, {19.0, 8.0}, {25.0, 14.0}})
        fill(p, box(x, 27.2 - height, 4, height), kSky.darker(104), 0.8);
    const QPainterPath trend = polyline({{6, 18.5}, {12, 13}, {17.5, 16}, {25, 7.5}});
    fill(p, thick(trend, 2.4), kGreen, 0.8);
    fill(p, polygon({{21.5, 5.5}, {28.5, 3.5}, {27, 10.5}}), kGreen, 0.8);
}

void terminal(QPainter& p) {
    fill(p, box(2.5, 4.5, 27, 23, 2.5), QColor(0x22, 0x28, 0x36));
    fill(p, box(2.5, 4.5, 27, 5, 2.5).united(box(2.5, 7, 27, 2.5)), kSilver.darker(110), 0);
    line(p, box(2.5, 4.5, 27, 23, 2.5), withAlpha(QColor(0x10, 0x14, 0x24), 230), 1.0);
    for (const auto& [x, colour] : {std::pair{5.5, kRed}, {8.5, kYellow}, {11.5, kGreen}})
        dot(p, QPointF(x, 7), 1.0, colour);
    const QColor glow(0x5c, 0xe0, 0x7a);
    line(p, polyline({{6.5, 13}, {10.5, 16.5}, {6.5, 20}}), glow, 1.8);
    line(p, polyline({{12.5, 21}, {18.5, 21}}), glow, 1.8);
    line(p, polyline({{6.5, 24.5}, {17, 24.5}}), withAlpha(kSilver, 120), 1.0);
}

void coins(QPainter& p) {
    const QColor gold = kYellow.darker(106);
    // A stack at the back, then one big coin standing in front of it.
    for (int i = 0; i < 5; ++i) {
        const qreal y = 27 - i * 3;
        fill(p, box(3, y - 2, 14, 3.4, 1.2), gold.darker(112), 0.8);
        fill(p, ellipse(QPointF(10, y - 2), 7, 1.6), gold, 0.8);
    }
    const QPointF c(21, 19.5);
    fill(p, circle(c, 9.5), gold, 1.0, Shade::Round);
    line(p, circle(c, 7.3), withAlpha(gold.darker(150), 200), 0.8);
    p.setFont(dejaVuSans(12, true));
    p.setPen(gold.darker(170));
    p.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("$"));
}

void train(QPainter& p) {
    // A steam engine puffing to the left along its rail.
    fill(p, cloudShape(1, 13, 7, 6.5), kSnow, 0.8);
    line(p, polyline({{1, 29.5}, {31, 29.5}}), kGrey, 1.2);
    fill(p, box(7, 7, 4, 6, 0.6).united(box(6, 5.5, 6, 2, 0.6)), kCharcoal);
    fill(p, box(3, 12, 17, 9, 4), kRed);
    fill(p, circle(QPointF(4, 16.5), 2.2), kCharcoal.lighter(120), 0.8);
    fill(p, box(14, 11, 4, 2.5, 1), kYellow.darker(104), 0.7);
    fill(p, box(19, 5.5, 11.5, 15.5, 1), kRed.darker(108));
    fill(p, box(17.5, 4, 14.5, 2.6, 1), kCharcoal);
    fill(p, box(21.5, 8, 6.5, 5, 0.8), kSky, 0.7);
    fill(p, box(2, 21, 29, 2.5, 1), kCharcoal);
    fill(p, polygon({{3, 21.5}, {0.5, 26}, {4.5, 26}}), kCharcoal, 0.8);
    for (const auto& [x, r] : {std::pair{9.0, 3.2}, {16.0, 3.2}, {25.0, 4.4}}) {
        const QPointF hub(x, 29.3 - r);
        fill(p, circle(hub, r), kCharcoal.lighter(110), 0.8, Shade::Round);
        dot(p, hub, r * 0.35, kSilver);
    }
    line(p, polyline({{9, 26}, {25, 24.9}}), kSilver, 1.0);
}

void ship(QPainter& p) {
    // An ocean liner on a choppy sea.
    for (const qreal x : {12.0, 20.0}) {
        fill(p, box(x - 2.2, 4, 4.4, 9, 0.6), kRed);
        fill(p, box(x - 2.2, 4, 4.4, 2.4, 0.6).united(box(x - 2.2, 5, 4.4, 1.4)), kCharcoal, 0);
    }
    fill(p, box(7, 12, 18, 5, 1), kSnow);
    fill(p, box(9.5, 9.5, 13, 3, 0.8), kSnow);
    QPainterPath hull;
    hull.moveTo(1.5, 16.5);
    hull.lineTo(30.5, 16.5);
    hull.lineTo(27, 25);
    hull.lineTo(5, 25);
    hull.closeSubpath();
    fill(p, hull, kNavy);
    p.save();
    p.setClipPath(hull);
    fill(p, box(0, 22.5, 32, 4), kRed, 0);
    p.restore();
    for (int i = 0; i < 5; ++i)
        dot(p, QPointF(8 + i * 4, 19.3), 0.95, kSky.lighter(115));
    QPainterPath sea;
    sea.moveTo(0, 26.5);
    for (int i = 0; i < 4; ++i)
        sea.quadTo(4 + i * 8, 23.5, 8 + i * 8, 26.5);
    sea.lineTo(32, 31);
    sea.lineTo(0, 31);
    sea.closeSubpath();
    fill(p, sea, kBlue);
}

void firstAid(QPainter& p) {
    QPainterPath handle;
    handle.moveTo(11, 8);
    handle.lineTo(11, 5.5);
    handle.cubicTo(11, 4, 12, 3.5, 13, 3.5);
    handle.lineTo(19, 3.5);
    handle.cubicTo(20, 3.5, 21, 4, 21, 5.5);
    handle.lineTo(21, 8);
    fill(p, thick(handle, 2.2), kCharcoal.lighter(120), 0.8);
    fill(p, box(2.5, 7.5, 27, 21, 3), kRed);
    line(p, polyline({{3, 11}, {29, 11}}), withAlpha(kRed.darker(150), 170), 0.8);
    fill(p, box(13.3, 12, 5.4, 14, 0.8).united(box(9, 16.3, 14, 5.4, 0.8)), kSnow, 0.8);
}

void pizza(QPainter& p) {
    // A slice with its point down, the crust along the top.
    const QPainterPath slice = polygon({{4, 6}, {28, 6}, {16, 30}});
    fill(p, slice, QColor(0xf8, 0xc8, 0x4c));
    p.save();
    p.setClipPath(slice);
    for (const QPointF& at :
         {QPointF(10.5, 11), QPointF(19.5, 10.5), QPointF(15, 17.5), QPointF(21.5, 15), QPointF(15.5, 24)})
        fill(p, circle(at, 2.4), kRed, 0.7, Shade::Round);
    for (const QPointF& at : {QPointF(13.5, 12.8), QPointF(18, 20.5), QPointF(11.5, 15.8)})
        fill(p, turned(ellipse(at, 1.4, 0.7), at, 35), kGreen, 0);
    p.restore();
    fill(p, box(2.5, 3, 27, 5, 2.5), kCookie);
    line(p, polyline({{5, 4.6}, {26.5, 4.6}}), withAlpha(Qt::white, 100), 0.8);
}

void birthdayCake(QPainter& p) {
    // Three candles on a layered cake with pink icing.
    for (const qreal x : {10.0, 16.0, 22.0}) {
        fill(p, box(x - 1.1, 6.5, 2.2, 6.5, 0.5), x == 16 ? kBlue : kYellow, 0.6);
        flame(p, QPointF(x, 1.5), 4.4);
    }
    fill(p, ellipse(QPointF(16, 28), 14, 2.6), kSilver.lighter(112));
    QPainterPath cake;
    cake.moveTo(4, 15);
    cake.lineTo(4, 26);
    cake.cubicTo(4, 29, 28, 29, 28, 26);
    cake.lineTo(28, 15);
    cake.closeSubpath();
    fill(p, cake, QColor(0xf6, 0xe4, 0xc8));
    line(p, polyline({{4.5, 21}, {27.5, 21}}), withAlpha(kPink.darker(110), 220), 1.6);
    QPainterPath icing;
    icing.moveTo(3.5, 15);
    icing.cubicTo(3.5, 10.5, 28.5, 10.5, 28.5, 15);
    for (int i = 0; i < 5; ++i) {
        const qreal right = 28.5 - i * 5, left = right - 5;
        icing.cubicTo(right, 18.5 - (i % 2) * 1.5, left + 2.5, 18.5 - (i % 2) * 1.5, left + 2.5, 16.2);
        icing.quadTo(left + 1, 15.5, left, 15.5);
    }
    icing.closeSubpath();
    fill(p, icing, kPink);
    for (const QPointF& sprinkle :
         {QPointF(9, 13.5), QPointF(13, 12.5), QPointF(19, 12.6), QPointF(23, 13.6)})
        dot(p, sprinkle, 0.6, kSnow);
}

void cat(QPainter& p) {
    const QColor fur(0x9a, 0xa2, 0xae);
    QPainterPath head = ellipse(QPointF(16, 18.5), 12.5, 10.5);
    for (const qreal side : {-1.0, 1.0})
        head = head.united(polygon({{16 + side * 4, 10}, {16 + side * 12, 2.5}, {16 + side * 12.5, 14}}));
    fill(p, head.simplified(), fur, 1.0, Shade::Round);
    for (const qreal side : {-1.0, 1.0})
        fill(p, polygon({{16 + side * 6.5, 9.5}, {16 + side * 11, 5.5}, {16 + side * 11.2, 11.5}}),
             QColor(0xf2, 0xb4, 0xc4), 0);
    // Tabby stripes on the brow.
    line(p, polyline({{16, 9}, {16, 12.5}}), withAlpha(kCharcoal, 140), 1.2);
    line(p, polyline({{12.5, 9.5}, {13.3, 12}}), withAlpha(kCharcoal, 140), 1.1);
    line(p, polyline({{19.5, 9.5}, {18.7, 12}}), withAlpha(kCharcoal, 140), 1.1);
    fill(p, ellipse(QPointF(16, 23.2), 6, 4.3), QColor(0xec, 0xee, 0xf2), 0);
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(16 + side * 5, 16.5);
        fill(p, ellipse(eye, 2.4, 2.6), QColor(0x8c, 0xcc, 0x4a), 0.7, Shade::Round);
        fill(p, ellipse(eye, 0.7, 2.1), kCharcoal, 0);
    }
    fill(p, polygon({{14.6, 20.5}, {17.4, 20.5}, {16, 22.2}}), kPink, 0.6);
    QPainterPath mouth;
    mouth.moveTo(13.8, 23.2);
    mouth.quadTo(16, 24.8, 16, 22.2);
    mouth.quadTo(16, 24.8, 18.2, 23.2);
    line(p, mouth, kCharcoal, 0.7);
    QPainterPath whiskers;
    for (const qreal side : {-1.0, 1.0})
        for (const qreal dy : {-1.0, 1.0}) {
            whiskers.moveTo(16 + side * 5, 22.5 + dy * 0.5);
            whiskers.lineTo(16 + side * 13, 21.5 + dy * 2.2);
        }
    line(p, whiskers, withAlpha(kCharcoal, 200), 0.6);
}

void dog(QPainter& p) {
    const QColor coat(0xf2, 0xe2, 0xc8);
    const QColor ears(0x9a, 0x5c, 0x2e);
    fill(p, box(9, 24.5, 14, 3.5, 1.5), kRed, 0.8);
    fill(p, circle(QPointF(16, 29), 2.2), kYellow.darker(104), 0.7, Shade::Round);
    fill(p, blob({{7, 5}, {25, 5}, {25.5, 18}, {22, 27}, {10, 27}, {6.5, 18}}), coat, 1.0, Shade::Round);
    // A brown patch over one eye, and long ears hanging down either side.
    fill(p, ellipse(QPointF(20.5, 12.5), 4, 3.8), mix(ears, coat, 0.3), 0);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(16 + side * 5.5, 4.5);
        ear.cubicTo(16 + side * 11, 3.5, 16 + side * 14, 8, 16 + side * 13.5, 16);
        ear.cubicTo(16 + side * 13, 21, 16 + side * 10, 22, 16 + side * 9, 19);
        ear.cubicTo(16 + side * 8, 15, 16 + side * 7.5, 9, 16 + side * 5.5, 4.5);
        ear.closeSubpath();
        fill(p, ear, ears);
    }
    fill(p, ellipse(QPointF(16, 20.5), 6.2, 4.8), QColor(0xfc, 0xf6, 0xec), 0);
    dot(p, QPointF(12, 13), 1.4, kCharcoal);
    dot(p, QPointF(20, 13), 1.4, kCharcoal);
    dot(p, QPointF(12.4, 12.5), 0.45, Qt::white);
    dot(p, QPointF(20.4, 12.5), 0.45, Qt::white);
    fill(p, ellipse(QPointF(16, 17.5), 2.8, 2), kCharcoal, 0.6, Shade::Round);
    QPainterPath mouth;
    mouth.moveTo(13, 21);
    mouth.quadTo(16, 23.5, 16, 19.5);
    mouth.quadTo(16, 23.5, 19, 21);
    line(p, mouth, kCharcoal, 0.8);
    fill(p, blob({{14.5, 22}, {17.5, 22}, {17.8, 25.5}, {14.2, 25.5}}), kPink, 0.6);
}

} // namespace art::cards

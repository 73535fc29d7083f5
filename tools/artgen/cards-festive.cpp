// Desktop card icons with holiday motifs.

#include "cards.h"

#include <QPen>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace art::cards {

void tree(QPainter& p, const QColor& boughs, bool snowy) {
    fill(p, box(14, 24.5, 4, 5.5, 0.8), kBrown);
    const QPainterPath shape = polygon({{16, 3},
                                        {21.5, 10},
                                        {19.5, 10},
                                        {25.5, 17},
                                        {22.5, 17},
                                        {28.5, 25.5},
                                        {3.5, 25.5},
                                        {9.5, 17},
                                        {6.5, 17},
                                        {12.5, 10},
                                        {10.5, 10}});
    fill(p, shape, boughs);
    if (snowy) {
        // Snow lying along the lower edge of each tier.
        for (const auto& [y, half] : {std::pair{10.0, 5.0}, {17.0, 9.0}, {25.5, 12.5}}) {
            QPainterPath drift;
            drift.moveTo(16 - half, y);
            for (int i = 0; i < 4; ++i) {
                const qreal x0 = 16 - half + i * half / 2;
                drift.quadTo(x0 + half / 4, y - 3.2, x0 + half / 2, y - 0.3);
            }
            drift.lineTo(16 - half, y);
            fill(p, drift, kSnow, 0.7);
        }
        fill(p, star(QPointF(16, 4), 3.4, 1.5), QColor(0xe8, 0xf2, 0xff), 0.8);
        return;
    }
    berry(p, QPointF(13, 14), 1.5);
    fill(p, circle(QPointF(20, 21.5), 1.7), kBlue, 0.7, Shade::Round);
    fill(p, circle(QPointF(10.5, 22), 1.6), kYellow, 0.7, Shade::Round);
    berry(p, QPointF(17.5, 18), 1.5);
    fill(p, star(QPointF(16, 4), 3.6, 1.6), kYellow, 0.8);
}

void goldStar(QPainter& p, const QColor& colour) {
    QPainterPath shape = star(QPointF(16, 17), 14.5, 6.2);
    fill(p, shape, colour, 1.1, Shade::Round);
    // A lighter facet down the upper left of each point gives it a bevelled look.
    for (int i = 0; i < 5; ++i) {
        const qreal a = -90 + i * 72;
        fill(p,
             polygon({QPointF(16, 17), polar(QPointF(16, 17), a, 14.5), polar(QPointF(16, 17), a - 36, 6.2)}),
             withAlpha(Qt::white, 70), 0);
    }
}

void bell(QPainter& p, const QColor& metal) {
    fill(p, circle(QPointF(16, 26.2), 2.6), metal.darker(120), 0.9, Shade::Round);
    QPainterPath body;
    body.moveTo(5, 24);
    body.cubicTo(8.5, 21, 8.5, 17, 8.5, 13.5);
    body.cubicTo(8.5, 8.5, 12, 5.5, 16, 5.5);
    body.cubicTo(20, 5.5, 23.5, 8.5, 23.5, 13.5);
    body.cubicTo(23.5, 17, 23.5, 21, 27, 24);
    body.closeSubpath();
    fill(p, body, metal, 1.0, Shade::Round);
    fill(p, box(4.5, 22.5, 23, 3.2, 1.6), metal.darker(106));
    line(p, polyline({{11, 10}, {10.5, 16}}), withAlpha(Qt::white, 150), 1.3);
    bow(p, QPointF(16, 5), 4.2, kRed);
}

void gift(QPainter& p, const QColor& paper, const QColor& ribbon) {
    fill(p, box(5, 13.5, 22, 16, 1.5), paper);
    fill(p, box(13.8, 13.8, 4.4, 15.4), ribbon, 0);
    fill(p, box(3.5, 9.5, 25, 5.5, 1.5), paper.lighter(106));
    fill(p, box(13.6, 9.8, 4.8, 4.9), ribbon.lighter(104), 0);
    line(p, polyline({{5.5, 15.6}, {26.5, 15.6}}), withAlpha(paper.darker(170), 120), 0.8);
    bow(p, QPointF(16, 8.2), 6, ribbon);
}

void candyCane(QPainter& p) {
    QPainterPath spine;
    spine.moveTo(11.5, 29);
    spine.lineTo(11.5, 11);
    spine.cubicTo(11.5, 4.5, 22.5, 4.5, 22.5, 11);
    spine.lineTo(22.5, 13.5);
    const QPainterPath cane = thick(spine, 5.6);
    fill(p, cane, kSnow);
    p.save();
    p.setClipPath(cane);
    for (int i = -4; i < 10; ++i) {
        const qreal y = 2 + i * 4.2;
        line(p, polyline({{0, y + 9}, {32, y - 9}}), kRed, 1.9);
    }
    p.restore();
    line(p, cane, withAlpha(kRed.darker(220), 220), 0.9);
    line(p, polyline({{10.3, 27}, {10.3, 12}}), withAlpha(Qt::white, 150), 1.0);
}

void snowman(QPainter& p) {
    fill(p, circle(QPointF(16, 22.5), 7.8), kSnow, 1.0, Shade::Round);
    fill(p, circle(QPointF(16, 11.5), 5.6), kSnow, 1.0, Shade::Round);
    // Scarf.
    fill(p, polygon({{19, 16}, {22.5, 15.5}, {23.5, 21}, {20.5, 21}}), kRed.darker(110), 0.8);
    fill(p, box(10, 15.2, 12, 3, 1.5), kRed, 0.8);
    // Hat.
    fill(p, box(11.5, 1.5, 9, 6.5, 1), kCharcoal);
    fill(p, box(9, 7, 14, 2.2, 1), kCharcoal);
    fill(p, box(11.6, 5.3, 8.8, 1.4), kRed, 0);
    // Face and buttons.
    dot(p, QPointF(14, 11), 0.9, kCharcoal);
    dot(p, QPointF(18, 11), 0.9, kCharcoal);
    fill(p, polygon({{16, 12.3}, {20.5, 13.6}, {16, 14.2}}), kOrange, 0.6);
    for (const qreal y : {20.5, 24.5})
        dot(p, QPointF(16, y), 1.1, kCharcoal);
}

void snowflake(QPainter& p, const QColor& colour) {
    const QPointF c(16, 16);
    QPainterPath arms;
    for (int i = 0; i < 6; ++i) {
        const qreal a = -90 + i * 60;
        arms.moveTo(c);
        arms.lineTo(polar(c, a, 13));
        for (const auto& [along, length] : {std::pair{6.0, 4.2}, {9.8, 3.0}}) {
            const QPointF base = polar(c, a, along);
            arms.moveTo(base);
            arms.lineTo(polar(base, a - 50, length));
            arms.moveTo(base);
            arms.lineTo(polar(base, a + 50, length));
        }
    }
    fill(p, thick(arms, 2.3).united(star(c, 4.2, 3.2, 6)), colour, 0.9);
}

void holly(QPainter& p) {
    leafAt(p, QPointF(15, 17), 200, 13, kGreen);
    leafAt(p, QPointF(17, 17), -20, 13, kPine.lighter(115));
    leafAt(p, QPointF(16, 18), 100, 11, kPine);
    berry(p, QPointF(13.5, 14.5), 2.8);
    berry(p, QPointF(18.8, 14), 2.8);
    berry(p, QPointF(16, 18.6), 2.8);
}

void stocking(QPainter& p, const QColor& colour, const QColor& stripe) {
    QPainterPath sock;
    sock.moveTo(10.5, 8);
    sock.lineTo(21.5, 8);
    sock.lineTo(21.5, 20);
    sock.cubicTo(21.5, 26, 17.5, 29.5, 12, 29.5);
    sock.lineTo(7.5, 29.5);
    sock.cubicTo(3, 29.5, 2.5, 23, 6.5, 22.5);
    sock.lineTo(10.5, 21.5);
    sock.closeSubpath();
    fill(p, sock, colour);
    p.save();
    p.setClipPath(sock);
    for (const qreal y : {12.5, 17.0})
        fill(p, box(0, y, 32, 2), withAlpha(stripe, 230), 0);
    fill(p, circle(QPointF(5, 27), 4.2), withAlpha(stripe, 230), 0);
    p.restore();
    line(p, sock, withAlpha(mix(colour, QColor(0x10, 0x14, 0x24), 0.62), 230), 1.0);
    fill(p, box(9, 2.5, 14, 6.5, 2.2), kSnow);
    line(p, polyline({{21, 3}, {24.5, 1.5}}), kCharcoal, 0.9);
}

void ornament(QPainter& p, const QColor& colour) {
    line(p, circle(QPointF(16, 3.2), 1.7), QColor(0xb8, 0x8a, 0x1c), 1.0);
    const QPainterPath ball = circle(QPointF(16, 18.5), 11);
    fill(p, ball, colour, 1.0, Shade::Round);
    p.save();
    p.setClipPath(ball);
    QPainterPath zigzag;
    zigzag.moveTo(4, 18);
    for (int i = 0; i < 8; ++i)
        zigzag.lineTo(5.5 + i * 3, i % 2 == 0 ? 15.5 : 18.5);
    line(p, zigzag, withAlpha(mix(colour, Qt::white, 0.75), 230), 1.5);
    p.restore();
    fill(p, box(12.5, 5, 7, 3.5, 0.8), kYellow.darker(105));
    gleam(p, QPointF(11.5, 13.5), 1.8);
}

void candle(QPainter& p, const QColor& wax) {
    fill(p, ellipse(QPointF(16, 28), 10, 2.6), kYellow.darker(110));
    fill(p, box(11.5, 12, 9, 16, 1.5), wax);
    // A drip running down from the rim.
    fill(p, blob({{13, 12}, {17, 12}, {15.5, 18}, {14.5, 18}}), mix(wax, Qt::white, 0.3), 0);
    line(p, polyline({{16, 12}, {16, 10}}), kCharcoal, 1.0);
    flame(p, QPointF(16, 2.5), 8);
    leafAt(p, QPointF(12, 27), 160, 7, kGreen);
    leafAt(p, QPointF(20, 27), 20, 7, kGreen);
    berry(p, QPointF(16, 27), 1.7);
}

void sleigh(QPainter& p) {
    QPainterPath runner;
    runner.moveTo(4, 26.5);
    runner.lineTo(25, 26.5);
    runner.cubicTo(29, 26.5, 30, 22.5, 27.5, 21.5);
    line(p, runner, kCharcoal, 1.8);
    line(p, polyline({{9, 21}, {9, 26.5}}), kCharcoal, 1.5);
    line(p, polyline({{20, 21}, {20, 26.5}}), kCharcoal, 1.5);
    // A present peeping out of the seat.
    fill(p, box(10, 8, 7, 7, 0.8), kGreen);
    fill(p, box(12.7, 8.2, 1.6, 6.6), kYellow, 0);
    QPainterPath body;
    body.moveTo(3, 8);
    body.cubicTo(6.5, 7.5, 8, 10, 8, 14);
    body.lineTo(20, 14);
    body.cubicTo(23, 14, 23.5, 10.5, 26.5, 10.5);
    body.cubicTo(29.5, 10.5, 29.5, 15, 27, 18);
    body.cubicTo(25, 20.5, 22, 22.5, 17, 22.5);
    body.lineTo(8, 22.5);
    body.cubicTo(4.5, 22.5, 3, 19, 3, 15);
    body.closeSubpath();
    fill(p, body, kRed);
    line(p, polyline({{5, 18.5}, {23, 18.5}}), kYellow, 1.2);
}

void reindeer(QPainter& p) {
    QPainterPath antlers;
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF root(16 + side * 3.5, 9);
        antlers.moveTo(root);
        antlers.cubicTo(root + QPointF(side * 2, -3), root + QPointF(side * 5, -4),
                        root + QPointF(side * 8, -7.5));
        antlers.moveTo(root + QPointF(side * 3.2, -3.2));
        antlers.lineTo(root + QPointF(side * 2.4, -7.5));
        antlers.moveTo(root + QPointF(side * 6, -5.2));
        antlers.lineTo(root + QPointF(side * 9, -3.6));
    }
    fill(p, thick(antlers, 2.0), QColor(0xc8, 0x9a, 0x60), 0.8);
    for (const qreal side : {-1.0, 1.0})
        fill(p,
             turned(ellipse(QPointF(16 + side * 9, 12.5), 3.6, 1.8), QPointF(16 + side * 9, 12.5), side * 25),
             kBrown.lighter(110));
    fill(p, blob({{9, 9}, {23, 9}, {22, 22}, {19, 29}, {13, 29}, {10, 22}}), kBrown, 1.0, Shade::Round);
    fill(p, ellipse(QPointF(16, 24), 4.8, 4), QColor(0xe6, 0xc0, 0x96), 0);
    dot(p, QPointF(13, 16), 1.2, kCharcoal);
    dot(p, QPointF(19, 16), 1.2, kCharcoal);
    fill(p, circle(QPointF(16, 22.5), 2.8), kRed, 0.8, Shade::Round);
    gleam(p, QPointF(15, 21.5), 0.8);
}

void gingerbreadMan(QPainter& p) {
    QPainterPath limbs;
    limbs.moveTo(11, 14.5);
    limbs.lineTo(4.5, 17.5);
    limbs.moveTo(21, 14.5);
    limbs.lineTo(27.5, 17.5);
    limbs.moveTo(13.5, 20);
    limbs.lineTo(10, 28);
    limbs.moveTo(18.5, 20);
    limbs.lineTo(22, 28);
    QPainterPath shape = thick(limbs, 5.4);
    shape = shape.united(circle(QPointF(16, 7.5), 5.5)).united(box(10.5, 11.5, 11, 11, 4)).simplified();
    fill(p, shape, kCookie);
    const QColor icing(0xff, 0xfc, 0xf6);
    for (const auto& [a, b] : {std::pair{QPointF(6, 15.4), QPointF(6.8, 18.8)},
                               {QPointF(26, 15.4), QPointF(25.2, 18.8)},
                               {QPointF(8.9, 26.3), QPointF(12.1, 27.6)},
                               {QPointF(23.1, 26.3), QPointF(19.9, 27.6)}})
        line(p, polyline({a, b}), icing, 1.0);
    dot(p, QPointF(14, 6.5), 0.9, kCharcoal);
    dot(p, QPointF(18, 6.5), 0.9, kCharcoal);
    QPainterPath smile;
    smile.moveTo(13.8, 9);
    smile.quadTo(16, 11, 18.2, 9);
    line(p, smile, icing, 0.9);
    fill(p, circle(QPointF(16, 14.5), 1.2), kRed, 0.5);
    fill(p, circle(QPointF(16, 18), 1.2), kGreen, 0.5);
}

void wreath(QPainter& p) {
    const QPointF c(16, 15.5);
    fill(p, circle(c, 12.5).subtracted(circle(c, 6)), kPine, 1.0);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * 30 + 8;
        const QPointF at = polar(c, a, 9.3);
        fill(p, turned(ellipse(at, 3.2, 1.5), at, a + 60), i % 2 == 0 ? kGreen : kGreen.lighter(118), 0);
    }
    for (const qreal a : {-140.0, -60.0, 20.0, 160.0})
        berry(p, polar(c, a, 9.5), 1.6);
    bow(p, QPointF(16, 26.5), 4.8, kRed);
}

void angel(QPainter& p) {
    for (const qreal side : {-1.0, 1.0})
        fill(p,
             turned(ellipse(QPointF(16 + side * 7.5, 14), 6, 3.6), QPointF(16 + side * 7.5, 14), side * -30),
             QColor(0xde, 0xee, 0xff));
    QPainterPath robe;
    robe.moveTo(16, 11);
    robe.cubicTo(19.5, 11, 21, 15, 22, 20);
    robe.lineTo(24.5, 29.5);
    robe.lineTo(7.5, 29.5);
    robe.lineTo(10, 20);
    robe.cubicTo(11, 15, 12.5, 11, 16, 11);
    fill(p, robe, QColor(0xfa, 0xf4, 0xe2));
    line(p, polyline({{8.5, 27.8}, {23.5, 27.8}}), kYellow.darker(110), 1.2);
    fill(p, circle(QPointF(16, 8.5), 4.2), kSkin, 0.9, Shade::Round);
    fill(p, blob({{11.5, 8}, {12, 3.8}, {16, 3.5}, {20, 3.8}, {20.5, 8}, {16, 6.2}}), kYellow.darker(104),
         0.6);
    line(p, ellipse(QPointF(16, 2.2), 4.2, 1.2), kYellow.darker(110), 1.3);
    dot(p, QPointF(14.5, 9.2), 0.6, kCharcoal);
    dot(p, QPointF(17.5, 9.2), 0.6, kCharcoal);
}

void mitten(QPainter& p, const QColor& wool) {
    QPainterPath hand;
    hand.moveTo(8.5, 25);
    hand.lineTo(8.5, 12);
    hand.cubicTo(8.5, 6, 11.5, 3, 15.5, 3);
    hand.cubicTo(19.5, 3, 22, 6, 22, 11.5);
    hand.lineTo(22, 13.5);
    hand.cubicTo(23, 11.5, 26, 11, 27, 13.5);
    hand.cubicTo(28, 16, 25, 20, 22, 22);
    hand.lineTo(22, 25);
    hand.closeSubpath();
    fill(p, hand, wool);
    QPainterPath zigzag;
    zigzag.moveTo(9, 17);
    for (int i = 0; i < 6; ++i)
        zigzag.lineTo(10.5 + i * 2.2, i % 2 == 0 ? 14.5 : 17);
    line(p, zigzag, kSnow, 1.2);
    fill(p, box(7, 23.5, 16.5, 6, 2.2), kSnow);
    for (int i = 0; i < 5; ++i)
        line(p, polyline({{9.5 + i * 2.8, 24.8}, {9.5 + i * 2.8, 28.2}}), withAlpha(kGrey, 120), 0.8);
}

void cocoa(QPainter& p) {
    QPainterPath steam;
    for (const qreal x : {11.0, 16.0}) {
        steam.moveTo(x, 9);
        steam.cubicTo(x - 2.5, 6.5, x + 2.5, 4.5, x, 1.5);
    }
    line(p, steam, withAlpha(kGrey, 170), 1.3);
    fill(p, thick(ellipse(QPointF(24, 19.5), 4.2, 4.6), 2.6), kRed.darker(106));
    fill(p, box(4.5, 10.5, 19, 18.5, 3.5), kRed);
    fill(p, ellipse(QPointF(14, 11.5), 9, 2.2), QColor(0x7a, 0x44, 0x22));
    fill(p, box(8, 9.2, 3.5, 3, 0.8), kSnow, 0.7);
    fill(p, box(13.5, 9.5, 3.5, 3, 0.8), kSnow, 0.7);
    // A white snowflake band on the cup.
    line(p, polyline({{4.6, 20}, {23.4, 20}}), withAlpha(kSnow, 230), 2.4);
}

void santaHat(QPainter& p) {
    QPainterPath hat;
    hat.moveTo(5, 22);
    hat.cubicTo(6, 12, 11, 5, 18, 4.5);
    hat.cubicTo(23, 4.2, 26, 8, 27, 15);
    hat.cubicTo(25, 11.5, 22.5, 10.5, 21.5, 12);
    hat.cubicTo(24, 15, 26, 18.5, 27, 22);
    hat.closeSubpath();
    fill(p, hat, kRed);
    fill(p, box(3, 20.5, 26, 7, 3.5), kSnow);
    fill(p, circle(QPointF(27, 16.5), 3.3), kSnow, 1.0, Shade::Round);
}

void gingerbreadHouse(QPainter& p) {
    fill(p, box(6.5, 14.5, 19, 14.5, 0.8), kCookie);
    fill(p, box(13.5, 20, 5.5, 9, 2.5), kBrown.darker(115));
    fill(p, box(8.8, 17.5, 3.6, 3.6, 0.5), kYellow, 0.7);
    fill(p, box(19.8, 17.5, 3.6, 3.6, 0.5), kYellow, 0.7);
    fill(p, polygon({{2.5, 16}, {16, 3.5}, {29.5, 16}, {27, 17.5}, {16, 7.5}, {5, 17.5}}),
         kCookie.darker(110));
    // Icing along the roof and sweets on the walls.
    line(p, polyline({{3.5, 16.2}, {16, 4.8}, {28.5, 16.2}}), QColor(0xff, 0xfc, 0xf6), 1.4);
    for (const auto& [at, colour] :
         {std::pair{QPointF(8.5, 25), kRed}, {QPointF(23.5, 25), kGreen}, {QPointF(16, 11.5), kPink}})
        fill(p, circle(at, 1.5), colour, 0.6);
}

void snowGlobe(QPainter& p) {
    const QPainterPath glass = circle(QPointF(16, 13.5), 11.5);
    fill(p, glass, QColor(0xd8, 0xee, 0xfc), 1.0, Shade::Round);
    p.save();
    p.setClipPath(glass);
    fill(p, ellipse(QPointF(16, 25), 13, 5), kSnow, 0);
    fill(p, polygon({{16, 6}, {21, 15}, {18.5, 15}, {22, 21}, {10, 21}, {13.5, 15}, {11, 15}}), kPine, 0.7);
    for (const QPointF& flake :
         {QPointF(9, 9), QPointF(23, 8), QPointF(8, 16), QPointF(24, 15), QPointF(19, 5)})
        dot(p, flake, 0.8, Qt::white);
    p.restore();
    gleam(p, QPointF(10.5, 8), 1.8);
    QPainterPath base;
    base.moveTo(7, 23);
    base.lineTo(25, 23);
    base.lineTo(27.5, 29.5);
    base.lineTo(4.5, 29.5);
    base.closeSubpath();
    fill(p, base, kRed);
    line(p, polyline({{6.5, 26.5}, {25.5, 26.5}}), kYellow, 1.0);
}

void lantern(QPainter& p) {
    line(p, ellipse(QPointF(16, 3.8), 3, 2.6), kCharcoal, 1.3);
    fill(p, polygon({{10, 9}, {16, 5.5}, {22, 9}}), kCharcoal.lighter(130));
    fill(p, box(9.5, 9, 13, 16, 1.5), QColor(0xff, 0xe8, 0xa8), 1.0);
    flame(p, QPointF(16, 12), 7);
    fill(p, box(14.3, 19, 3.4, 5, 0.6), kSnow, 0.6);
    line(p, polyline({{9.8, 17}, {22.2, 17}}), withAlpha(kCharcoal, 60), 0);
    for (const qreal x : {9.5, 22.5})
        line(p, polyline({{x, 9}, {x, 25}}), kCharcoal.lighter(130), 1.6);
    fill(p, box(8, 25, 16, 3.5, 1), kCharcoal.lighter(130));
}

void teddyBear(QPainter& p) {
    const QColor fur(0xb8, 0x7a, 0x44);
    for (const qreal x : {7.5, 24.5}) {
        fill(p, circle(QPointF(x, 7.5), 4.5), fur);
        fill(p, circle(QPointF(x, 7.5), 2.2), QColor(0xe6, 0xbc, 0x8c), 0);
    }
    fill(p, circle(QPointF(16, 17), 12), fur, 1.0, Shade::Round);
    fill(p, ellipse(QPointF(16, 21), 5.8, 4.6), QColor(0xec, 0xc8, 0x9c), 0.8);
    dot(p, QPointF(11.5, 14), 1.4, kCharcoal);
    dot(p, QPointF(20.5, 14), 1.4, kCharcoal);
    fill(p, ellipse(QPointF(16, 19), 2.2, 1.6), kCharcoal, 0);
    QPainterPath mouth;
    mouth.moveTo(13.5, 22);
    mouth.quadTo(16, 24.5, 18.5, 22);
    line(p, mouth, kCharcoal, 0.9);
}

void drum(QPainter& p) {
    line(p, polyline({{4, 3}, {13, 10}}), kBrown.lighter(120), 1.8);
    line(p, polyline({{28, 3}, {19, 10}}), kBrown.lighter(120), 1.8);
    QPainterPath shell;
    shell.moveTo(4, 12);
    shell.lineTo(4, 25);
    shell.cubicTo(4, 30.5, 28, 30.5, 28, 25);
    shell.lineTo(28, 12);
    shell.closeSubpath();
    fill(p, shell, kRed);
    QPainterPath cords;
    cords.moveTo(4.5, 14.5);
    for (int i = 0; i < 6; ++i)
        cords.lineTo(7 + i * 4, i % 2 == 0 ? 26.5 : 15.5);
    line(p, cords, kYellow, 1.1);
    fill(p, ellipse(QPointF(16, 12), 12, 3.6), kSnow);
}

void iceSkate(QPainter& p) {
    QPainterPath boot;
    boot.moveTo(9, 3);
    boot.lineTo(19, 3);
    boot.lineTo(19.5, 14);
    boot.cubicTo(25, 15, 28.5, 17, 28.5, 21);
    boot.lineTo(28.5, 23);
    boot.lineTo(7.5, 23);
    boot.lineTo(7.5, 14);
    boot.closeSubpath();
    fill(p, boot, kSnow);
    for (int i = 0; i < 4; ++i)
        line(p, polyline({{14, 6.0 + i * 2.6}, {18, 6.0 + i * 2.6}}), kRed, 0.9);
    fill(p, box(7.5, 3, 11.5, 2.6, 1), kRed, 0.8);
    line(p, polyline({{11, 23}, {11, 26}}), kGrey, 1.4);
    line(p, polyline({{25, 23}, {25, 26}}), kGrey, 1.4);
    QPainterPath blade;
    blade.moveTo(5, 26);
    blade.lineTo(27.5, 26);
    blade.cubicTo(30, 26, 30.5, 28.5, 28.5, 29);
    blade.lineTo(5, 29);
    blade.closeSubpath();
    fill(p, blade, kSilver);
}

void fairyLights(QPainter& p) {
    // One swag of wire between two hooks, with the bulbs spread along it and hanging square to it.
    QPainterPath wire;
    wire.moveTo(1, 4.5);
    wire.cubicTo(8, 14.5, 24, 14.5, 31, 4.5);
    fill(p, thick(wire, 1.5), kWireGreen.lighter(160), 0.6);
    for (const QPointF& hook : {QPointF(1.5, 4.5), QPointF(30.5, 4.5)})
        dot(p, hook, 1.3, kWireGreen.lighter(160));
    const std::array<QColor, 4> colours = {kBulbColours[0], kBulbColours[1], kBulbColours[2],
                                           kBulbColours[3]};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const qreal t = 0.2 + i * 0.2;
        const QPointF hook = wire.pointAtPercent(t);
        // Square to the wire: the slope's angle, measured from hanging straight down.
        const qreal slope = wire.angleAtPercent(t);
        const qreal tilt = slope > 180 ? 360 - slope : -slope;
        drawBulb(p, hook, 12.5, tilt, BulbLook{colours[i], false, 0.9});
    }
}

void moonAndStars(QPainter& p) {
    const QPainterPath moon = circle(QPointF(13, 17), 11).subtracted(circle(QPointF(19, 13), 9.5));
    fill(p, moon, kYellow, 1.0, Shade::Round);
    fill(p, star(QPointF(23, 22), 4.2, 1.8), kYellow, 0.8);
    fill(p, star(QPointF(26, 7.5), 3, 1.3), kYellow, 0.7);
    fill(p, star(QPointF(17.5, 6), 2.2, 1), kYellow, 0.6);
}

} // namespace art::cards

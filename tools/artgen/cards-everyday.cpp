// Desktop card icons for everyday topics of the web.

#include "cards.h"

#include <QPen>

#include <array>
#include <cmath>
#include <numbers>

namespace art::cards {
namespace {

// Grey lines of text from `left` to `right`, starting at `top` and `gap` apart.
void textLines(QPainter& p, qreal left, qreal right, qreal top, qreal gap, int count) {
    for (int i = 0; i < count; ++i) {
        const qreal end = i == count - 1 ? left + (right - left) * 0.6 : right;
        line(p, polyline({{left, top + i * gap}, {end, top + i * gap}}), withAlpha(kGrey, 200), 1.1);
    }
}

} // namespace

void globe(QPainter& p) {
    const QPointF c(16, 16);
    const QPainterPath ball = circle(c, 13.5);
    fill(p, ball, kBlue, 1.0, Shade::Round);
    p.save();
    p.setClipPath(ball);
    fill(p, blob({{5, 6}, {12, 4}, {15, 8}, {12, 13}, {13, 18}, {9, 22}, {6, 15}, {2, 12}}), kGreen, 0.7);
    fill(p, blob({{17, 13}, {24, 10}, {29, 14}, {27, 21}, {22, 26}, {19, 21}}), kGreen, 0.7);
    fill(p, blob({{13, 27}, {20, 28}, {19, 31}, {12, 31}}), kGreen, 0.7);
    line(p, ellipse(c, 5.5, 13.5), withAlpha(Qt::white, 110), 0.8);
    line(p, polyline({{2, 16}, {30, 16}}), withAlpha(Qt::white, 110), 0.8);
    line(p, polyline({{16, 2}, {16, 30}}), withAlpha(Qt::white, 110), 0.8);
    p.restore();
    gleam(p, QPointF(10, 9), 2.0);
}

void pageWithStar(QPainter& p) {
    const QRectF sheet(6, 2.5, 20, 27);
    fill(p, pageShape(sheet, 6), kPaper);
    fill(p, pageFold(sheet, 6), kSilver, 0.8);
    fill(p, star(QPointF(16, 17.5), 8, 3.5), kYellow, 1.0, Shade::Round);
}

void newspaper(QPainter& p) {
    fill(p, box(7, 3.5, 22, 23, 1.5), kSilver);
    fill(p, box(3, 6.5, 22, 23, 1.5), kPaper);
    fill(p, box(5.5, 9, 17, 3.5, 0.5), kCharcoal, 0);
    fill(p, box(5.5, 15, 7, 6.5, 0.5), kSky, 0.7);
    textLines(p, 14.5, 22.5, 15.6, 2.6, 3);
    textLines(p, 5.5, 22.5, 24.2, 2.6, 2);
}

void envelope(QPainter& p) {
    fill(p, box(2.5, 7, 27, 19, 2), kPaper);
    const QColor crease = withAlpha(kGrey, 220);
    line(p, polyline({{3.5, 25}, {13, 16.5}}), crease, 1.0);
    line(p, polyline({{28.5, 25}, {19, 16.5}}), crease, 1.0);
    fill(p, polygon({{3, 8}, {16, 19}, {29, 8}}), QColor(0xee, 0xec, 0xe4));
    fill(p, circle(QPointF(16, 18), 2.6), kRed, 0.8, Shade::Round);
}

void weather(QPainter& p) {
    const QPointF sun(12, 11.5);
    QPainterPath rays;
    for (int i = 0; i < 8; ++i) {
        rays.moveTo(polar(sun, i * 45, 8.2));
        rays.lineTo(polar(sun, i * 45, 10.8));
    }
    line(p, rays, kOrange, 1.8);
    fill(p, circle(sun, 6.2), kYellow, 1.0, Shade::Round);
    fill(p, cloudShape(9, 30, 27.5, 13), kSnow);
}

void shoppingCart(QPainter& p) {
    const QPainterPath basket = polygon({{7, 8.5}, {29, 8.5}, {26, 20}, {10, 20}});
    fill(p, basket, kOrange);
    p.save();
    p.setClipPath(basket);
    for (const qreal x : {13.0, 18.0, 23.0})
        line(p, polyline({{x, 8}, {x, 21}}), withAlpha(Qt::white, 150), 1.0);
    line(p, polyline({{6, 14.2}, {30, 14.2}}), withAlpha(Qt::white, 150), 1.0);
    p.restore();
    line(p, polyline({{1.8, 4.5}, {5.8, 4.5}, {10.5, 23}, {26, 23}}), kCharcoal, 1.8);
    for (const qreal x : {12.0, 24.0}) {
        fill(p, circle(QPointF(x, 27), 2.4), kCharcoal, 0.8, Shade::Round);
        dot(p, QPointF(x, 27), 0.8, kSilver);
    }
}

void music(QPainter& p) {
    fill(p, polygon({{10.5, 7}, {27, 3}, {27, 8}, {10.5, 12}}), kPurple, 0.8);
    fill(p, box(10, 8, 2.2, 16), kPurple.darker(110), 0.7);
    fill(p, box(25.6, 4, 2.2, 17), kPurple.darker(110), 0.7);
    for (const QPointF& head : {QPointF(7.5, 24.5), QPointF(23, 21.5)})
        fill(p, turned(ellipse(head, 4.6, 3.4), head, -20), kPurple, 1.0, Shade::Round);
}

void gamepad(QPainter& p) {
    QPainterPath body = box(3, 9.5, 26, 12.5, 6);
    body = body.united(circle(QPointF(8.5, 20), 5.2)).united(circle(QPointF(23.5, 20), 5.2)).simplified();
    fill(p, body, kCharcoal.lighter(130));
    fill(p, box(6.5, 13.5, 7, 2.4, 0.5).united(box(8.8, 11.2, 2.4, 7, 0.5)), kSnow, 0);
    fill(p, circle(QPointF(22, 13.2), 1.6), kRed, 0.6);
    fill(p, circle(QPointF(25, 16), 1.6), kGreen, 0.6);
    fill(p, circle(QPointF(19, 16), 1.6), kBlue, 0.6);
    fill(p, circle(QPointF(22, 18.8), 1.6), kYellow, 0.6);
}

void map(QPainter& p) {
    const std::array<QPainterPath, 3> panels = {
        polygon({{3, 8}, {11, 5}, {11, 26}, {3, 29}}),
        polygon({{11, 5}, {21, 8}, {21, 29}, {11, 26}}),
        polygon({{21, 8}, {29, 5}, {29, 26}, {21, 29}}),
    };
    for (std::size_t i = 0; i < panels.size(); ++i)
        fill(p, panels[i], i == 1 ? QColor(0xc8, 0xe6, 0xb4) : QColor(0xb0, 0xd8, 0x9c));
    QPainterPath road;
    road.moveTo(4, 22);
    road.cubicTo(10, 16, 14, 26, 20, 19);
    road.cubicTo(23, 15.5, 26, 17, 28, 14);
    QPen dashes(QColor(0xf0, 0x8a, 0x2a), 1.3, Qt::DashLine, Qt::RoundCap);
    p.setPen(dashes);
    p.setBrush(Qt::NoBrush);
    p.drawPath(road);
    QPainterPath pin;
    pin.moveTo(17, 17);
    pin.cubicTo(15, 13, 12.5, 11.5, 12.5, 8.5);
    pin.cubicTo(12.5, 5.5, 14.5, 3.5, 17, 3.5);
    pin.cubicTo(19.5, 3.5, 21.5, 5.5, 21.5, 8.5);
    pin.cubicTo(21.5, 11.5, 19, 13, 17, 17);
    fill(p, pin, kRed, 1.0, Shade::Round);
    dot(p, QPointF(17, 8.4), 1.8, kSnow);
}

void magnifier(QPainter& p) {
    fill(p, turned(box(16, 20.5, 14, 5, 2.5), QPointF(23, 23), 45), kBrown);
    const QPointF c(13, 13);
    fill(p, circle(c, 7.5), withAlpha(kSky, 150), 0);
    fill(p, circle(c, 10).subtracted(circle(c, 7.2)), kCharcoal.lighter(120), 1.0, Shade::Round);
    QPainterPath shine;
    shine.moveTo(8.5, 12);
    shine.quadTo(9, 8.5, 12.5, 8);
    line(p, shine, withAlpha(Qt::white, 210), 1.4);
}

void calendar(QPainter& p) {
    fill(p, box(4, 5.5, 24, 23.5, 2.5), kPaper);
    QPainterPath header = box(4, 5.5, 24, 7.5, 2.5).united(box(4, 9, 24, 4));
    fill(p, header, kRed);
    for (const qreal x : {10.0, 22.0})
        fill(p, box(x - 1.2, 2.5, 2.4, 5.5, 1.2), kCharcoal, 0.6);
    p.setFont(dejaVuSans(12, true));
    p.setPen(kCharcoal);
    p.drawText(QRectF(4, 13, 24, 15.5), Qt::AlignCenter, QStringLiteral("25"));
}

void camera(QPainter& p) {
    fill(p, box(10.5, 5, 11, 6, 1.5), kCharcoal);
    fill(p, box(2.5, 9, 27, 18.5, 3), kCharcoal.lighter(125));
    fill(p, box(5, 11, 4, 2.3, 0.8), kYellow, 0.6);
    fill(p, circle(QPointF(16, 18), 7.2), kSilver, 1.0, Shade::Round);
    fill(p, circle(QPointF(16, 18), 4.8), kNavy, 0.8, Shade::Round);
    gleam(p, QPointF(14.5, 16.5), 1.3);
}

void video(QPainter& p) {
    fill(p, box(2.5, 6, 27, 20, 5.5), kRed);
    fill(p, polygon({{13, 11}, {21.5, 16}, {13, 21}}), kSnow, 0.8);
}

void chat(QPainter& p) {
    QPainterPath back = box(11, 11, 18.5, 12.5, 5);
    back = back.united(polygon({{22, 22}, {27.5, 28}, {25.5, 21}})).simplified();
    fill(p, back, kGreen);
    QPainterPath front = box(2.5, 4, 19, 13.5, 5);
    front = front.united(polygon({{6, 16}, {4.5, 22}, {11, 16}})).simplified();
    fill(p, front, kBlue);
    for (const qreal x : {7.5, 12.0, 16.5})
        dot(p, QPointF(x, 10.8), 1.3, kSnow);
}

void bank(QPainter& p) {
    const QColor stone(0xe4, 0xda, 0xc4);
    fill(p, box(3, 26, 26, 3.5, 0.8), stone.darker(108));
    for (const qreal x : {6.0, 12.0, 18.0, 24.0})
        fill(p, box(x, 13, 2.6, 12.5), stone);
    fill(p, box(4.5, 11.5, 23, 2.2), stone.darker(104));
    fill(p, polygon({{2.5, 11}, {16, 3}, {29.5, 11}}), stone);
    fill(p, circle(QPointF(16, 8.3), 1.8), kYellow, 0.7);
}

void book(QPainter& p) {
    fill(p, box(8, 5, 19, 24.5, 1.5), kPaper);
    for (int i = 0; i < 3; ++i)
        line(p, polyline({{26, 8.0 + i * 7}, {26, 11.0 + i * 7}}), withAlpha(kGrey, 120), 0.6);
    fill(p, box(5, 3, 19.5, 24.5, 2), kBlue.darker(115));
    fill(p, box(5.4, 3.4, 3, 23.7), kNavy, 0);
    fill(p, box(11.5, 8, 10, 5, 0.8), kYellow, 0.7);
}

void graduationCap(QPainter& p) {
    QPainterPath crown;
    crown.moveTo(8.5, 14);
    crown.lineTo(8.5, 20.5);
    crown.cubicTo(12, 24, 20, 24, 23.5, 20.5);
    crown.lineTo(23.5, 14);
    crown.closeSubpath();
    fill(p, crown, kCharcoal);
    fill(p, polygon({{16, 5.5}, {30, 12}, {16, 18.5}, {2, 12}}), kCharcoal.lighter(130));
    line(p, polyline({{16, 12}, {26.5, 15}, {26.5, 23}}), kYellow.darker(110), 1.1);
    fill(p, polygon({{25.2, 22}, {27.8, 22}, {28.5, 26.5}, {24.5, 26.5}}), kYellow, 0.7);
    dot(p, QPointF(16, 12), 1.2, kYellow);
}

void football(QPainter& p) {
    const QPointF c(16, 16);
    const QPainterPath ball = circle(c, 13.5);
    fill(p, ball, kSnow, 1.0, Shade::Round);
    p.save();
    p.setClipPath(ball);
    const QColor patch = kCharcoal;
    QPainterPath seams;
    for (int i = 0; i < 5; ++i) {
        const qreal a = -90 + i * 72;
        seams.moveTo(polar(c, a, 4.8));
        seams.lineTo(polar(c, a, 10));
        fill(p, star(polar(c, a, 14), 5, 5, 5, a + 180 + 36), patch, 0);
    }
    line(p, seams, withAlpha(kCharcoal, 200), 1.0);
    fill(p, star(c, 5, 5, 5, -90), patch, 0);
    p.restore();
    line(p, ball, withAlpha(kCharcoal, 230), 1.0);
}

void plane(QPainter& p) {
    QPainterPath shape = ellipse(QPointF(0, 0), 2.6, 13.5);
    shape = shape.united(polygon({{-13, 3}, {-1, -4}, {1, -4}, {13, 3}, {13, 5.5}, {0, 1.5}, {-13, 5.5}}));
    shape = shape.united(polygon({{-5.5, 12.5}, {0, 8.5}, {5.5, 12.5}, {5.5, 14}, {0, 12.5}, {-5.5, 14}}));
    QTransform t;
    t.translate(16, 16);
    t.rotate(45);
    fill(p, t.map(shape.simplified()), QColor(0xe8, 0xf0, 0xfa), 1.0);
    fill(p, t.map(ellipse(QPointF(0, -9.5), 1.4, 2.2)), kNavy, 0);
}

void burger(QPainter& p) {
    QPainterPath top;
    top.moveTo(3.5, 14);
    top.cubicTo(3.5, 3.5, 28.5, 3.5, 28.5, 14);
    top.closeSubpath();
    fill(p, top, QColor(0xe8, 0xa0, 0x48));
    for (const QPointF& seed : {QPointF(11, 9), QPointF(16, 7.5), QPointF(20.5, 9.5), QPointF(14, 11)})
        fill(p, ellipse(seed, 1.0, 0.6), kPaper, 0);
    QPainterPath lettuce;
    lettuce.moveTo(3, 14);
    for (int i = 0; i < 6; ++i)
        lettuce.quadTo(5.5 + i * 4.4, 19, 7.5 + i * 4.4, 15.5);
    lettuce.lineTo(29, 14);
    lettuce.closeSubpath();
    fill(p, lettuce, kGreen, 0.8);
    fill(p, polygon({{4, 17}, {28, 17}, {24, 21}, {20, 18.5}}), kYellow, 0.7);
    fill(p, box(4, 18, 24, 4.5, 2.2), QColor(0x7a, 0x42, 0x22));
    fill(p, box(4, 22.5, 24, 5.5, 2.5), QColor(0xe0, 0x98, 0x44));
}

void house(QPainter& p) {
    fill(p, box(21, 4.5, 3.5, 7), kRed.darker(130));
    fill(p, box(6.5, 14, 19, 15, 0.8), QColor(0xf6, 0xe6, 0xc8));
    fill(p, box(13.5, 19.5, 5.5, 9.5, 1), kBrown);
    fill(p, box(8.5, 17, 3.8, 3.8, 0.5), kSky, 0.7);
    fill(p, box(20, 17, 3.8, 3.8, 0.5), kSky, 0.7);
    fill(p, polygon({{2.5, 15.5}, {16, 3.5}, {29.5, 15.5}, {27, 16.5}, {16, 7}, {5, 16.5}}), kRed);
}

void heart(QPainter& p, const QColor& colour) {
    QPainterPath shape;
    shape.moveTo(16, 28);
    shape.cubicTo(6, 21, 2.5, 15, 2.5, 10.5);
    shape.cubicTo(2.5, 6, 5.5, 3.5, 9.5, 3.5);
    shape.cubicTo(12.5, 3.5, 14.8, 5.5, 16, 8);
    shape.cubicTo(17.2, 5.5, 19.5, 3.5, 22.5, 3.5);
    shape.cubicTo(26.5, 3.5, 29.5, 6, 29.5, 10.5);
    shape.cubicTo(29.5, 15, 26, 21, 16, 28);
    fill(p, shape, colour, 1.0, Shade::Round);
    gleam(p, QPointF(8.5, 9), 1.8);
}

void phone(QPainter& p) {
    fill(p, box(8.5, 2, 15, 28, 3.2), kCharcoal);
    QPainterPath screen = box(10.3, 5.5, 11.4, 19.5, 0.8);
    fill(p, screen, kSky, 0);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            fill(p, box(11.5 + col * 3.4, 7.3 + row * 3.6, 2.4, 2.4, 0.6),
                 std::array{kYellow, kGreen, kRed, kPink, kOrange, kTeal, kPurple, kSnow,
                            kBlue}[row * 3 + col],
                 0);
    dot(p, QPointF(16, 27.5), 1.1, kSilver);
}

void clock(QPainter& p) {
    const QPointF c(16, 16);
    fill(p, circle(c, 13.5), kBlue, 1.0, Shade::Round);
    fill(p, circle(c, 10.8), kPaper, 0.8);
    QPainterPath ticks;
    for (int i = 0; i < 12; ++i) {
        ticks.moveTo(polar(c, i * 30, i % 3 == 0 ? 7.8 : 8.8));
        ticks.lineTo(polar(c, i * 30, 9.8));
    }
    line(p, ticks, kCharcoal, 1.0);
    line(p, polyline({polar(c, -60, 5.8), c, polar(c, 180 + 30, 0)}), kCharcoal, 1.6);
    line(p, polyline({c, polar(c, 30, 8)}), kCharcoal, 1.2);
    line(p, polyline({c, polar(c, 150, 7.5)}), kRed, 0.8);
    dot(p, c, 1.3, kRed);
}

void folder(QPainter& p, const QColor& colour) {
    QPainterPath back = box(2.5, 6, 27, 22, 2).united(box(2.5, 4, 11, 5, 1.8)).simplified();
    fill(p, back, colour.darker(120));
    fill(p, box(4.5, 9, 23, 8, 0.5), kPaper, 0.7);
    QPainterPath front = polygon({{2.5, 12}, {29.5, 12}, {29.5, 28}, {2.5, 28}});
    fill(p, front, colour);
}

void document(QPainter& p) {
    const QRectF sheet(6, 2.5, 20, 27);
    fill(p, pageShape(sheet, 6), kPaper);
    fill(p, pageFold(sheet, 6), kSilver, 0.8);
    fill(p, box(9, 6.5, 9, 2.6, 0.5), kBlue, 0);
    textLines(p, 9.5, 22.5, 12.5, 3, 5);
}

void gear(QPainter& p) {
    const QPointF c(16, 16);
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * 45;
        teeth = teeth.united(turned(box(13.6, 1.8, 4.8, 6, 1), c, a));
    }
    QPainterPath shape = teeth.united(circle(c, 10.5)).subtracted(circle(c, 4.3)).simplified();
    fill(p, shape, kGrey, 1.0, Shade::Round);
}

void padlock(QPainter& p) {
    QPainterPath shackle;
    shackle.moveTo(10, 15);
    shackle.lineTo(10, 10);
    shackle.cubicTo(10, 2.5, 22, 2.5, 22, 10);
    shackle.lineTo(22, 15);
    fill(p, thick(shackle, 3.2, false), kSilver, 0.9);
    fill(p, box(5.5, 13.5, 21, 16, 2.5), kYellow.darker(105));
    fill(p, circle(QPointF(16, 19.8), 2.3).united(box(15, 20.5, 2, 5, 0.8)), kCharcoal, 0);
}

void cloud(QPainter& p) {
    fill(p, cloudShape(2.5, 29.5, 26, 17), kSky);
    QPainterPath arrow = polygon({{16, 9.5}, {21, 15}, {18, 15}, {18, 21.5}, {14, 21.5}, {14, 15}, {11, 15}});
    fill(p, arrow, kSnow, 0.7);
}

void radio(QPainter& p) {
    line(p, polyline({{9, 10}, {23, 3}}), kCharcoal, 1.3);
    dot(p, QPointF(23, 3), 1.4, kCharcoal);
    fill(p, box(2.5, 10, 27, 18, 3.5), kTeal);
    fill(p, circle(QPointF(10.5, 19), 5.8), kCharcoal.lighter(120), 0.8);
    for (int row = -1; row <= 1; ++row)
        for (int col = -1; col <= 1; ++col)
            dot(p, QPointF(10.5 + col * 2.6, 19 + row * 2.6), 0.75, kSilver);
    fill(p, box(18.5, 13.5, 8.5, 4.5, 0.8), kPaper, 0.7);
    line(p, polyline({{21.5, 14.5}, {21.5, 17}}), kRed, 0.8);
    fill(p, circle(QPointF(20.5, 23), 1.8), kSnow, 0.7);
    fill(p, circle(QPointF(25, 23), 1.8), kSnow, 0.7);
}

void television(QPainter& p) {
    line(p, polyline({{11, 2.5}, {16, 7.5}, {21.5, 2}}), kCharcoal, 1.2);
    line(p, polyline({{9, 27}, {7.5, 30}}), kCharcoal, 1.8);
    line(p, polyline({{23, 27}, {24.5, 30}}), kCharcoal, 1.8);
    fill(p, box(2.5, 7.5, 27, 20, 3), kBrown);
    fill(p, box(5, 10, 17, 15, 3), kBlue.lighter(110), 0.8, Shade::Round);
    fill(p, circle(QPointF(25.8, 13), 1.5), kYellow, 0.6);
    fill(p, circle(QPointF(25.8, 18), 1.5), kYellow, 0.6);
}

void car(QPainter& p, const QColor& paint) {
    QPainterPath body = box(2.5, 14.5, 27, 9.5, 3.5);
    body = body.united(blob({{8, 16}, {10.5, 7.5}, {21.5, 7.5}, {26, 16}})).simplified();
    fill(p, body, paint);
    fill(p, polygon({{10, 15}, {12, 9.5}, {15.5, 9.5}, {15.5, 15}}), kSky, 0.7);
    fill(p, polygon({{17.2, 15}, {17.2, 9.5}, {20.5, 9.5}, {23.5, 15}}), kSky, 0.7);
    fill(p, box(26.5, 16.5, 2.5, 2, 0.8), kYellow, 0);
    for (const qreal x : {9.0, 23.0}) {
        fill(p, circle(QPointF(x, 24), 3.8), kCharcoal, 0.8, Shade::Round);
        dot(p, QPointF(x, 24), 1.5, kSilver);
    }
}

void bicycle(QPainter& p) {
    const QPointF rear(7.5, 21), front(24.5, 21), crank(15, 21), seat(12.5, 12), head(22, 12);
    for (const QPointF& hub : {rear, front}) {
        line(p, circle(hub, 6), kCharcoal, 1.8);
        dot(p, hub, 1.0, kCharcoal);
    }
    line(p, polyline({rear, seat, crank, rear}), kRed, 1.8);
    line(p, polyline({seat, head, crank}), kRed, 1.8);
    line(p, polyline({head, front}), kRed, 1.8);
    line(p, polyline({head, QPointF(21, 8.5), QPointF(24, 8)}), kCharcoal, 1.5);
    line(p, polyline({seat, QPointF(12, 9.5)}), kCharcoal, 1.4);
    fill(p, box(9.5, 8, 5.5, 2, 1), kCharcoal, 0);
    dot(p, crank, 1.6, kCharcoal);
}

} // namespace art::cards

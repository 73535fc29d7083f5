// Desktop card icons for everyday topics of the web.

#include "cards.h"

#include <QPen>

#include <cmath>
#include <numbers>

namespace art::cards {
namespace {

void dot(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

QPointF polar(QPointF centre, qreal degrees, qreal radius) {
    const qreal a = degrees * std::numbers::pi / 180;
    return centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

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

} // namespace art::cards

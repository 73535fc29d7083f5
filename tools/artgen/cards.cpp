// The desktop card icons: the shared drawing helpers and the numbered list of icons.

#include "cards.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace art::cards {

void fill(QPainter& p, const QPainterPath& path, const QColor& colour, qreal outline, Shade shade) {
    const QRectF bounds = path.boundingRect();
    if (shade == Shade::Round) {
        QRadialGradient gradient(bounds.center() - QPointF(bounds.width() * 0.22, bounds.height() * 0.25),
                                 std::max(bounds.width(), bounds.height()) * 0.85);
        gradient.setColorAt(0.0, mix(colour, Qt::white, 0.45));
        gradient.setColorAt(0.5, colour);
        gradient.setColorAt(1.0, colour.darker(135));
        p.setBrush(gradient);
    } else {
        QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
        gradient.setColorAt(0.0, mix(colour, Qt::white, 0.28));
        gradient.setColorAt(1.0, colour.darker(118));
        p.setBrush(gradient);
    }
    if (outline > 0) {
        // The edge is a deep shade of the fill rather than black, which keeps it soft.
        QPen pen(withAlpha(mix(colour, QColor(0x10, 0x14, 0x24), 0.62), 230), outline);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(path);
}

void line(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath thick(const QPainterPath& path, qreal width, bool roundEnds) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(roundEnds ? Qt::RoundCap : Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path).simplified();
}

void gleam(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(centre, radius, radius);
}

QPainterPath circle(QPointF centre, qreal radius) {
    return ellipse(centre, radius, radius);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath box(qreal x, qreal y, qreal width, qreal height, qreal corner) {
    QPainterPath path;
    if (corner > 0)
        path.addRoundedRect(QRectF(x, y, width, height), corner, corner);
    else
        path.addRect(QRectF(x, y, width, height));
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    return path;
}

QPainterPath blob(std::initializer_list<QPointF> points) {
    const std::vector<QPointF> corners(points);
    const std::size_t n = corners.size();
    QPainterPath path;
    path.moveTo((corners[n - 1] + corners[0]) / 2);
    for (std::size_t i = 0; i < n; ++i)
        path.quadTo(corners[i], (corners[i] + corners[(i + 1) % n]) / 2);
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal degrees) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = (degrees + i * 180.0 / points) * std::numbers::pi / 180;
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF point = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath turned(const QPainterPath& path, QPointF centre, qreal degrees) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

QPainterPath cloudShape(qreal left, qreal right, qreal base, qreal height) {
    const qreal w = right - left;
    QPainterPath path = box(left, base - height * 0.45, w, height * 0.45, height * 0.22);
    path = path.united(circle(QPointF(left + w * 0.3, base - height * 0.42), height * 0.36));
    path = path.united(circle(QPointF(left + w * 0.58, base - height * 0.58), height * 0.42));
    path = path.united(circle(QPointF(left + w * 0.82, base - height * 0.34), height * 0.3));
    return path.simplified();
}

QPainterPath pageShape(const QRectF& sheet, qreal fold) {
    return polygon({sheet.topLeft(), QPointF(sheet.right() - fold, sheet.top()),
                    QPointF(sheet.right(), sheet.top() + fold), sheet.bottomRight(), sheet.bottomLeft()});
}

QPainterPath pageFold(const QRectF& sheet, qreal fold) {
    return polygon({QPointF(sheet.right() - fold, sheet.top()),
                    QPointF(sheet.right() - fold, sheet.top() + fold),
                    QPointF(sheet.right(), sheet.top() + fold)});
}

QPointF polar(QPointF centre, qreal degrees, qreal radius) {
    const qreal a = degrees * std::numbers::pi / 180;
    return centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

void flame(QPainter& p, QPointF tip, qreal height) {
    const QPointF heart = tip + QPointF(0, height * 0.68);
    QRadialGradient glow(heart, height * 1.1);
    glow.setColorAt(0.0, QColor(255, 220, 120, 150));
    glow.setColorAt(1.0, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(heart, height * 1.1, height * 1.1);
    const qreal w = height * 0.36;
    QPainterPath drop;
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(w * 0.4, height * 0.35), tip + QPointF(w * 1.1, height * 0.6),
                 tip + QPointF(0, height));
    drop.cubicTo(tip + QPointF(-w * 1.1, height * 0.6), tip + QPointF(-w * 0.4, height * 0.35), tip);
    fill(p, drop, kOrange, 0.7);
    fill(p, ellipse(tip + QPointF(0, height * 0.7), w * 0.45, height * 0.2), QColor(0xff, 0xf2, 0xa0), 0);
}

QPainterPath hollyLeaf(qreal length, qreal width) {
    const int spikes = 3;
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    QPointF last(0, 0);
    auto to = [&](QPointF next) {
        const QPointF middle = (last + next) / 2;
        leaf.quadTo(QPointF(middle.x(), middle.y() * 0.45), next);
        last = next;
    };
    for (int i = 1; i <= spikes; ++i)
        to(QPointF(length * i / (spikes + 1.0), -width / 2 * (i == 1 || i == spikes ? 0.85 : 1.0)));
    to(QPointF(length, 0));
    for (int i = spikes; i >= 1; --i)
        to(QPointF(length * i / (spikes + 1.0), width / 2 * (i == 1 || i == spikes ? 0.85 : 1.0)));
    to(QPointF(0, 0));
    leaf.closeSubpath();
    return leaf;
}

void leafAt(QPainter& p, QPointF stalk, qreal degrees, qreal length, const QColor& colour) {
    QTransform t;
    t.translate(stalk.x(), stalk.y());
    t.rotate(degrees);
    fill(p, t.map(hollyLeaf(length, length * 0.5)), colour);
    line(p, t.map(polyline({QPointF(1, 0), QPointF(length * 0.85, 0)})), withAlpha(colour.darker(160), 200),
         0.7);
}

void berry(QPainter& p, QPointF centre, qreal radius) {
    fill(p, circle(centre, radius), kRed, 0.8, Shade::Round);
    gleam(p, centre - QPointF(radius * 0.35, radius * 0.35), radius * 0.3);
}

void dot(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void bow(QPainter& p, QPointF knot, qreal size, const QColor& colour) {
    for (const qreal side : {-1.0, 1.0}) {
        fill(p,
             polygon({knot, knot + QPointF(side * size * 0.7, size * 0.95),
                      knot + QPointF(side * size * 0.3, size * 1.05)}),
             colour.darker(110), 0.7);
        fill(
            p,
            turned(ellipse(knot + QPointF(side * size * 0.55, 0), size * 0.6, size * 0.38), knot, side * -20),
            colour, 0.8);
    }
    fill(p, circle(knot, size * 0.3), colour.darker(108), 0.7);
}

namespace {

using Card = void (*)(QPainter&);

// In the order the card picker shows them; the first is the default for a new card.
const std::array<Card, kCardIconCount> kCards = {
    globe,
    pageWithStar,
    [](QPainter& p) { tree(p, kPine, false); },
    [](QPainter& p) { goldStar(p, kYellow); },
    [](QPainter& p) { bell(p, QColor(0xf2, 0xb8, 0x30)); },
    [](QPainter& p) { gift(p, kRed, kYellow); },
    candyCane,
    snowman,
    [](QPainter& p) { snowflake(p, kSky); },
    holly,
    [](QPainter& p) { stocking(p, kRed, kSnow); },
    [](QPainter& p) { ornament(p, kRed); },
    [](QPainter& p) { candle(p, kRed); },
    sleigh,
    reindeer,
    gingerbreadMan,
    wreath,
    angel,
    [](QPainter& p) { mitten(p, kRed); },
    cocoa,
    newspaper,
    envelope,
    weather,
    shoppingCart,
    music,
    gamepad,
    map,
    magnifier,
    calendar,
    camera,
    video,
    chat,
    bank,
    book,
    graduationCap,
    football,
    plane,
    burger,
    house,
    [](QPainter& p) { heart(p, kRed); },
    phone,
    clock,
    [](QPainter& p) { folder(p, QColor(0xf4, 0xb8, 0x3a)); },
    document,
    gear,
    padlock,
    cloud,
    radio,
    television,
    [](QPainter& p) { car(p, kBlue); },
    bicycle,
    santaHat,
    gingerbreadHouse,
    snowGlobe,
    lantern,
    teddyBear,
    drum,
    iceSkate,
    fairyLights,
    moonAndStars,
    nutcracker,
    pineCone,
    mistletoe,
    poinsettia,
    fireplace,
    scarf,
    cookiesAndMilk,
    sweet,
    christmasPudding,
    polarBear,
    penguin,
    robin,
    owl,
    fox,
    rockingHorse,
    champagne,
    fireworks,
    earmuffs,
    trophy,
    rocket,
    key,
    shield,
    flask,
    palette,
    pencil,
    scissors,
    printer,
    wifi,
    contacts,
    photo,
    stocksChart,
    terminal,
    coins,
    train,
    ship,
    firstAid,
    pizza,
    birthdayCake,
    cat,
    dog,
};

} // namespace

} // namespace art::cards

namespace art {

void drawCardIcon(QPainter& p, int number) {
    p.save();
    cards::kCards.at(static_cast<std::size_t>(number - 1))(p);
    p.restore();
}

} // namespace art

// Desktop card icons for the rest of the season: the toys, plants, treats and animals of winter,
// and the new year.

#include "cards.h"

#include <QPen>

#include <array>
#include <tuple>

namespace art::cards {
namespace {

// A leaf or petal from its stalk at (0, 0) along +x: two arcs meeting in points at both ends.
QPainterPath lens(qreal length, qreal width) {
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.quadTo(length * 0.45, -width, length, 0);
    shape.quadTo(length * 0.45, width, 0, 0);
    shape.closeSubpath();
    return shape;
}

// `shape` turned by `degrees` and moved so that its origin lands on `at`.
QPainterPath placed(const QPainterPath& shape, QPointF at, qreal degrees) {
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(degrees);
    return t.map(shape);
}

} // namespace

void nutcracker(QPainter& p) {
    const QColor gold = kYellow.darker(108);
    // Plume, shako and its gold band.
    fill(p, ellipse(QPointF(16, 2.6), 2, 2.2), kGreen, 0.7, Shade::Round);
    fill(p, box(11, 3.5, 10, 6.5, 1), kCharcoal);
    fill(p, box(11.3, 8, 9.4, 1.6), gold, 0);
    // Arms, coat and belt.
    for (const qreal x : {6.8, 22.2}) {
        fill(p, box(x, 16.5, 3, 7.5, 1.4), kRed.darker(112), 0.8);
        fill(p, circle(QPointF(x + 1.5, 24.6), 1.5), kSkin, 0.6);
    }
    fill(p, box(9.5, 16, 13, 9.5, 2), kRed);
    fill(p, box(9.5, 21.2, 13, 2, 0.3), kCharcoal, 0);
    fill(p, box(14.8, 21, 2.4, 2.4, 0.4), gold, 0.5);
    for (const qreal y : {17.6, 19.6})
        dot(p, QPointF(16, y), 0.8, gold);
    // Legs and boots.
    for (const qreal x : {11.3, 16.9}) {
        fill(p, box(x, 25, 3.8, 3.5), kNavy, 0.8);
        fill(p, box(x - 0.4, 27.5, 4.6, 3, 1), kCharcoal, 0.8);
    }
    // The face: a wide jaw, a white beard and a grand moustache.
    fill(p, box(11.2, 9.6, 9.6, 7.4, 1.6), kSkin);
    fill(p, polygon({{11.2, 14.4}, {20.8, 14.4}, {19, 17.5}, {16, 18.6}, {13, 17.5}}), kSnow, 0.7);
    fill(p, blob({{11.8, 12.6}, {16, 13.8}, {20.2, 12.6}, {20, 14.8}, {16, 14.6}, {12, 14.8}}), kSnow, 0.6);
    dot(p, QPointF(14, 11.3), 0.8, kCharcoal);
    dot(p, QPointF(18, 11.3), 0.8, kCharcoal);
    dot(p, QPointF(12.8, 12.6), 0.9, withAlpha(kPink, 170));
    dot(p, QPointF(19.2, 12.6), 0.9, withAlpha(kPink, 170));
}

void pineCone(QPainter& p) {
    // The cone hangs from a sprig of pine lying across the top.
    QPainterPath sprig;
    sprig.moveTo(3, 7.5);
    sprig.quadTo(16, 3, 29, 6);
    QPainterPath needles;
    for (int i = 0; i < 9; ++i) {
        const qreal t = 0.06 + i * 0.11;
        const QPointF at = sprig.pointAtPercent(t);
        const qreal a = -sprig.angleAtPercent(t);
        for (const qreal side : {-1.0, 1.0}) {
            needles.moveTo(at);
            needles.lineTo(polar(at, a + side * 60, 4));
        }
    }
    line(p, needles, kPine, 1.1);
    line(p, sprig, kBrown, 1.4);
    QPainterPath cone;
    cone.moveTo(16, 30);
    cone.cubicTo(10.5, 28.5, 7.5, 20, 7.5, 14.5);
    cone.cubicTo(7.5, 9.5, 11.5, 6.5, 16, 6.5);
    cone.cubicTo(20.5, 6.5, 24.5, 9.5, 24.5, 14.5);
    cone.cubicTo(24.5, 20, 21.5, 28.5, 16, 30);
    cone.closeSubpath();
    const QColor wood(0xa8, 0x6a, 0x36);
    fill(p, cone, wood.darker(125));
    // Overlapping scales, drawn from the bottom row up so that each row laps over the one below.
    p.save();
    p.setClipPath(cone);
    const QPen edge(withAlpha(wood.darker(230), 220), 0.7);
    for (int row = 7; row >= 0; --row) {
        const qreal y = 8 + row * 2.8;
        const qreal shift = row % 2 == 0 ? 0 : 2.2;
        for (qreal x = 3.6 + shift; x < 29; x += 4.4) {
            QPainterPath scale;
            scale.moveTo(x - 2.4, y - 1.5);
            scale.lineTo(x + 2.4, y - 1.5);
            scale.cubicTo(x + 2.4, y + 1.8, x + 0.8, y + 3, x, y + 3.2);
            scale.cubicTo(x - 0.8, y + 3, x - 2.4, y + 1.8, x - 2.4, y - 1.5);
            fill(p, scale, wood.lighter(100 + row * 2), 0);
            p.setPen(edge);
            p.setBrush(Qt::NoBrush);
            p.drawPath(scale);
        }
    }
    p.restore();
    line(p, cone, withAlpha(mix(wood, QColor(0x10, 0x14, 0x24), 0.62), 230), 1.0);
}

void mistletoe(QPainter& p) {
    // A sprig hung up by a ribbon: pairs of leaves fanning downwards and white berries at the node.
    const QColor leaf(0x7c, 0xa8, 0x3e);
    p.translate(0, 2.5);
    line(p, polyline({{16, -2}, {16, 7}}), kRed, 1.4);
    for (const auto& [at, degrees, length] : {std::tuple{QPointF(15, 11), 165.0, 13.5},
                                              {QPointF(17, 11), 15.0, 13.5},
                                              {QPointF(15.5, 12), 118.0, 14.0},
                                              {QPointF(16.5, 12), 62.0, 14.0},
                                              {QPointF(16, 12), 90.0, 12.0}}) {
        const QColor colour = degrees == 90.0 ? leaf.darker(108) : leaf;
        fill(p, placed(lens(length, 4.6), at, degrees), colour);
        line(p, placed(polyline({{2, 0}, {length * 0.75, 0}}), at, degrees),
             withAlpha(leaf.lighter(140), 210), 0.7);
    }
    bow(p, QPointF(16, 7), 4.2, kRed);
    for (const QPointF& centre :
         {QPointF(13.4, 12.2), QPointF(18.6, 12.2), QPointF(16, 14.2), QPointF(16, 10.6)}) {
        fill(p, circle(centre, 2.3), kSnow, 0.7, Shade::Round);
        dot(p, centre + QPointF(0.5, 0.6), 0.4, withAlpha(kGrey, 200));
    }
}

void poinsettia(QPainter& p) {
    const QPointF c(16, 16);
    for (int i = 0; i < 5; ++i) {
        const qreal a = -54 + i * 72;
        fill(p, placed(lens(15, 4.2), c, a), kGreen.darker(108));
    }
    for (int i = 0; i < 6; ++i) {
        const qreal a = -90 + i * 60;
        fill(p, placed(lens(14, 5.4), c, a), kRed);
        line(p, placed(polyline({{3, 0}, {11, 0}}), c, a), withAlpha(kRed.darker(150), 180), 0.7);
    }
    for (int i = 0; i < 6; ++i) {
        const qreal a = -60 + i * 60;
        fill(p, placed(lens(9, 3.6), c, a), kRed.lighter(112), 0.8);
    }
    for (int i = 0; i < 5; ++i)
        fill(p, circle(polar(c, i * 72 - 90, 1.7), 1.2), kYellow, 0.6, Shade::Round);
    fill(p, circle(c, 1.1), kGreen, 0.5);
}

void fireplace(QPainter& p) {
    const QColor brick(0xb8, 0x4a, 0x32);
    const QPainterPath wall = box(3, 9, 26, 21, 0.5);
    fill(p, wall, brick);
    p.save();
    p.setClipPath(wall);
    QPainterPath mortar;
    for (int row = 0; row < 7; ++row) {
        const qreal y = 9 + row * 3;
        mortar.moveTo(0, y);
        mortar.lineTo(32, y);
        for (qreal x = row % 2 == 0 ? 5 : 2.5; x < 32; x += 5) {
            mortar.moveTo(x, y);
            mortar.lineTo(x, y + 3);
        }
    }
    line(p, mortar, withAlpha(QColor(0xf0, 0xd8, 0xc8), 150), 0.6);
    p.restore();
    // The hearth opening with a fire on two logs.
    QPainterPath opening;
    opening.moveTo(8, 30);
    opening.lineTo(8, 19);
    opening.cubicTo(8, 13.5, 24, 13.5, 24, 19);
    opening.lineTo(24, 30);
    opening.closeSubpath();
    fill(p, opening, QColor(0x2a, 0x1e, 0x1c), 0.9);
    QPainterPath fire;
    fire.moveTo(10.5, 27);
    fire.cubicTo(9.5, 23, 12, 22, 12.5, 19);
    fire.cubicTo(14, 21, 14, 22, 14.5, 22.5);
    fire.cubicTo(15, 20, 15.5, 18, 17, 16.5);
    fire.cubicTo(17.5, 19, 19, 20.5, 19.5, 22);
    fire.cubicTo(20, 21, 20.5, 20.5, 21, 19.5);
    fire.cubicTo(22.5, 22, 22.5, 25, 21.5, 27);
    fire.closeSubpath();
    fill(p, fire, kOrange, 0.7);
    fill(p, blob({{13, 27}, {14.5, 23}, {16.5, 20.5}, {18, 23.5}, {19.5, 27}}), kYellow, 0);
    fill(p, turned(box(9.5, 26.5, 13, 2.6, 1.3), QPointF(16, 27.8), 8), kBrown, 0.8);
    fill(p, turned(box(9.5, 26.5, 13, 2.6, 1.3), QPointF(16, 27.8), -8), kBrown.lighter(112), 0.8);
    // The mantel shelf, with a sprig of holly.
    fill(p, box(1.5, 6.5, 29, 3.5, 0.8), QColor(0x7a, 0x4a, 0x26));
    leafAt(p, QPointF(6, 6.5), 200, 5.5, kGreen);
    leafAt(p, QPointF(7, 6.5), -40, 5.5, kGreen);
    berry(p, QPointF(6.5, 6), 1.3);
}

void scarf(QPainter& p) {
    const QColor wool = kGreen;
    // The loop round the neck, then the two ends hanging down, the nearer one in front.
    QPainterPath loop;
    loop.addEllipse(QPointF(16, 9.5), 10, 5);
    const QPainterPath band = thick(loop, 4.6);
    QPainterPath backEnd;
    backEnd.moveTo(19.5, 13);
    backEnd.cubicTo(21, 17, 22, 21, 24, 26);
    QPainterPath frontEnd;
    frontEnd.moveTo(13, 13);
    frontEnd.cubicTo(12.5, 18, 10.5, 22, 9, 27.5);
    const std::array<QPainterPath, 3> parts = {thick(backEnd, 5, false), band, thick(frontEnd, 5.4, false)};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const QColor colour = i == 0 ? wool.darker(112) : wool;
        fill(p, parts[i], colour);
        p.save();
        p.setClipPath(parts[i]);
        for (qreal y = 5.5; y < 31; y += 4.5)
            line(p,
                 polyline({{0, y},
                           {32, y + (i == 2   ? 2.5
                                     : i == 0 ? -2.5
                                              : 0)}}),
                 withAlpha(kSnow, 225), 1.5);
        p.restore();
        line(p, parts[i], withAlpha(mix(colour, QColor(0x10, 0x14, 0x24), 0.62), 230), 0.9);
    }
    // Fringes on the ends.
    QPainterPath fringe;
    for (int i = 0; i < 4; ++i) {
        const qreal t = -1.8 + i * 1.2;
        fringe.moveTo(9 + t, 27.5 - t * 0.2);
        fringe.lineTo(8.6 + t, 30.5 - t * 0.2);
        fringe.moveTo(24 + t, 26 + t * 0.4);
        fringe.lineTo(24.8 + t, 28.8 + t * 0.4);
    }
    line(p, fringe, kRed, 0.9);
}

void cookiesAndMilk(QPainter& p) {
    // A glass of milk.
    QPainterPath glass = polygon({{3.5, 5}, {14.5, 5}, {13.5, 28.5}, {4.5, 28.5}});
    fill(p, glass, QColor(0xe4, 0xf0, 0xfa), 1.0);
    fill(p, polygon({{4.1, 9}, {13.9, 9}, {13.3, 27.9}, {4.7, 27.9}}), kSnow, 0);
    line(p, polyline({{4.1, 9}, {13.9, 9}}), withAlpha(kGrey, 160), 0.8);
    line(p, polyline({{6, 11}, {6.4, 26}}), withAlpha(Qt::white, 230), 1.1);
    // A plate of two chocolate-chip cookies.
    fill(p, ellipse(QPointF(21.5, 27), 10, 3), kSilver.lighter(110));
    fill(p, ellipse(QPointF(21.5, 26.6), 7, 1.8), kSnow, 0);
    const std::array<QPointF, 2> cookies = {QPointF(22.5, 24), QPointF(21, 18)};
    for (const QPointF& centre : cookies) {
        fill(p, ellipse(centre, 7, 3.6), kCookie.darker(112));
        fill(p, ellipse(centre - QPointF(0, 0.8), 6.5, 3), kCookie, 0);
        for (const QPointF& chip : {QPointF(-3.5, -1), QPointF(0, -2), QPointF(3, -0.5), QPointF(-1, 0.4)})
            dot(p, centre + chip, 0.75, QColor(0x5a, 0x30, 0x1a));
    }
}

void sweet(QPainter& p) {
    const QColor wrapper = kPink;
    QTransform t;
    t.translate(16, 16);
    t.rotate(-30);
    // The twisted ends of the wrapper, then the sweet itself.
    for (const qreal side : {-1.0, 1.0}) {
        const QPainterPath end = polygon({{side * 5, 0},
                                          {side * 13.5, -6},
                                          {side * 15, -3},
                                          {side * 14, 0},
                                          {side * 15, 3},
                                          {side * 13.5, 6}});
        fill(p, t.map(end), wrapper.lighter(108));
        for (const qreal y : {-3.0, 0.0, 3.0})
            line(p, t.map(polyline({{side * 7.5, y * 0.3}, {side * 12.5, y}})),
                 withAlpha(wrapper.darker(150), 170), 0.6);
        fill(p, t.map(box(side > 0 ? 5 : -7.5, -2, 2.5, 4, 1)), wrapper.darker(112), 0.7);
    }
    const QPainterPath body = t.map(ellipse(QPointF(0, 0), 6.8, 5.8));
    fill(p, body, wrapper, 1.0, Shade::Round);
    p.save();
    p.setClipPath(body);
    for (const qreal x : {-4.5, 0.0, 4.5})
        line(p, t.map(polyline({{x - 2.5, -7}, {x + 2.5, 7}})), withAlpha(Qt::white, 200), 1.6);
    p.restore();
    gleam(p, t.map(QPointF(-3, -3)), 1.2);
}

void christmasPudding(QPainter& p) {
    fill(p, ellipse(QPointF(16, 27.5), 14, 3), kSnow);
    const QPainterPath pudding = circle(QPointF(16, 17.5), 11).subtracted(box(0, 26.5, 32, 6));
    const QColor cake(0x6e, 0x3c, 0x22);
    fill(p, pudding, cake, 1.0, Shade::Round);
    for (const QPointF& raisin : {QPointF(9, 21), QPointF(13, 24), QPointF(19, 22), QPointF(23.5, 20),
                                  QPointF(16, 19.5), QPointF(21, 25)})
        dot(p, raisin, 0.8, cake.darker(170));
    // Brandy butter poured over the top and dripping down the sides.
    QPainterPath icing;
    icing.moveTo(5.6, 14.5);
    icing.cubicTo(7, 8, 11, 6.5, 16, 6.5);
    icing.cubicTo(21, 6.5, 25, 8, 26.4, 14.5);
    icing.cubicTo(26, 16, 24.6, 16, 24.2, 14.8);
    icing.cubicTo(23.5, 17.5, 21.2, 17.5, 21, 15);
    icing.cubicTo(20, 16.5, 19, 16, 18.5, 15);
    icing.cubicTo(18, 19, 15, 19, 14.8, 15.5);
    icing.cubicTo(14, 16.5, 12.5, 16.5, 12, 15);
    icing.cubicTo(11.5, 17.5, 8.5, 18, 8.5, 15.5);
    icing.cubicTo(7.5, 16.5, 6, 16, 5.6, 14.5);
    icing.closeSubpath();
    fill(p, icing, QColor(0xfc, 0xf6, 0xe4), 0.9);
    leafAt(p, QPointF(15.5, 7), 200, 7, kGreen);
    leafAt(p, QPointF(16.5, 7), -20, 7, kGreen);
    berry(p, QPointF(14.6, 6.4), 1.6);
    berry(p, QPointF(17.4, 6.4), 1.6);
    berry(p, QPointF(16, 4.4), 1.6);
}

void polarBear(QPainter& p) {
    // On a floe of blue ice, walking to the left.
    fill(p, polygon({{1, 25}, {30, 24}, {31, 28.5}, {28, 30}, {3, 30}, {1.5, 28}}), kSky);
    line(p, polyline({{4, 26.5}, {27, 26}}), withAlpha(Qt::white, 170), 0.8);
    QPainterPath bear = blob({{8, 12}, {20, 9.5}, {29, 13}, {28, 22}, {21, 22}, {10, 22}, {7, 18}});
    bear = bear.united(circle(QPointF(7.5, 14), 4.3));
    bear = bear.united(ellipse(QPointF(3.8, 15.6), 2.8, 2));
    bear = bear.united(circle(QPointF(8.6, 10.2), 1.6));
    for (const qreal x : {9.0, 14.0, 20.5, 25.0})
        bear = bear.united(box(x, 18, 3.6, 7.2, 1.5));
    const QColor fur(0xf6, 0xf8, 0xfa);
    fill(p, bear.simplified(), fur, 1.0);
    // The far legs are a shade darker.
    for (const qreal x : {14.0, 25.0})
        fill(p, box(x + 0.5, 20, 2.6, 4.5, 1), withAlpha(kSilver, 140), 0);
    dot(p, QPointF(1.6, 15), 0.9, kCharcoal);
    dot(p, QPointF(7.2, 13), 0.75, kCharcoal);
    line(p, polyline({{9, 11.2}, {8.4, 10.4}}), withAlpha(kGrey, 200), 0.6);
}

void penguin(QPainter& p) {
    for (const qreal side : {-1.0, 1.0})
        fill(p, ellipse(QPointF(16 + side * 3.2, 28.8), 3.2, 1.5), kOrange, 0.7);
    for (const qreal side : {-1.0, 1.0})
        fill(p,
             turned(ellipse(QPointF(16 + side * 9, 18.5), 2.2, 6.5), QPointF(16 + side * 9, 13), side * -18),
             kCharcoal.darker(110), 0.8);
    fill(p, ellipse(QPointF(16, 16.5), 9, 12.5), kCharcoal, 1.0, Shade::Round);
    QPainterPath belly = ellipse(QPointF(16, 20), 6.2, 8.2);
    belly =
        belly.united(ellipse(QPointF(13.2, 10.5), 3.2, 3.4)).united(ellipse(QPointF(18.8, 10.5), 3.2, 3.4));
    fill(p, belly.simplified(), kSnow, 0);
    dot(p, QPointF(13.5, 10.5), 1.1, kCharcoal);
    dot(p, QPointF(18.5, 10.5), 1.1, kCharcoal);
    dot(p, QPointF(13.8, 10.1), 0.35, Qt::white);
    dot(p, QPointF(18.8, 10.1), 0.35, Qt::white);
    fill(p, polygon({{14, 13}, {18, 13}, {16, 15.8}}), kOrange, 0.7);
    gleam(p, QPointF(12, 6.5), 1.1);
}

void robin(QPainter& p) {
    // A twig to perch on.
    QPainterPath twig;
    twig.moveTo(2, 27.5);
    twig.lineTo(30, 25);
    twig.moveTo(24, 25.5);
    twig.lineTo(28.5, 29.5);
    line(p, twig, kBrown, 1.8);
    const QColor feathers(0x8a, 0x68, 0x48);
    fill(p, polygon({{21, 16}, {29.5, 9.5}, {30.5, 12}, {24, 21}}), feathers.darker(110));
    line(p, polyline({{13.5, 23}, {13, 26.8}}), kCharcoal, 0.9);
    line(p, polyline({{17, 23}, {17.5, 26.5}}), kCharcoal, 0.9);
    const QPainterPath body = ellipse(QPointF(15, 15.5), 9.5, 8.5);
    fill(p, body, feathers, 1.0, Shade::Round);
    // The red breast, below and in front of the eye.
    p.save();
    p.setClipPath(body);
    fill(p, circle(QPointF(9.5, 19), 7), QColor(0xe8, 0x56, 0x28), 0, Shade::Round);
    fill(p, ellipse(QPointF(14, 25), 6, 3), QColor(0xf0, 0xe6, 0xda), 0);
    p.restore();
    line(p, body, withAlpha(mix(feathers, QColor(0x10, 0x14, 0x24), 0.62), 230), 1.0);
    fill(p, turned(ellipse(QPointF(18.5, 16.5), 5.5, 3.4), QPointF(18.5, 16.5), 20), feathers.darker(115),
         0.8);
    fill(p, polygon({{6.2, 11.5}, {2.5, 12.8}, {6.4, 13.8}}), kCharcoal, 0.6);
    dot(p, QPointF(9.5, 11.2), 1.1, kCharcoal);
    dot(p, QPointF(9.8, 10.8), 0.35, Qt::white);
}

void owl(QPainter& p) {
    const QColor feathers(0xa4, 0x76, 0x4a);
    line(p, polyline({{2, 28.5}, {30, 27.5}}), kBrown.darker(110), 2.2);
    // Ear tufts, then the body and the wings folded at its sides.
    for (const qreal side : {-1.0, 1.0})
        fill(p, polygon({{16 + side * 4, 6}, {16 + side * 9.5, 1.5}, {16 + side * 9, 9}}),
             feathers.darker(112), 0.8);
    const QPainterPath body = blob({{16, 3.5}, {26, 5}, {26, 20}, {22, 28}, {10, 28}, {6, 20}, {6, 5}});
    fill(p, body, feathers, 1.0, Shade::Round);
    fill(p, ellipse(QPointF(16, 21), 5.8, 6), QColor(0xec, 0xd4, 0xac), 0);
    QPainterPath chevrons;
    for (const auto& [x, y] :
         {std::pair{13.5, 18.5}, {18.5, 18.5}, {16.0, 21.5}, {13.5, 24.0}, {18.5, 24.0}}) {
        chevrons.moveTo(x - 1.2, y - 0.8);
        chevrons.lineTo(x, y);
        chevrons.lineTo(x + 1.2, y - 0.8);
    }
    line(p, chevrons, withAlpha(feathers.darker(140), 210), 0.7);
    for (const qreal side : {-1.0, 1.0})
        fill(p, turned(ellipse(QPointF(16 + side * 8, 19), 2.6, 7), QPointF(16 + side * 8, 19), side * -10),
             feathers.darker(118), 0.8);
    // The facial disc: two big eyes over a small hooked beak.
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(16 + side * 4.3, 10.5);
        fill(p, circle(eye, 4.3), QColor(0xf6, 0xea, 0xd6), 0.8);
        fill(p, circle(eye, 2.6), kYellow.darker(104), 0.6, Shade::Round);
        dot(p, eye, 1.4, kCharcoal);
        dot(p, eye + QPointF(-0.6, -0.6), 0.45, Qt::white);
    }
    fill(p, polygon({{14.6, 13.5}, {17.4, 13.5}, {16, 17}}), kOrange, 0.7);
    for (const qreal x : {13.0, 19.0})
        line(p, polyline({{x - 1.2, 27.5}, {x, 28.8}, {x + 1.2, 27.5}}), kOrange.darker(110), 1.0);
}

void fox(QPainter& p) {
    const QColor coat(0xe8, 0x72, 0x24);
    // A drift of snow to sit in.
    fill(p, blob({{1, 31}, {3, 25}, {12, 26}, {20, 24.5}, {31, 26}, {31, 31}}), kSnow);
    // The brush curls round from behind, its tip dipped in white.
    QPainterPath brush;
    brush.moveTo(18, 26);
    brush.cubicTo(27, 27.5, 31, 20, 26.5, 13.5);
    const QPainterPath tail = thick(brush, 6.5);
    fill(p, tail, coat.darker(106));
    p.save();
    p.setClipPath(tail);
    fill(p, circle(QPointF(26.5, 12.5), 4.2), kSnow, 0);
    p.restore();
    line(p, tail, withAlpha(mix(coat, QColor(0x10, 0x14, 0x24), 0.62), 230), 1.0);
    fill(p, blob({{11, 13}, {19, 13}, {22, 27}, {8, 27}}), coat);
    fill(p, ellipse(QPointF(15, 20), 3.4, 5), kSnow, 0);
    for (const qreal x : {12.0, 18.0})
        fill(p, ellipse(QPointF(x, 26.4), 2, 1.3), kCharcoal, 0.6);
    // The head: tall ears, a pointed face and white cheeks.
    for (const qreal side : {-1.0, 1.0}) {
        fill(p, polygon({{15 + side * 2, 6}, {15 + side * 6.5, 0.5}, {15 + side * 7, 8}}), coat.darker(108),
             0.8);
        fill(p, polygon({{15 + side * 3.6, 6}, {15 + side * 6.2, 2.6}, {15 + side * 6.3, 7}}), kCharcoal, 0);
    }
    const QPainterPath face = blob({{7, 6.5}, {23, 6.5}, {20, 12.5}, {15, 17}, {10, 12.5}});
    fill(p, face, coat);
    p.save();
    p.setClipPath(face);
    fill(p, polygon({{6, 10}, {15, 11.5}, {24, 10}, {15, 20}}), kSnow, 0);
    p.restore();
    line(p, face, withAlpha(mix(coat, QColor(0x10, 0x14, 0x24), 0.62), 230), 1.0);
    dot(p, QPointF(12.3, 9.6), 0.95, kCharcoal);
    dot(p, QPointF(17.7, 9.6), 0.95, kCharcoal);
    dot(p, QPointF(15, 15.4), 1.2, kCharcoal);
}

void rockingHorse(QPainter& p) {
    const QColor hide(0xf6, 0xec, 0xdc);
    const QColor mane(0x8a, 0x52, 0x2a);
    // The rocker, then the legs standing on it.
    QPainterPath rocker;
    rocker.moveTo(2, 24.5);
    rocker.quadTo(16, 32, 30, 24.5);
    fill(p, thick(rocker, 2.6), kRed);
    QPainterPath legs;
    for (const auto& [hip, hoof] : {std::pair{QPointF(10, 17), QPointF(6.5, 26.5)},
                                    {QPointF(11.5, 17), QPointF(12.5, 28)},
                                    {QPointF(20, 17), QPointF(19.5, 28)},
                                    {QPointF(21.5, 17), QPointF(25.5, 26.5)}}) {
        legs.moveTo(hip);
        legs.lineTo(hoof);
    }
    fill(p, thick(legs, 2.4), hide.darker(104), 0.8);
    // Tail, body, neck and head as one shape.
    fill(p, thick(polyline({{8, 13.5}, {4.5, 15}, {3, 20}}), 2.4), mane, 0.8);
    QPainterPath horse = ellipse(QPointF(15.5, 15.5), 8.5, 4.5);
    horse = horse.united(thick(polyline({{20, 14}, {23, 7}}), 5.5));
    horse = horse.united(turned(ellipse(QPointF(26, 7.8), 4.6, 2.5), QPointF(26, 7.8), 28));
    horse = horse.united(polygon({{21.5, 5}, {22.5, 1.5}, {24.5, 4.5}}));
    fill(p, horse.simplified(), hide);
    fill(p, thick(polyline({{19.2, 12.5}, {20, 8.5}, {21.3, 4.8}}), 2.2), mane, 0.7);
    fill(p, box(12, 10.8, 7, 3.2, 1.2), kRed, 0.8);
    fill(p, box(14, 13.5, 3, 5, 0.8), kBlue, 0.7);
    dot(p, QPointF(25, 6.8), 0.8, kCharcoal);
    dot(p, QPointF(29.2, 10), 0.6, withAlpha(kCharcoal, 200));
}

void champagne(QPainter& p) {
    // Two flutes raised in a toast, each drawn upright from its foot at (0, 0) and then tipped.
    QPainterPath bowl;
    bowl.moveTo(-3.2, -26);
    bowl.lineTo(3.2, -26);
    bowl.cubicTo(3.2, -18, 2.5, -14, 0, -13);
    bowl.cubicTo(-2.5, -14, -3.2, -18, -3.2, -26);
    bowl.closeSubpath();
    const QColor wine(0xf2, 0xcc, 0x5c);
    for (const auto& [foot, tip] : {std::pair{QPointF(7.5, 30.5), 14.0}, {QPointF(24.5, 30.5), -14.0}}) {
        QTransform t;
        t.translate(foot.x(), foot.y());
        t.rotate(tip);
        line(p, t.map(polyline({{0, -13}, {0, -1}})), kSilver.darker(115), 1.3);
        fill(p, t.map(ellipse(QPointF(0, -0.8), 4, 1.2)), kSilver, 0.8);
        fill(p, t.map(bowl), withAlpha(QColor(0xea, 0xf4, 0xfc), 230), 0.9);
        p.save();
        p.setClipPath(t.map(bowl));
        fill(p, t.map(box(-4, -22, 8, 10)), wine, 0);
        for (const QPointF& bubble : {QPointF(-1, -17), QPointF(1, -19.5), QPointF(-0.5, -21)})
            dot(p, t.map(bubble), 0.45, withAlpha(Qt::white, 220));
        p.restore();
        line(p, t.map(bowl), withAlpha(kGrey.darker(120), 220), 0.9);
        line(p, t.map(polyline({{-2.2, -24.5}, {-2, -19}})), withAlpha(Qt::white, 200), 0.8);
    }
    // A sparkle where the glasses touch.
    fill(p, star(QPointF(16, 3), 3, 0.9, 4, -90), kYellow, 0.6);
    for (const auto& [from, to] :
         {std::pair{QPointF(10.5, 2.5), QPointF(8.5, 1)}, {QPointF(21.5, 2.5), QPointF(23.5, 1)}})
        line(p, polyline({from, to}), kOrange, 1.0);
}

void fireworks(QPainter& p) {
    // A big burst and a smaller one, each a ring of tapering sparks with a dot at every tip.
    struct Burst {
        QPointF centre;
        qreal radius;
        int rays;
        QColor inner, outer;
    };
    const std::array<Burst, 2> bursts = {Burst{QPointF(12.5, 12), 10.5, 12, kYellow, kRed},
                                         Burst{QPointF(24.5, 22.5), 6.5, 10, kSky, kBlue}};
    line(p, polyline({{8, 31}, {11.5, 16}}), withAlpha(kOrange, 150), 1.0);
    for (const Burst& burst : bursts) {
        for (int i = 0; i < burst.rays; ++i) {
            const qreal a = i * 360.0 / burst.rays - 90;
            const QPointF from = polar(burst.centre, a, burst.radius * 0.25);
            fill(p, placed(lens(burst.radius * 0.6, burst.radius * 0.14), from, a),
                 i % 2 == 0 ? burst.outer : burst.inner, 0.6);
            dot(p, polar(burst.centre, a, burst.radius), burst.radius * 0.1 + 0.4,
                i % 2 == 0 ? burst.inner : burst.outer);
        }
        fill(p, circle(burst.centre, burst.radius * 0.18), burst.inner, 0.6, Shade::Round);
    }
    for (const QPointF& spark : {QPointF(27, 6), QPointF(5, 26), QPointF(29, 13)})
        fill(p, star(spark, 2, 0.6, 4, -90), kYellow, 0.5);
}

void earmuffs(QPainter& p) {
    QPainterPath band;
    band.moveTo(6.5, 18);
    band.cubicTo(6.5, 2, 25.5, 2, 25.5, 18);
    fill(p, thick(band, 3), kRed, 0.9);
    line(p, polyline({{9, 10}, {11, 7.5}}), withAlpha(Qt::white, 150), 0.8);
    for (const qreal x : {6.5, 25.5}) {
        const QPointF c(x, 20);
        // A fluffy rim of small puffs round each muff.
        QPainterPath fluff = circle(c, 4.5);
        for (int i = 0; i < 10; ++i)
            fluff = fluff.united(circle(polar(c, i * 36, 4.4), 1.9));
        fill(p, fluff.simplified(), kSnow, 1.0, Shade::Round);
        fill(p, circle(c, 2.6), QColor(0xf6, 0xd0, 0xe0), 0, Shade::Round);
    }
}

} // namespace art::cards

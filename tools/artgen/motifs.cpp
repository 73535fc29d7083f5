// Small festive motifs shared by the background tiles: holly, baubles, stars, bells, candy canes
// and wrapped presents.

#include "art.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {
namespace {

QPointF polar(qreal degrees, qreal radius) {
    const qreal a = degrees * std::numbers::pi / 180;
    return QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

// A holly leaf lying along +x from its stalk at (0, 0) to its tip at (length, 0): spiny points
// on both sides joined by inward curves.
QPainterPath hollyLeafShape(qreal length, qreal width, int spikes) {
    auto halfWidth = [&](qreal t) { return width / 2 * std::pow(std::sin(std::numbers::pi * t), 0.7); };
    // Round the outline: stalk, the spikes of the upper side, the tip, the lower side's spikes.
    QPolygonF points;
    points << QPointF(0, 0);
    for (int i = 1; i <= spikes; ++i) {
        const qreal t = 0.1 + 0.8 * i / (spikes + 0.6);
        points << QPointF(t * length, -halfWidth(t) * 1.15);
    }
    points << QPointF(length, 0);
    for (int i = spikes; i >= 1; --i) {
        const qreal t = 0.1 + 0.8 * i / (spikes + 0.6);
        points << QPointF(t * length, halfWidth(t) * 1.15);
    }
    points << QPointF(0, 0);
    QPainterPath leaf;
    leaf.moveTo(points.first());
    for (qsizetype i = 1; i < points.size(); ++i) {
        // Each edge between two points bows in towards the midrib, so the points stand out as spines.
        const QPointF middle = (points[i - 1] + points[i]) / 2;
        leaf.quadTo(QPointF(middle.x(), middle.y() * 0.4), points[i]);
    }
    leaf.closeSubpath();
    return leaf;
}

} // namespace

void drawGoldStar(QPainter& p, QPointF centre, qreal outer, const QColor& colour, qreal glow) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outer : outer * 0.45;
        star << centre + polar(-90 + i * 36, r);
    }
    if (glow > 0) {
        QRadialGradient halo(centre, outer * 2.2);
        halo.setColorAt(0.0, withAlpha(colour.lighter(130), static_cast<int>(glow)));
        halo.setColorAt(1.0, withAlpha(colour, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(centre, outer * 2.2, outer * 2.2);
    }
    QRadialGradient face(centre - QPointF(outer * 0.3, outer * 0.3), outer * 1.2);
    face.setColorAt(0.0, colour.lighter(150));
    face.setColorAt(1.0, colour.darker(115));
    p.setBrush(face);
    p.setPen(QPen(colour.darker(190), std::max<qreal>(0.5, outer * 0.08)));
    p.drawPolygon(star);
}

void drawBauble(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    QRadialGradient glass(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.35);
    glass.setColorAt(0.0, mix(colour, Qt::white, 0.7));
    glass.setColorAt(0.35, colour);
    glass.setColorAt(1.0, colour.darker(200));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(centre - QPointF(radius * 0.38, radius * 0.38), radius * 0.22, radius * 0.22);
}

void drawOrnament(QPainter& p, QPointF centre, qreal radius, const QColor& colour, qreal degrees) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    // The loop and the golden cap it hangs by.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xb8, 0x8a, 0x1c), std::max<qreal>(0.6, radius * 0.08)));
    p.drawEllipse(QPointF(0, -radius * 1.28), radius * 0.16, radius * 0.16);
    drawBauble(p, QPointF(0, 0), radius, colour);
    // A band of lighter colour round its middle.
    p.save();
    QPainterPath ball;
    ball.addEllipse(QPointF(0, 0), radius, radius);
    p.setClipPath(ball);
    p.setPen(QPen(withAlpha(colour.lighter(170), 150), radius * 0.14));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-radius * 1.2, -radius * 0.35, radius * 2.4, radius * 0.9), 0, 180 * 16);
    p.restore();
    const QRectF cap(-radius * 0.3, -radius * 1.16, radius * 0.6, radius * 0.3);
    QLinearGradient gold(cap.topLeft(), cap.topRight());
    gold.setColorAt(0.0, QColor(0xa8, 0x78, 0x10));
    gold.setColorAt(0.4, QColor(0xff, 0xe4, 0x8a));
    gold.setColorAt(1.0, QColor(0x8a, 0x5e, 0x08));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawRoundedRect(cap, radius * 0.06, radius * 0.06);
    p.restore();
}

void drawHollyLeaf(QPainter& p, QPointF stalk, qreal degrees, qreal length, const HollyLook& look) {
    p.save();
    p.translate(stalk);
    p.rotate(degrees);
    const qreal width = length * 0.5;
    const QPainterPath leaf = hollyLeafShape(length, width, 3);
    QLinearGradient shade(QPointF(0, -width / 2), QPointF(0, width / 2));
    shade.setColorAt(0.0, look.leafLight);
    shade.setColorAt(0.5, look.leaf);
    shade.setColorAt(1.0, look.leafDark);
    p.setBrush(shade);
    QPen edge(look.leafDark.darker(150), std::max<qreal>(0.5, length * 0.025));
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.drawPath(leaf);
    // The midrib and a glossy sheen on the upper half.
    p.setPen(QPen(withAlpha(look.leafLight.lighter(140), 200), std::max<qreal>(0.6, length * 0.035),
                  Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(length * 0.02, 0), QPointF(length * 0.9, 0));
    p.save();
    p.setClipPath(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawEllipse(QPointF(length * 0.45, -width * 0.22), length * 0.32, width * 0.14);
    p.restore();
    p.restore();
}

void drawBerry(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    QRadialGradient skin(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    skin.setColorAt(0.0, colour.lighter(160));
    skin.setColorAt(0.45, colour);
    skin.setColorAt(1.0, colour.darker(190));
    p.setPen(QPen(colour.darker(260), std::max<qreal>(0.4, radius * 0.1)));
    p.setBrush(skin);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(centre - QPointF(radius * 0.35, radius * 0.38), radius * 0.24, radius * 0.2);
}

void drawHollySprig(QPainter& p, QPointF centre, qreal leafLength, qreal degrees, const HollyLook& look) {
    // Three leaves fanned out from one point, the berries clustered over their stalks.
    drawHollyLeaf(p, centre, degrees - 160, leafLength * 0.9, look);
    drawHollyLeaf(p, centre, degrees - 20, leafLength, look);
    drawHollyLeaf(p, centre, degrees + 75, leafLength * 0.85, look);
    const qreal r = leafLength * 0.12;
    drawBerry(p, centre + polar(degrees - 90, r * 1.1), r, look.berry);
    drawBerry(p, centre + polar(degrees + 150, r * 1.2), r, look.berry);
    drawBerry(p, centre + polar(degrees + 30, r * 1.1), r * 1.05, look.berry);
}

void drawBell(QPainter& p, QPointF top, qreal height, qreal degrees) {
    p.save();
    p.translate(top);
    p.rotate(degrees);
    const qreal h = height, w = height * 0.5; // w: half the width of the mouth
    QPainterPath bell;
    bell.moveTo(-w * 0.36, h * 0.12);
    bell.cubicTo(QPointF(-w * 0.4, -h * 0.04), QPointF(w * 0.4, -h * 0.04), QPointF(w * 0.36, h * 0.12));
    bell.cubicTo(QPointF(w * 0.42, h * 0.5), QPointF(w * 0.55, h * 0.72), QPointF(w, h * 0.86));
    bell.quadTo(QPointF(w * 1.04, h * 0.95), QPointF(w * 0.8, h * 0.95));
    bell.lineTo(-w * 0.8, h * 0.95);
    bell.quadTo(QPointF(-w * 1.04, h * 0.95), QPointF(-w, h * 0.86));
    bell.cubicTo(QPointF(-w * 0.55, h * 0.72), QPointF(-w * 0.42, h * 0.5), QPointF(-w * 0.36, h * 0.12));
    bell.closeSubpath();

    // The clapper shows under the mouth.
    QRadialGradient clapper(QPointF(-h * 0.03, h * 0.97), h * 0.1);
    clapper.setColorAt(0.0, QColor(0xff, 0xe9, 0x9a));
    clapper.setColorAt(1.0, QColor(0x8a, 0x5c, 0x06));
    p.setPen(Qt::NoPen);
    p.setBrush(clapper);
    p.drawEllipse(QPointF(0, h * 0.98), h * 0.09, h * 0.09);

    QLinearGradient gold(QPointF(-w, 0), QPointF(w, 0));
    gold.setColorAt(0.0, QColor(0x9a, 0x68, 0x0a));
    gold.setColorAt(0.3, QColor(0xff, 0xe3, 0x7e));
    gold.setColorAt(0.55, QColor(0xe8, 0xb4, 0x2a));
    gold.setColorAt(1.0, QColor(0x84, 0x56, 0x06));
    p.setBrush(gold);
    p.setPen(QPen(QColor(0x6a, 0x44, 0x04), std::max<qreal>(0.5, h * 0.025)));
    p.drawPath(bell);
    // A raised rim near the mouth.
    p.setPen(QPen(QColor(0xff, 0xf0, 0xb8, 170), std::max<qreal>(0.5, h * 0.03)));
    p.drawLine(QPointF(-w * 0.84, h * 0.84), QPointF(w * 0.84, h * 0.84));
    p.restore();
}

void drawBow(QPainter& p, QPointF knot, qreal size, const QColor& colour) {
    // Two loops and two tails of ribbon tied in a knot.
    const QColor dark = colour.darker(160);
    p.setPen(QPen(dark, std::max<qreal>(0.5, size * 0.05), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath tail;
        tail.moveTo(knot);
        tail.lineTo(knot + QPointF(side * size * 0.45, size * 0.9));
        tail.lineTo(knot + QPointF(side * size * 0.2, size * 0.78));
        tail.lineTo(knot + QPointF(side * size * 0.05, size * 0.1));
        tail.closeSubpath();
        p.setBrush(colour.darker(115));
        p.drawPath(tail);
    }
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * size * 0.4, -size * 0.75),
                     knot + QPointF(side * size * 1.05, -size * 0.35),
                     knot + QPointF(side * size * 0.75, size * 0.12));
        loop.quadTo(knot + QPointF(side * size * 0.4, size * 0.2), knot);
        QLinearGradient sheen(knot + QPointF(0, -size * 0.6), knot + QPointF(0, size * 0.2));
        sheen.setColorAt(0.0, colour.lighter(140));
        sheen.setColorAt(1.0, colour.darker(110));
        p.setBrush(sheen);
        p.drawPath(loop);
    }
    p.setBrush(colour);
    p.drawEllipse(knot, size * 0.17, size * 0.15);
}

void drawCandyCane(QPainter& p, QPointF foot, qreal length, qreal degrees, bool hookLeft) {
    p.save();
    p.translate(foot);
    p.rotate(degrees);
    if (hookLeft) p.scale(-1, 1);
    const qreal width = length * 0.12;
    const qreal radius = length * 0.17;
    const qreal bend = -(length - radius);
    QPainterPath spine;
    spine.moveTo(0, 0);
    spine.lineTo(0, bend);
    spine.arcTo(QRectF(0, bend - radius, 2 * radius, 2 * radius), 180, -180);
    spine.lineTo(2 * radius, bend + radius * 0.5);

    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath body = stroker.createStroke(spine).simplified();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfb, 0xf8, 0xf2));
    p.drawPath(body);

    p.save();
    p.setClipPath(body);
    // Stripes wound round the cane: slanted bands laid along the spine.
    const qreal total = spine.length();
    const qreal pitch = width * 1.5;
    p.setBrush(QColor(0xd4, 0x1e, 0x2a));
    for (qreal along = -pitch; along < total + pitch; along += pitch) {
        const qreal at = std::clamp(along, 0.0, total);
        const qreal t = spine.percentAtLength(at);
        const QPointF centre = spine.pointAtPercent(t);
        const qreal angle = -spine.angleAtPercent(t) * std::numbers::pi / 180;
        const QPointF tangent(std::cos(angle), std::sin(angle));
        const QPointF normal(-tangent.y(), tangent.x());
        const QPointF start = centre + tangent * (along - at);
        QPolygonF stripe;
        stripe << start - normal * width << start - normal * width + tangent * width * 0.55
               << start + normal * width + tangent * width * 1.35
               << start + normal * width + tangent * width * 0.8;
        p.drawPolygon(stripe);
    }
    // Light from the upper left: a shine along one side of the cane, a shadow along the other.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 0, 10, 70), width * 0.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spine.translated(width * 0.32, width * 0.32));
    p.setPen(QPen(QColor(255, 255, 255, 150), width * 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spine.translated(-width * 0.2, -width * 0.2));
    p.restore();

    p.setPen(QPen(QColor(0x7a, 0x1c, 0x22, 160), std::max<qreal>(0.5, width * 0.08)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.restore();
}

void drawGift(QPainter& p, const QRectF& front, qreal depth, const GiftLook& look) {
    const QPointF back(depth, -depth * 0.55); // how the top and side recede
    const QColor& paper = look.paper;
    const QPolygonF top({front.topLeft(), front.topRight(), front.topRight() + back, front.topLeft() + back});
    const QPolygonF side(
        {front.topRight(), front.topRight() + back, front.bottomRight() + back, front.bottomRight()});

    auto face = [&](const QPolygonF& shape, const QColor& colour) {
        QPainterPath path;
        path.addPolygon(shape);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(path);
        if (look.dots) {
            // Polka dots, clipped to the face.
            p.save();
            p.setClipPath(path);
            p.setBrush(withAlpha(look.ribbon.lighter(115), 150));
            const qreal step = front.width() * 0.24;
            const QRectF box = shape.boundingRect();
            for (qreal y = box.top(); y < box.bottom() + step; y += step)
                for (qreal x = box.left(); x < box.right() + step; x += step) {
                    const qreal shift = std::fmod(std::round((y - box.top()) / step), 2.0) * step / 2;
                    p.drawEllipse(QPointF(x + shift, y), step * 0.16, step * 0.16);
                }
            p.restore();
        }
    };
    QLinearGradient frontShade(front.topLeft(), front.bottomLeft());
    frontShade.setColorAt(0.0, paper.lighter(108));
    frontShade.setColorAt(1.0, paper.darker(118));
    face(QPolygonF(front), paper);
    p.setBrush(frontShade);
    p.setOpacity(0.6);
    p.drawRect(front);
    p.setOpacity(1.0);
    face(side, paper.darker(150));
    face(top, paper.lighter(125));

    // The lid's lower edge on the front and side.
    const qreal lid = front.height() * 0.2;
    p.setPen(QPen(paper.darker(190), std::max<qreal>(0.5, front.width() * 0.012)));
    p.drawLine(front.topLeft() + QPointF(0, lid), front.topRight() + QPointF(0, lid));
    p.drawLine(front.topRight() + QPointF(0, lid), front.topRight() + back + QPointF(0, lid));

    // Ribbon: down the middle of the front and side, and crossing on the lid.
    const qreal band = front.width() * 0.16;
    const QColor ribbon = look.ribbon;
    p.setPen(Qt::NoPen);
    QLinearGradient down(QPointF(front.center().x() - band / 2, 0),
                         QPointF(front.center().x() + band / 2, 0));
    down.setColorAt(0.0, ribbon.darker(115));
    down.setColorAt(0.45, ribbon.lighter(130));
    down.setColorAt(1.0, ribbon.darker(125));
    p.setBrush(down);
    p.drawRect(QRectF(front.center().x() - band / 2, front.top(), band, front.height()));
    const QPointF sideMiddle = front.topRight() + back / 2;
    const QPointF bandBack = back / std::hypot(back.x(), back.y()) * band * 0.5;
    const QPointF drop(0, front.height());
    p.setBrush(ribbon.darker(145));
    p.drawPolygon(QPolygonF({sideMiddle - bandBack, sideMiddle + bandBack, sideMiddle + bandBack + drop,
                             sideMiddle - bandBack + drop}));
    p.setBrush(ribbon.lighter(115));
    const QPointF frontMiddle(front.center().x(), front.top());
    const qreal along = band / 2;
    p.drawPolygon(
        QPolygonF({frontMiddle - QPointF(along, 0), frontMiddle + QPointF(along, 0),
                   frontMiddle + QPointF(along, 0) + back, frontMiddle - QPointF(along, 0) + back}));
    const QPointF leftMiddle = front.topLeft() + back / 2;
    p.drawPolygon(QPolygonF({leftMiddle - bandBack, leftMiddle - bandBack + QPointF(front.width(), 0),
                             leftMiddle + bandBack + QPointF(front.width(), 0), leftMiddle + bandBack}));

    drawBow(p, frontMiddle + back / 2, front.width() * 0.3, ribbon);
}

} // namespace art

// Figures for the background tiles: angels, and Santa's sleigh with its reindeer.

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

const QColor kSkin(0xf6, 0xd3, 0xb8);
const QColor kSkinShade(0xd9, 0xa5, 0x88);

// One wing reaching up and out from the shoulder at the origin towards +x, its lower edge in
// feathered scallops.
QPainterPath wingShape(qreal u) {
    QPainterPath wing;
    wing.moveTo(0, 0);
    wing.cubicTo(QPointF(6 * u, -16 * u), QPointF(24 * u, -26 * u), QPointF(36 * u, -24 * u));
    wing.cubicTo(QPointF(34 * u, -16 * u), QPointF(31 * u, -10 * u), QPointF(28 * u, -7 * u));
    const QPointF scallops[] = {QPointF(26 * u, 0), QPointF(20 * u, 6 * u), QPointF(13 * u, 10 * u),
                                QPointF(5 * u, 12 * u)};
    QPointF from(28 * u, -7 * u);
    for (const QPointF& to : scallops) {
        const QPointF middle = (from + to) / 2;
        wing.quadTo(middle + QPointF(2.6 * u, 2.6 * u), to);
        from = to;
    }
    wing.quadTo(QPointF(1 * u, 8 * u), QPointF(0, 0));
    wing.closeSubpath();
    return wing;
}

} // namespace

void drawAngel(QPainter& p, QPointF headTop, qreal height, const QColor& robe, bool mirrored) {
    const qreal u = height / 100;
    p.save();
    p.translate(headTop);
    if (mirrored) p.scale(-1, 1);
    const QColor featherEdge(0x8c, 0xa4, 0xc8);

    // Wings behind everything else, the far one a little smaller and darker.
    for (const qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(side * 6 * u, 40 * u);
        p.scale(side, 1);
        if (side < 0) p.scale(0.92, 0.95);
        const QPainterPath wing = wingShape(u);
        QLinearGradient feathers(QPointF(0, -24 * u), QPointF(30 * u, 10 * u));
        feathers.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
        feathers.setColorAt(1.0, side < 0 ? QColor(0xc8, 0xd6, 0xea) : QColor(0xdd, 0xe7, 0xf4));
        p.setBrush(feathers);
        p.setPen(QPen(featherEdge, std::max<qreal>(0.5, 0.9 * u)));
        p.drawPath(wing);
        // A row of feather lines.
        p.setPen(
            QPen(withAlpha(featherEdge, 140), std::max<qreal>(0.4, 0.6 * u), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const qreal t = 0.25 + i * 0.22;
            p.drawLine(QPointF(6 * u + t * 14 * u, -4 * u - t * 10 * u),
                       QPointF(10 * u + t * 16 * u, 4 * u - t * 4 * u));
        }
        p.restore();
    }

    // Robe: a bell from the shoulders to the hem, with a golden trim.
    QPainterPath gown;
    gown.moveTo(-8 * u, 34 * u);
    gown.cubicTo(QPointF(-14 * u, 50 * u), QPointF(-24 * u, 80 * u), QPointF(-27 * u, 96 * u));
    gown.quadTo(QPointF(0, 101 * u), QPointF(27 * u, 96 * u));
    gown.cubicTo(QPointF(24 * u, 80 * u), QPointF(14 * u, 50 * u), QPointF(8 * u, 34 * u));
    gown.quadTo(QPointF(0, 31 * u), QPointF(-8 * u, 34 * u));
    gown.closeSubpath();
    QLinearGradient cloth(QPointF(-27 * u, 0), QPointF(27 * u, 0));
    cloth.setColorAt(0.0, robe.lighter(112));
    cloth.setColorAt(0.5, robe);
    cloth.setColorAt(1.0, robe.darker(125));
    p.setBrush(cloth);
    p.setPen(QPen(robe.darker(170), std::max<qreal>(0.5, 0.8 * u)));
    p.drawPath(gown);
    // Folds and the hem.
    p.setPen(
        QPen(withAlpha(robe.darker(150), 150), std::max<qreal>(0.4, 0.7 * u), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-6 * u, 66 * u), QPointF(-11 * u, 94 * u));
    p.drawLine(QPointF(5 * u, 66 * u), QPointF(9 * u, 95 * u));
    p.setPen(QPen(QColor(0xe6, 0xb8, 0x3a), std::max<qreal>(0.8, 2.0 * u), Qt::SolidLine, Qt::RoundCap));
    QPainterPath hem;
    hem.moveTo(-25.5 * u, 93.5 * u);
    hem.quadTo(QPointF(0, 98.5 * u), QPointF(25.5 * u, 93.5 * u));
    p.drawPath(hem);

    // Sleeves meeting in front, hands holding a little star.
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath sleeve;
        sleeve.moveTo(side * 8 * u, 36 * u);
        sleeve.cubicTo(QPointF(side * 16 * u, 44 * u), QPointF(side * 12 * u, 56 * u),
                       QPointF(side * 2 * u, 58 * u));
        p.setPen(QPen(robe.darker(170), std::max<qreal>(0.5, 7.8 * u), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(sleeve);
        p.setPen(QPen(robe.lighter(104), 6.2 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(sleeve);
    }
    p.setPen(QPen(kSkinShade, std::max<qreal>(0.4, 0.6 * u)));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(0, 56 * u), 4 * u, 3.4 * u);
    drawGoldStar(p, QPointF(0, 50 * u), 5.5 * u, QColor(0xf6, 0xc8, 0x3c), 110);

    // Head: golden curls, face, closed happy eyes and rosy cheeks.
    const QPointF face(0, 22 * u);
    const QColor hair(0xf0, 0xbe, 0x4a);
    p.setPen(QPen(hair.darker(150), std::max<qreal>(0.4, 0.6 * u)));
    p.setBrush(hair);
    const QPointF curls[] = {QPointF(-9, 17), QPointF(-6, 11),  QPointF(0, 9),  QPointF(6, 11),
                             QPointF(9, 17),  QPointF(-10, 24), QPointF(10, 24)};
    for (const QPointF& curl : curls)
        p.drawEllipse(curl * u, 5 * u, 5 * u);
    p.setPen(QPen(kSkinShade, std::max<qreal>(0.4, 0.6 * u)));
    p.setBrush(kSkin);
    p.drawEllipse(face + QPointF(0, 1.5 * u), 9 * u, 9.5 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawChord(QRectF(-9.5 * u, 12 * u, 19 * u, 10 * u), 0, 180 * 16);
    p.setBrush(QColor(0xff, 0x8a, 0x8a, 110));
    p.drawEllipse(face + QPointF(-5.2 * u, 5 * u), 2.2 * u, 1.6 * u);
    p.drawEllipse(face + QPointF(5.2 * u, 5 * u), 2.2 * u, 1.6 * u);
    const QColor ink(0x5a, 0x36, 0x24);
    p.setPen(QPen(ink, std::max<qreal>(0.5, 0.9 * u), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-6 * u, 0.5 * u + face.y(), 4 * u, 3 * u), 200 * 16, 140 * 16);
    p.drawArc(QRectF(2 * u, 0.5 * u + face.y(), 4 * u, 3 * u), 200 * 16, 140 * 16);
    p.drawArc(QRectF(-2.5 * u, 5 * u + face.y(), 5 * u, 3.2 * u), 200 * 16, 140 * 16);

    // Halo.
    QRadialGradient glow(QPointF(0, 5 * u), 16 * u);
    glow.setColorAt(0.0, QColor(255, 230, 140, 0));
    glow.setColorAt(0.6, QColor(255, 230, 140, 70));
    glow.setColorAt(1.0, QColor(255, 230, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 5 * u), 16 * u, 8 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xa8, 0x78, 0x10), 3.2 * u));
    p.drawEllipse(QPointF(0, 4 * u), 10 * u, 3 * u);
    p.setPen(QPen(QColor(0xff, 0xdc, 0x6a), 1.8 * u));
    p.drawEllipse(QPointF(0, 4 * u), 10 * u, 3 * u);
    p.restore();
}

namespace {

struct Deer {
    QColor coat, belly, antler, nose;
};

// A reindeer leaping towards +x, its body centred on the origin, `u` pixels a unit.
void drawReindeer(QPainter& p, qreal u, const Deer& deer, qreal gait) {
    const qreal line = std::max<qreal>(0.5, 0.7 * u);
    const QColor outline = deer.coat.darker(200);
    // Legs: the far pair first, stretched fore and aft in the leap.
    auto leg = [&](QPointF hip, QPointF knee, QPointF hoof, const QColor& colour) {
        QPainterPath path;
        path.moveTo(hip);
        path.quadTo(knee, hoof);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, 3.4 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(colour, 2.2 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x1a, 0x10));
        p.drawEllipse(hoof, 1.5 * u, 1.3 * u);
    };
    const QColor far = deer.coat.darker(125);
    leg(QPointF(10 * u, 3 * u), QPointF(18 * u, 4 * u + gait * u), QPointF(21 * u, 11 * u), far);
    leg(QPointF(-11 * u, 3 * u), QPointF(-20 * u, 5 * u), QPointF(-26 * u, 4 * u - gait * u), far);

    // Tail, body, neck and head.
    p.setPen(QPen(QColor(0xb0, 0xa8, 0xa0), line));
    p.setBrush(QColor(0xf6, 0xf2, 0xea));
    p.drawEllipse(QPointF(-16 * u, -3 * u), 3 * u, 2 * u);
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 16 * u, 7 * u);
    QPainterPath neck;
    neck.moveTo(9 * u, -5 * u);
    neck.cubicTo(QPointF(16 * u, -8 * u), QPointF(20 * u, -13 * u), QPointF(22 * u, -18 * u));
    neck.lineTo(28 * u, -15 * u);
    neck.cubicTo(QPointF(24 * u, -9 * u), QPointF(20 * u, -2 * u), QPointF(13 * u, 3 * u));
    neck.closeSubpath();
    QPainterPath head;
    head.moveTo(21 * u, -19 * u);
    head.cubicTo(QPointF(23 * u, -23 * u), QPointF(28 * u, -22 * u), QPointF(33 * u, -17.5 * u));
    head.quadTo(QPointF(34.5 * u, -15 * u), QPointF(32 * u, -14 * u));
    head.cubicTo(QPointF(28 * u, -13.5 * u), QPointF(24 * u, -14 * u), QPointF(21 * u, -16 * u));
    head.closeSubpath();
    const QPainterPath animal = body.united(neck).united(head);
    QLinearGradient fur(QPointF(0, -8 * u), QPointF(0, 7 * u));
    fur.setColorAt(0.0, deer.coat.lighter(115));
    fur.setColorAt(0.6, deer.coat);
    fur.setColorAt(1.0, deer.belly);
    p.setPen(QPen(outline, line));
    p.setBrush(fur);
    p.drawPath(animal);

    // Ear, eye and nose.
    QPainterPath ear;
    ear.moveTo(23 * u, -20 * u);
    ear.quadTo(QPointF(19 * u, -25 * u), QPointF(17 * u, -24 * u));
    ear.quadTo(QPointF(19 * u, -21 * u), QPointF(22.5 * u, -18.5 * u));
    p.setBrush(deer.coat.darker(110));
    p.drawPath(ear);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x10, 0x08));
    p.drawEllipse(QPointF(27 * u, -18.6 * u), 0.9 * u, 0.9 * u);
    QRadialGradient nose(QPointF(33 * u, -16.6 * u), 2.4 * u);
    nose.setColorAt(0.0, deer.nose.lighter(150));
    nose.setColorAt(1.0, deer.nose);
    p.setBrush(nose);
    p.drawEllipse(QPointF(33.2 * u, -16 * u), 1.8 * u, 1.6 * u);

    // Antlers: a swept-back beam with three tines.
    QPainterPath antlers;
    antlers.moveTo(23.5 * u, -21 * u);
    antlers.cubicTo(QPointF(22 * u, -27 * u), QPointF(18 * u, -31 * u), QPointF(13 * u, -32 * u));
    antlers.moveTo(21.8 * u, -26 * u);
    antlers.lineTo(25 * u, -30 * u);
    antlers.moveTo(19 * u, -29.5 * u);
    antlers.lineTo(20.5 * u, -34 * u);
    antlers.moveTo(16 * u, -31.4 * u);
    antlers.lineTo(15.5 * u, -35 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(deer.antler.darker(160), 2.0 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(antlers);
    p.setPen(QPen(deer.antler, 1.1 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(antlers);

    // Near legs, then the red harness with a golden bell.
    leg(QPointF(12 * u, 4 * u), QPointF(21 * u, 2 * u - gait * u), QPointF(25 * u, 8 * u), deer.coat);
    leg(QPointF(-9 * u, 4 * u), QPointF(-17 * u, 8 * u), QPointF(-23 * u, 10 * u + gait * u), deer.coat);
    p.setPen(QPen(QColor(0x9a, 0x10, 0x18), 2.4 * u, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(1 * u, -7.5 * u, 8 * u, 15 * u), 90 * 16, 180 * 16);
    QRadialGradient bell(QPointF(4.5 * u, 6.5 * u), 2 * u);
    bell.setColorAt(0.0, QColor(0xff, 0xec, 0x9a));
    bell.setColorAt(1.0, QColor(0xb8, 0x84, 0x10));
    p.setPen(Qt::NoPen);
    p.setBrush(bell);
    p.drawEllipse(QPointF(4.6 * u, 7.6 * u), 1.6 * u, 1.6 * u);
}

// The sleigh, its bottom centre at the origin, with Santa and his sack in it; returns where the
// reins leave his hands.
QPointF drawSleighWithSanta(QPainter& p, qreal u) {
    const qreal line = std::max<qreal>(0.5, 0.7 * u);
    const QColor red(0xc8, 0x1a, 0x26), gold(0xe8, 0xb4, 0x30);

    // The sack of presents behind Santa.
    p.setPen(QPen(QColor(0x4e, 0x30, 0x16), line));
    QRadialGradient sacking(QPointF(-18 * u, -24 * u), 12 * u);
    sacking.setColorAt(0.0, QColor(0xc4, 0x94, 0x5c));
    sacking.setColorAt(1.0, QColor(0x7c, 0x52, 0x28));
    p.setBrush(sacking);
    p.drawEllipse(QPointF(-15 * u, -20 * u), 9 * u, 9 * u);
    GiftLook peek{QColor(0x2a, 0x8a, 0x48), QColor(0xf4, 0xc4, 0x3a), false};
    drawGift(p, QRectF(-19 * u, -34 * u, 7 * u, 6 * u), 2.6 * u, peek);

    // Santa: coat, belt, arm, head with beard and hat.
    p.setPen(QPen(red.darker(190), line));
    QLinearGradient coat(QPointF(-12 * u, 0), QPointF(2 * u, 0));
    coat.setColorAt(0.0, red.lighter(115));
    coat.setColorAt(1.0, red.darker(130));
    p.setBrush(coat);
    p.drawEllipse(QPointF(-5 * u, -16 * u), 7 * u, 8.5 * u);
    const QPointF face(-3 * u, -28.5 * u);
    p.setPen(QPen(QColor(0xb8, 0xbc, 0xc4), line));
    p.setBrush(QColor(0xfa, 0xfa, 0xfa));
    QPainterPath beard;
    beard.moveTo(face + QPointF(-4.6 * u, 0));
    beard.cubicTo(face + QPointF(-5 * u, 7 * u), face + QPointF(-1 * u, 10 * u),
                  face + QPointF(2 * u, 9 * u));
    beard.cubicTo(face + QPointF(5 * u, 7 * u), face + QPointF(5.5 * u, 2 * u), face + QPointF(4.6 * u, 0));
    beard.closeSubpath();
    p.setPen(QPen(kSkinShade, line));
    p.setBrush(kSkin);
    p.drawEllipse(face, 4.4 * u, 4.4 * u);
    p.setPen(QPen(QColor(0xb8, 0xbc, 0xc4), line));
    p.setBrush(QColor(0xfa, 0xfa, 0xfa));
    p.drawPath(beard);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x1a, 0x10));
    p.drawEllipse(face + QPointF(1.6 * u, -1 * u), 0.7 * u, 0.7 * u);
    p.setBrush(QColor(0xf0, 0x90, 0x90));
    p.drawEllipse(face + QPointF(3.4 * u, 0.8 * u), 1.2 * u, 1.0 * u);
    QPainterPath hat;
    hat.moveTo(face + QPointF(-5 * u, -2.2 * u));
    hat.cubicTo(face + QPointF(-4 * u, -8 * u), face + QPointF(-8 * u, -11 * u),
                face + QPointF(-11 * u, -8 * u));
    hat.cubicTo(face + QPointF(-6 * u, -8 * u), face + QPointF(1 * u, -9 * u),
                face + QPointF(4.8 * u, -2.6 * u));
    hat.closeSubpath();
    p.setPen(QPen(red.darker(190), line));
    p.setBrush(red);
    p.drawPath(hat);
    p.setPen(QPen(QColor(0xc8, 0xcc, 0xd4), line * 0.8));
    p.setBrush(QColor(0xfa, 0xfa, 0xfa));
    p.drawRoundedRect(QRectF(face.x() - 5.6 * u, face.y() - 3.8 * u, 11 * u, 2.8 * u), 1.4 * u, 1.4 * u);
    p.drawEllipse(face + QPointF(-11 * u, -8 * u), 2 * u, 2 * u);
    const QPointF hands(6 * u, -17 * u);
    QPainterPath arm;
    arm.moveTo(-4 * u, -20 * u);
    arm.quadTo(QPointF(1 * u, -15 * u), hands);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(red.darker(190), 4.2 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(QPen(red, 3 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x5c, 0x30));
    p.drawEllipse(hands, 1.9 * u, 1.7 * u);

    // Runner with its front curl and two struts.
    QPainterPath runner;
    runner.moveTo(-25 * u, 2 * u);
    runner.lineTo(20 * u, 2 * u);
    runner.cubicTo(QPointF(28 * u, 2 * u), QPointF(30 * u, -6 * u), QPointF(25 * u, -7.5 * u));
    runner.cubicTo(QPointF(22 * u, -8 * u), QPointF(21 * u, -4 * u), QPointF(24 * u, -3.6 * u));
    runner.moveTo(-14 * u, -4 * u);
    runner.lineTo(-14 * u, 2 * u);
    runner.moveTo(8 * u, -4 * u);
    runner.lineTo(8 * u, 2 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold.darker(170), 2.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(runner);
    p.setPen(QPen(gold, 1.6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(runner);

    // The body of the sleigh, in front of Santa's legs, with a scrolled front and a gold rim.
    QPainterPath sleigh;
    sleigh.moveTo(-21 * u, -22 * u);
    sleigh.cubicTo(QPointF(-25 * u, -14 * u), QPointF(-24 * u, -6 * u), QPointF(-19 * u, -3.6 * u));
    sleigh.lineTo(13 * u, -3.6 * u);
    sleigh.cubicTo(QPointF(20 * u, -3.6 * u), QPointF(23 * u, -10 * u), QPointF(21 * u, -15 * u));
    sleigh.cubicTo(QPointF(19.5 * u, -18.5 * u), QPointF(15 * u, -18 * u), QPointF(15.5 * u, -14.5 * u));
    sleigh.quadTo(QPointF(12 * u, -11 * u), QPointF(4 * u, -11 * u));
    sleigh.lineTo(-11 * u, -11 * u);
    sleigh.cubicTo(QPointF(-13 * u, -16 * u), QPointF(-15 * u, -21 * u), QPointF(-21 * u, -22 * u));
    sleigh.closeSubpath();
    QLinearGradient paint(QPointF(0, -22 * u), QPointF(0, -3 * u));
    paint.setColorAt(0.0, red.lighter(125));
    paint.setColorAt(1.0, red.darker(140));
    p.setPen(QPen(red.darker(220), line));
    p.setBrush(paint);
    p.drawPath(sleigh);
    QPainterPath rim;
    rim.moveTo(-20.5 * u, -20.5 * u);
    rim.cubicTo(QPointF(-15 * u, -19 * u), QPointF(-13 * u, -14 * u), QPointF(-11 * u, -10 * u));
    rim.lineTo(5 * u, -10 * u);
    rim.moveTo(-20 * u, -6 * u);
    rim.lineTo(12 * u, -6 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 1.2 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rim);
    p.setBrush(gold);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(18 * u, -12 * u), 1.5 * u, 1.5 * u);
    return hands;
}

} // namespace

void drawSleighTeam(QPainter& p, QPointF sleighFoot, qreal u, bool silhouette) {
    p.save();
    p.translate(sleighFoot);
    const Deer brown{QColor(0x9a, 0x62, 0x36), QColor(0xd8, 0xb8, 0x90), QColor(0xd8, 0xc0, 0x94),
                     QColor(0x3a, 0x24, 0x18)};
    Deer leader = brown;
    leader.nose = QColor(0xe8, 0x1c, 0x24);
    const QPointF first(50 * u, -14 * u), second(92 * u, -22 * u);

    // The team seen far away is a flat shadow of the same drawing.
    QImage shadow;
    QPainter* target = &p;
    QPainter layer;
    if (silhouette) {
        const QRectF area = p.combinedTransform().mapRect(QRectF(-30 * u, -60 * u, 160 * u, 80 * u));
        shadow = QImage(area.size().toSize() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
        shadow.fill(Qt::transparent);
        layer.begin(&shadow);
        layer.setRenderHint(QPainter::Antialiasing);
        layer.translate(-area.topLeft());
        layer.setTransform(p.combinedTransform(), true);
        target = &layer;
    }
    QPainter& q = *target;

    // Reins from Santa's hands and the traces between the deer, drawn first so the deer cover them.
    const QPointF hands(6 * u, -17 * u);
    q.setBrush(Qt::NoBrush);
    q.setPen(QPen(QColor(0x5a, 0x2c, 0x14), std::max<qreal>(0.5, 0.8 * u)));
    QPainterPath reins;
    reins.moveTo(hands);
    reins.quadTo(QPointF(28 * u, -12 * u), first + QPointF(8 * u, -1 * u));
    reins.moveTo(first + QPointF(20 * u, -8 * u));
    reins.quadTo((first + second) / 2 + QPointF(8 * u, 2 * u), second + QPointF(8 * u, -1 * u));
    q.drawPath(reins);
    q.save();
    q.translate(second);
    q.rotate(-6);
    drawReindeer(q, u, leader, 1.5);
    q.restore();
    q.save();
    q.translate(first);
    q.rotate(-4);
    drawReindeer(q, u, brown, -1.5);
    q.restore();
    drawSleighWithSanta(q, u);

    if (silhouette) {
        layer.end();
        QPainter tint(&shadow);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(shadow.rect(), QColor(0x38, 0x56, 0x8a, 200));
        tint.end();
        const QRectF area = p.combinedTransform().mapRect(QRectF(-30 * u, -60 * u, 160 * u, 80 * u));
        p.resetTransform();
        p.drawImage(area.topLeft(), shadow);
    }
    p.restore();
}

} // namespace art

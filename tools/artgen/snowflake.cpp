// Six-armed dendrite snowflakes: the falling flake sprites and the five snowflake tiles.

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

QPointF unitAt(qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180;
    return QPointF(std::cos(a), std::sin(a));
}

// Adds a straight piece of ice from `from` to `to` that narrows from `baseWidth` to `tipWidth`,
// rounded at the base so pieces join smoothly, and rounded or pointed at the tip.
void addPiece(QPainterPath& path, QPointF from, QPointF to, qreal baseWidth, qreal tipWidth, bool pointed) {
    const QPointF along = to - from;
    const qreal length = std::hypot(along.x(), along.y());
    if (length <= 0) return;
    const QPointF d = along / length;
    const QPointF n(-d.y(), d.x());
    QPolygonF piece;
    piece << from + n * baseWidth / 2 << to + n * tipWidth / 2;
    if (pointed) piece << to + d * tipWidth * 1.6;
    piece << to - n * tipWidth / 2 << from - n * baseWidth / 2;
    path.addPolygon(piece);
    path.closeSubpath();
    path.addEllipse(from, baseWidth / 2, baseWidth / 2);
    if (!pointed) path.addEllipse(to, tipWidth / 2, tipWidth / 2);
}

} // namespace

QPainterPath dendrite(const FlakeStyle& style, std::uint32_t seed) {
    FixedRandom random(seed);
    const qreal r = style.radius;

    // One arm along +x: the spine, then pairs of side branches at sixty degrees, longest in the
    // middle of the arm. A branch starting at distance b from the heart would meet the matching
    // branch of the next arm after b, so it stays well short of that.
    QPainterPath arm;
    arm.setFillRule(Qt::WindingFill);
    const qreal start = style.plate * 0.8;
    addPiece(arm, QPointF(start, 0), QPointF(r, 0), style.spineWidth, style.spineWidth * 0.55, style.pointed);
    const int branches = style.branches;
    for (int i = 0; i < branches; ++i) {
        const qreal t = 0.3 + 0.56 * (i + random.between(0.3, 0.7)) / branches;
        const qreal base = t * r;
        const qreal swell = std::sin(std::numbers::pi * (t - 0.12) / 0.92);
        const qreal length = std::min(base * 0.62, r * (0.14 + 0.3 * swell) * random.between(0.85, 1.1));
        const qreal width = style.branchWidth * (1.0 - 0.3 * t);
        for (const qreal side : {-1.0, 1.0}) {
            const QPointF from(base, 0);
            const QPointF direction = unitAt(side * 60);
            const QPointF end = from + direction * length;
            addPiece(arm, from, end, width, width * 0.55, style.pointed);
            // Twigs off the longer branches, pointing out towards the tip like the branch's own
            // little branches.
            if (style.twigs && length > r * 0.24) {
                const QPointF fork = from + direction * length * 0.5;
                addPiece(arm, fork, fork + QPointF(length * 0.3, 0), width * 0.75, width * 0.4,
                         style.pointed);
            }
        }
    }
    // A small arrowhead of ice near the tip.
    if (style.tipFork && r >= 9) {
        const QPointF at(r * 0.86, 0);
        for (const qreal side : {-1.0, 1.0})
            addPiece(arm, at, at + unitAt(side * 60) * r * 0.09, style.branchWidth * 0.7,
                     style.branchWidth * 0.4, style.pointed);
    }

    QPainterPath flake;
    flake.setFillRule(Qt::WindingFill);
    for (int k = 0; k < 6; ++k) {
        QTransform turn;
        turn.rotate(60 * k);
        flake.addPath(turn.map(arm));
    }

    // A small hexagonal plate at the heart, hollow on the bigger flakes.
    if (style.plate > 0) {
        QPolygonF hexagon;
        for (int k = 0; k < 6; ++k)
            hexagon << unitAt(30 + 60 * k) * style.plate;
        hexagon << hexagon.first();
        QPainterPath plate;
        plate.addPolygon(hexagon);
        if (style.plate > 3 * style.spineWidth) {
            QPainterPathStroker rim;
            rim.setWidth(style.spineWidth * 0.8);
            rim.setJoinStyle(Qt::MiterJoin);
            flake.addPath(rim.createStroke(plate));
        } else {
            flake.addPath(plate);
        }
    }
    return flake.simplified();
}

namespace {

// A flake for the falling snow: white, with a faint blue-grey edge so it shows on light tiles.
// Its heart sits on a pixel centre, so the level arms land on whole rows at 1x.
void drawSpriteFlake(QPainter& p, const QSizeF& size, const FlakeStyle& style, std::uint32_t seed) {
    const QPainterPath flake =
        dendrite(style, seed).translated(size.width() / 2 - 0.5, size.height() / 2 - 0.5);
    QPen edge(QColor(0x4c, 0x66, 0x8e, 190), 1.2);
    edge.setJoinStyle(Qt::RoundJoin);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flake);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(flake);
}

struct FlakeTile {
    QColor background, mottle;
    QColor ice;     // the flakes' colour at the heart
    QColor iceEdge; // and at the tips
    QColor outline; // a thin edge round each flake; transparent for none
    int count;
    qreal smallest, largest; // flake radius range
    bool sharp;
    qreal glow; // alpha of a soft light round each flake, 0 for none
    std::uint32_t seed;
};

void drawFlakeTile(QPainter& p, const QSizeF& size, const FlakeTile& look) {
    FixedRandom random(look.seed);
    fillMottled(p, size, look.background, look.mottle, 7, random);
    const qreal spacing = std::sqrt(size.width() * size.height() / look.count) * 0.8;
    const std::vector<QPointF> spots = scatter(size, look.count, spacing, random);
    for (const QPointF& spot : spots) {
        FlakeStyle style;
        style.radius = random.between(look.smallest, look.largest);
        const qreal weight = look.sharp ? 0.045 : look.largest < 10 ? 0.12 : 0.08;
        style.spineWidth = std::max<qreal>(look.sharp ? 0.7 : 1.1, style.radius * weight * 1.3);
        style.branchWidth = std::max<qreal>(look.sharp ? 0.6 : 0.9, style.radius * weight);
        // Bigger flakes differ from each other in how many branches they grow and whether those fork.
        const int extra = static_cast<int>(random.between(0, 2));
        style.branches = style.radius < 8 ? 2 : style.radius < 20 ? 3 : 2 + extra;
        style.twigs = style.radius >= 16 && (style.branches < 4 || random.unit() < 0.5);
        style.pointed = look.sharp || style.radius >= 16;
        style.plate = style.radius * 0.16;
        const qreal turn = random.between(0, 60);
        const QPainterPath flake = dendrite(style, static_cast<std::uint32_t>(random.between(0, 1e9)));
        const qreal reach = style.radius * (look.glow > 0 ? 1.5 : 1.05) + 2;
        drawWrapped(size, spot, reach, [&](QPointF at) {
            p.save();
            p.translate(at);
            if (look.glow > 0) {
                QRadialGradient halo(QPointF(0, 0), style.radius * 1.4);
                halo.setColorAt(0.0, withAlpha(look.ice, static_cast<int>(look.glow)));
                halo.setColorAt(1.0, withAlpha(look.ice, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(halo);
                p.drawEllipse(QPointF(0, 0), style.radius * 1.4, style.radius * 1.4);
            }
            p.rotate(turn);
            QRadialGradient ice(QPointF(0, 0), style.radius);
            ice.setColorAt(0.0, look.ice);
            ice.setColorAt(1.0, look.iceEdge);
            if (look.outline.alpha() > 0) {
                // Stroked first and mostly covered by the fill, so only a thin rim shows outside and
                // the thin arms keep their full width.
                QPen edge(look.outline, 1.4);
                edge.setJoinStyle(Qt::RoundJoin);
                p.setPen(edge);
                p.setBrush(Qt::NoBrush);
                p.drawPath(flake);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(ice);
            p.drawPath(flake);
            p.restore();
        });
    }
}

} // namespace

void drawSnowflake32(QPainter& p, const QSizeF& size) {
    FlakeStyle style;
    style.radius = 10.5;
    style.spineWidth = 1.4;
    style.branchWidth = 1.1;
    style.branches = 2;
    style.tipFork = false;
    style.plate = 1.8;
    drawSpriteFlake(p, size, style, 32);
}

void drawSnowflake16(QPainter& p, const QSizeF& size) {
    FlakeStyle style;
    style.radius = 6.2;
    style.spineWidth = 1.1;
    style.branchWidth = 0.9;
    style.branches = 1;
    style.tipFork = false;
    style.plate = 0;
    drawSpriteFlake(p, size, style, 16);
}

void drawSnowflakesSmall(QPainter& p, const QSizeF& size) {
    drawFlakeTile(p, size,
                  {QColor(0x5f, 0x82, 0xad), QColor(0x9c, 0xbd, 0xe0, 60), QColor(0xff, 0xff, 0xff),
                   QColor(0xe2, 0xee, 0xfa), QColor(0, 0, 0, 0), 34, 4.5, 8.0, false, 0, 1010});
}

void drawSnowflakesMedium(QPainter& p, const QSizeF& size) {
    drawFlakeTile(p, size,
                  {QColor(0x58, 0x7c, 0xaa), QColor(0x8e, 0xb2, 0xdc, 60), QColor(0xff, 0xff, 0xff),
                   QColor(0xd2, 0xe3, 0xf5), QColor(0x2e, 0x4c, 0x78, 110), 12, 10.0, 15.0, false, 0, 1111});
}

void drawSnowflakesSharp(QPainter& p, const QSizeF& size) {
    drawFlakeTile(p, size,
                  {QColor(0x3b, 0x62, 0x8e), QColor(0x6c, 0x97, 0xc4, 55), QColor(0xff, 0xff, 0xff),
                   QColor(0xe8, 0xf2, 0xfd), QColor(0, 0, 0, 0), 12, 10.0, 16.0, true, 0, 1212});
}

void drawSnowflakesLarge(QPainter& p, const QSizeF& size) {
    drawFlakeTile(p, size,
                  {QColor(0x6c, 0x90, 0xbe), QColor(0xa8, 0xc6, 0xe6, 70), QColor(0xfa, 0xfc, 0xff),
                   QColor(0xc6, 0xdb, 0xf1), QColor(0x39, 0x5a, 0x8a, 120), 5, 24.0, 38.0, false, 0, 1313});
}

void drawSnowflakesLargeWhite(QPainter& p, const QSizeF& size) {
    drawFlakeTile(p, size,
                  {QColor(0x17, 0x30, 0x6c), QColor(0x2c, 0x52, 0xa0, 90), QColor(0xff, 0xff, 0xff),
                   QColor(0xf2, 0xf6, 0xff), QColor(0, 0, 0, 0), 5, 24.0, 38.0, false, 40, 1414});
}

} // namespace art

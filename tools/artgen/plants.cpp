// Fir trees and patches of snowy ground for the tree tiles.

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace art {
namespace {

struct Tier {
    qreal top, bottom, half; // apex y, y of the hanging bough tips, half width at the bottom
    QPainterPath shape;
    std::vector<QPointF> tips; // where the boughs hang lowest
};

// One layer of boughs: a curved cone whose lower edge hangs in scallops.
Tier makeTier(qreal x, qreal top, qreal bottom, qreal half, int scallops, FixedRandom& random) {
    Tier tier{top, bottom, half, {}, {}};
    const qreal height = bottom - top;
    const qreal droop = height * 0.12;
    QPainterPath& s = tier.shape;
    s.moveTo(x, top);
    s.cubicTo(QPointF(x + half * 0.18, top + height * 0.35), QPointF(x + half * 0.7, top + height * 0.75),
              QPointF(x + half, bottom - droop * 0.6));
    // The lower edge, right to left: each bough tip hangs a little below the notches between them.
    for (int i = 0; i < scallops; ++i) {
        const qreal from = x + half - 2 * half * i / scallops;
        const qreal to = x + half - 2 * half * (i + 1) / scallops;
        const qreal sag = droop * random.between(0.8, 1.25);
        const qreal notch = (i + 1 == scallops) ? bottom - droop * 0.6 : bottom - droop * 0.15;
        const QPointF tip((from + to) / 2, bottom + sag * 0.3);
        s.quadTo(QPointF(tip.x() + (from - to) * 0.15, bottom + sag), tip);
        s.quadTo(QPointF(tip.x() - (from - to) * 0.15, bottom + sag * 0.8), QPointF(to, notch));
        tier.tips.push_back(tip);
    }
    s.cubicTo(QPointF(x - half * 0.7, top + height * 0.75), QPointF(x - half * 0.18, top + height * 0.35),
              QPointF(x, top));
    s.closeSubpath();
    return tier;
}

} // namespace

void drawFir(QPainter& p, QPointF foot, qreal height, const FirLook& look, FixedRandom& random) {
    const qreal x = foot.x();
    const qreal trunkTop = foot.y() - height * 0.16;
    const qreal apex = foot.y() - height;

    // Trunk.
    const QRectF trunk(x - height * 0.045, trunkTop, height * 0.09, foot.y() - trunkTop);
    QLinearGradient bark(trunk.topLeft(), trunk.topRight());
    bark.setColorAt(0.0, look.trunk.lighter(130));
    bark.setColorAt(1.0, look.trunk.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(bark);
    p.drawRect(trunk);

    // Tiers from the bottom up, each overlapping the one below and casting a little shade on it.
    const int count = look.tiers;
    const qreal canopyBottom = foot.y() - height * 0.1;
    const qreal canopy = canopyBottom - apex;
    std::vector<Tier> tiers;
    for (int k = 0; k < count; ++k) {
        const qreal f = static_cast<qreal>(k) / count;
        const qreal bottom = canopyBottom - canopy * f * 0.78;
        const qreal top = (k + 1 == count) ? apex : bottom - canopy * (0.46 - 0.05 * f);
        const qreal half = height * look.width * (1.0 - f * 0.72) * random.between(0.96, 1.04);
        tiers.push_back(makeTier(x, top, bottom, half, std::max(3, 5 - k), random));
    }

    const QColor& light = look.light;
    const QColor& mid = look.mid;
    const QColor& dark = look.dark;
    for (int k = 0; k < count; ++k) {
        const Tier& tier = tiers[k];
        QLinearGradient needles(QPointF(x - tier.half, 0), QPointF(x + tier.half, 0));
        needles.setColorAt(0.0, light);
        needles.setColorAt(0.45, mid);
        needles.setColorAt(1.0, dark);
        p.setPen(Qt::NoPen);
        p.setBrush(needles);
        p.drawPath(tier.shape);

        p.save();
        p.setClipPath(tier.shape);
        // Deeper shade towards the hanging tips, and boughs fanning out from the trunk.
        QLinearGradient depth(QPointF(0, tier.top), QPointF(0, tier.bottom + height * 0.03));
        depth.setColorAt(0.0, QColor(0, 0, 0, 0));
        depth.setColorAt(1.0, withAlpha(dark.darker(160), 110));
        p.setBrush(depth);
        p.drawPath(tier.shape);
        const qreal strokeWidth = std::max<qreal>(0.6, height * 0.008);
        for (const QPointF& tip : tier.tips) {
            const bool left = tip.x() < x;
            QPen bough(left ? withAlpha(light.lighter(120), 90) : withAlpha(dark.darker(140), 110),
                       strokeWidth, Qt::SolidLine, Qt::RoundCap);
            p.setPen(bough);
            p.setBrush(Qt::NoBrush);
            QPainterPath line;
            const QPointF from(x + (tip.x() - x) * 0.1, tier.top + (tier.bottom - tier.top) * 0.35);
            line.moveTo(from);
            line.quadTo(QPointF(from.x() + (tip.x() - from.x()) * 0.6, from.y()),
                        tip - QPointF(0, height * 0.015));
            p.drawPath(line);
        }
        // The next tier up shades this one just below its own bough tips.
        if (k + 1 < count) {
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(dark.darker(200), 90));
            p.drawPath(tiers[k + 1].shape.translated(0, height * 0.035));
        }
        p.restore();

        if (look.snow > 0) {
            // Snow lying on the upper side of the boughs, with a wavy lower edge, and lumps on the tips.
            p.save();
            p.setClipPath(tier.shape);
            QPainterPath cover;
            // The tier above hides roughly the upper half, so the snow line sits in the visible band.
            const qreal line = tier.top + (tier.bottom - tier.top) * (0.86 - 0.14 * look.snow);
            cover.moveTo(x - tier.half - 2, tier.top - 2);
            cover.lineTo(x + tier.half + 2, tier.top - 2);
            cover.lineTo(x + tier.half + 2, line);
            const int waves = 6;
            for (int i = 0; i < waves; ++i) {
                const qreal a = x + tier.half - 2 * tier.half * i / waves;
                const qreal b = x + tier.half - 2 * tier.half * (i + 1) / waves;
                const qreal dip = (tier.bottom - tier.top) * random.between(0.08, 0.2);
                cover.quadTo(QPointF((a + b) / 2, line + dip * 2), QPointF(b, line));
            }
            cover.lineTo(x - tier.half - 2, line);
            cover.closeSubpath();
            QLinearGradient snow(QPointF(x - tier.half, 0), QPointF(x + tier.half, 0));
            snow.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
            snow.setColorAt(0.6, QColor(0xf0, 0xf5, 0xfb));
            snow.setColorAt(1.0, QColor(0xc4, 0xd2, 0xe4));
            p.setPen(Qt::NoPen);
            p.setBrush(snow);
            p.drawPath(cover);
            p.restore();
            p.setBrush(QColor(0xf4, 0xf8, 0xfd));
            for (const QPointF& tip : tier.tips) {
                const qreal r = height * 0.011 * look.snow;
                p.drawEllipse(tip - QPointF(0, r * 1.2), r * 2.2, r);
            }
        }
    }

    if (look.ornaments) {
        const std::array<QColor, 4> colours = {QColor(0xe0, 0x2a, 0x32), QColor(0xf3, 0xc0, 0x2e),
                                               QColor(0x3d, 0x86, 0xe8), QColor(0xd9, 0x4a, 0xc4)};
        int next = static_cast<int>(random.between(0, 4));
        for (int k = 0; k + 1 < count; ++k) {
            for (std::size_t i = 0; i < tiers[k].tips.size(); i += 2) {
                const QPointF tip = tiers[k].tips[i];
                if (std::abs(tip.x() - x) > tiers[k].half * 0.9) continue;
                drawBauble(p, tip - QPointF(0, height * 0.01), height * 0.03,
                           colours[next++ % colours.size()]);
            }
        }
    }
    if (look.star)
        drawGoldStar(p, QPointF(x, apex + height * 0.01), height * 0.075, QColor(0xf6, 0xc8, 0x3c), 120);
}

void drawSnowDrift(QPainter& p, QPointF centre, qreal halfWidth, qreal height, const QColor& colour) {
    // A wide, soft ellipse with a firmer middle, so the snow melts into the background.
    p.save();
    p.translate(centre);
    p.scale(1.0, height / halfWidth);
    QRadialGradient snow(QPointF(0, 0), halfWidth);
    snow.setColorAt(0.0, withAlpha(colour, 245));
    snow.setColorAt(0.55, withAlpha(colour, 215));
    snow.setColorAt(0.8, withAlpha(colour, 90));
    snow.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(snow);
    p.drawEllipse(QPointF(0, 0), halfWidth, halfWidth);
    p.restore();
}

} // namespace art

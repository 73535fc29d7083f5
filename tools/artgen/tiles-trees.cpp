// The background tiles with trees: green firs (the one a newcomer sees first) and snowy firs.

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <vector>

namespace art {
namespace {

// Soft dots of falling snow, wrapped round the tile.
void sprinkleSnow(QPainter& p, const QSizeF& size, int count, qreal smallest, qreal largest, int alpha,
                  FixedRandom& random) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.between(0, size.width()), random.between(0, size.height()));
        const qreal r = random.between(smallest, largest);
        const int a = static_cast<int>(alpha * random.between(0.6, 1.0));
        drawWrapped(size, at, r + 1, [&](QPointF c) {
            p.setBrush(QColor(255, 255, 255, a));
            p.drawEllipse(c, r, r);
        });
    }
}

struct PlacedTree {
    QPointF foot;
    qreal height;
    qreal width = 0.36; // see FirLook::width
};

// Draws the trees and their wrapped copies from the back (highest foot) to the front, so nearer
// trees overlap farther ones even across the tile's edges.
void drawTrees(QPainter& p, const QSizeF& size, std::span<const PlacedTree> trees, FirLook look,
               const QColor& drift, std::uint32_t seed) {
    struct Copy {
        const PlacedTree* tree;
        QPointF foot;
    };
    std::vector<Copy> copies;
    for (const PlacedTree& tree : trees) {
        drawWrapped(size, tree.foot - QPointF(0, tree.height / 2), tree.height * 0.6, [&](QPointF centre) {
            copies.push_back({&tree, centre + QPointF(0, tree.height / 2)});
        });
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const Copy& a, const Copy& b) { return a.foot.y() < b.foot.y(); });
    for (const Copy& copy : copies) {
        const PlacedTree& tree = *copy.tree;
        const QPointF foot = copy.foot;
        look.width = tree.width;
        // The same seed for every copy keeps the wrapped copies identical.
        FixedRandom random(seed + static_cast<std::uint32_t>(tree.foot.x() * 7 + tree.foot.y() * 13));
        if (drift.alpha() > 0) {
            // The tree stands in a patch of snow with a soft blue shadow behind its trunk.
            drawSnowDrift(p, foot + QPointF(0, tree.height * 0.01), tree.height * 0.55, tree.height * 0.09,
                          drift);
            QRadialGradient shade(foot, tree.height * 0.3);
            shade.setColorAt(0.0, QColor(0x1c, 0x30, 0x50, 80));
            shade.setColorAt(1.0, QColor(0x1c, 0x30, 0x50, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(shade);
            p.drawEllipse(foot, tree.height * 0.3, tree.height * 0.06);
        }
        drawFir(p, foot, tree.height, look, random);
    }
}

} // namespace

void drawTilesTreesGreen(QPainter& p, const QSizeF& size) {
    FixedRandom random(101);
    fillMottled(p, size, QColor(0x3f, 0x66, 0x8e), QColor(0x7d, 0xa4, 0xcc, 70), 6, random);

    // Small firs far away, in the blue of the evening, give the tile some depth.
    FirLook far;
    far.tiers = 3;
    far.light = QColor(0x4c, 0x74, 0x9c);
    far.mid = QColor(0x46, 0x6d, 0x95);
    far.dark = QColor(0x3d, 0x62, 0x8a);
    far.trunk = far.dark;
    const PlacedTree distant[] = {
        PlacedTree{QPointF(92, 40), 26, 0.33}, PlacedTree{QPointF(103, 44), 20, 0.33},
        PlacedTree{QPointF(10, 22), 24, 0.33}, PlacedTree{QPointF(160, 108), 22, 0.33}};
    drawTrees(p, size, distant, far, QColor(0, 0, 0, 0), 3);
    sprinkleSnow(p, size, 26, 0.5, 1.2, 170, random);

    const PlacedTree trees[] = {PlacedTree{QPointF(46, 106), 82, 0.37},
                                PlacedTree{QPointF(132, 62), 60, 0.34},
                                PlacedTree{QPointF(124, 140), 44, 0.38}};
    FirLook look;
    look.ornaments = true;
    look.star = true;
    drawTrees(p, size, trees, look, QColor(0xdd, 0xe8, 0xf4), 7);
}

void drawTilesTreesSnow(QPainter& p, const QSizeF& size) {
    FixedRandom random(202);
    fillMottled(p, size, QColor(0x4f, 0x6c, 0x92), QColor(0x98, 0xb2, 0xd2, 70), 10, random);
    sprinkleSnow(p, size, 110, 0.6, 1.6, 210, random);
    const PlacedTree trees[] = {
        PlacedTree{QPointF(70, 130), 120, 0.34},  PlacedTree{QPointF(150, 100), 86, 0.33},
        PlacedTree{QPointF(262, 140), 132, 0.35}, PlacedTree{QPointF(360, 84), 92, 0.33},
        PlacedTree{QPointF(20, 250), 98, 0.34},   PlacedTree{QPointF(128, 268), 112, 0.35},
        PlacedTree{QPointF(210, 236), 80, 0.33},  PlacedTree{QPointF(330, 262), 118, 0.34},
        PlacedTree{QPointF(212, 52), 64, 0.33},
    };
    FirLook look;
    look.tiers = 5;
    look.light = QColor(0x3f, 0x86, 0x5a);
    look.mid = QColor(0x21, 0x5e, 0x3e);
    look.dark = QColor(0x0f, 0x36, 0x24);
    look.snow = 0.8;
    drawTrees(p, size, trees, look, QColor(0xe8, 0xef, 0xf8), 9);
}

} // namespace art

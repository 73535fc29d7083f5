// The background tiles with festive motifs: holly on dark and on light, and a potpourri of stars,
// baubles, holly and bells.

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <array>

namespace art {
namespace {

void drawHollyTile(QPainter& p, const QSizeF& size, const QColor& background, const QColor& mottle,
                   const HollyLook& look) {
    FixedRandom random(808);
    fillMottled(p, size, background, mottle, 5, random);
    struct Sprig {
        QPointF at;
        qreal leaf, degrees;
    };
    const Sprig sprigs[] = {Sprig{QPointF(38, 30), 36, 10}, Sprig{QPointF(114, 76), 34, 200}};
    for (const Sprig& sprig : sprigs)
        drawWrapped(size, sprig.at, sprig.leaf * 1.1,
                    [&](QPointF at) { drawHollySprig(p, at, sprig.leaf, sprig.degrees, look); });
    // A single leaf and a pair of berries between the sprigs.
    drawWrapped(size, QPointF(108, 20), 30, [&](QPointF at) {
        drawHollyLeaf(p, at, -25, 28, look);
        drawBerry(p, at + QPointF(-2, 3), 3.2, look.berry);
        drawBerry(p, at + QPointF(3, 4.5), 3.0, look.berry);
    });
    drawWrapped(size, QPointF(36, 80), 30, [&](QPointF at) {
        drawHollyLeaf(p, at, 165, 26, look);
        drawBerry(p, at + QPointF(2, -2), 3.0, look.berry);
    });
}

} // namespace

void drawTilesHollyDark(QPainter& p, const QSizeF& size) {
    drawHollyTile(p, size, QColor(0x16, 0x24, 0x1c), QColor(0x2c, 0x44, 0x34, 90), HollyLook{});
}

void drawTilesHollyLight(QPainter& p, const QSizeF& size) {
    drawHollyTile(p, size, QColor(0xf0, 0xea, 0xdb), QColor(0xff, 0xfb, 0xf0, 120), HollyLook{});
}

void drawTilesCandyCanes(QPainter& p, const QSizeF& size) {
    FixedRandom random(303);
    fillMottled(p, size, QColor(0x2c, 0x5a, 0x47), QColor(0x4d, 0x85, 0x69, 80), 7, random);
    // Pairs of canes crossed and tied with a bow, and single canes leaning between them.
    struct Pair {
        QPointF foot;
        qreal degrees;
    };
    const Pair pairs[] = {Pair{QPointF(52, 82), -6}, Pair{QPointF(150, 182), 8}};
    for (const Pair& pair : pairs)
        drawWrapped(size, pair.foot - QPointF(0, 30), 48, [&](QPointF at) {
            const QPointF foot = at + QPointF(0, 30);
            // Each hook turns outwards, away from the other cane.
            drawCandyCane(p, foot + QPointF(-12, 0), 66, pair.degrees + 18, false);
            drawCandyCane(p, foot + QPointF(12, 0), 66, pair.degrees - 18, true);
            drawBow(p, foot + QPointF(0, -30), 11, QColor(0x2e, 0xa0, 0x4c));
        });
    struct Single {
        QPointF foot;
        qreal length, degrees;
        bool left;
    };
    const Single singles[] = {Single{QPointF(150, 92), 56, 28, false},
                              Single{QPointF(58, 180), 50, -32, true},
                              Single{QPointF(110, 40), 34, 62, false}};
    for (const Single& cane : singles)
        drawWrapped(size, cane.foot, cane.length + 4,
                    [&](QPointF at) { drawCandyCane(p, at, cane.length, cane.degrees, cane.left); });
}

void drawTilesGifts(QPainter& p, const QSizeF& size) {
    FixedRandom random(404);
    fillMottled(p, size, QColor(0x2a, 0x4e, 0x5c), QColor(0x45, 0x74, 0x86, 80), 7, random);
    struct Present {
        QRectF front;
        qreal depth;
        GiftLook look;
    };
    const Present presents[] = {
        Present{QRectF(16, 40, 44, 36), 16,
                GiftLook{QColor(0xc8, 0x1e, 0x2c), QColor(0xf4, 0xc4, 0x3a), false}},
        Present{QRectF(112, 20, 34, 40), 13,
                GiftLook{QColor(0x23, 0x8a, 0x4a), QColor(0xe4, 0x2c, 0x36), true}},
        Present{QRectF(80, 128, 48, 30), 18,
                GiftLook{QColor(0x2f, 0x6c, 0xd0), QColor(0xee, 0xf2, 0xf8), false}},
        Present{QRectF(164, 100, 30, 30), 12,
                GiftLook{QColor(0xe8, 0xb0, 0x2c), QColor(0xc8, 0x1e, 0x2c), false}},
        Present{QRectF(18, 150, 34, 30), 12,
                GiftLook{QColor(0x8a, 0x3c, 0xb8), QColor(0xf4, 0xc4, 0x3a), true}},
        Present{QRectF(72, 76, 26, 22), 10,
                GiftLook{QColor(0xee, 0xf0, 0xf4), QColor(0xd8, 0x22, 0x30), false}},
        Present{QRectF(150, 172, 28, 24), 10,
                GiftLook{QColor(0xd8, 0x3a, 0x6a), QColor(0xf6, 0xf0, 0xe0), true}},
    };
    // A few golden sparkles between the presents.
    const QPointF sparkles[] = {QPointF(86, 22), QPointF(186, 62), QPointF(130, 96), QPointF(60, 118),
                                QPointF(118, 186)};
    for (const QPointF& spot : sparkles)
        drawWrapped(size, spot, 12,
                    [&](QPointF at) { drawGoldStar(p, at, 4.5, QColor(0xf6, 0xc8, 0x3c), 70); });
    for (const Present& present : presents) {
        const QPointF centre = present.front.center() + QPointF(present.depth / 2, -present.depth * 0.4);
        const qreal reach = std::max(present.front.width(), present.front.height()) * 0.75 + present.depth;
        drawWrapped(size, centre, reach, [&](QPointF at) {
            drawGift(p, present.front.translated(at - centre), present.depth, present.look);
        });
    }
}

void drawTilesAngels(QPainter& p, const QSizeF& size) {
    FixedRandom random(505);
    fillMottled(p, size, QColor(0x3e, 0x5e, 0x94), QColor(0x6e, 0x90, 0xc6, 80), 7, random);
    const QPointF sparkles[] = {QPointF(110, 30), QPointF(176, 72),  QPointF(20, 118),
                                QPointF(84, 150), QPointF(150, 176), QPointF(60, 92)};
    for (const QPointF& spot : sparkles)
        drawWrapped(size, spot, 12,
                    [&](QPointF at) { drawGoldStar(p, at, 4, QColor(0xf6, 0xd8, 0x6c), 80); });
    drawWrapped(size, QPointF(48, 52), 48,
                [&](QPointF at) { drawAngel(p, at - QPointF(0, 40), 80, QColor(0xfb, 0xf8, 0xf0), false); });
    drawWrapped(size, QPointF(142, 142), 48,
                [&](QPointF at) { drawAngel(p, at - QPointF(0, 40), 78, QColor(0xd8, 0xe6, 0xfa), true); });
}

void drawTilesSleigh(QPainter& p, const QSizeF& size) {
    FixedRandom random(606);
    fillMottled(p, size, QColor(0x1e, 0x33, 0x5e), QColor(0x36, 0x56, 0x8e, 90), 7, random);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(random.between(0, size.width()), random.between(0, size.height()));
        const qreal r = random.between(0.4, 1.0);
        const int alpha = static_cast<int>(random.between(120, 230));
        drawWrapped(size, at, 2, [&](QPointF c) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 250, 230, alpha));
            p.drawEllipse(c, r, r);
        });
    }
    const QPointF stars[] = {QPointF(30, 30), QPointF(190, 120), QPointF(120, 186)};
    for (const QPointF& spot : stars)
        drawWrapped(size, spot, 12,
                    [&](QPointF at) { drawGoldStar(p, at, 4.5, QColor(0xf6, 0xd8, 0x6c), 90); });
    // A team far away, then the near one, each drawn whole wherever it shows across an edge.
    auto team = [&](QPointF sleighFoot, qreal u, bool silhouette) {
        const QPointF middle = QPointF(50, -20) * u;
        drawWrapped(size, sleighFoot + middle, 85 * u,
                    [&](QPointF at) { drawSleighTeam(p, at - middle, u, silhouette); });
    };
    team(QPointF(138, 178), 0.62, true);
    team(QPointF(40, 96), 1.0, false);
}

void drawTilesPotpourri(QPainter& p, const QSizeF& size) {
    FixedRandom random(707);
    fillMottled(p, size, QColor(0x22, 0x34, 0x4a), QColor(0x3c, 0x58, 0x78, 90), 8, random);

    // Tiny snowflakes and sparkles between the bigger things.
    FlakeStyle flake;
    flake.radius = 5;
    flake.spineWidth = 1.1;
    flake.branchWidth = 0.9;
    flake.branches = 1;
    flake.tipFork = false;
    const QPainterPath small = dendrite(flake, 5);
    const QPointF flakes[] = {QPointF(120, 22),  QPointF(250, 100), QPointF(18, 120),
                              QPointF(160, 150), QPointF(75, 80),   QPointF(205, 40)};
    for (const QPointF& spot : flakes)
        drawWrapped(size, spot, 6, [&](QPointF at) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 190));
            p.drawPath(small.translated(at));
        });

    const HollyLook holly;
    drawWrapped(size, QPointF(40, 40), 40, [&](QPointF at) { drawHollySprig(p, at, 30, 20, holly); });
    drawWrapped(size, QPointF(186, 118), 36, [&](QPointF at) { drawHollySprig(p, at, 26, 170, holly); });

    struct Star {
        QPointF at;
        qreal size;
    };
    const Star stars[] = {Star{QPointF(118, 60), 11}, Star{QPointF(240, 160), 9}, Star{QPointF(30, 155), 8}};
    for (const Star& star : stars)
        drawWrapped(size, star.at, star.size * 2.3,
                    [&](QPointF at) { drawGoldStar(p, at, star.size, QColor(0xf6, 0xc8, 0x3c), 90); });

    struct Bauble {
        QPointF at;
        qreal radius, degrees;
        QColor colour;
    };
    const Bauble baubles[] = {Bauble{QPointF(222, 44), 12, 8, QColor(0xd8, 0x22, 0x30)},
                              Bauble{QPointF(92, 130), 11, -10, QColor(0x2f, 0x7c, 0xe8)},
                              Bauble{QPointF(160, 88), 9, 4, QColor(0xb0, 0x3c, 0xc8)}};
    for (const Bauble& bauble : baubles)
        drawWrapped(size, bauble.at, bauble.radius * 1.6,
                    [&](QPointF at) { drawOrnament(p, at, bauble.radius, bauble.colour, bauble.degrees); });

    // A pair of bells tied with a red bow.
    drawWrapped(size, QPointF(52, 98), 30, [&](QPointF at) {
        drawBell(p, at + QPointF(-5, -8), 24, 18);
        drawBell(p, at + QPointF(5, -8), 24, -18);
        drawBow(p, at + QPointF(0, -10), 11, QColor(0xd8, 0x22, 0x30));
    });
}

} // namespace art

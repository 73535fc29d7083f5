// Shared pieces of the artwork generator: the fixed random source, colours, small image helpers
// and the light bulb that several pictures use.

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QTransform>

#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace art {

// A tiny linear congruential generator: the same sequence on every platform and compiler.
class FixedRandom {
public:
    explicit FixedRandom(std::uint32_t seed)
        : state_(seed) {}

    // A value in [0, 1).
    double unit() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / 16777216.0;
    }

    double between(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint32_t state_;
};

// The colours the light bulbs come in.
inline const std::array<QColor, 7> kBulbColours = {
    QColor(0xe5, 0x23, 0x2b), // red
    QColor(0xf6, 0xc1, 0x2c), // gold
    QColor(0x2e, 0xb8, 0x4b), // green
    QColor(0x2f, 0x7c, 0xf0), // blue
    QColor(0xf5, 0x7c, 0x1f), // orange
    QColor(0xd9, 0x3c, 0xc8), // magenta
    QColor(0x35, 0xc8, 0xd8), // icy cyan
};

inline const QColor kGold(0xf5, 0xc5, 0x42);
inline const QColor kWireGreen(0x1c, 0x3d, 0x24);

inline QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// The colour a fraction `t` of the way from `a` to `b`.
inline QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

// How many device pixels one logical pixel covers under the painter's current transform.
inline qreal deviceScale(const QPainter& p) {
    const QTransform t = p.combinedTransform();
    return std::sqrt(std::abs(t.determinant()));
}

// Blurs an ARGB32_Premultiplied image in place with three passes of a box blur.
void boxBlur(QImage& image, int radius);

// Looks up a DejaVu Sans font, loading the font files directly if fontconfig does not list them.
QFont dejaVuSans(qreal pixelSize, bool bold);

// ---------------------------------------------------------------------------------------------
// The light bulb, used by the icon, the about picture and the browser tab icon.

struct BulbLook {
    QColor colour;
    bool glow = true;        // soft halo around the glass
    qreal outlinePixels = 0; // dark outline in device pixels; 0 for none
};

// The glass of a C9-style bulb in unit coordinates: the socket sits on (0, 0) and the tip of the
// glass is at (0, 1).
QPainterPath bulbGlass();

// Draws a bulb whose socket top is at `hook`, `length` pixels long, turned by `degrees` (0 means
// hanging straight down).
void drawBulb(QPainter& p, QPointF hook, qreal length, qreal degrees, const BulbLook& look);

// ---------------------------------------------------------------------------------------------
// Seamless tiles

// Calls draw(offset) for the motif at `at` and for each copy of it shifted by a tile width and/or
// height that reaches into the tile, so whatever crosses one edge comes back in at the opposite
// one. `reach` is how far the motif extends from `at` in any direction.
template <typename Draw> void drawWrapped(const QSizeF& tile, QPointF at, qreal reach, Draw&& draw) {
    for (const qreal dy : {-tile.height(), 0.0, tile.height()}) {
        for (const qreal dx : {-tile.width(), 0.0, tile.width()}) {
            const QPointF copy = at + QPointF(dx, dy);
            if (copy.x() + reach < 0 || copy.x() - reach > tile.width() || copy.y() + reach < 0 ||
                copy.y() - reach > tile.height())
                continue;
            draw(copy);
        }
    }
}

// Spots a tile evenly with `count` points at least `spacing` apart, measured as the tile repeats
// (a point near the right edge is close to one near the left edge).
std::vector<QPointF> scatter(const QSizeF& tile, int count, qreal spacing, FixedRandom& random);

// A flat background colour with faint, wrapped blotches of `mottle` so a large area does not look
// dead.
void fillMottled(QPainter& p, const QSizeF& tile, const QColor& base, const QColor& mottle, int blotches,
                 FixedRandom& random);

// A six-armed dendrite snowflake centred on (0, 0), as one filled outline.
struct FlakeStyle {
    qreal radius = 10;      // centre to the tip of an arm
    qreal spineWidth = 1.5; // of each arm at the centre
    qreal branchWidth = 1;  // of the side branches where they start
    int branches = 3;       // pairs of side branches on each arm
    bool twigs = false;     // the side branches fork once more
    bool pointed = false;   // arm tips come to a point instead of being rounded
    bool tipFork = true;    // a small fork just below each tip, on flakes big enough to show it
    qreal plate = 0;        // radius of the hexagonal plate at the heart, 0 for none
};
QPainterPath dendrite(const FlakeStyle& style, std::uint32_t seed);

// ---------------------------------------------------------------------------------------------
// Motifs

struct FirLook {
    int tiers = 4;
    qreal width = 0.36; // half width of the lowest tier, relative to the height
    QColor light{0x4f, 0xa8, 0x5c}, mid{0x2a, 0x7d, 0x3f}, dark{0x14, 0x4a, 0x27};
    QColor trunk{0x5c, 0x38, 0x1e};
    qreal snow = 0; // 0 for bare boughs, up to 1 for heavy snow
    bool ornaments = false;
    bool star = false;
};

// A fir tree whose trunk stands on `foot`, `height` pixels tall.
void drawFir(QPainter& p, QPointF foot, qreal height, const FirLook& look, FixedRandom& random);

// A patch of snowy ground round `centre` that fades out at its edges.
void drawSnowDrift(QPainter& p, QPointF centre, qreal halfWidth, qreal height, const QColor& colour);

// A shiny round glass ball, and the same hanging from a golden cap with a band round it.
void drawBauble(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
void drawOrnament(QPainter& p, QPointF centre, qreal radius, const QColor& colour, qreal degrees);

// A five-pointed golden star, with a halo of the given alpha (0 for none).
void drawGoldStar(QPainter& p, QPointF centre, qreal outer, const QColor& colour, qreal glow);

struct HollyLook {
    QColor leaf{0x2f, 0x80, 0x3e}, leafLight{0x6c, 0xbb, 0x5e}, leafDark{0x17, 0x4d, 0x24};
    QColor berry{0xd8, 0x1c, 0x26};
};
void drawHollyLeaf(QPainter& p, QPointF stalk, qreal degrees, qreal length, const HollyLook& look);
void drawBerry(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
// Three leaves and three berries round `centre`, turned by `degrees`.
void drawHollySprig(QPainter& p, QPointF centre, qreal leafLength, qreal degrees, const HollyLook& look);

// A golden bell hanging from `top`, `height` pixels tall, swung by `degrees`.
void drawBell(QPainter& p, QPointF top, qreal height, qreal degrees);

// A red and white striped candy cane standing on `foot`, its hook to the right unless `hookLeft`.
void drawCandyCane(QPainter& p, QPointF foot, qreal length, qreal degrees, bool hookLeft);

// A wrapped present seen from the front and a little above, its top and right side receding by
// `depth`.
struct GiftLook {
    QColor paper, ribbon;
    bool dots = false;
};
void drawGift(QPainter& p, const QRectF& front, qreal depth, const GiftLook& look);

// A friendly angel whose head top is at `headTop`, `height` pixels tall, in a robe of `robe`.
void drawAngel(QPainter& p, QPointF headTop, qreal height, const QColor& robe, bool mirrored);

// Santa in his sleigh behind two reindeer flying right; the sleigh's bottom centre is at
// `sleighFoot` and the team is about 130·u pixels long. A silhouette is a flat shadow of it.
void drawSleighTeam(QPainter& p, QPointF sleighFoot, qreal u, bool silhouette);

// A ribbon bow tied at `knot`, about `size` pixels from the knot to the end of a loop.
void drawBow(QPainter& p, QPointF knot, qreal size, const QColor& colour);

// ---------------------------------------------------------------------------------------------
// The pictures. Each draws at its logical size; the painter is already scaled for @2x.

void drawAbout(QPainter& p, const QSizeF& size);
void drawIcon(QPainter& p, const QSizeF& size);
void drawGoBack(QPainter& p, const QSizeF& size);
void drawGoForward(QPainter& p, const QSizeF& size);
void drawStop(QPainter& p, const QSizeF& size);
void drawReload(QPainter& p, const QSizeF& size);
void drawTabBookmarks(QPainter& p, const QSizeF& size);
void drawTabHistory(QPainter& p, const QSizeF& size);
void drawTabBrowser(QPainter& p, const QSizeF& size);
void drawBulbStrip(QPainter& p, const QSizeF& size);
void drawDragBulb(QPainter& p, const QSizeF& size);
void drawMusicBoxOff(QPainter& p, const QSizeF& size);
void drawMusicBoxOn(QPainter& p, const QSizeF& size);

void drawTilesTreesGreen(QPainter& p, const QSizeF& size);
void drawTilesTreesSnow(QPainter& p, const QSizeF& size);
void drawTilesCandyCanes(QPainter& p, const QSizeF& size);
void drawTilesGifts(QPainter& p, const QSizeF& size);
void drawTilesPotpourri(QPainter& p, const QSizeF& size);
void drawTilesAngels(QPainter& p, const QSizeF& size);
void drawTilesSleigh(QPainter& p, const QSizeF& size);
void drawTilesHollyDark(QPainter& p, const QSizeF& size);
void drawTilesHollyLight(QPainter& p, const QSizeF& size);
void drawSnowflake32(QPainter& p, const QSizeF& size);
void drawSnowflake16(QPainter& p, const QSizeF& size);
void drawSnowflakesSmall(QPainter& p, const QSizeF& size);
void drawSnowflakesMedium(QPainter& p, const QSizeF& size);
void drawSnowflakesSharp(QPainter& p, const QSizeF& size);
void drawSnowflakesLarge(QPainter& p, const QSizeF& size);
void drawSnowflakesLargeWhite(QPainter& p, const QSizeF& size);

// The icons a user picks for a desktop card or a bookmark, numbered from 1. Each is drawn on a
// 32 × 32 logical canvas.
inline constexpr int kCardIconCount = 100;
void drawCardIcon(QPainter& p, int number);

// The black-and-white mask of the bulb strip: black where the strip is at least half opaque.
QImage bulbMask(const QImage& strip);

} // namespace art

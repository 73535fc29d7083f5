// artgen — draws all of Glisterwood 99's pictures in code and writes them as PNG files.
//
// Usage: artgen <output-directory>
//
// Run at build time (QT_QPA_PLATFORM=offscreen is used when no platform is set). The output is
// deterministic: the only "randomness" comes from a fixed-seed generator.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <span>

namespace {

// ---------------------------------------------------------------------------------------------
// Small helpers

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
const std::array<QColor, 7> kBulbColours = {
    QColor(0xe5, 0x23, 0x2b), // red
    QColor(0xf6, 0xc1, 0x2c), // gold
    QColor(0x2e, 0xb8, 0x4b), // green
    QColor(0x2f, 0x7c, 0xf0), // blue
    QColor(0xf5, 0x7c, 0x1f), // orange
    QColor(0xd9, 0x3c, 0xc8), // magenta
    QColor(0x35, 0xc8, 0xd8), // icy cyan
};

const QColor kGold(0xf5, 0xc5, 0x42);
const QColor kPine(0x1f, 0x6b, 0x3a);
const QColor kWireGreen(0x1c, 0x3d, 0x24);

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// Blurs an ARGB32_Premultiplied image in place with three passes of a box blur.
void boxBlur(QImage& image, int radius) {
    if (radius < 1) return;
    const int width = image.width();
    const int height = image.height();
    QImage scratch(image.size(), QImage::Format_ARGB32_Premultiplied);
    const int window = 2 * radius + 1;

    auto pass = [&](const QImage& from, QImage& to, bool horizontal) {
        const int lines = horizontal ? height : width;
        const int length = horizontal ? width : height;
        for (int line = 0; line < lines; ++line) {
            auto pixel = [&](const QImage& img, int i) -> QRgb {
                const int clamped = std::clamp(i, 0, length - 1);
                return horizontal ? reinterpret_cast<const QRgb*>(img.constScanLine(line))[clamped]
                                  : reinterpret_cast<const QRgb*>(img.constScanLine(clamped))[line];
            };
            int sum[4] = {0, 0, 0, 0};
            for (int i = -radius; i <= radius; ++i) {
                const QRgb p = pixel(from, i);
                sum[0] += qAlpha(p), sum[1] += qRed(p), sum[2] += qGreen(p), sum[3] += qBlue(p);
            }
            for (int i = 0; i < length; ++i) {
                const QRgb out = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
                if (horizontal)
                    reinterpret_cast<QRgb*>(to.scanLine(line))[i] = out;
                else
                    reinterpret_cast<QRgb*>(to.scanLine(i))[line] = out;
                const QRgb leaving = pixel(from, i - radius);
                const QRgb entering = pixel(from, i + radius + 1);
                sum[0] += qAlpha(entering) - qAlpha(leaving);
                sum[1] += qRed(entering) - qRed(leaving);
                sum[2] += qGreen(entering) - qGreen(leaving);
                sum[3] += qBlue(entering) - qBlue(leaving);
            }
        }
    };

    for (int round = 0; round < 3; ++round) {
        pass(image, scratch, true);
        pass(scratch, image, false);
    }
}

// Looks up a DejaVu Sans font, loading the font files directly if fontconfig does not list them.
QFont dejaVuSans(qreal pixelSize, bool bold) {
    static bool checked = false;
    if (!checked) {
        checked = true;
        if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
            const QStringList candidates = {
                QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
                QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
            };
            for (const QString& file : candidates)
                QFontDatabase::addApplicationFont(file);
        }
        if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")))
            std::fprintf(stderr, "artgen: warning: font \"DejaVu Sans\" not found (install "
                                 "fonts-dejavu-core); using a substitute\n");
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// ---------------------------------------------------------------------------------------------
// The light bulb, used by the icon, the about picture and the browser tab icon.

struct BulbLook {
    QColor colour;
    bool glow = true;        // soft halo around the glass
    qreal outlinePixels = 0; // dark outline in device pixels; 0 for none
};

// The glass of a C9-style bulb in unit coordinates: the socket sits on (0, 0) and the tip of the
// glass is at (0, 1).
QPainterPath bulbGlass() {
    QPainterPath glass;
    glass.moveTo(-0.13, 0.27);
    glass.cubicTo(-0.33, 0.42, -0.30, 0.74, 0.0, 1.0);
    glass.cubicTo(0.30, 0.74, 0.33, 0.42, 0.13, 0.27);
    glass.closeSubpath();
    return glass;
}

// Draws a bulb whose socket top is at `hook`, `length` pixels long, turned by `degrees` (0 means
// hanging straight down).
void drawBulb(QPainter& p, QPointF hook, qreal length, qreal degrees, const BulbLook& look) {
    p.save();
    p.translate(hook);
    p.rotate(degrees);
    p.scale(length, length);

    const QColor& c = look.colour;
    if (look.glow) {
        QRadialGradient halo(QPointF(0, 0.62), 0.62);
        halo.setColorAt(0.0, withAlpha(c.lighter(130), 150));
        halo.setColorAt(0.45, withAlpha(c, 60));
        halo.setColorAt(1.0, withAlpha(c, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QPointF(0, 0.62), 0.62, 0.62);
    }

    // Glass: a bright core off to the left, deepening to the edge.
    const QPainterPath glass = bulbGlass();
    QRadialGradient body(QPointF(-0.04, 0.56), 0.36, QPointF(-0.08, 0.52));
    body.setColorAt(0.0, QColor(255, 255, 240));
    body.setColorAt(0.22, c.lighter(150));
    body.setColorAt(0.6, c);
    body.setColorAt(1.0, c.darker(170));
    p.setBrush(body);
    if (look.outlinePixels > 0) {
        QPen outline(c.darker(260), look.outlinePixels);
        outline.setCosmetic(true);
        outline.setJoinStyle(Qt::RoundJoin);
        p.setPen(outline);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(glass);

    // A sliver of reflected light.
    p.save();
    p.translate(-0.12, 0.52);
    p.rotate(12);
    QLinearGradient shine(QPointF(0, -0.14), QPointF(0, 0.14));
    shine.setColorAt(0.0, QColor(255, 255, 255, 0));
    shine.setColorAt(0.4, QColor(255, 255, 255, 200));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, 0), 0.035, 0.15);
    p.restore();

    // Socket: a ribbed green cap.
    const QRectF socket(-0.14, 0.0, 0.28, 0.3);
    QLinearGradient metal(socket.topLeft(), socket.topRight());
    metal.setColorAt(0.0, QColor(0x17, 0x3a, 0x20));
    metal.setColorAt(0.35, QColor(0x5c, 0x9c, 0x62));
    metal.setColorAt(1.0, QColor(0x12, 0x2e, 0x19));
    p.setBrush(metal);
    if (look.outlinePixels > 0) {
        QPen outline(QColor(0x0c, 0x1f, 0x11), look.outlinePixels);
        outline.setCosmetic(true);
        p.setPen(outline);
    }
    p.drawRoundedRect(socket, 0.04, 0.04);
    if (length >= 40) {
        QPen rib(QColor(0x0c, 0x24, 0x12, 160), 0.012);
        p.setPen(rib);
        for (qreal y = 0.08; y < 0.28; y += 0.06)
            p.drawLine(QPointF(socket.left() + 0.01, y), QPointF(socket.right() - 0.01, y));
    }
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Scenery for the about picture

void drawSky(QPainter& p, const QSizeF& size, FixedRandom& random) {
    QLinearGradient sky(QPointF(0, 0), QPointF(0, size.height()));
    sky.setColorAt(0.0, QColor(0x07, 0x0d, 0x26));
    sky.setColorAt(0.55, QColor(0x14, 0x27, 0x56));
    sky.setColorAt(1.0, QColor(0x2c, 0x4a, 0x86));
    p.fillRect(QRectF(QPointF(0, 0), size), sky);

    // A faint aurora-like glow of pine green low in the sky.
    QRadialGradient aurora(QPointF(size.width() * 0.35, size.height() * 0.95), size.width() * 0.6);
    aurora.setColorAt(0.0, QColor(0x3c, 0xb3, 0x71, 60));
    aurora.setColorAt(1.0, QColor(0x3c, 0xb3, 0x71, 0));
    p.fillRect(QRectF(QPointF(0, 0), size), aurora);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 55; ++i) {
        const QPointF at(random.between(0, size.width()), random.between(16, size.height() * 0.78));
        const double bright = random.unit();
        p.setBrush(QColor(255, 250, 225, 90 + static_cast<int>(bright * 150)));
        p.drawEllipse(at, 0.45 + bright * 0.55, 0.45 + bright * 0.55);
    }

    // A few bigger twinkling stars with four points.
    const std::array<QPointF, 4> sparkles = {QPointF(28, 38), QPointF(214, 34), QPointF(128, 104),
                                             QPointF(246, 96)};
    for (const QPointF& at : sparkles) {
        QPainterPath star;
        const qreal r = 3.4, w = 0.7;
        star.moveTo(at + QPointF(0, -r));
        star.quadTo(at + QPointF(w, -w), at + QPointF(r, 0));
        star.quadTo(at + QPointF(w, w), at + QPointF(0, r));
        star.quadTo(at + QPointF(-w, w), at + QPointF(-r, 0));
        star.quadTo(at + QPointF(-w, -w), at + QPointF(0, -r));
        p.setBrush(QColor(255, 248, 214, 230));
        p.drawPath(star);
    }
}

void drawMoon(QPainter& p, QPointF centre, qreal radius) {
    QRadialGradient glow(centre, radius * 3.2);
    glow.setColorAt(0.0, QColor(255, 244, 200, 90));
    glow.setColorAt(1.0, QColor(255, 244, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 3.2, radius * 3.2);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.55, -radius * 0.3), radius * 0.95, radius * 0.95);
    p.setBrush(QColor(0xff, 0xf4, 0xcf));
    p.drawPath(disc.subtracted(bite));
}

void drawHills(QPainter& p, const QSizeF& size) {
    const qreal w = size.width(), h = size.height();

    QPainterPath far;
    far.moveTo(0, h * 0.74);
    far.cubicTo(w * 0.18, h * 0.64, w * 0.34, h * 0.70, w * 0.5, h * 0.76);
    far.cubicTo(w * 0.66, h * 0.82, w * 0.8, h * 0.66, w, h * 0.7);
    far.lineTo(w, h);
    far.lineTo(0, h);
    far.closeSubpath();
    QLinearGradient farFill(QPointF(0, h * 0.64), QPointF(0, h));
    farFill.setColorAt(0.0, QColor(0xa9, 0xbf, 0xe3));
    farFill.setColorAt(1.0, QColor(0x6f, 0x8d, 0xc0));
    p.setPen(Qt::NoPen);
    p.setBrush(farFill);
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0, h * 0.88);
    near.cubicTo(w * 0.25, h * 0.78, w * 0.45, h * 0.8, w * 0.62, h * 0.87);
    near.cubicTo(w * 0.76, h * 0.93, w * 0.88, h * 0.84, w, h * 0.86);
    near.lineTo(w, h);
    near.lineTo(0, h);
    near.closeSubpath();
    QLinearGradient nearFill(QPointF(0, h * 0.78), QPointF(0, h));
    nearFill.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    nearFill.setColorAt(1.0, QColor(0xc9, 0xd8, 0xf0));
    p.setBrush(nearFill);
    p.drawPath(near);
}

// A pine tree with its trunk foot at `foot`, `height` pixels tall, optionally decorated.
void drawPine(QPainter& p, QPointF foot, qreal height, bool decorated, FixedRandom& random) {
    const qreal trunkHeight = height * 0.1;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x2c, 0x17));
    p.drawRect(QRectF(foot.x() - height * 0.05, foot.y() - trunkHeight, height * 0.1, trunkHeight));

    // Three tiers, each a little narrower than the one below.
    struct Tier {
        qreal bottom, top, halfWidth;
    };
    const std::array<Tier, 3> tiers = {Tier{0.1, 0.55, 0.36}, Tier{0.36, 0.78, 0.28}, Tier{0.6, 0.98, 0.2}};
    for (const Tier& tier : tiers) {
        const qreal yBottom = foot.y() - height * tier.bottom;
        const qreal yTop = foot.y() - height * tier.top;
        const qreal half = height * tier.halfWidth;
        QPainterPath shape;
        shape.moveTo(foot.x(), yTop);
        shape.quadTo(foot.x() + half * 0.45, yTop + (yBottom - yTop) * 0.6, foot.x() + half, yBottom);
        shape.quadTo(foot.x(), yBottom + height * 0.05, foot.x() - half, yBottom);
        shape.quadTo(foot.x() - half * 0.45, yTop + (yBottom - yTop) * 0.6, foot.x(), yTop);
        QLinearGradient needles(QPointF(foot.x() - half, 0), QPointF(foot.x() + half, 0));
        needles.setColorAt(0.0, QColor(0x16, 0x5c, 0x31));
        needles.setColorAt(0.45, QColor(0x2a, 0x8a, 0x4a));
        needles.setColorAt(1.0, QColor(0x0f, 0x40, 0x22));
        p.setBrush(needles);
        p.drawPath(shape);

        // Snow resting on the lower edge of the tier.
        QPen snow(QColor(255, 255, 255, 215), std::max<qreal>(1.0, height * 0.025), Qt::SolidLine,
                  Qt::RoundCap);
        p.setPen(snow);
        p.setBrush(Qt::NoBrush);
        QPainterPath edge;
        edge.moveTo(foot.x() - half * 0.9, yBottom - height * 0.004);
        edge.quadTo(foot.x(), yBottom + height * 0.04, foot.x() + half * 0.9, yBottom - height * 0.004);
        p.drawPath(edge);
        p.setPen(Qt::NoPen);

        if (decorated) {
            for (int i = 0; i < 3; ++i) {
                const qreal t = random.between(0.3, 0.85);
                const qreal x = foot.x() + (random.unit() * 2 - 1) * half * t * 0.85;
                const qreal y = yTop + (yBottom - yTop) * t;
                const QColor colour =
                    kBulbColours[static_cast<std::size_t>(i + tier.bottom * 10) % kBulbColours.size()];
                const qreal r = std::max<qreal>(1.2, height * 0.028);
                QRadialGradient bauble(QPointF(x - r * 0.35, y - r * 0.35), r * 1.3);
                bauble.setColorAt(0.0, colour.lighter(170));
                bauble.setColorAt(1.0, colour.darker(130));
                p.setBrush(bauble);
                p.drawEllipse(QPointF(x, y), r, r);
            }
        }
    }

    if (decorated) {
        // A golden star on top.
        const QPointF top(foot.x(), foot.y() - height * 0.98);
        const qreal outer = height * 0.085, inner = outer * 0.45;
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const qreal r = (i % 2 == 0) ? outer : inner;
            star << top + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        }
        QRadialGradient glow(top, outer * 2.4);
        glow.setColorAt(0.0, QColor(255, 230, 140, 150));
        glow.setColorAt(1.0, QColor(255, 230, 140, 0));
        p.setBrush(glow);
        p.drawEllipse(top, outer * 2.4, outer * 2.4);
        p.setBrush(kGold.lighter(115));
        p.setPen(QPen(QColor(0x9a, 0x6a, 0x08), 0.6));
        p.drawPolygon(star);
        p.setPen(Qt::NoPen);
    }
}

// A string of bulbs sagging between the given hook points, with `bulbsPerSwag` on each swag.
void drawLightString(QPainter& p, std::span<const QPointF> hooks, qreal sag, qreal bulbLength,
                     int bulbsPerSwag) {
    std::size_t colour = 0;
    for (std::size_t i = 1; i < hooks.size(); ++i) {
        const QPointF a = hooks[i - 1], b = hooks[i];
        QPainterPath swag(a);
        swag.quadTo(QPointF((a.x() + b.x()) / 2, std::max(a.y(), b.y()) + sag * 2), b);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kWireGreen, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(swag);

        for (int j = 0; j < bulbsPerSwag; ++j) {
            const qreal t = 0.1 + 0.8 * (j + 0.5) / bulbsPerSwag;
            const QPointF at = swag.pointAtPercent(t);
            const qreal slope = swag.angleAtPercent(t); // degrees, counter-clockwise
            const qreal wobble = (colour % 2 == 0) ? 7 : -7;
            const qreal tilt = -(slope > 180 ? slope - 360 : slope) * 0.6 + wobble;
            drawBulb(p, at, bulbLength, tilt, BulbLook{kBulbColours[colour % kBulbColours.size()], true, 0});
            ++colour;
        }
    }
}

void drawSnowfall(QPainter& p, const QSizeF& size, FixedRandom& random) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(random.between(0, size.width()), random.between(20, size.height()));
        const qreal r = random.between(0.5, 1.5);
        p.setBrush(QColor(255, 255, 255, static_cast<int>(random.between(110, 220))));
        p.drawEllipse(at, r, r);
    }
}

// Text with a soft drop shadow, a warm glow and a golden fill, starting at `baseline`.
void drawGoldenTitle(QPainter& p, const QString& text, const QFont& font, const QPointF& baseline) {
    QPainterPath path;
    path.addText(baseline, font, text);

    // The shadow and glow are painted into a layer, blurred, then composed underneath.
    const QRect device = p.viewport();
    QImage layer(device.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setPen(Qt::NoPen);
        lp.setBrush(QColor(255, 200, 90, 110));
        lp.drawPath(path);
        lp.setBrush(QColor(0, 0, 20, 230));
        lp.drawPath(path.translated(1.6, 2.2));
    }
    boxBlur(layer, 2);
    p.drawImage(QPointF(0, 0), layer);

    const QRectF bounds = path.boundingRect();
    QLinearGradient gold(QPointF(0, bounds.top()), QPointF(0, bounds.bottom()));
    gold.setColorAt(0.0, QColor(0xff, 0xf6, 0xc8));
    gold.setColorAt(0.45, QColor(0xf8, 0xcd, 0x4a));
    gold.setColorAt(0.55, QColor(0xe8, 0xae, 0x22));
    gold.setColorAt(1.0, QColor(0xb9, 0x7a, 0x0c));
    p.setPen(QPen(QColor(0x6a, 0x40, 0x02), 0.9));
    p.setBrush(gold);
    p.drawPath(path);
}

// ---------------------------------------------------------------------------------------------
// The pictures

void drawAbout(QPainter& p, const QSizeF& size) {
    FixedRandom random(1999);
    drawSky(p, size, random);
    drawMoon(p, QPointF(size.width() - 24, 44), 8);
    drawHills(p, size);

    // A small dark tree on the far hill and the decorated tree in front.
    FixedRandom treeRandom(24);
    p.save();
    p.setOpacity(0.55);
    drawPine(p, QPointF(size.width() * 0.74, size.height() * 0.82), 26, false, treeRandom);
    p.restore();
    drawPine(p, QPointF(size.width() - 46, size.height() - 14), 74, true, treeRandom);

    drawSnowfall(p, size, random);

    const std::array<QPointF, 4> hooks = {QPointF(-10, 0), QPointF(size.width() / 3, 1),
                                          QPointF(size.width() * 2 / 3, 0), QPointF(size.width() + 10, 0)};
    drawLightString(p, hooks, 7, 15, 5);

    // Title: as large as fits to the left of the tree.
    const QString title = QStringLiteral("Glisterwood 99");
    const qreal textArea = size.width() - 86;
    qreal pixels = 34;
    QFont titleFont = dejaVuSans(pixels, true);
    while (pixels > 10 && QFontMetricsF(titleFont).horizontalAdvance(title) > textArea - 12) {
        pixels -= 0.5;
        titleFont = dejaVuSans(pixels, true);
    }
    const qreal titleWidth = QFontMetricsF(titleFont).horizontalAdvance(title);
    const qreal left = std::max<qreal>(8, (textArea - titleWidth) / 2);
    drawGoldenTitle(p, title, titleFont, QPointF(left, 80));

    const QString subtitle = QStringLiteral("a holiday web browser");
    const QFont subtitleFont = dejaVuSans(12, false);
    const qreal subtitleWidth = QFontMetricsF(subtitleFont).horizontalAdvance(subtitle);
    const QPointF subtitleAt(left + (titleWidth - subtitleWidth) / 2, 101);
    p.setFont(subtitleFont);
    p.setPen(QColor(0, 0, 20, 170));
    p.drawText(subtitleAt + QPointF(0.8, 1.0), subtitle);
    p.setPen(QColor(0xea, 0xf0, 0xff));
    p.drawText(subtitleAt, subtitle);
}

// The program icon: a glowing red bulb hanging from a short length of wire.
void drawIcon(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const bool tiny = s <= 16;
    const bool small = s <= 32;

    // Where the socket hangs, how long the bulb is and how far it leans, all relative to the size.
    const QPointF hook = tiny ? QPointF(0.62, 0.05) : small ? QPointF(0.6, 0.05) : QPointF(0.6, 0.13);
    const qreal length = tiny ? 0.94 : small ? 0.92 : 0.8;
    const qreal lean = tiny ? 20 : small ? 18 : 16;
    const QColor red(0xe8, 0x1f, 0x2a);

    if (!tiny) {
        // A warm glow that fades out well inside the square, so no edge shows.
        const QPointF centre(s * 0.47, s * 0.6);
        QRadialGradient glow(centre, s * 0.46);
        glow.setColorAt(0.0, withAlpha(red.lighter(140), 130));
        glow.setColorAt(0.5, withAlpha(red, 50));
        glow.setColorAt(1.0, withAlpha(red, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, s * 0.46, s * 0.46);
    }

    if (!small) {
        QPainterPath wire;
        wire.moveTo(s * 0.02, s * 0.05);
        wire.cubicTo(s * 0.2, s * 0.16, s * 0.42, s * 0.16, s * hook.x(), s * hook.y());
        wire.cubicTo(s * 0.74, s * 0.1, s * 0.86, s * 0.03, s * 0.98, s * 0.06);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kWireGreen, std::max<qreal>(1.5, s * 0.028), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire);
    }

    const qreal outline = s >= 128 ? 1.5 : 1.0;
    drawBulb(p, hook * s, s * length, lean, BulbLook{red, false, outline});
}

// The back arrow: a rounded, candy-cane striped arrow pointing left.
QPainterPath backArrowShape(const QSizeF& size) {
    const qreal w = size.width(), h = size.height();
    const qreal mid = h / 2;
    QPainterPath head;
    head.moveTo(1.5, mid);
    head.lineTo(14.5, 1.5);
    head.quadTo(16.0, 0.8, 16.0, 2.6);
    head.lineTo(16.0, h - 2.6);
    head.quadTo(16.0, h - 0.8, 14.5, h - 1.5);
    head.closeSubpath();

    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(12, mid - 5.5, w - 13.5, 11), 5, 5);
    return head.united(shaft).simplified();
}

void drawArrow(QPainter& p, const QSizeF& size, bool forward) {
    p.save();
    if (forward) {
        p.translate(size.width(), 0);
        p.scale(-1, 1);
    }
    const QPainterPath shape = backArrowShape(size);

    // A dark, soft shadow so it reads on light and dark toolbars alike.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 0, 0, 70));
    p.drawPath(shape.translated(0.6, 0.9));

    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0xfb, 0xf6, 0xee));
    p.setBrush(QColor(0xd8, 0x1e, 0x2c));
    for (qreal x = -size.height(); x < size.width() + size.height(); x += 7) {
        QPolygonF stripe;
        stripe << QPointF(x, size.height()) << QPointF(x + 4, size.height())
               << QPointF(x + 4 + size.height() * 0.8, 0) << QPointF(x + size.height() * 0.8, 0);
        p.drawPolygon(stripe);
    }
    // Gloss on the upper half.
    QLinearGradient gloss(QPointF(0, 0), QPointF(0, size.height()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(0.48, QColor(255, 255, 255, 30));
    gloss.setColorAt(0.52, QColor(0, 0, 0, 0));
    gloss.setColorAt(1.0, QColor(60, 0, 0, 70));
    p.fillRect(QRectF(QPointF(0, 0), size), gloss);
    p.restore();

    QPen rim(QColor(0x8a, 0x0e, 0x16), 1.3);
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    // A golden cap at the tail end, like an ornament hanger.
    const qreal mid = size.height() / 2;
    const QRectF cap(size.width() - 5.5, mid - 5.5, 4.5, 11);
    QLinearGradient goldCap(cap.topLeft(), cap.bottomLeft());
    goldCap.setColorAt(0.0, QColor(0xff, 0xef, 0xa8));
    goldCap.setColorAt(0.5, kGold);
    goldCap.setColorAt(1.0, QColor(0xa8, 0x72, 0x08));
    p.setBrush(goldCap);
    p.setPen(QPen(QColor(0x7a, 0x52, 0x04), 0.8));
    p.drawRoundedRect(cap, 1.6, 1.6);
    p.restore();
}

void drawGoBack(QPainter& p, const QSizeF& size) {
    drawArrow(p, size, false);
}

void drawGoForward(QPainter& p, const QSizeF& size) {
    drawArrow(p, size, true);
}

void drawStop(QPainter& p, const QSizeF& size) {
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal radius = size.width() / 2 - 0.5;
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        octagon << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    QLinearGradient red(QPointF(0, 0), QPointF(0, size.height()));
    red.setColorAt(0.0, QColor(0xff, 0x5a, 0x4e));
    red.setColorAt(1.0, QColor(0xb3, 0x0f, 0x18));
    p.setPen(QPen(QColor(0x6e, 0x05, 0x0b), 1.0));
    p.setBrush(red);
    p.drawPolygon(octagon);

    const qreal arm = size.width() * 0.2;
    QPen cross(Qt::white, size.width() * 0.16, Qt::SolidLine, Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    p.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

void drawReload(QPainter& p, const QSizeF& size) {
    const QPointF centre(size.width() / 2, size.height() / 2 + 0.8);
    const qreal radius = size.width() * 0.29;
    const QRectF ring(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);

    // The arc runs counter-clockwise from the top right round to the right side.
    QPainterPath arc;
    arc.arcMoveTo(ring, 60);
    arc.arcTo(ring, 60, 285);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0d, 0x4d, 0x1f), size.width() * 0.23, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(QColor(0x3c, 0xc0, 0x5a), size.width() * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);

    // Arrow head at the start of the arc, pointing along the turn (clockwise).
    QPainterPath start;
    start.arcMoveTo(ring, 60);
    const QPointF tip = start.currentPosition();
    const qreal a = 60 * std::numbers::pi / 180;
    const QPointF outward(std::cos(a), -std::sin(a));
    const QPointF along(std::sin(a), std::cos(a)); // clockwise tangent in screen coordinates
    const qreal head = size.width() * 0.38;
    QPolygonF arrow;
    arrow << tip + outward * head * 0.55 << tip - outward * head * 0.55 << tip + along * head * 0.8;
    arrow.translate(-along * head * 0.1);
    p.setPen(QPen(QColor(0x0d, 0x4d, 0x1f), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(0x3c, 0xc0, 0x5a));
    p.drawPolygon(arrow);
}

// Bookmarks: a red gift box with a golden ribbon.
void drawTabBookmarks(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const QRectF box(2.5, 7.5, s - 5, s - 8.5);
    const QRectF lid(1.5, 5.0, s - 3, 3.5);

    QLinearGradient red(box.topLeft(), box.topRight());
    red.setColorAt(0.0, QColor(0xf0, 0x3a, 0x40));
    red.setColorAt(1.0, QColor(0xa8, 0x10, 0x1c));
    const QPen edge(QColor(0x62, 0x06, 0x0c), 1.0);
    p.setPen(edge);
    p.setBrush(red);
    p.drawRect(box);
    p.drawRect(lid);

    // Ribbon down the middle of lid and box.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRect(QRectF(s / 2 - 1.25, lid.top() + 0.5, 2.5, box.bottom() - lid.top() - 1));

    // Bow: two loops above the lid.
    p.setPen(QPen(QColor(0xa8, 0x72, 0x08), 0.9));
    p.setBrush(QColor(0xfa, 0xd8, 0x5c));
    for (const qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(s / 2 + side * 2.5, 3.0);
        p.rotate(side * -25);
        p.drawEllipse(QPointF(0, 0), 2.5, 1.6);
        p.restore();
    }
    p.setBrush(kGold);
    p.drawEllipse(QPointF(s / 2, 4.3), 1.3, 1.3);
}

// History: a clock in the shape of a tree ornament.
void drawTabHistory(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const QPointF centre(s / 2, s / 2 + 1.4);
    const qreal radius = s / 2 - 2.0;

    // Hanger cap.
    p.setPen(QPen(QColor(0x7a, 0x52, 0x04), 0.8));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(centre.x() - 2, 0.6, 4, 2.6), 0.8, 0.8);

    QRadialGradient rim(centre - QPointF(2, 2), radius * 1.6);
    rim.setColorAt(0.0, QColor(0x5b, 0xc8, 0x7a));
    rim.setColorAt(1.0, QColor(0x14, 0x5a, 0x2c));
    p.setPen(QPen(QColor(0x0b, 0x36, 0x18), 1.0));
    p.setBrush(rim);
    p.drawEllipse(centre, radius, radius);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfb, 0xee));
    p.drawEllipse(centre, radius - 1.8, radius - 1.8);

    // Hands at ten past ten.
    QPen hand(QColor(0x2a, 0x1a, 0x10), 1.3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(hand);
    p.drawLine(centre, centre + QPointF(0, -(radius - 2.8)));
    p.drawLine(centre, centre + QPointF(radius - 3.4, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0x1e, 0x2c));
    p.drawEllipse(centre, 1.0, 1.0);
}

// A browser page: a blue globe with a tiny bulb hanging at its side.
void drawTabBrowser(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const QPointF centre(s * 0.44, s * 0.46);
    const qreal radius = s * 0.4;

    QRadialGradient sea(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.5);
    sea.setColorAt(0.0, QColor(0x8f, 0xd0, 0xff));
    sea.setColorAt(0.55, QColor(0x2f, 0x7c, 0xf0));
    sea.setColorAt(1.0, QColor(0x12, 0x3c, 0x8c));
    p.setPen(QPen(QColor(0x0b, 0x26, 0x5c), 1.0));
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);

    // Meridians and parallels.
    p.save();
    QPainterPath clip;
    clip.addEllipse(centre, radius - 0.5, radius - 0.5);
    p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    p.drawEllipse(centre, radius * 0.42, radius);
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    p.drawLine(QPointF(centre.x() - radius, centre.y() - radius * 0.5),
               QPointF(centre.x() + radius, centre.y() - radius * 0.5));
    p.drawLine(QPointF(centre.x() - radius, centre.y() + radius * 0.5),
               QPointF(centre.x() + radius, centre.y() + radius * 0.5));
    p.restore();

    drawBulb(p, QPointF(s * 0.8, s * 0.5), s * 0.5, -10, BulbLook{kBulbColours[1], false, 0.9});
}

// ---------------------------------------------------------------------------------------------

struct Artwork {
    const char* fileName;
    QSize size;
    void (*draw)(QPainter&, const QSizeF&);
};

const std::array<Artwork, 14> kArtworks = {{
    {"about.png", QSize(314, 158), drawAbout},
    {"icon-16.png", QSize(16, 16), drawIcon},
    {"icon-32.png", QSize(32, 32), drawIcon},
    {"icon-48.png", QSize(48, 48), drawIcon},
    {"icon-64.png", QSize(64, 64), drawIcon},
    {"icon-128.png", QSize(128, 128), drawIcon},
    {"icon-256.png", QSize(256, 256), drawIcon},
    {"goback.png", QSize(32, 26), drawGoBack},
    {"goforward.png", QSize(32, 26), drawGoForward},
    {"stop.png", QSize(16, 16), drawStop},
    {"reload.png", QSize(16, 16), drawReload},
    {"tab-bookmarks.png", QSize(16, 16), drawTabBookmarks},
    {"tab-history.png", QSize(16, 16), drawTabHistory},
    {"tab-browser.png", QSize(16, 16), drawTabBrowser},
}};

QImage render(const Artwork& art) {
    QImage image(art.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    art.draw(painter, QSizeF(art.size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output-directory>\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString outputPath = QString::fromLocal8Bit(argv[1]);
    QDir output(outputPath);
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "artgen: cannot create directory '%s'\n", qPrintable(outputPath));
        return 1;
    }

    for (const Artwork& art : kArtworks) {
        const QString file = output.filePath(QString::fromLatin1(art.fileName));
        const QImage image = render(art);
        if (image.size() != art.size || !image.save(file, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write '%s'\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

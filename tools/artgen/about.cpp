// The about picture and the program icon.

#include "art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

namespace art {
namespace {

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

    // The shadow and glow are painted into a device-sized layer, blurred, then composed underneath;
    // the blur grows with the painter's scale so @2x looks the same.
    const QRect device = p.viewport();
    QImage layer(device.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setTransform(p.combinedTransform());
        lp.setPen(Qt::NoPen);
        lp.setBrush(QColor(255, 200, 90, 110));
        lp.drawPath(path);
        lp.setBrush(QColor(0, 0, 20, 230));
        lp.drawPath(path.translated(1.6, 2.2));
    }
    boxBlur(layer, qRound(2 * deviceScale(p)));
    p.save();
    p.resetTransform();
    p.drawImage(QPointF(0, 0), layer);
    p.restore();

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

} // namespace

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

} // namespace art

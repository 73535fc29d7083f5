// Helpers shared by the pictures: blur, font lookup and the light bulb.

#include "art.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace art {

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

std::vector<QPointF> scatter(const QSizeF& tile, int count, qreal spacing, FixedRandom& random) {
    std::vector<QPointF> points;
    auto wrappedDistance = [&](QPointF a, QPointF b) {
        qreal dx = std::abs(a.x() - b.x()), dy = std::abs(a.y() - b.y());
        dx = std::min(dx, tile.width() - dx);
        dy = std::min(dy, tile.height() - dy);
        return std::hypot(dx, dy);
    };
    // Rejection sampling; the spacing relaxes a little whenever the tile gets crowded.
    qreal needed = spacing;
    int misses = 0;
    while (static_cast<int>(points.size()) < count) {
        const QPointF candidate(random.between(0, tile.width()), random.between(0, tile.height()));
        const bool clear = std::all_of(points.begin(), points.end(), [&](QPointF other) {
            return wrappedDistance(candidate, other) >= needed;
        });
        if (clear) {
            points.push_back(candidate);
            misses = 0;
        } else if (++misses > 200) {
            needed *= 0.95;
            misses = 0;
        }
    }
    return points;
}

void fillMottled(QPainter& p, const QSizeF& tile, const QColor& base, const QColor& mottle, int blotches,
                 FixedRandom& random) {
    p.fillRect(QRectF(QPointF(0, 0), tile), base);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < blotches; ++i) {
        const QPointF at(random.between(0, tile.width()), random.between(0, tile.height()));
        const qreal radius = random.between(0.15, 0.35) * std::min(tile.width(), tile.height());
        const int strength = static_cast<int>(random.between(0.4, 1.0) * mottle.alpha());
        drawWrapped(tile, at, radius, [&](QPointF c) {
            QRadialGradient blotch(c, radius);
            blotch.setColorAt(0.0, withAlpha(mottle, strength));
            blotch.setColorAt(1.0, withAlpha(mottle, 0));
            p.setBrush(blotch);
            p.drawEllipse(c, radius, radius);
        });
    }
}

} // namespace art

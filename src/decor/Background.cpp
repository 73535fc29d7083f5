#include "decor/Background.h"

#include "decor/Art.h"

#include <QColor>

namespace {

struct Tile {
    const char* name;
    int width, height;
};

constexpr Tile kTiles[kBackgroundCount] = {
    {"Trees (green)", 171, 145},
    {"Trees with snow", 399, 279},
    {"Candy canes", 200, 200},
    {"Gift boxes", 200, 200},
    {"Angels", 190, 190},
    {"Santa's Sleigh", 220, 200},
    {"Christmas Potpourri", 265, 175},
    {"Holly", 150, 98},
    {"Holly (lighter)", 150, 98},
    {"Snowflakes (small)", 200, 200},
    {"Snowflakes (medium)", 200, 200},
    {"Snowflakes (medium and sharp)", 200, 200},
    {"Snowflakes (large)", 200, 200},
    {"Snowflakes (large and white)", 200, 200},
};

bool valid(int n) {
    return n >= 1 && n <= kBackgroundCount;
}

} // namespace

QString BackgroundString(int id) {
    return BackgroundName(id - kFirstBackgroundStringId + 1);
}

QString BackgroundName(int n) {
    return valid(n) ? QString::fromUtf8(kTiles[n - 1].name) : QString();
}

QSize BackgroundTileSize(int n) {
    return valid(n) ? QSize(kTiles[n - 1].width, kTiles[n - 1].height) : QSize();
}

QImage LoadBackgroundTile(int n, qreal devicePixelRatio) {
    if (!valid(n)) return {};
    QImage tile =
        LoadArt(QStringLiteral(":/art/bg-%1.png").arg(n, 2, 10, QLatin1Char('0')), devicePixelRatio);
    if (tile.isNull()) {
        // Without the picture the desktop is still covered, in a plain winter night.
        tile = QImage(BackgroundTileSize(n), QImage::Format_RGB32);
        tile.fill(QColor(0x0b, 0x1d, 0x3a));
    }
    return tile;
}

QVector<QPoint> TileOrigins(const QRect& desktop, const QSize& tile) {
    QVector<QPoint> origins;
    if (tile.width() <= 0 || tile.height() <= 0) return origins;
    for (int y = 0; y <= desktop.height(); y += tile.height())
        for (int x = 0; x <= desktop.width(); x += tile.width())
            origins.append(desktop.topLeft() + QPoint(x, y));
    return origins;
}

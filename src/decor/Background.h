#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// The holiday pictures behind the window's desktop: fourteen tiles, numbered from 1.
inline constexpr int kBackgroundCount = 14;
// The names are strings 1101..1114 of the program's string table.
inline constexpr int kFirstBackgroundStringId = 1101;

QString BackgroundString(int id);
// "" outside 1..14.
QString BackgroundName(int n);
// The drawn size of a tile; empty outside 1..14.
QSize BackgroundTileSize(int n);
// From ":/art/bg-NN.png"; a plain tile of the drawn size when the picture is missing, null outside 1..14.
QImage LoadBackgroundTile(int n, qreal devicePixelRatio);

// Where the tiles go to cover a desktop: whole and unscaled, from the desktop's own top-left corner,
// the last row and column running past its edges. An empty tile gives none.
QVector<QPoint> TileOrigins(const QRect& desktop, const QSize& tile);

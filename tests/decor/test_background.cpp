#include "decor/Art.h"
#include "decor/Background.h"
#include "decor/DesktopSurface.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QVector<int> columns(const QVector<QPoint>& origins) {
    QVector<int> xs;
    for (const QPoint& p : origins)
        if (!xs.contains(p.x())) xs.append(p.x());
    return xs;
}

QVector<int> rows(const QVector<QPoint>& origins) {
    QVector<int> ys;
    for (const QPoint& p : origins)
        if (!ys.contains(p.y())) ys.append(p.y());
    return ys;
}

QImage solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestBackground : public QObject {
    Q_OBJECT
private slots:
    void namesComeFromTheStringTable() {
        QCOMPARE(BackgroundName(1), QStringLiteral("Trees (green)"));
        QCOMPARE(BackgroundName(6), QStringLiteral("Santa's Sleigh"));
        QCOMPARE(BackgroundName(14), QStringLiteral("Snowflakes (large and white)"));
        QCOMPARE(BackgroundString(1101), BackgroundName(1));
        QCOMPARE(BackgroundString(1114), BackgroundName(14));
        QVERIFY(BackgroundName(0).isEmpty());
        QVERIFY(BackgroundName(15).isEmpty());
        QVERIFY(BackgroundString(1100).isEmpty());
        QVERIFY(BackgroundString(1115).isEmpty());
        QVERIFY(LoadBackgroundTile(0, 1).isNull());
    }

    void tilesCoverTheDesktopFromItsCorner() {
        const QSize tile(50, 40);
        QVector<QPoint> o = TileOrigins(QRect(0, 21, 100, 80), tile);
        QCOMPARE(columns(o), (QVector<int>{0, 50, 100})); // exactly 2W wide: a third column
        QCOMPARE(rows(o), (QVector<int>{21, 61, 101}));
        QCOMPARE(o.size(), 9);

        o = TileOrigins(QRect(0, 21, 99, 79), tile);
        QCOMPARE(columns(o), (QVector<int>{0, 50}));
        QCOMPARE(rows(o), (QVector<int>{21, 61}));

        o = TileOrigins(QRect(7, 21, 10, 0), tile);
        QCOMPARE(o, (QVector<QPoint>{{7, 21}}));

        QVERIFY(TileOrigins(QRect(0, 21, 100, 80), QSize()).isEmpty());
    }

    void backgroundIsTiledIntoThePicture() {
        DesktopSurface surface;
        surface.resize(120, 90);
        const QRect desktop(0, 21, 120, 69);
        QImage tile = solid(QSize(50, 30), Qt::darkGreen);
        tile.setPixel(0, 0, qRgb(255, 0, 0));
        tile.setPixel(49, 29, qRgb(0, 0, 255));
        surface.DrawBackground(tile, desktop);

        const QImage& picture = surface.Picture();
        QCOMPARE(picture.deviceIndependentSize().toSize(), surface.size());
        const QRgb window = surface.palette().color(QPalette::Window).rgb();
        QCOMPARE(picture.pixel(0, 0), window);
        QCOMPARE(picture.pixel(119, 20), window);
        for (QPoint corner : {QPoint(0, 21), QPoint(50, 21), QPoint(100, 51), QPoint(0, 81)})
            QCOMPARE(picture.pixel(corner), qRgb(255, 0, 0));
        QCOMPARE(picture.pixel(49, 50), qRgb(0, 0, 255));
        QCOMPARE(picture.pixel(119, 89), QColor(Qt::darkGreen).rgb());

        surface.DrawBackground(QImage(), desktop);
        QCOMPARE(picture.pixel(60, 60), window);
    }

    void denseArtIsPreferredOnDenseSurfaces() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(solid(QSize(4, 3), Qt::red).save(dir.filePath(QStringLiteral("both.png"))));
        QVERIFY(solid(QSize(8, 6), Qt::blue).save(dir.filePath(QStringLiteral("both@2x.png"))));
        QVERIFY(solid(QSize(4, 3), Qt::green).save(dir.filePath(QStringLiteral("plain.png"))));

        QImage image = LoadArt(dir.filePath(QStringLiteral("both.png")), 2);
        QCOMPARE(image.size(), QSize(8, 6));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.deviceIndependentSize().toSize(), QSize(4, 3));

        image = LoadArt(dir.filePath(QStringLiteral("both.png")), 1);
        QCOMPARE(image.size(), QSize(4, 3));
        QCOMPARE(image.devicePixelRatio(), 1.0);
        image = LoadArt(dir.filePath(QStringLiteral("plain.png")), 2);
        QCOMPARE(image.size(), QSize(4, 3));
        QCOMPARE(image.devicePixelRatio(), 1.0);
        QVERIFY(LoadArt(dir.filePath(QStringLiteral("missing.png")), 2).isNull());
    }

    void everyBackgroundHasATileOfItsSize() {
        // Drawn or, while the picture is missing, plain.
        for (int n = 1; n <= kBackgroundCount; ++n) {
            for (qreal dpr : {1.0, 2.0}) {
                const QImage tile = LoadBackgroundTile(n, dpr);
                QVERIFY2(!tile.isNull(), qPrintable(BackgroundName(n)));
                QCOMPARE(tile.deviceIndependentSize().toSize(), BackgroundTileSize(n));
            }
        }
        QCOMPARE(BackgroundTileSize(2), QSize(399, 279));
    }
};

QTEST_MAIN(TestBackground)
#include "test_background.moc"

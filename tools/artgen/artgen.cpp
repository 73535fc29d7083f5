// artgen — draws all of Glisterwood 99's pictures in code and writes them as PNG files.
//
// Usage: artgen <output-directory>
//
// Every picture is written twice: <name>.png at its logical size and <name>@2x.png drawn at twice
// the resolution for screens with a device pixel ratio of 2. Run at build time
// (QT_QPA_PLATFORM=offscreen is used when no platform is set). The output is deterministic: the
// only "randomness" comes from a fixed-seed generator.

#include "art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace art;

enum class Kind {
    Picture, // transparent where nothing is drawn
    Tile,    // opaque and repeated edge to edge
    Derived, // computed from the picture listed just before it
    Card,    // a desktop card icon, transparent where nothing is drawn
};

struct Artwork {
    QString name; // file name without ".png"
    QSize size;   // logical pixels
    Kind kind = Kind::Picture;
    void (*draw)(QPainter&, const QSizeF&) = nullptr;
    QImage (*derive)(const QImage&) = nullptr;
    int card = 0; // number of the card icon, for Kind::Card
};

const QSize kCardSize(32, 32);

const std::array kPictures = {
    Artwork{"about", QSize(314, 158), Kind::Picture, drawAbout},
    Artwork{"icon-16", QSize(16, 16), Kind::Picture, drawIcon},
    Artwork{"icon-32", QSize(32, 32), Kind::Picture, drawIcon},
    Artwork{"icon-48", QSize(48, 48), Kind::Picture, drawIcon},
    Artwork{"icon-64", QSize(64, 64), Kind::Picture, drawIcon},
    Artwork{"icon-128", QSize(128, 128), Kind::Picture, drawIcon},
    Artwork{"icon-256", QSize(256, 256), Kind::Picture, drawIcon},
    Artwork{"goback", QSize(32, 26), Kind::Picture, drawGoBack},
    Artwork{"goforward", QSize(32, 26), Kind::Picture, drawGoForward},
    Artwork{"stop", QSize(16, 16), Kind::Picture, drawStop},
    Artwork{"reload", QSize(16, 16), Kind::Picture, drawReload},
    Artwork{"tab-bookmarks", QSize(16, 16), Kind::Picture, drawTabBookmarks},
    Artwork{"tab-history", QSize(16, 16), Kind::Picture, drawTabHistory},
    Artwork{"tab-browser", QSize(16, 16), Kind::Picture, drawTabBrowser},
    Artwork{"bulbs", QSize(640, 16), Kind::Picture, drawBulbStrip},
    Artwork{"bulbmask", QSize(640, 16), Kind::Derived, nullptr, bulbMask},
    Artwork{"dragbulb", QSize(32, 32), Kind::Picture, drawDragBulb},
    Artwork{"musicbox-off", QSize(32, 32), Kind::Picture, drawMusicBoxOff},
    Artwork{"musicbox-on", QSize(32, 32), Kind::Picture, drawMusicBoxOn},
    Artwork{"snowflake-32", QSize(32, 32), Kind::Picture, drawSnowflake32},
    Artwork{"snowflake-16", QSize(16, 16), Kind::Picture, drawSnowflake16},
    Artwork{"bg-01", QSize(171, 145), Kind::Tile, drawTilesTreesGreen},
    Artwork{"bg-02", QSize(399, 279), Kind::Tile, drawTilesTreesSnow},
    Artwork{"bg-03", QSize(200, 200), Kind::Tile, drawTilesCandyCanes},
    Artwork{"bg-04", QSize(200, 200), Kind::Tile, drawTilesGifts},
    Artwork{"bg-05", QSize(190, 190), Kind::Tile, drawTilesAngels},
    Artwork{"bg-06", QSize(220, 200), Kind::Tile, drawTilesSleigh},
    Artwork{"bg-07", QSize(265, 175), Kind::Tile, drawTilesPotpourri},
    Artwork{"bg-08", QSize(150, 98), Kind::Tile, drawTilesHollyDark},
    Artwork{"bg-09", QSize(150, 98), Kind::Tile, drawTilesHollyLight},
    Artwork{"bg-10", QSize(200, 200), Kind::Tile, drawSnowflakesSmall},
    Artwork{"bg-11", QSize(200, 200), Kind::Tile, drawSnowflakesMedium},
    Artwork{"bg-12", QSize(200, 200), Kind::Tile, drawSnowflakesSharp},
    Artwork{"bg-13", QSize(200, 200), Kind::Tile, drawSnowflakesLarge},
    Artwork{"bg-14", QSize(200, 200), Kind::Tile, drawSnowflakesLargeWhite},
};

// The pictures above followed by the card icons card-001 … card-NNN.
std::vector<Artwork> allArtworks() {
    std::vector<Artwork> all(kPictures.begin(), kPictures.end());
    for (int number = 1; number <= kCardIconCount; ++number)
        all.push_back(Artwork{QStringLiteral("card-%1").arg(number, 3, 10, QLatin1Char('0')), kCardSize,
                              Kind::Card, nullptr, nullptr, number});
    return all;
}

QImage render(const Artwork& art, int scale) {
    QImage image(art.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    if (art.kind == Kind::Card)
        drawCardIcon(painter, art.card);
    else
        art.draw(painter, QSizeF(art.size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

int colourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Whether a tile shows a seam where it meets its own copy. Band by band along the edge, the jump
// in colour from the last column (or row) to the first is compared with the jumps between every
// pair of neighbouring columns inside the tile; a motif cut off at the edge shows as a jump well
// above all of them.
bool hasSeam(const QImage& image, bool acrossColumns) {
    const int length = acrossColumns ? image.width() : image.height();
    const int breadth = acrossColumns ? image.height() : image.width();
    auto at = [&](int along, int across) {
        return acrossColumns ? image.pixel(along, across) : image.pixel(across, along);
    };
    const int band = std::max(8, breadth / 12);
    for (int start = 0; start < breadth; start += band / 2) {
        const int end = std::min(breadth, start + band);
        auto jump = [&](int first, int second) {
            double sum = 0;
            for (int i = start; i < end; ++i)
                sum += colourDistance(at(first, i), at(second, i));
            return sum / (end - start);
        };
        double inside = 0;
        for (int i = 0; i + 1 < length; ++i)
            inside = std::max(inside, jump(i, i + 1));
        if (jump(length - 1, 0) > inside * 1.5 + 4) return true;
    }
    return false;
}

// Why a rendered picture must not be shipped, or null when it is fine.
const char* flaw(const Artwork& art, const QImage& image, int scale) {
    if (image.size() != art.size * scale) return "wrong size";
    bool anyInk = false, varied = false, opaque = true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            anyInk = anyInk || qAlpha(pixel) > 0;
            varied = varied || pixel != first;
            opaque = opaque && qAlpha(pixel) == 255;
        }
    }
    if (!anyInk || !varied) return "nothing drawn";
    if (art.kind == Kind::Tile) {
        if (!opaque) return "tile is not opaque";
        if (hasSeam(image, true)) return "tile shows a seam where it repeats sideways";
        if (hasSeam(image, false)) return "tile shows a seam where it repeats downwards";
    }
    return nullptr;
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

    const std::vector<Artwork> artworks = allArtworks();
    for (const int scale : {1, 2}) {
        QImage previous;
        // A card icon must not repeat one before it, or the picker would offer the same one twice.
        std::vector<QImage> cards;
        for (const Artwork& art : artworks) {
            const QString name = art.name + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
            const QImage image = art.kind == Kind::Derived ? art.derive(previous) : render(art, scale);
            if (const char* problem = flaw(art, image, scale)) {
                std::fprintf(stderr, "artgen: %s: %s\n", qPrintable(name), problem);
                return 1;
            }
            if (art.kind == Kind::Card) {
                for (std::size_t i = 0; i < cards.size(); ++i) {
                    if (cards[i] == image) {
                        std::fprintf(stderr, "artgen: %s: the same as card %zu\n", qPrintable(name), i + 1);
                        return 1;
                    }
                }
                cards.push_back(image);
            }
            const QString file = output.filePath(name);
            if (!image.save(file, "PNG")) {
                std::fprintf(stderr, "artgen: cannot write '%s'\n", qPrintable(file));
                return 1;
            }
            previous = image;
        }
    }
    return 0;
}

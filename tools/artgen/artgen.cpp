// artgen — draws all of Glisterwood 99's pictures in code and writes them as PNG files.
//
// Usage: artgen <output-directory>
//
// Run at build time (QT_QPA_PLATFORM=offscreen is used when no platform is set). The output is
// deterministic: the only "randomness" comes from a fixed-seed generator.

#include "art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <array>
#include <cstdio>

namespace {

using namespace art;

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

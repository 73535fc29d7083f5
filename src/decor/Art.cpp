#include "decor/Art.h"

QImage LoadArt(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        const QString dense = dot <= name.lastIndexOf(QLatin1Char('/'))
                                  ? name + QStringLiteral("@2x")
                                  : name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
        QImage image(dense);
        if (!image.isNull()) {
            image.setDevicePixelRatio(2);
            return image;
        }
    }
    QImage image(name);
    image.setDevicePixelRatio(1);
    return image;
}

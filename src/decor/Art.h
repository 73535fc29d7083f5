#pragma once

#include <QImage>
#include <QString>

// Loads a picture of the artwork, such as ":/art/bulbs.png". On a high-density surface (ratio above 1)
// the "@2x" file of double size is preferred and comes back with a device pixel ratio of 2. A missing
// file gives a null image, which every painter here treats as nothing to draw.
QImage LoadArt(const QString& name, qreal devicePixelRatio);

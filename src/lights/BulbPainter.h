#pragma once

#include "lights/Bulbs.h"

#include <QImage>
#include <QRect>
#include <QVector>
#include <array>
#include <functional>

class DesktopSurface;

// Paints the bulbs of a light string into the window's persistent picture. The strips' own background
// is saved once after the holiday picture is drawn, so a bulb can be laid over it and taken off again
// without redrawing anything else; each change asks for a repaint of its own cell only.
class BulbPainter {
public:
    using Repaint = std::function<void(const QRect&)>;

    // strips: top, right, bottom, left, in the picture's logical pixels. colours holds the 40 frames of
    // 16x16 side by side; in mask black marks the bulb and white lets the background show.
    BulbPainter(QImage& picture, Repaint repaint, const QRect (&strips)[4], const SlotCounts& counts,
                const QImage& colours, const QImage& mask);
    BulbPainter(DesktopSurface& surface, const QRect (&strips)[4], const SlotCounts& counts,
                const QImage& colours, const QImage& mask);

    void CaptureStripBackgrounds();
    void DrawBulb(int slot, const BulbRecord& bulb);
    // bulbs is 1-based; element 0 is not used, and slots past its end are drawn empty.
    void DrawAll(const QVector<BulbRecord>& bulbs);
    void RestoreStripBackgrounds();
    // The slot's cell in the picture's logical pixels.
    QRect CellRect(int slot) const;

private:
    void paintCell(int slot, const BulbRecord& bulb);

    QImage& picture_;
    Repaint repaint_;
    std::array<QRect, 4> strips_;
    SlotCounts counts_;
    QImage frames_; // the colour frames with the mask folded into their alpha
    std::array<QImage, 4> saved_;
};

QImage LoadBulbColours(qreal devicePixelRatio);
QImage LoadBulbMask(qreal devicePixelRatio);

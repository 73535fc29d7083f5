#include "lights/BulbPainter.h"

#include "decor/Art.h"
#include "decor/DesktopSurface.h"

#include <QPainter>

namespace {

constexpr int kCell = 16;

QRect toDevice(const QRect& r, qreal dpr) {
    return QRect(qRound(r.x() * dpr), qRound(r.y() * dpr), qRound(r.width() * dpr), qRound(r.height() * dpr));
}

// Drawing the result over a background with its alpha gives the frame where the mask is black and the
// background where it is white, with grey edges in between.
QImage maskedFrames(const QImage& colours, const QImage& mask) {
    if (colours.isNull()) return {};
    QImage out = colours.convertToFormat(QImage::Format_ARGB32);
    if (!mask.isNull()) {
        const QImage m = (mask.size() == out.size() ? mask : mask.scaled(out.size()))
                             .convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < out.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            const uchar* grey = m.constScanLine(y);
            for (int x = 0; x < out.width(); ++x) {
                const QRgb c = line[x];
                line[x] = qRgba(qRed(c), qGreen(c), qBlue(c), qAlpha(c) * (255 - grey[x]) / 255);
            }
        }
    }
    out = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(colours.devicePixelRatio());
    return out;
}

} // namespace

BulbPainter::BulbPainter(QImage& picture, Repaint repaint, const QRect (&strips)[4], const SlotCounts& counts,
                         const QImage& colours, const QImage& mask)
    : picture_(picture)
    , repaint_(std::move(repaint))
    , strips_{strips[0], strips[1], strips[2], strips[3]}
    , counts_(counts)
    , frames_(maskedFrames(colours, mask)) {}

BulbPainter::BulbPainter(DesktopSurface& surface, const QRect (&strips)[4], const SlotCounts& counts,
                         const QImage& colours, const QImage& mask)
    : BulbPainter(
          surface.Picture(), [&surface](const QRect& r) { surface.update(r); }, strips, counts, colours,
          mask) {}

void BulbPainter::CaptureStripBackgrounds() {
    const qreal dpr = picture_.devicePixelRatio();
    for (int side = 0; side < 4; ++side) {
        saved_[side] = picture_.copy(toDevice(strips_[side], dpr));
        saved_[side].setDevicePixelRatio(dpr);
    }
}

QRect BulbPainter::CellRect(int slot) const {
    const int side = Bulbs::BulbSide(slot, counts_);
    return QRect(strips_[side].topLeft() + Bulbs::BulbPosition(side, slot, counts_), QSize(kCell, kCell));
}

void BulbPainter::paintCell(int slot, const BulbRecord& bulb) {
    if (slot < 1 || slot > counts_.SlotCount || picture_.isNull()) return;
    const int side = Bulbs::BulbSide(slot, counts_);
    const qreal dpr = picture_.devicePixelRatio();
    const QRect cellRect = CellRect(slot);
    // Before the strips are saved, the picture itself is the background.
    const QRect inStrip(Bulbs::BulbPosition(side, slot, counts_), cellRect.size());
    QImage cell = saved_[side].isNull() ? picture_.copy(toDevice(cellRect, dpr))
                                        : saved_[side].copy(toDevice(inStrip, dpr));
    cell.setDevicePixelRatio(dpr);
    if (bulb.InUse && !frames_.isNull()) {
        const int frame = Bulbs::BulbFrame(bulb.Colour, side, bulb.State);
        const qreal fdpr = frames_.devicePixelRatio();
        QPainter p(&cell);
        p.drawImage(QRectF(0, 0, kCell, kCell), frames_,
                    QRectF(frame * kCell * fdpr, 0, kCell * fdpr, kCell * fdpr));
    }
    QPainter p(&picture_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(cellRect.topLeft(), cell);
}

void BulbPainter::DrawBulb(int slot, const BulbRecord& bulb) {
    if (slot < 1 || slot > counts_.SlotCount) return;
    paintCell(slot, bulb);
    if (repaint_) repaint_(CellRect(slot));
}

void BulbPainter::DrawAll(const QVector<BulbRecord>& bulbs) {
    const BulbRecord empty;
    for (int slot = 1; slot <= counts_.SlotCount; ++slot)
        paintCell(slot, slot < bulbs.size() ? bulbs[slot] : empty);
    if (repaint_)
        for (const QRect& strip : strips_)
            repaint_(strip);
}

void BulbPainter::RestoreStripBackgrounds() {
    if (!picture_.isNull()) {
        QPainter p(&picture_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (int side = 0; side < 4; ++side)
            if (!saved_[side].isNull()) p.drawImage(strips_[side].topLeft(), saved_[side]);
    }
    if (repaint_)
        for (const QRect& strip : strips_)
            repaint_(strip);
}

QImage LoadBulbColours(qreal devicePixelRatio) {
    return LoadArt(QStringLiteral(":/art/bulbs.png"), devicePixelRatio);
}

QImage LoadBulbMask(qreal devicePixelRatio) {
    return LoadArt(QStringLiteral(":/art/bulbmask.png"), devicePixelRatio);
}

#include "decor/DropRules.h"

namespace {
// A rectangle from its four edges, all of them inside it.
QRect edges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
} // namespace

void DropRules::UpdateBadDropRects(const Places& p) {
    // The left strip lies outside the first rectangle: a bulb may be dropped there.
    rects_[0] = edges(p.paneLeft, p.topStrip.top(), p.rightStrip.left() + 16, p.stopImage.top() + 16);
    rects_[1] = edges(p.editUrl.left(), p.editUrl.top(), p.editUrl.left() + p.editUrl.width(),
                      p.statusBar.top() + p.statusBar.height());
    rects_[2] = edges(p.tabStrip.left(), p.tabStrip.top(), p.tabStrip.left() + p.tabStrip.width(),
                      p.tabStrip.top() + p.tabStrip.height());
    rects_[3] = edges(p.musicBox.left(), p.musicBox.top(), p.musicBox.left() + p.musicBox.width(),
                      p.musicBox.top() + p.musicBox.height());
}

bool DropRules::IsInBadDropRect(QPoint at) const {
    for (const QRect& r : rects_)
        if (r.contains(at)) return true;
    return false;
}

bool DropRules::CoversMusicBox(const QRect& landing) const {
    return rects_[3].intersects(landing);
}

bool DropRules::IsBadBulbDrop(QPoint at) const {
    return IsInBadDropRect(at) || CoversMusicBox(QRect(at - QPoint(16, 16), QSize(32, 32)));
}

namespace {
QPoint clampInto(QPoint at, QSize size, const QRect& area) {
    return QPoint(qBound(area.left(), at.x(), qMax(area.left(), area.right() + 1 - size.width())),
                  qBound(area.top(), at.y(), qMax(area.top(), area.bottom() + 1 - size.height())));
}
} // namespace

QPoint NearestFreePlace(const QRect& item, const QRect& area, const QVector<QRect>& avoid) {
    auto free = [&](QPoint at) {
        const QRect r(at, item.size());
        for (const QRect& a : avoid)
            if (a.intersects(r)) return false;
        return true;
    };
    const QPoint inside = clampInto(item.topLeft(), item.size(), area);
    if (free(inside)) return inside;
    // Candidates: just beside each place to avoid, on each of its four sides, and the corners
    // between them; the nearest free one wins.
    QVector<int> xs{inside.x()}, ys{inside.y()};
    for (const QRect& a : avoid) {
        xs << a.left() - item.width() << a.right() + 1;
        ys << a.top() - item.height() << a.bottom() + 1;
    }
    QPoint best = inside;
    qint64 bestDistance = -1;
    for (int x : xs) {
        for (int y : ys) {
            const QPoint at = clampInto(QPoint(x, y), item.size(), area);
            if (!free(at)) continue;
            const QPoint d = at - item.topLeft();
            const qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
            if (bestDistance < 0 || distance < bestDistance) {
                best = at;
                bestDistance = distance;
            }
        }
    }
    return best;
}

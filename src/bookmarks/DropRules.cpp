#include "bookmarks/DropRules.h"

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

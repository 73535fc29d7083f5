#pragma once

#include <QPoint>
#include <QRect>
#include <QVector>
#include <array>

// Where on the window nothing may be dropped: the browser pane with its top, right and bottom
// strips, the address box down to the status bar, the tab strip, and the music box.
class DropRules {
public:
    struct Places {
        int paneLeft = 0;
        QRect topStrip, rightStrip;
        QRect stopImage; // level with the bottom strip
        QRect editUrl, statusBar, tabStrip, musicBox;
    };
    void UpdateBadDropRects(const Places& places);
    // Edges included.
    bool IsInBadDropRect(QPoint at) const;
    // A card may not cover any part of the music box, wherever the pointer let go of it.
    bool CoversMusicBox(const QRect& landing) const;
    // A bulb makes a 32 x 32 card centred where it is dropped.
    bool IsBadBulbDrop(QPoint at) const;
    const std::array<QRect, 4>& Rects() const { return rects_; }

private:
    std::array<QRect, 4> rects_;
};

// Where something of the item's size is shown when its own place is off the area or on one of the
// places to avoid: the nearest top-left inside the area that covers none of them, or the nearest
// inside the area when there is no such place.
QPoint NearestFreePlace(const QRect& item, const QRect& area, const QVector<QRect>& avoid);

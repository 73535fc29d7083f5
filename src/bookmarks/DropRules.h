#pragma once

#include <QPoint>
#include <QRect>
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

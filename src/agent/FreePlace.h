#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the character may stand when it goes somewhere by itself: never on the program's controls,
// best on the free surface beside the page, else beside the window. Screen pixels throughout.
class FreePlace {
public:
    struct Ground {
        QRect WorkArea;         // the screen's work area
        QList<QRect> Avoid;     // controls and dialogs the figure must never cover
        QList<QRect> Preferred; // free surface to stand on (the snow columns)
        QRect Window;           // the program's window: the page and all; off it is the next best
    };

    // The figure's top-left corner for a figure of this size, as near the wish as the best kind of
    // place allows. Best: wholly on the preferred surface; next: off the window; next: as much on
    // the preferred surface as it can be; always on the work area and off the places to avoid
    // where there is room for that at all.
    static QPoint Choose(const Ground& ground, QSize figure, QPoint wish);

    // Whether a figure standing there is out of the way: on the work area, off every place to avoid,
    // and wholly on the preferred surface or off the window.
    static bool IsFree(const Ground& ground, const QRect& figure);
};

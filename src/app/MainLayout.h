#pragma once

#include "lights/Bulbs.h"

#include <QPoint>
#include <QRect>

// The one-time layout of the main window, as plain arithmetic on the window's inner size, so that it
// can be checked without a window.
struct LayoutInput {
    int innerWidth = 0;
    int innerHeight = 0;
    int screenHeightPx = 0; // below 481 the address box and status bar get the small size
    int editUrlHeight = 22; // design heights of the address box, status bar and tab border
    int statusBarHeight = 20;
    int tabBorderHeight = 23;
};

struct MainLayout {
    bool smallScreen = false;
    int editUrlHeight = 0;
    int statusBarHeight = 0;
    int fontPointSize = 0; // 0: keep the design font

    QRect desktop;
    int paneLeft = 0, paneTop = 0, paneWidth = 0, paneHeight = 0;
    QRect tabBorder, tabMain, editUrl, statusBar;
    QRect regionBulbs[4]; // top, right, bottom, left
    int topCount = 0, sideCount = 0, rightEnd = 0, bottomEnd = 0, slotCount = 0;
    int snowLeftWidth = 0, snowRightStart = 0, snowRightWidth = 0, snowSpan = 0;
    QPoint goBack, goForward, stop, reload, radio;

    QRect pane() const { return {paneLeft, paneTop, paneWidth, paneHeight}; }
    SlotCounts Counts() const { return {topCount, sideCount, rightEnd, bottomEnd, slotCount}; }
};

inline constexpr int kBulbSize = 16;
inline constexpr int kTabStripHeight = 21;

MainLayout ComputeMainLayout(const LayoutInput& in);

struct SnowArea;
// The snow's columns beside the strips.
SnowArea SnowAreaOf(const MainLayout& layout);

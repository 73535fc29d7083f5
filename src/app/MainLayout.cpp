#include "app/MainLayout.h"

#include "decor/Snowfall.h"

MainLayout ComputeMainLayout(const LayoutInput& in) {
    MainLayout out;
    const int W = in.innerWidth;
    const int H = in.innerHeight;

    out.desktop = QRect(0, kTabStripHeight, W, H - kTabStripHeight);

    out.smallScreen = in.screenHeightPx < 481;
    out.editUrlHeight = out.smallScreen ? 18 : in.editUrlHeight;
    out.statusBarHeight = out.smallScreen ? 18 : in.statusBarHeight;
    out.fontPointSize = out.smallScreen ? 8 : 0;

    // The browser area keeps the proportions of a 789-pixel design, then snaps to whole bulbs:
    // the width grows to a multiple of 16 around its centre, the height shrinks to one.
    int left = W * 73 / 789;
    const int top = out.editUrlHeight + out.statusBarHeight + in.tabBorderHeight + kBulbSize;
    int width = W * 617 / 789;
    int height = H - top - kBulbSize;
    const int r = kBulbSize - (width % kBulbSize);
    if (r != kBulbSize) {
        left -= r / 2;
        width += r;
    }
    if (height < 0) height = 0;
    height -= height % kBulbSize;
    out.paneLeft = left;
    out.paneTop = top;
    out.paneWidth = width;
    out.paneHeight = height;

    out.tabBorder = QRect(-1, 0, W + 2, in.tabBorderHeight);
    out.tabMain = QRect(0, 0, W, kTabStripHeight);
    out.editUrl = QRect(left, 23, width, out.editUrlHeight);
    out.statusBar = QRect(left, out.editUrl.top() + out.editUrlHeight - 2, width, out.statusBarHeight);

    const int L = left, T = top, Wa = width, Ha = height;
    out.regionBulbs[0] = QRect(L, T - kBulbSize, Wa, kBulbSize);
    out.regionBulbs[1] = QRect(L + Wa, T, kBulbSize, Ha);
    out.regionBulbs[2] = QRect(L, T + Ha, Wa, kBulbSize);
    out.regionBulbs[3] = QRect(L - kBulbSize, T, kBulbSize, Ha);
    out.topCount = Wa / kBulbSize;
    out.sideCount = Ha / kBulbSize;
    out.rightEnd = out.topCount + out.sideCount;
    out.bottomEnd = out.rightEnd + out.topCount;
    out.slotCount = 2 * (out.topCount + out.sideCount);

    out.snowLeftWidth = L - kBulbSize;
    out.snowRightStart = L + Wa + kBulbSize;
    out.snowRightWidth = W - out.snowRightStart;
    out.snowSpan = out.snowLeftWidth + out.snowRightWidth;

    out.goBack = QPoint(L - 32, T - 26);
    out.goForward = QPoint(L + Wa, T - 26);
    out.stop = QPoint(out.goForward.x(), out.regionBulbs[2].top());
    out.reload = QPoint(out.regionBulbs[3].left(), out.regionBulbs[2].top());
    out.radio = QPoint(out.desktop.left() + 2, out.desktop.top() + 2);
    return out;
}

SnowArea SnowAreaOf(const MainLayout& layout) {
    return {layout.snowLeftWidth, layout.snowRightStart, layout.snowSpan, layout.desktop.height()};
}

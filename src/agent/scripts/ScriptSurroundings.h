#pragma once

#include "agent/FreePlace.h"
#include "agent/scripts/ScriptStage.h"

#include <QRect>
#include <QString>
#include <functional>
#include <optional>

// The parts of the main window that the scripts point at, asked at the moment a script performs.
// The window fills these in; a missing answer reads as an empty rectangle.
struct ScriptSurroundings {
    struct Corner {
        QRect Rect; // main window pixels
        bool Visible = false;
    };
    enum CornerButton { Back, Forward, Stop, Reload };
    struct Bookmark {
        QRect Rect; // the item in the list's own pixels
        QString Text;
    };

    std::function<QSize()> TabBorder;                          // the button bar picture
    std::function<std::optional<Bookmark>()> SelectedBookmark; // only when an item is selected
    ClientToScreenMap BookmarkList;                            // the list's pixels on the screen
    std::function<std::optional<QPoint>()> ContextCard;        // the card whose menu is open
    std::function<QRect()> MusicBox;
    std::function<int()> MusicState; // 0/1 stopped, 2 playing, 3 paused, 4 pausing between songs
    std::function<QRect()> TopBulbRegion;
    std::function<QRect()> TopBulbBackground;
    std::function<QRect()> BrowserArea;
    std::function<Corner(CornerButton)> CornerButtonAt;
    // Where the character may stand by itself, in screen pixels: the controls and dialogs to keep
    // clear of, the free surface beside the page and the window. Asked afresh every time, since the
    // window can change; an empty work area stands for the screen's.
    std::function<FreePlace::Ground()> StandingGround;
};

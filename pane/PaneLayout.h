// PaneLayout: the view arithmetic of a pane (lines from points, visible counts, scroll targets), free of any device context.
#pragma once

#include <cstdint>

class PaneLayout {
public:
    // How many whole units fit in an extent; 0 for a unit of 0.
    static int32_t FitCount(int32_t extent, int32_t unit);
    // top + y / lineHeight, clamped to 0 ... lineCount - 1; `side` is -1 when the
    // unclamped line lay above the table, 1 below it, 0 inside.
    static int32_t LineFromY(int32_t y, int32_t topLine, int32_t lineHeight, int32_t lineCount, int* side);
    // The first visible line or column after a scroll-bar request (SB_* code);
    // `position` and `track` are the bar's position and track position.
    static int32_t ScrollTarget(int request, int32_t current, int32_t visible, int32_t count, int32_t position,
                                int32_t track);

    // Where the view must move so that the caret point is in view.
    struct CaretView {
        int32_t marginWidth = 0;
        int32_t clientWidth = 0;
        int32_t clientHeight = 0;
        int32_t lineHeight = 1;
        int32_t averageCharWidth = 1;
        int32_t horizontalOffset = 0;
        int32_t visibleColumns = 0;
        int32_t visibleLines = 0;
    };
    struct ScrollPlan {
        bool horizontal = false;
        int32_t horzPos = 0;
        bool vertical = false;
        int32_t topLine = 0;
    };
    // The caret (x, y) on caretLine; a quarter jump scrolls a quarter of the
    // visible columns past the caret so that stepping along a line scrolls seldom.
    static ScrollPlan CaretScroll(const CaretView& view, int32_t x, int32_t y, int32_t caretLine, bool quarterJump);
};

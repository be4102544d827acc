#include "shell/Navigation.h"

#include "resources/resource.h"

#include <algorithm>

int FirstDisplayRow(const DiffHunk& hunk)
{
    return SideRows(hunk, false).first;
}

int ClampCurrentDiff(int currentDiff, int count)
{
    return std::min(std::max(currentDiff, 0), std::max(count - 1, 0));
}

UINT AutoStepPeriod(int seconds)
{
    if (seconds < 1)
        return 0;
    const UINT longest = USER_TIMER_MAXIMUM / 1000u;
    return std::min(static_cast<UINT>(seconds), longest) * 1000u;
}

int ScrollDelta(int row, int topLine, ScrollMode mode, int gutterHeight, int horizontalScrollBarHeight, int lineHeight)
{
    const int visibleRows = lineHeight > 0 ? (gutterHeight - horizontalScrollBarHeight) / lineHeight : 0;
    int offset = 0;
    if (mode == ScrollMode::Middle)
        offset = visibleRows / 2;
    else if (mode == ScrollMode::Bottom)
        offset = visibleRows;
    return row - topLine - offset;
}

std::vector<std::pair<UINT, bool>> ToolbarButtonStates(bool comparedOK, int currentDiff, int hunkCount, PaneView view)
{
    if (!comparedOK) {
        std::vector<std::pair<UINT, bool>> states;
        for (UINT id : {ID_RECOMPARE, ID_EDIT_LEFT_FILE, ID_EDIT_RIGHT_FILE, ID_SAVE_DIFF, ID_PREVIOUS_DIFFERENCE,
                        ID_CURRENT_DIFFERENCE, ID_NEXT_DIFFERENCE, ID_FIND, ID_FIND_NEXT, ID_FIND_PREVIOUS,
                        ID_SET_OPTIONS, ID_SHOW_LEFT_FILE, ID_SHOW_RIGHT_FILE, ID_SHOW_BOTH_FILES})
            states.emplace_back(id, false);
        return states;
    }
    const bool both = view == PaneView::Both;
    return {
        {ID_NEXT_DIFFERENCE, currentDiff < hunkCount - 1},
        {ID_PREVIOUS_DIFFERENCE, currentDiff > 0},
        {ID_CURRENT_DIFFERENCE, hunkCount > 0},
        // From one file alone the other can be shown; with both shown, either can be chosen.
        {ID_SHOW_LEFT_FILE, both || view == PaneView::RightOnly},
        {ID_SHOW_RIGHT_FILE, both || view == PaneView::LeftOnly},
        {ID_SHOW_BOTH_FILES, !both},
    };
}

MarkerGeometry MarkerAt(int c)
{
    MarkerGeometry m;
    m.triangle = {POINT{8, c}, POINT{0, c - 6}, POINT{0, c + 6}};
    m.hotArea = {0 - 2, c - 2, 8 + 2, c + 6 + 2};
    return m;
}

bool MarkerVisible(int rowY, int gutterClientHeight, int lineHeight)
{
    return rowY >= 0 && rowY <= gutterClientHeight - lineHeight;
}

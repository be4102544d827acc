// Navigation: the arithmetic of moving between differences: rows, scroll steps, toolbar states, the marker.
#pragma once

#include "engine/DiffTypes.h"
#include "shell/MainLayout.h"

#include <windows.h>

#include <array>
#include <utility>
#include <vector>

// The display row a difference starts on: an addition starts on the right side's rows.
int FirstDisplayRow(const DiffHunk& hunk);

// The current difference kept by a Re-Compare: within 0 .. count - 1 (0 with no differences).
int ClampCurrentDiff(int currentDiff, int count);

// The period of /aN stepping in milliseconds: 0 (no stepping) for N below 1, and
// at most the longest period a timer keeps (USER_TIMER_MAXIMUM, about 24.8 days).
UINT AutoStepPeriod(int seconds);

enum class ScrollMode { Top = 0, Middle = 1, Bottom = 2 };

// Lines to scroll the visible pane so that row lands at the top, middle or bottom of the view.
int ScrollDelta(int row, int topLine, ScrollMode mode, int gutterHeight, int horizontalScrollBarHeight, int lineHeight);

// Enabled state of every toolbar command the state depends on.
std::vector<std::pair<UINT, bool>> ToolbarButtonStates(bool comparedOK, int currentDiff, int hunkCount, PaneView view);

// The marker triangle at vertical centre c and the rectangle its tooltip covers.
struct MarkerGeometry {
    std::array<POINT, 3> triangle;
    RECT hotArea;
};

MarkerGeometry MarkerAt(int centreY);

// Whether the marker of a row starting at y (gutter client coordinates) is drawn.
bool MarkerVisible(int rowY, int gutterClientHeight, int lineHeight);

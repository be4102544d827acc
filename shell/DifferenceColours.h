// DifferenceColours: which rows of the two text panes take which colours once a comparison is shown.
#pragma once

#include "engine/DiffTypes.h"

#include <windows.h>

#include <vector>

struct AppSettings;

// Rows firstRow to lastRow of one text pane: the background always, the text
// colour unless the rows are filler (which has no text of its own to colour).
struct ColourRange {
    bool right = false;
    int firstRow = 0;
    int lastRow = 0;
    bool colourText = false;
    COLORREF text = 0;
    COLORREF back = 0;
};

// Two ranges a difference, left then right, in the order of the differences; a
// filler side covers the rows of the other side's lines.
std::vector<ColourRange> DifferenceColourRanges(const std::vector<DiffHunk>& hunks, const AppSettings& settings);

// StatusLegend: the colour legend drawn in the status bar's owner-drawn parts 2 to 4.
#pragma once

#include <windows.h>

#include <string>

struct LegendColours {
    COLORREF added;
    COLORREF deleted;
    COLORREF changed;
};

struct LegendEntry {
    UINT stringId;
    COLORREF colour;
};

// Part 2 "Added lines", part 3 "Deleted lines", part 4 "Changed lines"; false for other parts.
bool LegendForPart(int part, const LegendColours& colours, LegendEntry& entry);

// Draws one legend part: button face, then the text inside the rectangle shrunk by one pixel.
void DrawLegendPart(HDC dc, const RECT& partRect, HFONT font, const std::string& text, COLORREF colour);

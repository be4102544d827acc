#include "shell/StatusLegend.h"

#include "framework/ObjectSelection.h"
#include "resources/resource.h"

bool LegendForPart(int part, const LegendColours& colours, LegendEntry& entry)
{
    switch (part) {
    case 2: entry = {IDS_ADDED_LINES, colours.added}; return true;
    case 3: entry = {IDS_DELETED_LINES, colours.deleted}; return true;
    case 4: entry = {IDS_CHANGED_LINES, colours.changed}; return true;
    default: return false;
    }
}

void DrawLegendPart(HDC dc, const RECT& partRect, HFONT font, const std::string& text, COLORREF colour)
{
    ::FillRect(dc, &partRect, ::GetSysColorBrush(COLOR_BTNFACE));
    RECT textRect = partRect;
    ::InflateRect(&textRect, -1, -1);
    ObjectSelection selection(dc, font);
    ::SetTextColor(dc, colour);
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

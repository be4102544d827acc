#include "shell/DifferenceColours.h"

#include "shell/AppSettings.h"

namespace {

COLORREF KindColour(int kind, const AppSettings& settings)
{
    switch (kind) {
    case Added: return settings.addedColor;
    case Deleted: return settings.deletedColor;
    default: return settings.changedColor;
    }
}

ColourRange SideRange(const DiffHunk& hunk, bool right, const AppSettings& settings)
{
    const int kind = right ? hunk.rightKind : hunk.leftKind;
    const RowSpan rows = SideRows(hunk, right);
    ColourRange range;
    range.right = right;
    range.firstRow = rows.first;
    range.lastRow = rows.last;
    range.colourText = kind != Filler;
    range.text = range.colourText ? KindColour(kind, settings) : 0;
    range.back = settings.diffBackgroundColor;
    return range;
}

}  // namespace

std::vector<ColourRange> DifferenceColourRanges(const std::vector<DiffHunk>& hunks, const AppSettings& settings)
{
    std::vector<ColourRange> ranges;
    ranges.reserve(hunks.size() * 2);
    for (const DiffHunk& h : hunks) {
        ranges.push_back(SideRange(h, false, settings));
        ranges.push_back(SideRange(h, true, settings));
    }
    return ranges;
}

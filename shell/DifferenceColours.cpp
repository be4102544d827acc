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

ColourRange SideRange(bool right, int first, int last, int kind, const AppSettings& settings)
{
    ColourRange range;
    range.right = right;
    range.firstRow = first;
    range.lastRow = last;
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
        const bool leftFiller = h.leftKind == Filler;
        ranges.push_back(SideRange(false, leftFiller ? h.rightFirst : h.leftFirst,
                                   leftFiller ? h.rightLast : h.leftLast, h.leftKind, settings));
        const bool rightFiller = h.rightKind == Filler;
        ranges.push_back(SideRange(true, rightFiller ? h.leftFirst : h.rightFirst,
                                   rightFiller ? h.leftLast : h.rightLast, h.rightKind, settings));
    }
    return ranges;
}

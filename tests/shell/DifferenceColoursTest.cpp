// Tests of which rows of the two text panes take which colours after a comparison.
#include "shell/AppSettings.h"
#include "shell/DifferenceColours.h"
#include "tests/support/DiffHunks.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// right, first row, last row, text coloured, text colour, background
using Range = std::tuple<bool, int, int, bool, COLORREF, COLORREF>;

AppSettings Colours()
{
    AppSettings s;
    s.addedColor = 0xA0;
    s.deletedColor = 0xD0;
    s.changedColor = 0xC0;
    s.diffBackgroundColor = 0xB0;
    return s;
}

std::vector<Range> RangesOf(const std::vector<DiffHunk>& hunks)
{
    std::vector<Range> ranges;
    for (const ColourRange& r : DifferenceColourRanges(hunks, Colours()))
        ranges.emplace_back(r.right, r.firstRow, r.lastRow, r.colourText, r.colourText ? r.text : 0, r.back);
    return ranges;
}

TEST(DifferenceColourRanges, EachSideTakesItsKindsColourAndFillerOnlyTheBackground)
{
    struct Case {
        const char* what;
        std::vector<DiffHunk> hunks;
        std::vector<Range> expected;
    };
    const Case cases[] = {
        {"no difference", {}, {}},
        {"lines added on the right: filler on the left over the right's rows",
         {Hunk(0, 0, 3, 5, Filler, Added)},
         {{false, 3, 5, false, 0, 0xB0}, {true, 3, 5, true, 0xA0, 0xB0}}},
        {"lines deleted on the left: filler on the right over the left's rows",
         {Hunk(7, 8, 0, 0, Deleted, Filler)},
         {{false, 7, 8, true, 0xD0, 0xB0}, {true, 7, 8, false, 0, 0xB0}}},
        {"changed lines on both sides, each its own rows",
         {Hunk(2, 4, 2, 3, Changed, Changed)},
         {{false, 2, 4, true, 0xC0, 0xB0}, {true, 2, 3, true, 0xC0, 0xB0}}},
        {"several differences in order",
         {Hunk(1, 1, 1, 1, Changed, Changed), Hunk(9, 10, 0, 0, Deleted, Filler)},
         {{false, 1, 1, true, 0xC0, 0xB0},
          {true, 1, 1, true, 0xC0, 0xB0},
          {false, 9, 10, true, 0xD0, 0xB0},
          {true, 9, 10, false, 0, 0xB0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RangesOf(c.hunks), c.expected) << c.what;
}

}  // namespace

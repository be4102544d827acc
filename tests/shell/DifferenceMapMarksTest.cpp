// Tests of where the differences fall on the difference map: pixel spans, marks per pixel row, rows under a pixel.
#include "shell/DifferenceMapMarks.h"
#include "tests/support/DiffHunks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

DiffHunk Change(int first, int last)
{
    return Hunk(first, last, first, last, Changed, Changed);
}

// The marks by brute force: on each pixel row and half, the first difference whose span covers it.
std::vector<MapPixelRow> MarksByBruteForce(const std::vector<DiffHunk>& hunks, int totalRows, int height)
{
    std::vector<MapPixelRow> rows(static_cast<size_t>(std::max(height, 0)));
    for (int y = 0; y < height; ++y) {
        for (bool right : {false, true}) {
            MapHalf& half = right ? rows[static_cast<size_t>(y)].right : rows[static_cast<size_t>(y)].left;
            for (size_t i = 0; i < hunks.size() && half.mark == MapMark::None; ++i) {
                const MapSide side = MapSideOf(hunks[i], right);
                const PixelSpan span = RowsToPixels(side.firstRow, side.lastRow, totalRows, height);
                if (side.mark != MapMark::None && y >= span.top && y < span.bottom)
                    half = MapHalf{side.mark, static_cast<int>(i)};
            }
        }
    }
    return rows;
}

std::string Describe(const std::vector<MapPixelRow>& rows)
{
    std::string text;
    const char kinds[] = ".ADC";
    for (const MapPixelRow& r : rows) {
        text += kinds[static_cast<int>(r.left.mark)];
        text += kinds[static_cast<int>(r.right.mark)];
        text += ' ';
    }
    return text;
}

TEST(RowsToPixels, ProportionalAtLeastTwoPixelsAndInsideTheStrip)
{
    struct Case {
        const char* what;
        int first, last, total, height;
        int top, bottom;
    };
    const Case cases[] = {
        {"one row of ten on a hundred pixels", 4, 4, 10, 100, 40, 50},
        {"three rows of ten", 7, 9, 10, 100, 70, 100},
        {"one row in a million still two pixels", 500000, 500000, 1000000, 500, 250, 252},
        {"the last row in a million stays inside", 999999, 999999, 1000000, 500, 498, 500},
        {"the first row in a million", 0, 0, 1000000, 500, 0, 2},
        {"a partial pixel rounds the bottom up", 1, 1, 3, 10, 3, 7},
        {"a strip one pixel high", 5, 5, 10, 1, 0, 1},
        {"rows beyond the end are the last row", 12, 40, 10, 100, 90, 100},
        {"a last row before the first is the first row", 6, 2, 10, 100, 60, 70},
        {"no rows", 0, 0, 0, 100, 0, 0},
        {"no pixels", 0, 0, 10, 0, 0, 0},
        {"a tall strip over a million rows does not overflow", 999999, 999999, 1000000, 4000, 3998, 4000},
    };
    for (const Case& c : cases) {
        const PixelSpan span = RowsToPixels(c.first, c.last, c.total, c.height);
        EXPECT_EQ(std::make_pair(span.top, span.bottom), std::make_pair(c.top, c.bottom)) << c.what;
    }
}

TEST(ComputeMapMarks, TablesOfDifferencesAndRowCounts)
{
    struct Case {
        const char* what;
        std::vector<DiffHunk> hunks;
        int total, height;
        std::string expected;
    };
    const Case cases[] = {
        {"one changed row of ten, two pixels high", {Change(2, 2)}, 10, 5, ".. CC CC .. .. "},
        {"an addition: the left half blank over the filler rows",
         {Hunk(0, 0, 0, 1, Filler, Added)},
         4,
         4,
         ".A .A .. .. "},
        {"a deletion: the right half blank", {Hunk(2, 3, 0, 0, Deleted, Filler)}, 4, 4, ".. .. D. D. "},
        {"a change of three rows against one: the right half's filler rows blank",
         {Hunk(0, 2, 0, 0, Changed, Changed)},
         3,
         6,
         "CC CC C. C. C. C. "},
        {"two differences on one pixel row drawn once",
         {Change(0, 0), Hunk(1, 1, 0, 0, Deleted, Filler)},
         4,
         2,
         "CC CC "},
        {"no differences", {}, 10, 3, ".. .. .. "},
        {"no rows: an empty strip", {Change(0, 0)}, 0, 3, ".. .. .. "},
        {"no pixels", {Change(0, 0)}, 10, 0, ""},
        {"a strip one pixel high", {Change(9, 9)}, 10, 1, "CC "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Describe(ComputeMapMarks(c.hunks, c.total, c.height)), c.expected) << c.what;
}

TEST(ComputeMapMarks, ManyDifferencesMarkEveryPixelRowWithOneThatFallsOnIt)
{
    struct Case {
        const char* what;
        int differences, height;
    };
    const Case cases[] = {
        {"100,000 one-row changes in 200,000 rows", 100000, 400},
        {"1,000,000 one-row changes in 2,000,000 rows", 1000000, 700},
        {"100,000 changes on a strip three pixels high", 100000, 3},
    };
    for (const Case& c : cases) {
        std::vector<DiffHunk> hunks;
        for (int i = 0; i < c.differences; ++i)
            hunks.push_back(Change(2 * i, 2 * i));
        const int total = 2 * c.differences;
        const std::vector<MapPixelRow> rows = ComputeMapMarks(hunks, total, c.height);
        ASSERT_EQ(static_cast<int>(rows.size()), c.height) << c.what;
        for (int y = 0; y < c.height; ++y) {
            const MapPixelRow& r = rows[static_cast<size_t>(y)];
            ASSERT_EQ(r.left.mark, MapMark::Changed) << c.what << " pixel row " << y;
            ASSERT_EQ(r.right.diff, r.left.diff) << c.what;
            const DiffHunk& named = hunks[static_cast<size_t>(r.left.diff)];
            const PixelSpan span = RowsToPixels(named.leftFirst, named.leftLast, total, c.height);
            ASSERT_TRUE(y >= span.top && y < span.bottom) << c.what << " pixel row " << y;
        }
    }
}

TEST(ComputeMapMarks, AgreesWithTheFirstDifferenceCoveringEachPixelRow)
{
    std::mt19937 random(23);
    for (int round = 0; round < 300; ++round) {
        const int total = 1 + static_cast<int>(random() % 3000);
        const int height = static_cast<int>(random() % 120);
        std::vector<DiffHunk> hunks;
        for (int row = static_cast<int>(random() % 20); row < total; row += 1 + static_cast<int>(random() % 200)) {
            const int length = 1 + static_cast<int>(random() % 30);
            const int last = std::min(total - 1, row + length - 1);
            const int kinds[][2] = {{Changed, Changed}, {Filler, Added}, {Deleted, Filler}};
            const auto& kind = kinds[random() % 3];
            // A change may leave one side shorter: its other rows are filler.
            const int shortLast = kind[0] == Changed ? row + static_cast<int>(random() % length) : last;
            hunks.push_back(Hunk(row, last, row, std::min(shortLast, last), kind[0], kind[1]));
            row = last;
        }
        const std::vector<MapPixelRow> fast = ComputeMapMarks(hunks, total, height);
        const std::vector<MapPixelRow> slow = MarksByBruteForce(hunks, total, height);
        EXPECT_EQ(Describe(fast), Describe(slow)) << "round " << round << ": " << hunks.size() << " differences, "
                                                  << total << " rows, " << height << " pixels";
        for (int y = 0; y < height; ++y) {
            EXPECT_EQ(fast[static_cast<size_t>(y)].left.diff, slow[static_cast<size_t>(y)].left.diff) << round;
            EXPECT_EQ(fast[static_cast<size_t>(y)].right.diff, slow[static_cast<size_t>(y)].right.diff) << round;
        }
    }
}

TEST(RowAtPixel, TheRowUnderAPixelMapsBackOntoThatPixel)
{
    struct Case {
        const char* what;
        int y, total, height, row;
    };
    const Case cases[] = {
        {"top pixel", 0, 1000, 100, 5},
        {"bottom pixel", 99, 1000, 100, 995},
        {"above the strip", -7, 1000, 100, 5},
        {"below the strip", 250, 1000, 100, 995},
        {"fewer rows than pixels", 55, 10, 100, 5},
        {"a million rows", 499, 1000000, 500, 999000},
        {"no rows", 3, 0, 100, 0},
        {"no pixels", 3, 10, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowAtPixel(c.y, c.total, c.height), c.row) << c.what;
    for (int total : {1, 7, 100, 333, 100000}) {
        for (int height : {1, 3, 50, 333}) {
            for (int y = 0; y < height; ++y) {
                const int row = RowAtPixel(y, total, height);
                const PixelSpan span = RowsToPixels(row, row, total, height);
                EXPECT_TRUE(y >= span.top && y < span.bottom) << total << " rows, " << height << " pixels, y " << y;
            }
        }
    }
}

}  // namespace

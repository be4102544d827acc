// Tests of the sentences the main window shows.
#include "shell/MainWindowTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowTexts, DifferenceCount)
{
    EXPECT_EQ(DifferenceCountText(0), "No differences found");
    EXPECT_EQ(DifferenceCountText(1), "1 difference found");
    EXPECT_EQ(DifferenceCountText(2), "2 differences found");
    EXPECT_EQ(DifferenceCountText(1234), "1234 differences found");
}

TEST(MainWindowTexts, FileTimeUsesTheTwelveHourClock)
{
    struct Case {
        int month, day, year, hour, minute;
        const char* expected;
    };
    const Case cases[] = {
        {3, 7, 1998, 21, 5, "3/07/98  9:05p"},   {12, 31, 1999, 0, 0, "12/31/99  12:00a"},
        {1, 1, 2000, 12, 30, "1/01/00  12:30p"}, {6, 15, 2026, 11, 59, "6/15/26  11:59a"},
        {10, 9, 2005, 13, 0, "10/09/05  1:00p"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileTimeText(c.month, c.day, c.year, c.hour, c.minute), c.expected);
}

TEST(MainWindowTexts, FileInfoLine)
{
    EXPECT_EQ(FileInfoText("3/07/98  9:05p", 1234), "Modified: 3/07/98  9:05p, Size: 1234 bytes");
    EXPECT_EQ(FileInfoText("x", 5000000000LL), "Modified: x, Size: 5000000000 bytes");
}

TEST(MainWindowTexts, IdenticalAndBinaryOutcomes)
{
    EXPECT_EQ(IdenticalFilesText("a.txt", "b.txt"), "The files a.txt and b.txt are identical");
    EXPECT_EQ(BinaryOutcomeText(true, true, false, "L", "R"), "Binary files L and R are identical");
    EXPECT_EQ(BinaryOutcomeText(true, false, false, "L", "R"), "Binary files L and R are identical");
    EXPECT_EQ(BinaryOutcomeText(true, true, true, "L", "R"), "Binary files L and R are different");
    EXPECT_EQ(BinaryOutcomeText(true, false, true, "L", "R"), "File L is binary, and is different from the file R");
    EXPECT_EQ(BinaryOutcomeText(false, true, true, "L", "R"), "File R is binary, and is different from the file L");
}

TEST(MainWindowTexts, NamesWithPercentSignsAreNotFormats)
{
    EXPECT_EQ(IdenticalFilesText("100%s.txt", "%d"), "The files 100%s.txt and %d are identical");
}

TEST(MainWindowTexts, CaretStatus)
{
    EXPECT_EQ(CaretStatusText("    1", 0), "Ln 1, Col 1");
    EXPECT_EQ(CaretStatusText(" 123", 41), "Ln 123, Col 42");
    EXPECT_EQ(CaretStatusText("", 3), "");  // a filler row has no number
    EXPECT_EQ(CaretStatusText("   ", 3), "");
}

}  // namespace

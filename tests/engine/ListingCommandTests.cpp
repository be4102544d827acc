// Reading listing commands and the rule that turns a command into a DiffHunk.
#include "engine/ListingCommand.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ParseCase {
    const char* entry;
    char letter;
    int32_t leftFirst, leftLast, rightFirst, rightLast;
};

TEST(ListingCommand, ReadsEveryForm)
{
    const ParseCase cases[] = {
        {"12a13,14\n", 'a', 12, 12, 13, 14},
        {"0a1\n", 'a', 0, 0, 1, 1},
        {"5a6", 'a', 5, 5, 6, 6},
        {"3,4d2\n", 'd', 3, 4, 2, 2},
        {"1d0\n", 'd', 1, 1, 0, 0},
        {"10c12,14\n", 'c', 10, 10, 12, 14},
        {"20,22c25\n", 'c', 20, 22, 25, 25},
        {"7,9c7,9\n", 'c', 7, 9, 7, 9},
        {"1073741823c1\n", 'c', 1073741823, 1073741823, 1, 1},
    };
    for (const ParseCase& c : cases) {
        ListingCommand command;
        ASSERT_TRUE(ParseListingCommand(c.entry, command)) << c.entry;
        EXPECT_EQ(command.letter, c.letter) << c.entry;
        EXPECT_EQ(command.leftFirst, c.leftFirst) << c.entry;
        EXPECT_EQ(command.leftLast, c.leftLast) << c.entry;
        EXPECT_EQ(command.rightFirst, c.rightFirst) << c.entry;
        EXPECT_EQ(command.rightLast, c.rightLast) << c.entry;
    }
}

TEST(ListingCommand, RejectsMalformedCommands)
{
    const char* cases[] = {
        "",  // nothing
        "12\n",  // no letter
        "12x13\n",  // unknown letter
        "12e13\n",  // the letter must be a, d or c
        "a5\n",  // no left number
        "5a\n",  // no right number
        "5a6,\n",  // range without its last line
        "5,a6\n",  // range without its last line
        "4,3c1\n",  // last line before first
        "1c3,2\n",  // last line before first
        "1,2a3\n",  // an addition names no left lines
        "1d2,3\n",  // a deletion names no right lines
        "0d1\n",  // a deletion needs a line
        "5a0\n",  // an addition needs a line
        "0c1\n",  // a change needs lines on both sides
        "1c0\n",
        "5a6\n\n",  // stray characters after the command
        "5a6 \n",
        "5 a6\n",
        "5a6x\n",
        "99999999999a1\n",  // too large to be a line number
        "1073741824a1\n",
    };
    for (const char* entry : cases) {
        ListingCommand command;
        command.letter = 'q';
        EXPECT_FALSE(ParseListingCommand(entry, command)) << entry;
        EXPECT_EQ(command.letter, 'q') << "a rejected entry leaves the command alone: " << entry;
    }
}

TEST(ListingCommand, OnlyEntriesThatBeginWithADigitAreCommands)
{
    EXPECT_TRUE(IsCommandEntry("5a6\n"));
    EXPECT_TRUE(IsCommandEntry("0a1\n"));
    EXPECT_TRUE(IsCommandEntry("9"));
    EXPECT_FALSE(IsCommandEntry(""));
    EXPECT_FALSE(IsCommandEntry("< 5a6\n"));
    EXPECT_FALSE(IsCommandEntry("> 1\n"));
    EXPECT_FALSE(IsCommandEntry("---\n"));
    EXPECT_FALSE(IsCommandEntry("\n\\ No newline at end of file\n"));
}

struct HunkCase {
    const char* entry;
    DiffHunk hunk;
};

TEST(ListingCommand, EachCommandBecomesItsHunk)
{
    const HunkCase cases[] = {
        {"5a6,7\n", {6, 7, 6, 7, Filler, Added}},           {"0a1\n", {1, 1, 1, 1, Filler, Added}},
        {"12a13,14\n", {13, 14, 13, 14, Filler, Added}},    {"3,4d2\n", {3, 4, 3, 4, Deleted, Filler}},
        {"2d1\n", {2, 2, 2, 2, Deleted, Filler}},           {"1,3d0\n", {1, 3, 1, 3, Deleted, Filler}},
        {"10c12,14\n", {10, 12, 12, 14, Changed, Changed}}, {"20,22c25\n", {20, 22, 25, 27, Changed, Changed}},
        {"2c2\n", {2, 2, 2, 2, Changed, Changed}},          {"4,5c8,9\n", {4, 5, 8, 9, Changed, Changed}},
    };
    for (const HunkCase& c : cases) {
        ListingCommand command;
        ASSERT_TRUE(ParseListingCommand(c.entry, command)) << c.entry;
        const DiffHunk hunk = HunkFromCommand(command);
        EXPECT_EQ(hunk.leftFirst, c.hunk.leftFirst) << c.entry;
        EXPECT_EQ(hunk.leftLast, c.hunk.leftLast) << c.entry;
        EXPECT_EQ(hunk.rightFirst, c.hunk.rightFirst) << c.entry;
        EXPECT_EQ(hunk.rightLast, c.hunk.rightLast) << c.entry;
        EXPECT_EQ(hunk.leftKind, c.hunk.leftKind) << c.entry;
        EXPECT_EQ(hunk.rightKind, c.hunk.rightKind) << c.entry;
    }
}

}  // namespace

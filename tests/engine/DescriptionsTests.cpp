// The sentences of the difference list.
#include "engine/DiffDescriptions.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(Descriptions, EveryCommandFormHasItsSentence)
{
    const struct {
        const char* entry;
        int number;
        const char* sentence;
    } cases[] = {
        {"3a4\n", 1, "Diff 1: Add line 4 (right file) after line 3 (left file)"},
        {"0a1\n", 2, "Diff 2: Add line 1 (right file) after line 0 (left file)"},
        {"3a4,5\n", 1, "Diff 1: Add lines 4 - 5 (right file) after line 3 (left file)"},
        {"7d6\n", 3, "Diff 3: Delete line 7 (left file)"},
        {"3,4d2\n", 1, "Diff 1: Delete lines 3 - 4 (left file)"},
        {"2c2\n", 1, "Diff 1: Change line 2 (left file) to line 2 (right file)"},
        {"10c12,14\n", 4, "Diff 4: Change line 10 (left file) to lines 12 - 14 (right file)"},
        {"20,22c25\n", 2, "Diff 2: Change lines 20 - 22 (left file) to line 25 (right file)"},
        {"1,2c3,4\n", 12, "Diff 12: Change lines 1 - 2 (left file) to lines 3 - 4 (right file)"},
        {"1000000a1000001,1000002\n", 99999,
         "Diff 99999: Add lines 1000001 - 1000002 (right file) after line 1000000 (left file)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeCommand(c.entry, c.number), c.sentence) << c.entry;
}

TEST(Descriptions, MalformedCommandHasNoSentence)
{
    EXPECT_EQ(DescribeCommand("12\n", 1), "");
    EXPECT_EQ(DescribeCommand("> 1a2\n", 1), "");
}

TEST(Descriptions, ListingIsDescribedFromTheTopOfTheFilesDown)
{
    const DiffListing listing = {"20,22c25\n", "< p\n", "< q\n", "< r\n", "---\n", "> s\n",
                                 "3a4,5\n",    "> t\n", "> u\n", "1d0\n", "< v\n", "\n\\ No newline at end of file\n"};
    EXPECT_EQ(
        DescribeDifferences(listing, 3),
        (Strings{"Diff 1: Delete line 1 (left file)", "Diff 2: Add lines 4 - 5 (right file) after line 3 (left file)",
                 "Diff 3: Change lines 20 - 22 (left file) to line 25 (right file)"}));
}

// Only the commands that became hunks are described, so that entry i of the
// list stays the description of hunk i when alignment stopped early.
TEST(Descriptions, OnlyTheCommandsThatBecameHunksAreDescribed)
{
    const DiffListing listing = {"9c9\n", "< a\n", "---\n", "> b\n", "5d4\n", "< c\n", "1x1\n", "1a2\n", "> d\n"};
    EXPECT_EQ(DescribeDifferences(listing, 2), (Strings{"Diff 1: Delete line 5 (left file)",
                                                        "Diff 2: Change line 9 (left file) to line 9 (right file)"}));
    EXPECT_EQ(DescribeDifferences(listing, 1), Strings{"Diff 1: Change line 9 (left file) to line 9 (right file)"});
    EXPECT_EQ(DescribeDifferences(listing, 0), Strings{});
}

TEST(Descriptions, NoDifferencesNoSentences)
{
    EXPECT_EQ(DescribeDifferences(DiffListing{}, 0), Strings{});
    EXPECT_EQ(DescribeDifferences(DiffListing{"< stray\n", "---\n"}, 0), Strings{});
}

}  // namespace

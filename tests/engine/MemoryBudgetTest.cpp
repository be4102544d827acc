// The memory check of a text comparison: from the sizes before reading, from bytes and lines before any line table.
#include "DisplayTestSupport.h"
#include "engine/DisplayLoading.h"
#include "engine/MemoryBudget.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <unistd.h>

namespace {

using Strings = std::vector<std::string>;

// A file of `size` bytes that takes no room on disk and is never read here.
std::string SparseFile(const DisplayFolders& folders, const std::string& name, off_t size)
{
    const std::string path = folders.WriteInput(name, "");
    if (truncate(path.c_str(), size) != 0)
        ADD_FAILURE() << "cannot size " << path;
    return path;
}

TEST(MemoryBudget, ThePeakGrowsWithBytesAndLinesAndCoversTheTextsTwice)
{
    const uint64_t peak = TextComparisonPeak(1000, 10);
    EXPECT_GT(TextComparisonPeak(1001, 10), peak);
    EXPECT_GT(TextComparisonPeak(1000, 11), peak);
    EXPECT_GE(TextComparisonPeak(1000, 0), 2000u);  // the display texts and a listing of every line
}

TEST(MemoryBudget, SizesBeyondTheLimitOrAPaneAreRefusedBeforeReading)
{
    DisplayFolders folders;
    const std::string small = folders.WriteInput("small", "x\n");
    const uint64_t unlimited = UINT64_MAX;
    struct Case {
        off_t size;
        uint64_t limit;
        bool fits;
    };
    const uint64_t share = TextComparisonPeak(1000 + 2 + 2, 2);  // 1,000 bytes against "x\n"
    const Case cases[] = {
        {1000, share, true},
        {1000, share - 1, false},
        {1000, 0, false},
        {INT32_MAX - 2, unlimited, true},  // the largest text a pane holds
        {INT32_MAX - 1, unlimited, false},
        {(off_t{1} << 32) + 2, unlimited, false},  // two bytes, were the size cut to 32 bits
    };
    for (const Case& c : cases) {
        const std::string big = SparseFile(folders, "big" + std::to_string(c.size), c.size);
        for (bool bigOnLeft : {true, false}) {
            CollectedMessages sink;
            const bool fits = bigOnLeft ? TextComparisonFits(big, small, c.limit, sink)
                                        : TextComparisonFits(small, big, c.limit, sink);
            EXPECT_EQ(fits, c.fits) << c.size << " within " << c.limit;
            EXPECT_EQ(sink.texts, c.fits ? Strings{} : Strings{"Insufficient memory!"}) << c.size;
        }
    }
    CollectedMessages sink;
    EXPECT_TRUE(TextComparisonFits(folders.InputFolder() + "/missing", small, 0, sink));  // loading reports it
    EXPECT_TRUE(sink.texts.empty());
}

TEST(MemoryBudget, LoadingRefusesManyShortLinesThatTheSameBytesInLongLinesWouldNot)
{
    DisplayFolders folders;
    const std::string longLines = folders.WriteInput("long", std::string(999, 'a') + "\n");
    const std::string shortLines = folders.WriteInput("short", std::string(1000, '\n'));
    const std::string right = folders.WriteInput("right", "x\n");
    // Enough for 1,002 bytes in three lines, not in a thousand.
    const uint64_t limit = TextComparisonPeak(1000 + 2, 3);
    struct Case {
        std::string left;
        bool loaded;
    };
    const Case cases[] = {{longLines, true}, {shortLines, false}};
    for (const Case& c : cases) {
        ComparisonState state;
        std::string leftCopy, rightCopy;
        CollectedMessages sink;
        EXPECT_EQ(LoadPaneTexts(c.left, right, state, leftCopy, rightCopy, sink, limit), c.loaded) << c.left;
        EXPECT_EQ(sink.texts, c.loaded ? Strings{} : Strings{"Insufficient memory!"}) << c.left;
        if (c.loaded) {
            EXPECT_EQ(state.leftLineCount, 1);
            std::remove(leftCopy.c_str());
            std::remove(rightCopy.c_str());
        } else {
            EXPECT_TRUE(leftCopy.empty());
            EXPECT_TRUE(state.leftLines.empty()) << "line tables made before the check";
        }
        EXPECT_TRUE(folders.TempEntries().empty()) << c.left;
    }
}

}  // namespace

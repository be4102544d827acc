// Tests of the difference computation: setting lines aside, the search and
// the sliding of runs, on class numbers given directly.

#include "engine/DiscardStage.h"
#include "engine/MiddleSnakeSearch.h"
#include "engine/RunSliding.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

EngineFile FileOfClasses(const std::vector<int32_t>& classes)
{
    EngineFile file;
    file.equivs = classes;
    file.bufferedLines = static_cast<int32_t>(classes.size());
    file.changed.assign(classes.size() + 2, 0);
    return file;
}

std::vector<int> ChangedLines(const EngineFile& file)
{
    std::vector<int> lines;
    for (int32_t i = 0; i < file.bufferedLines; ++i) {
        if (file.IsChanged(i))
            lines.push_back(i);
    }
    return lines;
}

int32_t ClassCount(const EngineFile& a, const EngineFile& b)
{
    int32_t most = 0;
    for (const EngineFile* f : {&a, &b}) {
        for (int32_t c : f->equivs)
            most = std::max(most, c);
    }
    return most + 1;
}

// All three stages, as DiffFiles runs them.
void Compute(EngineFile& left, EngineFile& right)
{
    KeptLines kept[2];
    DiscardConfusingLines(left, right, ClassCount(left, right), kept);
    MiddleSnakeSearch search(kept[0], kept[1], left, right);
    search.Run();
    SlideChangeRuns(left, right);
    SlideChangeRuns(right, left);
}

TEST(ConfusionThreshold, GrowsWithTheFileLength)
{
    const struct {
        int32_t lines, many;
    } cases[] = {{0, 5},     {255, 5},    {256, 10},   {1023, 10},   {1024, 20},    {4095, 20},
                 {4096, 40}, {16383, 40}, {16384, 80}, {65536, 160}, {1 << 20, 640}};
    for (const auto& c : cases)
        EXPECT_EQ(ConfusionThreshold(c.lines), c.many) << c.lines;
}

TEST(DiscardStage, LinesWithoutMatchAreSetAside)
{
    EngineFile left = FileOfClasses({1, 2, 3});
    EngineFile right = FileOfClasses({4, 5});
    KeptLines kept[2];
    DiscardConfusingLines(left, right, 6, kept);
    EXPECT_TRUE(kept[0].classes.empty());
    EXPECT_TRUE(kept[1].classes.empty());
    EXPECT_EQ(ChangedLines(left), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ChangedLines(right), (std::vector<int>{0, 1}));
}

// A 300-line left file: 291 lines that match once, then a run of four
// unmatched lines, one line of class 50, four more unmatched lines. The
// line of class 50 stays set aside only when class 50 occurs more than ten
// times (the threshold for 300 lines) in the right file.
std::vector<int32_t> KeptLeftAfterRun(int occurrences)
{
    std::vector<int32_t> leftClasses(291);
    std::iota(leftClasses.begin(), leftClasses.end(), 100);
    std::vector<int32_t> rightClasses = leftClasses;
    for (int32_t c : {1000, 1001, 1002, 1003, 50, 1004, 1005, 1006, 1007})
        leftClasses.push_back(c);
    rightClasses.insert(rightClasses.end(), static_cast<size_t>(occurrences), 50);
    EngineFile left = FileOfClasses(leftClasses);
    EngineFile right = FileOfClasses(rightClasses);
    KeptLines kept[2];
    DiscardConfusingLines(left, right, 1008, kept);
    return kept[0].realIndex;
}

TEST(DiscardStage, FrequentLineInsideAnUnmatchedRunIsSetAside)
{
    std::vector<int32_t> tenTimes = KeptLeftAfterRun(10);
    std::vector<int32_t> elevenTimes = KeptLeftAfterRun(11);
    ASSERT_EQ(tenTimes.size(), 292u);
    EXPECT_EQ(tenTimes.back(), 295);  // the line of class 50 takes part in the search
    EXPECT_EQ(elevenTimes.size(), 291u);
    EXPECT_EQ(elevenTimes.back(), 290);
}

TEST(DiscardStage, ProvisionalMarksAreClearedOutsideMostlyUnmatchedRuns)
{
    // Class 9 occurs six times in the right file (more than 5 for a short file).
    const struct {
        const char* what;
        std::vector<int32_t> left;
        std::vector<int> changed;
    } cases[] = {
        {"alone", {1, 9, 2}, {}},
        {"at the end of a run", {1, 7, 9, 2}, {1}},
        {"at the start of a run", {1, 9, 7, 2}, {2}},
        {"mostly provisional run", {1, 7, 9, 9, 2}, {1}},
        {"within the edges of a long run", {1, 7, 7, 7, 9, 7, 7, 7, 2}, {1, 2, 3, 4, 5, 6, 7}},
        {"near the edge of a run", {1, 7, 9, 7, 7, 7, 7, 7, 2}, {1, 3, 4, 5, 6, 7}},
        {"two in a row are given back", {1, 7, 7, 7, 9, 9, 7, 7, 7, 2}, {1, 2, 3, 6, 7, 8}},
        {"a quarter provisional, pairs shorter than the minimum of a 16-line run",
         {1, 7, 7, 7, 9, 9, 7, 9, 9, 7, 7, 7, 7, 7, 7, 7, 7, 2},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"near the end of a run", {1, 7, 7, 7, 7, 7, 7, 7, 7, 9, 7, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 10}},
        {"the walk in from the edge goes past offset 7 until a definite mark",
         {1, 7, 9, 7, 9, 7, 9, 7, 7, 9, 7, 7, 7, 7, 7, 7, 7, 2},
         {1, 3, 5, 7, 8, 10, 11, 12, 13, 14, 15, 16}},
    };
    for (const auto& c : cases) {
        EngineFile left = FileOfClasses(c.left);
        EngineFile right = FileOfClasses({1, 9, 9, 9, 9, 9, 9, 2});
        KeptLines kept[2];
        DiscardConfusingLines(left, right, 10, kept);
        EXPECT_EQ(ChangedLines(left), c.changed) << c.what;
    }
}

struct SearchCase {
    const char* what;
    std::vector<int32_t> left;
    std::vector<int32_t> right;
    std::vector<int> leftChanged;
    std::vector<int> rightChanged;
};

TEST(DifferenceComputation, MarksTheMinimalChangesInCanonicalPlaces)
{
    const SearchCase cases[] = {
        {"no line in common", {1, 2, 3}, {4, 5, 6, 7}, {0, 1, 2}, {0, 1, 2, 3}},
        {"one inserted line in the middle", {1, 2, 3, 4}, {1, 2, 5, 3, 4}, {}, {2}},
        {"a blank line added to two", {1, 2, 3}, {1, 2, 2, 3}, {}, {2}},
        {"a repeated pair slides to the last copy", {1, 2}, {1, 2, 1, 2}, {}, {2, 3}},
        {"deleted run slides down", {1, 2, 1, 2, 3}, {1, 2, 3}, {2, 3}, {}},
        {"change", {1, 2, 3}, {1, 4, 3}, {1}, {1}},
        {"crossing moves: the search meets first on the diagonal that keeps 4 5 6",
         {1, 2, 3, 4, 5, 6},
         {4, 5, 6, 1, 2, 3},
         {0, 1, 2},
         {3, 4, 5}},
        {"interleaved", {1, 2, 1, 2, 1, 2}, {2, 1, 2, 1, 2, 1}, {0}, {5}},
        {"empty left", {}, {1, 2}, {}, {0, 1}},
        {"empty right", {1, 2}, {}, {0, 1}, {}},
    };
    for (const SearchCase& c : cases) {
        EngineFile left = FileOfClasses(c.left);
        EngineFile right = FileOfClasses(c.right);
        Compute(left, right);
        EXPECT_EQ(ChangedLines(left), c.leftChanged) << c.what;
        EXPECT_EQ(ChangedLines(right), c.rightChanged) << c.what;
    }
}

TEST(RunSliding, ARunDoesNotSlideIntoAChangeOfTheOtherFile)
{
    // Left a b a against right a x a, with b and x changed: a run that
    // faces a change in the other file stays where it is.
    EngineFile left = FileOfClasses({1, 2, 1});
    EngineFile right = FileOfClasses({1, 3, 1});
    left.changed[2] = 1;
    right.changed[2] = 1;
    SlideChangeRuns(left, right);
    SlideChangeRuns(right, left);
    EXPECT_EQ(ChangedLines(left), (std::vector<int>{1}));
    EXPECT_EQ(ChangedLines(right), (std::vector<int>{1}));

    // Left a a against right z a, with the first a and z changed: the left
    // run may not slide to the second a, which faces the change z.
    EngineFile pair = FileOfClasses({1, 1});
    EngineFile facing = FileOfClasses({2, 1});
    pair.changed[1] = 1;
    facing.changed[1] = 1;
    SlideChangeRuns(pair, facing);
    EXPECT_EQ(ChangedLines(pair), (std::vector<int>{0}));

    // Left: a a b against right: a b, the first a deleted: it slides to
    // the second a, the last place where the same line can go.
    EngineFile more = FileOfClasses({1, 1, 2});
    EngineFile fewer = FileOfClasses({1, 2});
    more.changed[1] = 1;
    SlideChangeRuns(more, fewer);
    EXPECT_EQ(ChangedLines(more), (std::vector<int>{1}));
}

}  // namespace

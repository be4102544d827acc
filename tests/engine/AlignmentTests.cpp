// Aligning the two sides with Filler rows and building the pane texts, on
// listings written by hand: whole outputs as golden row views.
#include "DisplayTestSupport.h"

#include "engine/DiffDescriptions.h"
#include "engine/PaneAlignment.h"
#include "engine/PaneTexts.h"
#include "engine/RowListing.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

class Alignment : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(folders.TempEntries(), Strings{}); }

    // Loads the two texts, aligns them by the listing and builds the panes.
    std::string Rows(const std::string& left, const std::string& right, const DiffListing& listing)
    {
        state = LoadedState(folders, left, right);
        state.listing = listing;
        aligned = AlignPanes(state, messages);
        built = BuildPaneTexts(state, texts, messages);
        return FormatRows(state, texts);
    }

    DisplayFolders folders;
    ComparisonState state;
    PaneTexts texts;
    CollectedMessages messages;
    bool aligned = false;
    bool built = false;
};

struct GoldenCase {
    const char* name;
    std::string left;
    std::string right;
    DiffListing listing;
    std::string rows;
};

const GoldenCase kGoldenCases[] = {
    {"deleted line",
     "a\nb\nc\nd\n",
     "a\nc\nd\n",
     {"2d1\n", "< b\n"},
     "L 0 S a\nL 1 D b\nL 2 S c\nL 3 S d\n"
     "R 0 S a\nR 1 F \nR 2 S c\nR 3 S d\n"
     "H 1 1 1 1 D F\n"},
    {"two lines added after line 5",
     "a\nb\nc\nd\ne\nf\n",
     "a\nb\nc\nd\ne\nX\nY\nf\n",
     {"5a6,7\n", "> X\n", "> Y\n"},
     "L 0 S a\nL 1 S b\nL 2 S c\nL 3 S d\nL 4 S e\nL 5 F \nL 6 F \nL 7 S f\n"
     "R 0 S a\nR 1 S b\nR 2 S c\nR 3 S d\nR 4 S e\nR 5 A X\nR 6 A Y\nR 7 S f\n"
     "H 5 6 5 6 F A\n"},
    {"one line changed into three",
     "a\nb\nc\n",
     "a\nX\nY\nZ\nc\n",
     {"2c2,4\n", "< b\n", "---\n", "> X\n", "> Y\n", "> Z\n"},
     "L 0 S a\nL 1 C b\nL 2 F \nL 3 F \nL 4 S c\n"
     "R 0 S a\nR 1 C X\nR 2 C Y\nR 3 C Z\nR 4 S c\n"
     "H 1 3 1 3 C C\n"},
    {"three lines changed into one",
     "a\nb\nc\nd\ne",
     "a\nX\ne",
     {"2,4c2\n", "< b\n", "< c\n", "< d\n", "---\n", "> X\n"},
     "L 0 S a\nL 1 C b\nL 2 C c\nL 3 C d\nL 4 S e\n"
     "R 0 S a\nR 1 C X\nR 2 F \nR 3 F \nR 4 S e\n"
     "H 1 3 1 3 C C\n"},
    {"addition at the end of the left file",
     "a\nb",
     "a\nb\nc\nd",
     {"2a3,4\n", "> c\n", "> d\n"},
     "L 0 S a\nL 1 S b\nL 2 F \nL 3 F \n"
     "R 0 S a\nR 1 S b\nR 2 A c\nR 3 A d\n"
     "H 2 3 2 3 F A\n"},
    {"deletion at the start",
     "x\ny\na\n",
     "a\n",
     {"1,2d0\n", "< x\n", "< y\n"},
     "L 0 D x\nL 1 D y\nL 2 S a\n"
     "R 0 F \nR 1 F \nR 2 S a\n"
     "H 0 1 0 1 D F\n"},
    {"two differences, the upper one shifting the lower one",
     "a\nb\nc\nd\ne\nf\ng\n",
     "a\nX\nb\nc\nd\ne\ng\n",
     {"6d6\n", "< f\n", "1a2\n", "> X\n"},
     "L 0 S a\nL 1 F \nL 2 S b\nL 3 S c\nL 4 S d\nL 5 S e\nL 6 D f\nL 7 S g\n"
     "R 0 S a\nR 1 A X\nR 2 S b\nR 3 S c\nR 4 S d\nR 5 S e\nR 6 F \nR 7 S g\n"
     "H 1 1 1 1 F A\nH 6 6 6 6 D F\n"},
    {"empty against one line",
     "",
     "only\n",
     {"0a1\n", "> only\n"},
     "L 0 F \nL 1 F \nR 0 A only\nR 1 F \nH 0 0 0 0 F A\n"},
    {"one line against empty",
     "only",
     "",
     {"1d0\n", "< only\n"},
     "L 0 D only\nL 1 F \nR 0 F \nR 1 F \nH 0 0 0 0 D F\n"},
    {"empty against empty", "", "", {}, "L 0 F \nR 0 F \n"},
    {"identical files keep their own line ends", "a\r\nb\n", "a\nb", {}, "L 0 S a\r\nL 1 S b\nR 0 S a\nR 1 S b\n"},
};

TEST_F(Alignment, GoldenRows)
{
    for (const GoldenCase& c : kGoldenCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Rows(c.left, c.right, c.listing), c.rows);
        EXPECT_TRUE(aligned);
        EXPECT_TRUE(built);
        EXPECT_EQ(messages.texts, Strings{});
    }
}

TEST_F(Alignment, PaneTextsAndGuttersHoldOneLinePerRow)
{
    Rows("a\nb\nc\nd\ne\nf\ng\n", "a\nX\nb\nc\nd\ne\ng\n", {"6d6\n", "< f\n", "1a2\n", "> X\n"});
    EXPECT_EQ(texts.leftText, "a\n\nb\nc\nd\ne\nf\ng");
    EXPECT_EQ(texts.rightText, "a\nX\nb\nc\nd\ne\n\ng");
    EXPECT_EQ(texts.leftGutter, "1\n\n2\n3\n4\n5\n6\n7\n");
    EXPECT_EQ(texts.rightGutter, "1\n2\n3\n4\n5\n6\n\n7\n");
    EXPECT_TRUE(state.leftTextBlock.empty() && state.rightTextBlock.empty());
}

TEST_F(Alignment, FillersAfterTheLastLineEndIt)
{
    Rows("a\nb", "a\nb\nc\nd", {"2a3,4\n", "> c\n", "> d\n"});
    EXPECT_EQ(texts.leftText, "a\nb\n\n");
    EXPECT_EQ(texts.leftGutter, "1\n2\n\n\n");
    EXPECT_EQ(texts.rightText, "a\nb\nc\nd");
}

TEST_F(Alignment, SharedExtentIsTheLongerSidesLongestLine)
{
    Rows("longer line\nshort\n", "tiny\n", {"1,2c1\n", "< longer line\n", "< short\n", "---\n", "> tiny\n"});
    EXPECT_EQ(texts.maxLineLength, 12);
    Rows("short\nlonger line", "tiny\n", {"1,2c1\n", "< short\n", "< longer line\n", "---\n", "> tiny\n"});
    EXPECT_EQ(texts.maxLineLength, 11);
    Rows("a\n", "a much longer line\n", {"1c1\n", "< a\n", "---\n", "> a much longer line\n"});
    EXPECT_EQ(texts.maxLineLength, 18);
}

struct PatchErrorCase {
    const char* name;
    DiffListing listing;
    size_t hunks;
    std::string rows;
};

// A command that cannot be applied ends the walk with the message; commands
// before it keep their effect and both sides still have the same rows.
const PatchErrorCase kPatchErrors[] = {
    {"no letter", {"5x6\n"}, 0, "L 0 S a\nL 1 S b\nL 2 S c\nR 0 S a\nR 1 S B\nR 2 S c\n"},
    {"a later command without letter",
     {"2c2\n", "< b\n", "---\n", "> B\n", "1\n"},
     1,
     "L 0 S a\nL 1 C b\nL 2 S c\nR 0 S a\nR 1 C B\nR 2 S c\nH 1 1 1 1 C C\n"},
    {"lines outside the file",
     {"4c2\n", "< d\n", "---\n", "> B\n"},
     0,
     "L 0 S a\nL 1 S b\nL 2 S c\nR 0 S a\nR 1 S B\nR 2 S c\n"},
    {"addition past the end", {"4a3\n", "> c\n"}, 0, "L 0 S a\nL 1 S b\nL 2 S c\nR 0 S a\nR 1 S B\nR 2 S c\n"},
    {"commands from the top down",
     {"1c1\n", "< a\n", "---\n", "> a\n", "2c2\n", "< b\n", "---\n", "> B\n"},
     1,
     "L 0 C a\nL 1 S b\nL 2 S c\nR 0 C a\nR 1 S B\nR 2 S c\nH 0 0 0 0 C C\n"},
    {"fewer listed lines than the command names",
     {"1a2,3\n", "> B\n"},
     0,
     "L 0 S a\nL 1 S b\nL 2 S c\nR 0 S a\nR 1 S B\nR 2 S c\n"},
    {"more listed lines than the command names",
     {"2d1\n", "< b\n", "< c\n"},
     0,
     "L 0 S a\nL 1 S b\nL 2 S c\nR 0 S a\nR 1 S B\nR 2 S c\n"},
    {"an uneven addition after a good command",
     {"3d2\n", "< c\n", "1a2\n", "> B\n", "> c\n"},
     1,
     "L 0 S a\nL 1 S b\nL 2 D c\nL 3 F \nR 0 S a\nR 1 S B\nR 2 F \nR 3 S c\nH 2 2 2 2 D F\n"},
};

TEST_F(Alignment, CommandsThatCannotBeAppliedAreAnErrorInThePatch)
{
    for (const PatchErrorCase& c : kPatchErrors) {
        SCOPED_TRACE(c.name);
        messages.texts.clear();
        EXPECT_EQ(Rows("a\nb\nc\n", "a\nB\nc\n", c.listing), c.rows);
        EXPECT_FALSE(aligned);
        EXPECT_TRUE(built);
        EXPECT_EQ(messages.texts, Strings{"Error in the patch!"});
        EXPECT_EQ(state.hunks.size(), c.hunks);
        EXPECT_EQ(state.leftLines.size(), state.rightLines.size());
        EXPECT_EQ(DescribeDifferences(state.listing, state.hunks.size()).size(), c.hunks);
    }
}

// The comparison reads a file only up to a byte 0x1A; the rows after it have
// no partner and face Filler rows, so the sides still line up.
TEST_F(Alignment, RowsThatTheComparisonDidNotReachFaceFillers)
{
    PipelineRun run;
    RunPipeline(folders, "a\n\x1a rest\nmore\n", "a\n", false, false, run);
    ASSERT_TRUE(run.loaded && run.aligned && run.built);
    EXPECT_EQ(run.compared, 0);
    EXPECT_EQ(FormatRows(run.state, run.texts), "L 0 S a\nL 1 S \x1a rest\nL 2 S more\nR 0 S a\nR 1 F \nR 2 F \n");
    EXPECT_EQ(run.texts.rightText, "a\n\n");
}

// An empty file has no lines, for the engine as for `diff`: against another
// file it is an addition at the top or a deletion of everything. Its side
// keeps one empty row without number below the Filler rows, facing a Filler
// row, so that both panes have the same number of rows.
TEST_F(Alignment, EmptyFilesThroughTheEngine)
{
    const struct {
        const char* left;
        const char* right;
        int compared;
        const char* rows;
        const char* leftText;
        const char* rightText;
        const char* sentence;
    } cases[] = {
        {"", "", 0, "L 0 F \nR 0 F \n", "", "", nullptr},
        {"", "only\n", 1, "L 0 F \nL 1 F \nR 0 A only\nR 1 F \nH 0 0 0 0 F A\n", "\n", "only\n",
         "Diff 1: Add line 1 (right file) after line 0 (left file)"},
        {"only", "", 1, "L 0 D only\nL 1 F \nR 0 F \nR 1 F \nH 0 0 0 0 D F\n", "only\n", "\n",
         "Diff 1: Delete line 1 (left file)"},
        {"", "a\r\nb\n", 1, "L 0 F \nL 1 F \nL 2 F \nR 0 A a\r\nR 1 A b\nR 2 F \nH 0 1 0 1 F A\n", "\n\n", "a\r\nb\n",
         "Diff 1: Add lines 1 - 2 (right file) after line 0 (left file)"},
        {"a\nb\nc", "", 1, "L 0 D a\nL 1 D b\nL 2 D c\nL 3 F \nR 0 F \nR 1 F \nR 2 F \nR 3 F \nH 0 2 0 2 D F\n",
         "a\nb\nc\n", "\n\n\n", "Diff 1: Delete lines 1 - 3 (left file)"},
        {"\n", "", 1, "L 0 D \nL 1 F \nR 0 F \nR 1 F \nH 0 0 0 0 D F\n", "\n", "\n",
         "Diff 1: Delete line 1 (left file)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.left) + " against " + testing::PrintToString(c.right));
        PipelineRun run;
        RunPipeline(folders, c.left, c.right, false, false, run);
        ASSERT_TRUE(run.loaded && run.aligned && run.built);
        EXPECT_EQ(run.compared, c.compared);
        EXPECT_EQ(FormatRows(run.state, run.texts), c.rows);
        EXPECT_EQ(run.texts.leftText, c.leftText);
        EXPECT_EQ(run.texts.rightText, c.rightText);
        const Strings sentences = DescribeDifferences(run.state.listing, run.state.hunks.size());
        EXPECT_EQ(sentences, c.sentence ? Strings{c.sentence} : Strings{});
    }
}

TEST_F(Alignment, TheSameCommandsGiveTheSameRowsWhateverTheOtherEntries)
{
    const std::string left = "a\nb\nc\n";
    const std::string right = "a\nX\nc\n";
    const std::string plain = Rows(left, right, {"2c2\n", "< b\n", "---\n", "> X\n"});
    EXPECT_EQ(Rows(left, right, {"2c2\n", "< b\n", "\n\\ No newline at end of file\n", "---\n", "> X\n"}), plain);
    EXPECT_EQ(Rows(left, right, {"2c2\n"}), plain);
}

}  // namespace

// Properties of the whole display pipeline on generated file pairs: loading,
// the engine on the temporary copies, alignment, pane texts and sentences.
#include "DisplayTestSupport.h"

#include "engine/DiffDescriptions.h"
#include "engine/DiffFiles.h"
#include "engine/DisplayLoading.h"
#include "engine/ListingCommand.h"
#include "engine/PaneAlignment.h"
#include "engine/PaneTexts.h"
#include "tests/support/RandomEdits.h"
#include "tests/support/SystemDiff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

namespace {

using Strings = std::vector<std::string>;

// A generated file: its bytes and the rows the left or right pane must show
// for it (each line's text with a zero byte shown as a space, and a CR kept
// where the line ended in CR LF).
struct GeneratedFile {
    std::string bytes;
    Strings rows;
};

class PairGenerator {
public:
    explicit PairGenerator(unsigned seed) : random_(seed) {}

    // Left lines drawn from a small vocabulary (so that lines repeat and
    // match), right lines the left ones with blocks inserted, deleted and
    // replaced.
    void Next(Strings& left, Strings& right)
    {
        left.clear();
        const int count = Pick(0, 4) == 0 ? Pick(0, 3) : Pick(1, 80);
        for (int i = 0; i < count; ++i)
            left.push_back(Line());
        right = EditedAtRandom(
            left, Pick(0, 6), [this](int n) { return Pick(0, n - 1); }, [this] { return Line(); });
    }

    GeneratedFile Write(const Strings& lines)
    {
        GeneratedFile file;
        for (size_t i = 0; i < lines.size(); ++i) {
            const bool last = i + 1 == lines.size();
            std::string ending = Ending();
            // A lone CR before an empty line ended by LF would read as one CR LF;
            // only the last line may lack a terminator, and only when it has text.
            if (ending == "\r" && !last && lines[i + 1].empty())
                ending = "\n";
            if (ending.empty() && (!last || lines[i].empty()))
                ending = "\n";
            file.bytes += lines[i] + ending;
            std::string row = lines[i];
            std::replace(row.begin(), row.end(), '\0', ' ');
            file.rows.push_back(ending == "\r\n" ? row + "\r" : row);
        }
        return file;
    }

    bool Coin() { return Pick(0, 1) == 1; }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string Line()
    {
        static const char* const vocabulary[] = {"alpha",     "beta", "gamma", "",  "  indented", "Alpha", "al pha",
                                                 "tab\there", "x",    "{",     "}", "BETA",       "beta "};
        if (Pick(0, 3) == 0)
            return "line " + std::to_string(Pick(0, 200));
        if (Pick(0, 40) == 0)
            return std::string("zero\0byte", 9);
        return vocabulary[Pick(0, sizeof vocabulary / sizeof *vocabulary - 1)];
    }

    std::string Ending()
    {
        const int kind = Pick(0, 19);
        return kind < 14 ? "\n" : kind < 17 ? "\r\n" : kind < 19 ? "\r" : "";
    }

    std::mt19937 random_;
};

// The rows of a pane text: the bytes between line feeds.
Strings SplitRows(const std::string& text)
{
    Strings rows;
    std::string::size_type start = 0;
    for (;;) {
        const auto lf = text.find('\n', start);
        rows.push_back(text.substr(start, lf == std::string::npos ? std::string::npos : lf - start));
        if (lf == std::string::npos)
            return rows;
        start = lf + 1;
    }
}

// A row as the engine compares it: CR LF reads as LF, and the options.
std::string Compared(std::string row, bool ignoreBlanks, bool ignoreCase)
{
    if (!row.empty() && row.back() == '\r')
        row.pop_back();
    std::string out;
    for (char c : row) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (ignoreBlanks && ((u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0xA0))
            continue;
        out += ignoreCase ? static_cast<char>(std::tolower(u)) : c;
    }
    return out;
}

std::string Range(const char* one, const char* many, int first, int last, const char* side)
{
    char text[96];
    if (first == last)
        std::snprintf(text, sizeof text, "%s %d (%s file)", one, first, side);
    else
        std::snprintf(text, sizeof text, "%s %d - %d (%s file)", many, first, last, side);
    return text;
}

// The sentence that a difference must have, from its rows: the file line
// numbers of the non-Filler rows it covers on each side.
std::string ExpectedSentence(int number, int leftBefore, int leftLines, int rightBefore, int rightLines)
{
    const std::string head = "Diff " + std::to_string(number) + ": ";
    const int l1 = leftBefore + 1, l2 = leftBefore + leftLines, r1 = rightBefore + 1, r2 = rightBefore + rightLines;
    if (leftLines == 0)
        return head + Range("Add line", "Add lines", r1, r2, "right") + " after line " + std::to_string(leftBefore)
               + " (left file)";
    if (rightLines == 0)
        return head + Range("Delete line", "Delete lines", l1, l2, "left");
    return head + Range("Change line", "Change lines", l1, l2, "left") + " to "
           + Range("line", "lines", r1, r2, "right");
}

class AlignmentProperties : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(folders.TempEntries(), Strings{}); }

    void CheckSide(const std::vector<PaneLine>& lines, const std::string& text, const std::string& gutter,
                   const Strings& expectedRows, Strings& rows)
    {
        rows = SplitRows(text);
        ASSERT_EQ(rows.size(), lines.size()) << "rows of the pane text";
        const Strings gutterRows = SplitRows(gutter);
        ASSERT_EQ(gutterRows.size(), lines.size() + 1) << "rows of the gutter";
        ASSERT_EQ(gutterRows.back(), "");
        Strings shown;
        for (size_t row = 0; row < lines.size(); ++row) {
            if (lines[row].state == Filler) {
                EXPECT_EQ(rows[row], "") << row;
                EXPECT_EQ(gutterRows[row], "") << row;
                continue;
            }
            shown.push_back(rows[row]);
            const std::string number = std::to_string(shown.size());
            EXPECT_EQ(gutterRows[row], std::string(run.state.lineNumberWidth - number.size(), ' ') + number) << row;
        }
        EXPECT_EQ(shown, expectedRows) << "the non-Filler rows are the file's lines in order";
    }

    // Rows of one side of a hunk: its kind throughout, except that a changed
    // side ends with the Filler rows that make up for the longer other side.
    void CheckHunkSide(const std::vector<PaneLine>& lines, int first, int last, int kind, int& fileLines)
    {
        fileLines = 0;
        bool fillersBegun = false;
        for (int row = first; row <= last; ++row) {
            const int state = lines[row].state;
            if (kind == Changed && state == Filler) {
                fillersBegun = true;
                continue;
            }
            EXPECT_EQ(state, kind) << "row " << row;
            EXPECT_FALSE(fillersBegun) << "row " << row;
            if (state != Filler)
                ++fileLines;
        }
        if (kind != Filler) {
            EXPECT_GT(fileLines, 0);
        }
    }

    void CheckRun(const GeneratedFile& left, const GeneratedFile& right, bool ignoreBlanks, bool ignoreCase)
    {
        ASSERT_TRUE(run.loaded && run.aligned && run.built) << testing::PrintToString(run.messages.texts);
        ASSERT_GE(run.compared, 0);
        EXPECT_EQ(run.messages.texts, Strings{});
        const ComparisonState& state = run.state;
        ASSERT_EQ(state.leftLines.size(), state.rightLines.size());
        Strings leftRows;
        Strings rightRows;
        CheckSide(state.leftLines, run.texts.leftText, run.texts.leftGutter, left.rows, leftRows);
        CheckSide(state.rightLines, run.texts.rightText, run.texts.rightGutter, right.rows, rightRows);
        if (HasFailure())
            return;

        const auto commands = std::count_if(state.listing.begin(), state.listing.end(), IsCommandEntry);
        ASSERT_EQ(state.hunks.size(), static_cast<size_t>(commands));
        EXPECT_EQ(run.compared, commands > 0 ? 1 : 0);
        const Strings sentences = DescribeDifferences(state.listing, state.hunks.size());
        ASSERT_EQ(sentences.size(), state.hunks.size());

        const int rows = static_cast<int>(state.leftLines.size());
        std::vector<bool> inHunk(rows, false);
        int nextRow = 0;
        int leftBefore = 0;
        int rightBefore = 0;
        for (size_t i = 0; i < state.hunks.size(); ++i) {
            const DiffHunk& hunk = state.hunks[i];
            SCOPED_TRACE("hunk " + std::to_string(i));
            ASSERT_EQ(hunk.leftFirst, hunk.rightFirst);
            ASSERT_EQ(hunk.leftLast, hunk.rightLast);
            ASSERT_GE(hunk.leftFirst, nextRow) << "hunks in order, apart";
            ASSERT_LE(hunk.leftFirst, hunk.leftLast);
            ASSERT_LT(hunk.leftLast, rows);
            for (int row = nextRow; row < hunk.leftFirst; ++row) {
                leftBefore += state.leftLines[row].state != Filler;
                rightBefore += state.rightLines[row].state != Filler;
            }
            int leftLines = 0;
            int rightLines = 0;
            CheckHunkSide(state.leftLines, hunk.leftFirst, hunk.leftLast, hunk.leftKind, leftLines);
            CheckHunkSide(state.rightLines, hunk.rightFirst, hunk.rightLast, hunk.rightKind, rightLines);
            EXPECT_EQ(sentences[i],
                      ExpectedSentence(static_cast<int>(i) + 1, leftBefore, leftLines, rightBefore, rightLines));
            for (int row = hunk.leftFirst; row <= hunk.leftLast; ++row)
                inHunk[row] = true;
            leftBefore += leftLines;
            rightBefore += rightLines;
            nextRow = hunk.leftLast + 1;
        }
        for (int row = 0; row < rows; ++row) {
            if (inHunk[row])
                continue;
            if (state.leftLines[row].state == Filler && state.rightLines[row].state == Filler) {
                // The one row of an empty file, last, facing a Filler row that keeps the sides even.
                EXPECT_TRUE(left.rows.empty() || right.rows.empty()) << "row " << row;
                EXPECT_EQ(row, rows - 1);
                continue;
            }
            EXPECT_EQ(state.leftLines[row].state, Same) << "row " << row;
            EXPECT_EQ(state.rightLines[row].state, Same) << "row " << row;
            EXPECT_EQ(Compared(leftRows[row], ignoreBlanks, ignoreCase),
                      Compared(rightRows[row], ignoreBlanks, ignoreCase))
                << "row " << row;
        }
    }

    DisplayFolders folders;
    PipelineRun run;
};

TEST_F(AlignmentProperties, GeneratedPairsLineUpRowForRow)
{
    PairGenerator generator(5);
    Strings leftLines;
    Strings rightLines;
    for (int pair = 0; pair < 400; ++pair) {
        generator.Next(leftLines, rightLines);
        const GeneratedFile left = generator.Write(leftLines);
        const GeneratedFile right = generator.Write(rightLines);
        const bool ignoreBlanks = pair % 4 == 1 || pair % 4 == 3;
        const bool ignoreCase = pair % 4 >= 2;
        SCOPED_TRACE("pair " + std::to_string(pair) + " left " + testing::PrintToString(left.bytes) + " right "
                     + testing::PrintToString(right.bytes));
        run = PipelineRun();
        RunPipeline(folders, left.bytes, right.bytes, ignoreBlanks, ignoreCase, run);
        CheckRun(left, right, ignoreBlanks, ignoreCase);
        if (HasFailure())
            return;
    }
}

// The listing that the system's diff command writes for the two copies, with
// its command groups turned round so that the last difference comes first,
// as the engine stores them. A second, independent source of listings.
DiffListing DiffCommandListing(const std::string& leftCopy, const std::string& rightCopy)
{
    std::string output;
    EXPECT_TRUE(SystemDiff(leftCopy, rightCopy, output));
    return LastDifferenceFirst(output);
}

TEST_F(AlignmentProperties, ListingsOfTheDiffCommandLineUpToo)
{
    PairGenerator generator(23);
    Strings leftLines;
    Strings rightLines;
    for (int pair = 0; pair < 150; ++pair) {
        generator.Next(leftLines, rightLines);
        const GeneratedFile left = generator.Write(leftLines);
        const GeneratedFile right = generator.Write(rightLines);
        SCOPED_TRACE("pair " + std::to_string(pair));
        run = PipelineRun();
        std::string leftCopy;
        std::string rightCopy;
        run.loaded = LoadPaneTexts(folders.WriteInput("left", left.bytes), folders.WriteInput("right", right.bytes),
                                   run.state, leftCopy, rightCopy, run.messages);
        ASSERT_TRUE(run.loaded);
        run.state.listing = DiffCommandListing(leftCopy, rightCopy);
        std::remove(leftCopy.c_str());
        std::remove(rightCopy.c_str());
        run.compared = run.state.listing.empty() ? 0 : 1;
        run.aligned = AlignPanes(run.state, run.messages);
        run.built = BuildPaneTexts(run.state, run.texts, run.messages);
        CheckRun(left, right, false, false);
        if (HasFailure())
            return;
    }
}

// Listing entries made of pieces that a listing may hold, put together at
// random: commands with any letter and numbers near the files' ends, often
// followed by as many lines as they name, stray lines and separators.
void AppendRandomEntries(std::mt19937& random, int lines, DiffListing& listing)
{
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    switch (pick(0, 4)) {
    case 0: listing.push_back(pick(0, 1) ? "< x\n" : "> y\n"); return;
    case 1: listing.push_back(pick(0, 1) ? "---\n" : "\n\\ No newline at end of file\n"); return;
    default: {
        const char letters[] = "adcx";
        const char letter = letters[pick(0, 3)];
        const int left = pick(0, lines + 1);
        const int leftLast = pick(0, 2) == 0 ? left + pick(-1, 3) : left;
        const int right = pick(0, lines + 1);
        const int rightLast = pick(0, 2) == 0 ? right + pick(-1, 3) : right;
        std::string entry = std::to_string(left);
        if (leftLast != left)
            entry += "," + std::to_string(leftLast);
        entry += letter + std::to_string(right);
        if (rightLast != right)
            entry += "," + std::to_string(rightLast);
        listing.push_back(entry + "\n");
        if (pick(0, 3) == 0)
            return;
        const int named = letter == 'a' ? rightLast - right + 1 : leftLast - left + 1;
        for (int i = 0; i < named; ++i)
            listing.push_back(letter == 'a' ? "> y\n" : "< x\n");
        return;
    }
    }
}

// Whatever the listing holds, both sides keep every line once and in order,
// have the same number of rows, and every hunk lies on those rows.
TEST_F(AlignmentProperties, ArbitraryListingsNeverBreakTheRows)
{
    std::mt19937 random(99);
    int roundsWithHunks = 0;
    const std::string left = "a\nb\nc\nd\ne\nf\ng\nh\n";
    const std::string right = "a\nB\nc\nd\nE\nF\ng\n";
    for (int round = 0; round < 2000; ++round) {
        ComparisonState state = LoadedState(folders, left, right);
        const Strings leftRows = SplitRows(state.leftTextBlock);
        const Strings rightRows = SplitRows(state.rightTextBlock);
        for (int pieces = std::uniform_int_distribution<int>(0, 6)(random); pieces > 0; --pieces)
            AppendRandomEntries(random, 8, state.listing);
        SCOPED_TRACE(testing::PrintToString(state.listing));
        CollectedMessages messages;
        const bool aligned = AlignPanes(state, messages);
        EXPECT_EQ(messages.texts, aligned ? Strings{} : Strings{"Error in the patch!"});
        PaneTexts texts;
        ASSERT_TRUE(BuildPaneTexts(state, texts, messages));
        const int rows = static_cast<int>(state.leftLines.size());
        ASSERT_EQ(state.rightLines.size(), state.leftLines.size());
        Strings shownLeft;
        Strings shownRight;
        const Strings paneLeft = SplitRows(texts.leftText);
        const Strings paneRight = SplitRows(texts.rightText);
        ASSERT_EQ(paneLeft.size(), static_cast<size_t>(rows));
        ASSERT_EQ(paneRight.size(), static_cast<size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            if (state.leftLines[row].state != Filler)
                shownLeft.push_back(paneLeft[row]);
            if (state.rightLines[row].state != Filler)
                shownRight.push_back(paneRight[row]);
        }
        EXPECT_EQ(shownLeft, leftRows);
        EXPECT_EQ(shownRight, rightRows);
        for (const DiffHunk& hunk : state.hunks) {
            EXPECT_TRUE(0 <= hunk.leftFirst && hunk.leftFirst <= hunk.leftLast && hunk.leftLast < rows);
            EXPECT_TRUE(0 <= hunk.rightFirst && hunk.rightFirst <= hunk.rightLast && hunk.rightLast < rows);
        }
        EXPECT_EQ(DescribeDifferences(state.listing, state.hunks.size()).size(), state.hunks.size());
        if (HasFailure())
            return;
        roundsWithHunks += !state.hunks.empty();
    }
    EXPECT_GT(roundsWithHunks, 200) << "the random listings must often be accepted, at least in part";
}

// The walk as first described: rows inserted one command at a time, bottom
// difference first, and each hunk converted by counting the lines passed.
// AlignPanes must give the same rows in one pass.
void ReferenceAlign(ComparisonState& state)
{
    const PaneLine filler{Filler, 0, 0};
    const DiffListing& listing = state.listing;
    for (size_t at = 0; at < listing.size();) {
        ListingCommand command;
        if (!IsCommandEntry(listing[at]) || !ParseListingCommand(listing[at], command)) {
            ++at;
            continue;
        }
        state.hunks.push_back(HunkFromCommand(command));
        ++at;
        if (command.letter == 'a') {
            for (int k = 1; at < listing.size() && listing[at][0] == '>'; ++k, ++at)
                state.leftLines.insert(state.leftLines.begin() + command.leftFirst + k - 1, filler);
            for (int n = command.rightFirst; n <= command.rightLast; ++n)
                state.rightLines[n - 1].state = Added;
        } else if (command.letter == 'd') {
            for (int n = command.leftFirst; n <= command.leftLast; ++n)
                state.leftLines[n - 1].state = Deleted;
            for (int k = 1; at < listing.size() && listing[at][0] == '<'; ++k, ++at)
                state.rightLines.insert(state.rightLines.begin() + command.rightFirst + k - 1, filler);
        } else {
            for (int n = command.leftFirst; n <= command.leftLast; ++n)
                state.leftLines[n - 1].state = Changed;
            for (int n = command.rightFirst; n <= command.rightLast; ++n)
                state.rightLines[n - 1].state = Changed;
            const int nl = command.leftLast - command.leftFirst;
            const int nr = command.rightLast - command.rightFirst;
            for (int k = 0; k < nr - nl; ++k)
                state.leftLines.insert(state.leftLines.begin() + command.leftLast + k, filler);
            for (int k = 0; k < nl - nr; ++k)
                state.rightLines.insert(state.rightLines.begin() + command.rightLast + k, filler);
            while (at < listing.size() && !IsCommandEntry(listing[at]))
                ++at;
        }
    }
    // The shorter side (the one row of an empty file facing nothing) ends in Filler rows.
    const size_t rows = std::max(state.leftLines.size(), state.rightLines.size());
    for (auto* lines : {&state.leftLines, &state.rightLines})
        lines->resize(rows, filler);
    std::reverse(state.hunks.begin(), state.hunks.end());
}

// The file line that each row shows, counted from 1; 0 for a Filler row.
std::vector<int32_t> LineOfEachRow(const std::vector<PaneLine>& lines)
{
    std::vector<int32_t> lineOf(lines.size(), 0);
    int32_t shown = 0;
    for (size_t row = 0; row < lines.size(); ++row)
        if (lines[row].state != Filler)
            lineOf[row] = ++shown;
    return lineOf;
}

// One side of a hunk, once in rows, starts at the row that shows the side's
// first file line and spans as many rows as the hunk in file lines did.
void ExpectRowsOfLines(const std::vector<int32_t>& lineOf, int32_t firstRow, int32_t lastRow, int32_t firstLine,
                       int32_t lastLine)
{
    ASSERT_TRUE(firstRow >= 0 && static_cast<size_t>(firstRow) < lineOf.size()) << firstRow;
    EXPECT_EQ(lineOf[static_cast<size_t>(firstRow)], firstLine);
    EXPECT_EQ(lastRow - firstRow, lastLine - firstLine);
}

void ExpectSameRows(const std::vector<PaneLine>& actual, const std::vector<PaneLine>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t row = 0; row < actual.size(); ++row) {
        EXPECT_EQ(actual[row].state, expected[row].state) << "row " << row;
        if (expected[row].state == Filler)
            continue;
        EXPECT_EQ(actual[row].offset, expected[row].offset) << "row " << row;
        EXPECT_EQ(actual[row].length, expected[row].length) << "row " << row;
    }
}

TEST_F(AlignmentProperties, OnePassAlignmentMatchesInsertingRowByRow)
{
    PairGenerator generator(11);
    Strings leftLines;
    Strings rightLines;
    for (int pair = 0; pair < 300; ++pair) {
        generator.Next(leftLines, rightLines);
        SCOPED_TRACE("pair " + std::to_string(pair));
        ComparisonState state =
            LoadedState(folders, generator.Write(leftLines).bytes, generator.Write(rightLines).bytes);
        // The copies as loading writes them: the display text and its final
        // line feed, or nothing for an empty file.
        const std::string leftCopy =
            folders.WriteInput("left.copy", state.leftLineCount == 0 ? "" : state.leftTextBlock + "\n");
        const std::string rightCopy =
            folders.WriteInput("right.copy", state.rightLineCount == 0 ? "" : state.rightTextBlock + "\n");
        CollectedMessages messages;
        ASSERT_GE(DiffFiles(leftCopy, rightCopy, pair % 2 == 1, false, state.listing, messages), 0);
        ComparisonState reference = state;
        ASSERT_TRUE(AlignPanes(state, messages));
        ReferenceAlign(reference);
        ExpectSameRows(state.leftLines, reference.leftLines);
        ExpectSameRows(state.rightLines, reference.rightLines);
        PaneTexts texts;
        ASSERT_TRUE(BuildPaneTexts(state, texts, messages));
        const std::vector<int32_t> leftLineOf = LineOfEachRow(state.leftLines);
        const std::vector<int32_t> rightLineOf = LineOfEachRow(state.rightLines);
        ASSERT_EQ(state.hunks.size(), reference.hunks.size());
        for (size_t i = 0; i < state.hunks.size(); ++i) {
            const DiffHunk& actual = state.hunks[i];
            const DiffHunk& expected = reference.hunks[i];
            EXPECT_EQ(actual.leftKind, expected.leftKind) << i;
            EXPECT_EQ(actual.rightKind, expected.rightKind) << i;
            SCOPED_TRACE("hunk " + std::to_string(i));
            if (expected.leftKind != Filler)
                ExpectRowsOfLines(leftLineOf, actual.leftFirst, actual.leftLast, expected.leftFirst, expected.leftLast);
            if (expected.rightKind != Filler)
                ExpectRowsOfLines(rightLineOf, actual.rightFirst, actual.rightLast, expected.rightFirst,
                                  expected.rightLast);
        }
        EXPECT_EQ(messages.texts, Strings{});
        if (HasFailure())
            return;
    }
}

}  // namespace

// The pane's text model: line splitting, line queries, and the colour-run sets against a per-position model.
#include "PaneHarness.h"
#include "pane/ColorRunSet.h"
#include "pane/PaneText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

struct SplitCase {
    std::string input;
    std::vector<std::string> lines;
    int maxLineLength;
};

// The stored text rebuilt from the line table, checking its invariants on the way.
std::vector<std::string> LinesOf(const PaneText& text)
{
    std::vector<std::string> lines;
    int expectedStart = 0;
    int total = 0;
    for (const LineSpan& span : text.Lines()) {
        EXPECT_EQ(span.start, expectedStart);
        EXPECT_EQ(text.Data()[span.start + span.length], '\n');
        lines.emplace_back(text.Data() + span.start, static_cast<size_t>(span.length));
        expectedStart = span.start + span.length + 1;
        total += span.length + 1;
    }
    EXPECT_EQ(total, text.Length());
    return lines;
}

TEST(NewEditTextModel, SplitsAtLineBreaksAndCountsTheLongestLine)
{
    const std::vector<SplitCase> cases = {
        {"abc", {"abc"}, 3},
        {"abc\n", {"abc", ""}, 3},
        {"a\r\nb", {"a", "b"}, 2},
        {"one\ntwo\r\nthree\n", {"one", "two", "three", ""}, 5},
        {"\n\n", {"", "", ""}, 0},
        {"a\rb\nc", {"a\rb", "c"}, 3},
        // The last line of a CR LF file, whose final LF the display text drops.
        {"a\r\nbc\r", {"a", "bc"}, 3},
        {"\r", {""}, 1},
        {"x\ty\n\tz", {"x\ty", "\tz"}, 3},
        {std::string("ab\0cd\nef", 8), {"ab"}, 2},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.input);
        PaneText text;
        text.SetText(c.input.data(), static_cast<int>(c.input.size()));
        EXPECT_EQ(LinesOf(text), c.lines);
        EXPECT_EQ(text.LineCount(), static_cast<int>(c.lines.size()));
        EXPECT_EQ(text.MaxLineLength(), c.maxLineLength);
    }
}

// A string handed over whole gives the same text, lines, longest line and
// kind of characters as the same bytes copied in, whether it can be taken over
// (no CR, no NUL) or not, and whether or not it holds bytes beyond ASCII (a
// character of two bytes, or bytes that are no UTF-8); an empty one empties
// the text alike. Either way the string handed over is left empty and freed:
// no second copy of the text stays with the caller.
TEST(NewEditTextModel, TakingAStringOrAPreparedTextOverSplitsLikeCopyingIt)
{
    std::mt19937 random(11);
    const std::string alphabets[] = {"ab\n", std::string("ab\n\r", 4), std::string("ab\n\0", 4), "ab\n\xC3\xA9",
                                     "ab\n\xFF"};
    for (int round = 0; round < 500; ++round) {
        const std::string& alphabet = alphabets[round % 5];
        std::string input;
        // Past 64 bytes, so that whole blocks are scanned too.
        const int length = static_cast<int>(random() % (round % 2 == 0 ? 40 : 200));
        for (int i = 0; i < length; ++i)
            input.push_back(alphabet[random() % alphabet.size()]);
        SCOPED_TRACE(round);
        PaneText copied;
        PaneText taken;
        PaneText adopted;  // takes over a text prepared by another PaneText
        for (PaneText* text : {&copied, &taken, &adopted})
            text->SetText("old\ntext", 8);
        const uint64_t oldVersion = adopted.Version();
        copied.SetText(input.data(), static_cast<int>(input.size()));
        std::string handed(input);
        taken.SetText(std::move(handed));
        EXPECT_TRUE(handed.empty());
        EXPECT_EQ(handed.capacity(), std::string().capacity());
        PaneText prepared;
        prepared.SetText(std::string(input));
        adopted.TakeOver(std::move(prepared));
        EXPECT_NE(adopted.Version(), oldVersion);
        EXPECT_TRUE(prepared.Empty());
        for (const PaneText* text : {&taken, &adopted}) {
            EXPECT_EQ(text->Length(), copied.Length());
            EXPECT_EQ(text->LineCount(), copied.LineCount());
            EXPECT_EQ(text->MaxLineLength(), copied.MaxLineLength());
            EXPECT_EQ(text->Kind(), copied.Kind());
            if (input.empty())
                continue;  // an empty text keeps the old line table, unused
            EXPECT_EQ(std::string(text->Data(), text->Length()), std::string(copied.Data(), copied.Length()));
            EXPECT_EQ(LinesOf(*text), LinesOf(copied));
        }
    }
}

TEST(NewEditTextModel, LineFromPositionFindsTheLineHoldingEveryPosition)
{
    PaneText text;
    const std::string input = "ab\n\ncdef\ng";
    text.SetText(input.data(), static_cast<int>(input.size()));
    // Stored: "ab\n" "\n" "cdef\n" "g\n"
    const std::vector<int> expected = {0, 0, 0, 1, 2, 2, 2, 2, 2, 3, 3};
    for (int p = 0; p < text.Length(); ++p)
        EXPECT_EQ(text.LineFromPosition(p), expected[static_cast<size_t>(p)]) << p;
    EXPECT_EQ(text.LineFromPosition(-5), 0);
    EXPECT_EQ(text.LineFromPosition(500), 3);
}

// One call of SetRange chosen from what it should do: either the positions
// [first, last) it must colour, spelt in one of the ways the call allows, or
// arguments that name no range and must change nothing.
struct RangeCall {
    int start;
    int end;
    int first;  // first position coloured
    int last;  // one past the last position coloured; equal to first when nothing is
};

RangeCall ChooseRangeCall(std::mt19937& random, int n)
{
    auto pick = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
    if (pick(3) == 0) {
        // Arguments outside the text, reversed or empty: nothing changes.
        const int p = pick(n);
        const RangeCall ignored[] = {
            {-2 - pick(3), p, 0, 0},
            {p, -2 - pick(3), 0, 0},
            {n + pick(3), -1, 0, 0},
            {p, n + pick(3), 0, 0},
            {p, p, 0, 0},
            {n - 1, p, 0, 0},
            {-1, -1, 0, 0},
            // [-1, 0) names no position, unless position 0 is the last one.
            {-1, 0, 0, n == 1 ? 1 : 0},
        };
        return ignored[pick(static_cast<int>(std::size(ignored)))];
    }
    // Positions [first, last). A range cannot stop just before the last
    // position: an end of n - 1 colours the last position too.
    int first = pick(n);
    int last = first + 1 + pick(n - first);
    if (last == n - 1)
        last = n;
    if (last < n)
        return {first == 0 && pick(2) ? -1 : first, last, first, last};
    // To the end: the last position as end, or -1 for it unless the start
    // is -1 too; a range of the last position alone only as (n - 1, -1),
    // since (n - 1, n - 1) is empty.
    if (first == n - 1)
        return {first, -1, first, last};
    const int start = first == 0 && pick(2) ? -1 : first;
    return {start, start != -1 && pick(2) ? -1 : n - 1, first, last};
}

TEST(NewEditColourRuns, RandomRangesMatchAPerPositionModel)
{
    std::mt19937 random(4711);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + static_cast<int>(random() % 40);
        ColorRunSet runs;
        runs.Reset(7);
        std::vector<uint32_t> model(static_cast<size_t>(n), 7);
        for (int op = 0; op < 12; ++op) {
            const RangeCall call = ChooseRangeCall(random, n);
            const uint32_t colour = 100 + static_cast<uint32_t>(op);
            runs.SetRange(call.start, call.end, colour, n);
            std::fill(model.begin() + call.first, model.begin() + call.last, colour);
            for (int p = 0; p < n; ++p) {
                ASSERT_EQ(runs.ColourAt(p), model[static_cast<size_t>(p)])
                    << "round " << round << " op " << op << " range " << call.start << ".." << call.end << " at " << p;
                // A run reaches exactly to the next change of colour (or to the last position).
                const ColorRunSet::Run run = runs.RunAt(p, n);
                for (int q = p; q < p + run.length; ++q)
                    ASSERT_EQ(model[static_cast<size_t>(q)], run.colour);
            }
        }
    }
}

TEST(NewEditTextModel, PaneQueriesFollowTheLineTable)
{
    PaneHarness h;
    h.SetText("ab\ncdef\n\ng");
    CNewEdit& pane = h.Pane();
    EXPECT_EQ(pane.GetTextLength(), 11);
    EXPECT_EQ(pane.GetLineCount(), 4);
    EXPECT_EQ(pane.GetLineStart(1), 3);
    EXPECT_EQ(pane.GetLineStart(-7), 0);
    EXPECT_EQ(pane.GetLineStart(4), 10);  // past the last line: the final break
    EXPECT_EQ(pane.GetLineSize(1), 5);
    EXPECT_EQ(pane.GetLineSize(9), 0);
    EXPECT_EQ(pane.GetLineSize(-3), 0);
    std::string line;
    pane.GetLineText(1, line);
    EXPECT_EQ(line, "cdef");
    pane.GetLineText(4, line);
    EXPECT_EQ(line, "");
    // -1 asks for the caret's line, which SetText put at position 0.
    EXPECT_EQ(pane.GetLineStart(-1), 0);
    EXPECT_EQ(pane.GetLineSize(-1), 3);
    EXPECT_EQ(pane.LineFromPosition(7), 1);
}

TEST(NewEditTextModel, EmptyTextAfterAnOldOneBehavesAsEmpty)
{
    PaneHarness h;
    h.SetText("abc\ndef");
    h.Pane().SetSelection(1, 5);
    h.Pane().SetText("", 0);
    CNewEdit& pane = h.Pane();
    EXPECT_EQ(pane.GetLineStart(0), -1);
    EXPECT_EQ(pane.GetLineSize(0), -1);
    EXPECT_EQ(pane.LineFromPosition(2), -1);
    EXPECT_EQ(pane.GetTextColorAt(1), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(pane.GetBackColorAt(1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pane.GetSelectedText(), "");
    EXPECT_EQ(pane.Find("abc", 1, 1), 0);
}

TEST(NewEditTextModel, ColourRangesOnLinesAndTheReloadThatResetsThem)
{
    PaneHarness h;
    h.SetText("ab\ncd\nef");
    CNewEdit& pane = h.Pane();
    const COLORREF red = RGB(255, 0, 0);
    // The last line's range [start(2), start(3)) ends at the final break, which is coloured too.
    pane.SetRangeBackColor(pane.GetLineStart(2), pane.GetLineStart(3), red);
    EXPECT_EQ(pane.GetBackColorAt(5), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pane.GetBackColorAt(6), red);
    EXPECT_EQ(pane.GetBackColorAt(8), red);
    pane.SetRangeTextColor(3, 3, red);  // empty range: ignored
    pane.SetRangeTextColor(3, 9, red);  // end past the text: ignored
    EXPECT_EQ(pane.GetTextColorAt(3), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(pane.GetTextColorAt(99), GetSysColor(COLOR_WINDOWTEXT));
    h.SetText("ab\ncd\nef");
    EXPECT_EQ(pane.GetBackColorAt(6), GetSysColor(COLOR_WINDOW));
}

TEST(NewEditTextModel, TabSizeIgnoresNonPositiveValuesAndFontChangeKeepsTheCaret)
{
    PaneHarness h;
    h.SetText("abc\n\tdefgh\nxyz");
    CNewEdit& pane = h.Pane();
    pane.SetTabSize(0);
    pane.SetTabSize(-2);
    pane.MoveCaretToPosition(pane.GetLineStart(1) + 3, CaretFollow::QuarterJump);
    const POINT before = pane.GetCaretPoint();
    // Tab size 4: the tab ends at 4 columns, two more letters make 6.
    EXPECT_EQ(before.x, 6 * h.CharWidth());

    LOGFONTA big{};
    big.lfHeight = -26;
    strcpy(big.lfFaceName, "Courier New");
    GdiFont font(CreateFontIndirectA(&big));
    pane.SetPaneFont(font, true);
    EXPECT_GT(h.LineHeight(), 20);
    EXPECT_EQ(h.CaretLine(), 1);
    EXPECT_EQ(h.CaretColumn(), 3);
    EXPECT_EQ(pane.GetCaretPoint().y, h.LineHeight());
    RECT client{};
    pane.GetClientRect(&client);
    EXPECT_EQ(pane.GetVisibleLines(), client.bottom / h.LineHeight());
    EXPECT_EQ(pane.GetVisibleColumns(), client.right / h.CharWidth());
}

}  // namespace

// Pixels of painted panes against their colour runs, the selection, the disabled look and the empty pane.
#include "PaneHarness.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);

COLORREF Inverse(COLORREF c)
{
    return ~c & 0xFFFFFF;
}

COLORREF Window()
{
    return GetSysColor(COLOR_WINDOW);
}

// The x range of pixels in one line band that have exactly `colour`; {-1, -1} when none.
std::pair<int, int> SpanOf(const PanePicture& picture, int top, int height, COLORREF colour)
{
    int lo = -1;
    int hi = -1;
    for (int y = top; y < top + height; ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.At(x, y) != colour)
                continue;
            if (lo < 0 || x < lo)
                lo = x;
            hi = std::max(hi, x);
        }
    }
    return {lo, hi};
}

class NewEditPaint : public ::testing::Test {
protected:
    PaneHarness h;
    int cw = h.CharWidth();
    int lh = h.LineHeight();
};

TEST_F(NewEditPaint, BackgroundRunMeetsTheTextColourChangeAfterATab)
{
    // Stored line 0: x x TAB M M M M space y y; the tab ends at the first stop, 4 columns in.
    h.SetText("xx\tMMMM yy\nnext");
    h.Pane().SetRangeBackColor(3, 7, kRed);
    h.Pane().SetRangeTextColor(3, 7, kBlue);
    const PanePicture picture(h.Pane());

    // Backgrounds, on the top pixel row where no glyph reaches.
    EXPECT_EQ(picture.At(4 * cw - 1, 0), Window());
    EXPECT_EQ(picture.At(4 * cw, 0), kRed);
    EXPECT_EQ(picture.At(8 * cw - 1, 0), kRed);
    EXPECT_EQ(picture.At(8 * cw, 0), Window());
    EXPECT_EQ(picture.At(8 * cw, lh - 1), Window());
    EXPECT_EQ(picture.At(6 * cw, lh - 1), kRed);
    // The blue glyphs lie exactly over the red run, the black ones outside it.
    const auto blue = SpanOf(picture, 0, lh, kBlue);
    ASSERT_GE(blue.first, 0) << "no pixel in the text colour of the run";
    EXPECT_GE(blue.first, 4 * cw);
    EXPECT_LT(blue.second, 8 * cw);
    const auto black = SpanOf(picture, 0, lh, GetSysColor(COLOR_WINDOWTEXT));
    ASSERT_GE(black.first, 0);
    EXPECT_LT(black.first, 2 * cw);  // the x glyphs
    EXPECT_GE(black.second, 9 * cw);  // the y glyphs after the run
}

TEST_F(NewEditPaint, RunStartingInsideATabbedLineMeetsItsCharacters)
{
    // The run starts after a tab in mid-line: col 5 is 'b' at 4 + 1 columns.
    h.SetText("a\t\tb\tcc\n");
    // Stored: a(0) TAB(1) TAB(2) b(3) TAB(4) c(5) c(6); stops at 4, 8, 12 columns.
    h.Pane().SetRangeBackColor(4, 6, kGreen);
    const PanePicture picture(h.Pane());
    EXPECT_EQ(picture.At(9 * cw - 1, 0), Window());
    EXPECT_EQ(picture.At(9 * cw, 0), kGreen);  // the tab after b starts at 9 columns
    EXPECT_EQ(picture.At(13 * cw - 1, 0), kGreen);  // the first c starts at the 12-column stop
    EXPECT_EQ(picture.At(13 * cw, 0), Window());
}

TEST_F(NewEditPaint, WholeLineSelectionFillsTheRestOfThatLineOnlyWhileFocused)
{
    h.SetText("abc\ndef\nghi");
    h.Focus();
    h.Pane().SetSelection(h.Pane().GetLineStart(1), h.Pane().GetLineStart(2));
    {
        const PanePicture picture(h.Pane());
        EXPECT_EQ(picture.At(20 * cw, lh + 1), Inverse(Window()));  // rest of line 1: selected
        EXPECT_EQ(picture.At(cw / 2, lh + 1), Inverse(Window()));  // under the 'd'
        EXPECT_EQ(picture.At(20 * cw, 2 * lh + 1), Window());  // line 2 keeps normal colours
        EXPECT_EQ(picture.At(20 * cw, 1), Window());
        const auto glyphs = SpanOf(picture, lh, lh, Inverse(GetSysColor(COLOR_WINDOWTEXT)));
        EXPECT_GE(glyphs.first, 0) << "selected text drawn in inverted text colour";
    }
    h.Unfocus();
    const PanePicture picture(h.Pane());
    EXPECT_EQ(picture.At(20 * cw, lh + 1), Window());
    EXPECT_EQ(picture.At(cw / 2, lh + 1), Window());
}

TEST_F(NewEditPaint, SelectionEndingInsideTheNextLineLeavesItsRestNormal)
{
    h.SetText("abc\ndefgh\nghi");
    h.Focus();
    h.Pane().SetSelection(1, 6);  // from 'b' to inside "defgh" (before 'f')
    const PanePicture picture(h.Pane());
    // Probes on the top pixel row of each line, which no glyph reaches.
    EXPECT_EQ(picture.At(cw - 1, 0), Window());  // 'a' not selected
    EXPECT_EQ(picture.At(cw, 0), Inverse(Window()));  // 'b' selected
    EXPECT_EQ(picture.At(30 * cw, 0), Inverse(Window()));  // line 0's break selected
    EXPECT_EQ(picture.At(2 * cw - 1, lh), Inverse(Window()));  // 'e' selected
    EXPECT_EQ(picture.At(2 * cw, lh), Window());  // 'f' not
    EXPECT_EQ(picture.At(30 * cw, lh), Window());
}

TEST_F(NewEditPaint, LinesPastTheEndTakeTheWindowColour)
{
    h.SetText("one\ntwo");
    h.Pane().SetRangeBackColor(0, -1, kRed);
    const PanePicture picture(h.Pane());
    EXPECT_EQ(picture.At(30 * cw, lh + 1), kRed);  // the last line's rest takes its break's colour
    for (int line = 2; line <= 10; ++line)
        EXPECT_EQ(picture.At(5 * cw, line * lh + 2 < picture.Height() ? line * lh + 2 : picture.Height() - 1), Window())
            << line;
}

TEST_F(NewEditPaint, ScrolledViewPaintsFromTheTopLineAndColumn)
{
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "0123456789abcdefghijklmnopqrstuvwxyz0123456789\n";
    h.SetText(text);
    const int line5 = h.Pane().GetLineStart(5);
    h.Pane().SetRangeBackColor(line5 + 10, line5 + 12, kRed);
    h.Pane().SetTopLine(4);
    h.Pane().SetHorzPos(3);
    const PanePicture picture(h.Pane());
    // Line 5 is the second visible line; column 10 shows at column 7.
    EXPECT_EQ(picture.At(7 * cw - 1, lh), Window());
    EXPECT_EQ(picture.At(7 * cw, lh), kRed);
    EXPECT_EQ(picture.At(9 * cw - 1, lh), kRed);
    EXPECT_EQ(picture.At(9 * cw, lh), Window());
    EXPECT_EQ(picture.At(8 * cw, 0), Window());
}

// Colours the blank of every line it is asked for in the line's own colour, and notes what it was asked.
class LineColouring : public PaneLinePreparer {
public:
    explicit LineColouring(CNewEdit& pane) : pane_(pane) {}
    static COLORREF ColourOf(int line) { return RGB(40 + line, 200, 100); }
    void PrepareLines(int firstLine, int lastLine) override
    {
        asked.emplace_back(firstLine, lastLine);
        for (int line = firstLine; line <= lastLine; ++line)
            pane_.SetRangeBackColor(pane_.GetLineStart(line) + 4, pane_.GetLineStart(line) + 5, ColourOf(line));
    }
    std::vector<std::pair<int, int>> asked;

private:
    CNewEdit& pane_;
};

TEST_F(NewEditPaint, ThePreparerIsAskedForTheLinesShownAndWhatItSetsIsPaintedAtOnce)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += (i > 0 ? "\nline " : "line ") + std::to_string(i);
    h.SetText(text);
    LineColouring colouring(h.Pane());
    h.Pane().SetLinePreparer(&colouring);
    const int visible = h.Pane().GetVisibleLines();
    for (const int top : {0, 57, h.Pane().GetLineCount() - visible}) {
        h.Pane().SetTopLine(top);
        colouring.asked.clear();
        const PanePicture picture(h.Pane());
        ASSERT_FALSE(colouring.asked.empty()) << top;
        for (const auto& [first, last] : colouring.asked) {
            EXPECT_EQ(first, top);
            EXPECT_GE(last, top + visible - 1) << "a shown line left out";
            EXPECT_LE(last, std::min(top + visible + 1, h.Pane().GetLineCount() - 1))
                << "far more than the view, or past the text";
        }
        for (int row = 0; row < visible; ++row)
            EXPECT_EQ(picture.At(4 * cw + cw / 2, row * lh + lh / 2), LineColouring::ColourOf(top + row))
                << top << " " << row;
    }
    h.Pane().SetLinePreparer(nullptr);
    colouring.asked.clear();
    const PanePicture after(h.Pane());
    EXPECT_TRUE(colouring.asked.empty());
}

TEST_F(NewEditPaint, FocusChangesRepaintTheSelectedRangeOnTheWindow)
{
    h.SetText("abcdef\nghijkl\nmnop");
    h.Pane().SetSelection(2, 9);  // "cdef", the break, "gh"
    h.Pane().UpdateWindow();
    EXPECT_EQ(PanePicture::OfWindow(h.Pane()).At(3 * cw, 0), Window());

    h.Focus();
    {
        const PanePicture window = PanePicture::OfWindow(h.Pane());
        EXPECT_EQ(window.At(2 * cw - 1, 0), Window());
        EXPECT_EQ(window.At(2 * cw, 0), Inverse(Window()));
        EXPECT_EQ(window.At(30 * cw, 0), Inverse(Window()));
        EXPECT_EQ(window.At(2 * cw - 1, lh), Inverse(Window()));
        EXPECT_EQ(window.At(2 * cw + 2, lh), Window());  // beside the caret's pixels
        EXPECT_EQ(window.At(30 * cw, lh), Window());
    }
    h.Unfocus();
    const PanePicture window = PanePicture::OfWindow(h.Pane());
    EXPECT_EQ(window.At(2 * cw, 0), Window());
    EXPECT_EQ(window.At(30 * cw, 0), Window());
}

TEST_F(NewEditPaint, ShiftArrowHighlightsTheNewRangeAtOnce)
{
    h.SetText("abcdef\nghijkl");
    h.Focus();
    h.Pane().UpdateWindow();
    h.Pane().MoveCaretToPosition(9, CaretFollow::QuarterJump);
    h.Key(VK_UP, {VK_SHIFT});  // selects [2, 9)
    const PanePicture window = PanePicture::OfWindow(h.Pane());
    // The caret stands at (2 columns, line 0): probe beside its pixels.
    EXPECT_EQ(window.At(2 * cw - 2, 0), Window());
    EXPECT_EQ(window.At(2 * cw + 2, 0), Inverse(Window()));
    EXPECT_EQ(window.At(2 * cw - 1, lh), Inverse(Window()));
    EXPECT_EQ(window.At(2 * cw, lh), Window());
    h.Key(VK_DOWN, {VK_SHIFT});  // back to nothing selected
    EXPECT_EQ(PanePicture::OfWindow(h.Pane()).At(2 * cw + 2, 0), Window());
}

TEST(NewEditPaintLook, DisabledPaneHasAButtonFaceBackgroundAndColouredText)
{
    PaneHarness h(20, 5, WS_DISABLED);
    h.SetText("12\n345");
    h.Pane().SetRangeTextColor(3, 6, kBlue);
    const PanePicture picture(h.Pane());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(picture.At(10 * h.CharWidth(), 0), face);
    EXPECT_EQ(picture.At(10 * h.CharWidth(), 4 * h.LineHeight()), face);
    const auto blue = SpanOf(picture, h.LineHeight(), h.LineHeight(), kBlue);
    EXPECT_GE(blue.first, 0);
    EXPECT_LT(blue.second, 3 * h.CharWidth());
}

TEST(NewEditPaintLook, EmptyPanePaintsNothingAtAll)
{
    PaneHarness h(20, 5);
    const COLORREF ground = RGB(9, 99, 199);
    const PanePicture picture(h.Pane(), ground);
    std::set<COLORREF> colours;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            colours.insert(picture.At(x, y));
    EXPECT_EQ(colours, std::set<COLORREF>{ground});
}

}  // namespace

// Marks inside changed rows in the real main window: painted pixels against the marks a row pair should get.
#include "MainWindowFixture.h"

#include "resources/resource.h"
#include "tests/support/windows/MessagePump.h"
#include "tests/support/windows/PixelProbe.h"

#include <string>
#include <vector>

namespace {

class InlineMarks : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        settings.changedColor = RGB(0, 0, 255);
        settings.diffBackgroundColor = RGB(192, 192, 192);
        settings.inlineDiffColor = RGB(255, 224, 128);
    }

    CTandrelDialog& OpenPair()
    {
        // Row 1: one letter; row 2: an argument added; row 3: a line facing a Filler row.
        return Open(WriteFile("left.txt", "keep\nthe colour is red\nfoo(a, b);\nkeep\n"),
                    WriteFile("right.txt", "keep\nthe color is red\nfoo(a, b, c);\nnew line\nkeep\n"));
    }
};

// One changed row as painted: on the row's top pixel row, where no glyph
// reaches, every pixel from the text's left edge to the pane's right edge is
// the inline colour over the marked characters and the difference
// background elsewhere.
struct RowMarks {
    int row;
    int start;  // marked bytes of the row; start == end for none
    int end;
};

void ExpectPaintedMarks(CNewEdit& pane, const RowMarks& marks, COLORREF inlineColour, COLORREF background)
{
    RECT client{};
    ::GetClientRect(pane.m_hWnd, &client);
    PixelProbe probe(client.right, client.bottom);
    probe.Draw([&pane](HDC dc) { pane.DoPaint(dc); });
    const int lineStart = pane.GetLineStart(marks.row);
    const POINT origin = pane.PointFromPosition(lineStart);
    const int markLeft = pane.PointFromPosition(lineStart + marks.start).x;
    const int markRight = pane.PointFromPosition(lineStart + marks.end).x;
    int inlinePixels = 0;
    for (int x = origin.x; x < client.right; ++x) {
        const bool marked = x >= markLeft && x < markRight;
        EXPECT_EQ(probe.At(x, origin.y), marked ? inlineColour : background) << "row " << marks.row << " x " << x;
        inlinePixels += marked ? 1 : 0;
    }
    EXPECT_EQ(inlinePixels, markRight - markLeft) << "row " << marks.row;
}

TEST_F(InlineMarks, ChangedRowsShowTheInlineColourExactlyOverTheMarkedCharacters)
{
    settings.showInlineDifferences = 1;
    CTandrelDialog& d = OpenPair();
    CNewEdit& l = LeftTextPane(d);
    CNewEdit& r = RightTextPane(d);
    const COLORREF mark = settings.inlineDiffColor, back = settings.diffBackgroundColor;
    ExpectPaintedMarks(l, {1, 8, 9}, mark, back);  // the u of colour
    ExpectPaintedMarks(r, {1, 0, 0}, mark, back);
    ExpectPaintedMarks(l, {2, 0, 0}, mark, back);
    ExpectPaintedMarks(r, {2, 8, 11}, mark, back);  // ", c"
    ExpectPaintedMarks(l, {3, 0, 0}, mark, back);  // the Filler row
    ExpectPaintedMarks(r, {3, 0, 8}, mark, back);  // "new line", whole
    // The text keeps the colour of a changed line, marked or not.
    EXPECT_EQ(l.GetTextColorAt(l.GetLineStart(1) + 8), settings.changedColor);
    EXPECT_EQ(r.GetTextColorAt(r.GetLineStart(3)), settings.changedColor);
}

TEST_F(InlineMarks, RowsFarDownAreMarkedWhenTheyComeIntoView)
{
    settings.showInlineDifferences = 1;
    std::string left = "the colour is red\n", right = "the color is red\n";
    for (int i = 0; i < 500; ++i) {
        left += "same " + std::to_string(i) + "\n";
        right += "same " + std::to_string(i) + "\n";
    }
    CTandrelDialog& d =
        Open(WriteFile("left.txt", left + "foo(a, b);\n"), WriteFile("right.txt", right + "foo(a, b, c);\n"));
    d.SendMessage(WM_COMMAND, MAKEWPARAM(ID_NEXT_DIFFERENCE, 0), 0);
    PumpMessages();
    ASSERT_GT(RightTextPane(d).GetTopLine(), 400) << "the last difference is not in view";
    ExpectPaintedMarks(LeftTextPane(d), {501, 0, 0}, settings.inlineDiffColor, settings.diffBackgroundColor);
    ExpectPaintedMarks(RightTextPane(d), {501, 8, 11}, settings.inlineDiffColor, settings.diffBackgroundColor);
}

TEST_F(InlineMarks, SwitchedOffTheRowsKeepTheDifferenceBackgroundAlone)
{
    settings.showInlineDifferences = 0;
    CTandrelDialog& d = OpenPair();
    for (CNewEdit* pane : {&LeftTextPane(d), &RightTextPane(d)}) {
        for (int row = 1; row <= 3; ++row)
            ExpectPaintedMarks(*pane, {row, 0, 0}, settings.inlineDiffColor, settings.diffBackgroundColor);
    }
}

}  // namespace

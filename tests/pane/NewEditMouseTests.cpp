// Clicks, drags, double clicks, the selection margin, cursors and the right button, driven by mouse messages.
#include "PaneHarness.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <ole2.h>

namespace {

class NewEditMouse : public ::testing::Test {
protected:
    PaneHarness h;
    int cw = h.CharWidth();
    int lh = h.LineHeight();

    void SetUp() override
    {
        // Line starts 0, 16, 27; the last position is 37.
        h.SetText("first word here\nsecond one\nthird line");
    }
    // A cursor query at a client point, as the platform sends it when the mouse moves.
    void Hover(int x, int y)
    {
        POINT screen{x, y};
        ClientToScreen(h.Pane().m_hWnd, &screen);
        SetCursorPos(screen.x, screen.y);
        h.Pane().SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(h.Pane().m_hWnd),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    void Click(int x, int y, WPARAM keys = 0)
    {
        h.Mouse(WM_LBUTTONDOWN, x, y, keys | MK_LBUTTON);
        h.Mouse(WM_LBUTTONUP, x, y, keys);
    }
    int Lo() { return std::min(h.Pane().GetAnchor(), h.Pane().GetSelectionEnd()); }
    int Hi() { return std::max(h.Pane().GetAnchor(), h.Pane().GetSelectionEnd()); }
};

TEST_F(NewEditMouse, ClickGoesToTheNearestBoundaryAMidpointGoingLeft)
{
    Click(2 * cw + cw / 2, lh + 3);
    EXPECT_EQ(h.CaretLine(), 1);
    EXPECT_EQ(h.CaretColumn(), 2);
    Click(2 * cw + cw / 2 + 1, lh + 3);
    EXPECT_EQ(h.CaretColumn(), 3);
    EXPECT_EQ(h.Pane().GetAnchor(), h.Pane().GetSelectionEnd());
    EXPECT_EQ(GetFocus(), h.Pane().m_hWnd);
    Click(30 * cw, 2 * lh + 1);  // past the line's end
    EXPECT_EQ(h.CaretColumn(), 10);
    Click(cw, 9 * lh);  // below the text: the last line
    EXPECT_EQ(h.CaretLine(), 2);
}

TEST_F(NewEditMouse, DragSelectsFromThePressToThePointer)
{
    h.Mouse(WM_LBUTTONDOWN, cw, 1, MK_LBUTTON);
    h.Mouse(WM_MOUSEMOVE, 4 * cw, lh + 1, MK_LBUTTON);
    h.Mouse(WM_LBUTTONUP, 4 * cw, lh + 1);
    EXPECT_EQ(h.Pane().GetAnchor(), 1);
    EXPECT_EQ(h.Pane().GetSelectionEnd(), 20);
    EXPECT_EQ(h.Pane().GetSelectedText(), "irst word here\nseco");
    // Moving without a pressed button selects nothing more.
    h.Mouse(WM_MOUSEMOVE, 8 * cw, 2 * lh + 1);
    EXPECT_EQ(h.Pane().GetSelectionEnd(), 20);
}

TEST_F(NewEditMouse, DoubleClickSelectsAWordButNotASpaceOrALineEnd)
{
    h.Mouse(WM_LBUTTONDBLCLK, 7 * cw + 2, 1);  // inside "word"
    EXPECT_EQ(h.Pane().GetSelectedText(), "word");
    EXPECT_EQ(h.Pane().GetCaretPosition(), 10);
    h.Pane().ClearSelection();
    h.Mouse(WM_LBUTTONDBLCLK, 5 * cw + 2, 1);  // on the space before "word"
    EXPECT_EQ(h.Pane().GetAnchor(), -1);
    h.Mouse(WM_LBUTTONDBLCLK, 25 * cw, lh + 1);  // past the end of line 1
    EXPECT_EQ(h.Pane().GetAnchor(), -1);
    h.Mouse(WM_LBUTTONDBLCLK, 1, 1);  // the first character of the text
    EXPECT_EQ(h.Pane().GetSelectedText(), "first");
}

TEST_F(NewEditMouse, MarginClickSelectsWholeLinesAndDraggingExtendsByLines)
{
    h.Mouse(WM_LBUTTONDOWN, 0, lh + 2, MK_LBUTTON);
    EXPECT_EQ(h.Pane().GetSelectedText(), "second one\n");
    h.Mouse(WM_MOUSEMOVE, 0, 2 * lh + 2, MK_LBUTTON);
    h.Mouse(WM_LBUTTONUP, 0, 2 * lh + 2);
    EXPECT_EQ(Lo(), 16);
    EXPECT_EQ(Hi(), 37);  // the last line ends at its length, before the final break
    EXPECT_EQ(h.Pane().GetSelectedText(), "second one\nthird line");

    h.Mouse(WM_LBUTTONDOWN, 0, lh + 2, MK_LBUTTON);
    h.Mouse(WM_MOUSEMOVE, 0, 2, MK_LBUTTON);
    h.Mouse(WM_LBUTTONUP, 0, 2);
    EXPECT_EQ(h.Pane().GetSelectedText(), "first word here\nsecond one\n");
}

TEST_F(NewEditMouse, APressActsOnWhatIsAtItsOwnPointNotWhereTheCursorWasLastAsked)
{
    // The last cursor query was elsewhere, as for a press that arrives without the mouse moving there first.
    const struct {
        const char* name;
        POINT queried, pressed;
        int lo, hi;
    } cases[] = {
        {"a margin press after a query over the text", {3 * cw, 2}, {0, lh + 2}, 16, 27},  // the whole line
        {"a text press after a query in the margin", {0, 2}, {3 * cw, lh + 2}, 19, 19},  // the caret alone
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        h.Pane().ClearSelection();
        Hover(c.queried.x, c.queried.y);
        Click(c.pressed.x, c.pressed.y);
        EXPECT_EQ(Lo(), c.lo);
        EXPECT_EQ(Hi(), c.hi);
    }
}

TEST_F(NewEditMouse, ShiftClickInTheMarginSelectsAll)
{
    BYTE state[256] = {};
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
    h.Mouse(WM_LBUTTONDOWN, 0, 2, MK_LBUTTON | MK_SHIFT);
    BYTE none[256] = {};
    SetKeyboardState(none);
    h.Mouse(WM_LBUTTONUP, 0, 2);
    EXPECT_EQ(Lo(), 0);
    EXPECT_EQ(Hi(), 37);
}

TEST_F(NewEditMouse, ClickOnTheSelectionWithoutMovingPlacesTheCaret)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    h.Focus();
    h.Pane().SetSelection(6, 10);
    Hover(7 * cw + 1, 2);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    h.Mouse(WM_LBUTTONDOWN, 7 * cw + 1, 2, MK_LBUTTON);
    h.Mouse(WM_LBUTTONUP, 7 * cw + 1, 2);
    OleUninitialize();
    EXPECT_EQ(h.Pane().GetAnchor(), h.Pane().GetSelectionEnd());
    EXPECT_EQ(h.Pane().GetCaretPosition(), 7);
    EXPECT_EQ(h.Pane().GetAnchor(), 7);
}

TEST_F(NewEditMouse, CursorsFollowThePoint)
{
    Hover(0, 2);
    EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_MARGIN_CURSOR)));
    Hover(3 * cw, 2);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)));
}

TEST_F(NewEditMouse, RightClickMovesTheCaretAndKeepsTheSelection)
{
    h.Focus();
    h.Pane().SetSelection(0, 5);
    // The popup's own loop ends at the Escape already waiting in the queue.
    PostMessageA(h.Pane().m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    h.Mouse(WM_RBUTTONDOWN, 3 * cw, lh + 1, MK_RBUTTON);
    EXPECT_EQ(h.Pane().GetSelectedText(), "first");
    EXPECT_EQ(h.CaretLine(), 1);
    EXPECT_EQ(h.CaretColumn(), 3);
}

}  // namespace

// Scroll bars, scroll messages, scrolling calls, keeping the caret in view, and the notifications posted to the parent.
#include "PaneHarness.h"
#include "pane/NewEditMessages.h"
#include "tests/support/windows/PixelProbe.h"
#include "tests/support/windows/MessagePump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Lines(int count, int width = 5)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::string(static_cast<size_t>(width), static_cast<char>('a' + i % 26));
        if (i + 1 < count)
            text += '\n';
    }
    return text;
}

bool HasStyle(HWND hwnd, DWORD bit)
{
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & bit) != 0;
}

TEST(NewEditScrollBars, ShownOnlyWhenTheTextDoesNotFit)
{
    PaneHarness h(40, 10, WS_VSCROLL);
    h.SetText(Lines(10));
    EXPECT_FALSE(HasStyle(h.Pane().m_hWnd, WS_VSCROLL));
    EXPECT_EQ(h.Pane().GetTopLine(), 0);

    h.SetText(Lines(11));
    ASSERT_TRUE(HasStyle(h.Pane().m_hWnd, WS_VSCROLL));
    EXPECT_EQ(h.Pane().GetVisibleLines(), 10);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(h.Pane().m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 11);
    EXPECT_EQ(info.nPage, 11u);
    EXPECT_FALSE(HasStyle(h.Pane().m_hWnd, WS_HSCROLL));
}

TEST(NewEditScrollBars, ResizingRecomputesTheViewAndTheBars)
{
    PaneHarness h(40, 10, WS_VSCROLL);
    h.SetText(Lines(8));
    EXPECT_FALSE(HasStyle(h.Pane().m_hWnd, WS_VSCROLL));
    const int width = 40 * h.CharWidth() + GetSystemMetrics(SM_CXVSCROLL);
    h.Pane().MoveWindow(0, 0, width, 6 * h.LineHeight(), TRUE);
    EXPECT_EQ(h.Pane().GetVisibleLines(), 6);
    ASSERT_TRUE(HasStyle(h.Pane().m_hWnd, WS_VSCROLL));
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(h.Pane().m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 8);
    EXPECT_EQ(info.nPage, 7u);
    h.Pane().SetTopLine(2);
    h.Pane().MoveWindow(0, 0, width, 10 * h.LineHeight(), TRUE);
    EXPECT_FALSE(HasStyle(h.Pane().m_hWnd, WS_VSCROLL));
    EXPECT_EQ(h.Pane().GetTopLine(), 0);  // everything fits again
}

TEST(NewEditScrollBars, GutterStyleNeverShowsABar)
{
    PaneHarness h(40, 10, 0);
    h.SetText(Lines(50, 100));
    EXPECT_FALSE(HasStyle(h.Pane().m_hWnd, WS_VSCROLL));
    EXPECT_FALSE(HasStyle(h.Pane().m_hWnd, WS_HSCROLL));
    h.Pane().ScrollBy(3, 2);
    EXPECT_EQ(h.Pane().GetTopLine(), 3);
    EXPECT_EQ(h.Pane().GetHorzPos(), 2);
}

TEST(NewEditScrollBars, HorizontalRangeFollowsTheLongestLineAndTheOwnersExtent)
{
    PaneHarness h(40, 10, WS_HSCROLL);
    h.SetText(Lines(3, 60));
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(h.Pane().m_hWnd, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 60);
    EXPECT_EQ(info.nPage, 41u);
    h.Pane().SetMaxLineLength(90);
    h.Pane().RecalcScrollBars();
    GetScrollInfo(h.Pane().m_hWnd, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 90);
}

TEST(NewEditScrollMessages, LineDownPassesTheLastPagePageDownStopsAtIt)
{
    PaneHarness h(40, 10, WS_VSCROLL);
    h.SetText(Lines(30));
    h.DropNotifications();
    const UINT vscroll = NewEditMessages::VScroll();

    h.Pane().SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(h.Pane().GetTopLine(), 10);
    h.Pane().SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    h.Pane().SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(h.Pane().GetTopLine(), 20);
    auto notices = h.Take(vscroll);
    ASSERT_EQ(notices.size(), 2u);  // the third page down changed nothing
    EXPECT_EQ(notices[1].wParam, reinterpret_cast<WPARAM>(h.Pane().m_hWnd));
    EXPECT_EQ(notices[1].lParam, 20);

    for (int i = 0; i < 15; ++i)
        h.Pane().SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(h.Pane().GetTopLine(), 30);  // an empty view: one past the last line
    EXPECT_EQ(h.Take(vscroll).size(), 10u);
    h.Pane().SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(h.Pane().GetTopLine(), 0);
    h.Pane().SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(h.Pane().GetTopLine(), 20);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(h.Pane().m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 20);
}

TEST(NewEditScrollMessages, HorizontalRequestsMoveByColumns)
{
    PaneHarness h(40, 10, WS_HSCROLL);
    h.SetText(Lines(3, 100));
    h.DropNotifications();
    h.Pane().SendMessage(WM_HSCROLL, SB_LINERIGHT);
    h.Pane().SendMessage(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(h.Pane().GetHorzPos(), 41);
    h.Pane().SendMessage(WM_HSCROLL, SB_RIGHT);
    EXPECT_EQ(h.Pane().GetHorzPos(), 60);
    auto notices = h.Take(NewEditMessages::HScroll());
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[2].lParam, 60);
    h.Pane().SendMessage(WM_HSCROLL, SB_LEFT);
    EXPECT_EQ(h.Pane().GetHorzPos(), 0);
}

TEST(NewEditScrollCalls, UnchangedPositionsPostNothing)
{
    PaneHarness h(40, 10, WS_VSCROLL | WS_HSCROLL);
    h.SetText(Lines(30, 100));
    h.Pane().ScrollBy(4, 7);
    h.DropNotifications();
    h.Pane().ScrollBy(0, 0);
    h.Pane().SetTopLine(4);
    h.Pane().SetHorzPos(7);
    h.Pane().SetTopLine(-3);
    h.Pane().SetTopLine(4);
    EXPECT_EQ(h.Take(NewEditMessages::HScroll()).size(), 0u);
    EXPECT_EQ(h.Take(NewEditMessages::VScroll()).size(), 2u);  // to 0 and back
    EXPECT_EQ(h.Pane().GetTopLine(), 4);
    h.Pane().SetTopLine(500);
    EXPECT_EQ(h.Pane().GetTopLine(), 30);
}

// The window's device context, released on every path.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetWindowDC(window)) {}
    ~WindowDc() { ::ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

SCROLLBARINFO BarInfo(HWND window, LONG object)
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(window, object, &info);
    return info;
}

// The pixels the window shows over one of its scroll bars.
std::vector<COLORREF> BarPixels(HWND window, LONG object)
{
    RECT bar = BarInfo(window, object).rcScrollBar;
    RECT frame{};
    GetWindowRect(window, &frame);
    OffsetRect(&bar, -frame.left, -frame.top);
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;
    PixelProbe probe(width, height);
    probe.Draw([&](HDC dc) {
        WindowDc source(window);
        BitBlt(dc, 0, 0, width, height, source, bar.left, bar.top, SRCCOPY);
    });
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.push_back(probe.At(x, y));
    }
    return pixels;
}

// A bar is drawn again only when its thumb moves; after every step of a walk
// through a long text the bar on screen is the one a whole new frame shows,
// and its position is the pane's.
TEST(NewEditScrollBars, TheBarShownIsAlwaysTheOneANewFrameShows)
{
    const struct {
        int bar;
        LONG object;
        void (CNewEdit::*set)(int);
    } bars[] = {
        {SB_VERT, OBJID_VSCROLL, &CNewEdit::SetTopLine},
        {SB_HORZ, OBJID_HSCROLL, &CNewEdit::SetHorzPos},
    };
    for (const auto& b : bars) {
        PaneHarness h(40, 10, WS_VSCROLL | WS_HSCROLL);
        h.SetText(Lines(3000, 3000));
        const HWND pane = h.Pane().m_hWnd;
        int moved = 0;
        int still = 0;
        for (int position = 5; position <= 600; position += 5) {
            const int thumb = BarInfo(pane, b.object).xyThumbTop;
            (h.Pane().*b.set)(position);
            PumpMessages();
            ++(BarInfo(pane, b.object).xyThumbTop != thumb ? moved : still);
            EXPECT_EQ(GetScrollPos(pane, b.bar), position);
            const std::vector<COLORREF> shown = BarPixels(pane, b.object);
            RedrawWindow(pane, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_TRUE(BarPixels(pane, b.object) == shown) << "bar " << b.bar << " at " << position;
        }
        // The walk takes both ways: steps that move the thumb and steps that do not.
        EXPECT_GT(moved, 0) << b.bar;
        EXPECT_GT(still, 0) << b.bar;
    }
}

TEST(NewEditScrollCalls, ScrollingMovesTheStoredCaretPoint)
{
    PaneHarness h(40, 10);
    h.SetText(Lines(30, 100));
    h.Pane().MoveCaretToPosition(h.Pane().GetLineStart(12) + 50, CaretFollow::None);
    const POINT before = h.Pane().GetCaretPoint();
    h.Pane().ScrollBy(3, 5);
    const POINT after = h.Pane().GetCaretPoint();
    EXPECT_EQ(after.y, before.y - 3 * h.LineHeight());
    EXPECT_EQ(after.x, before.x - 5 * h.CharWidth());
    EXPECT_EQ(h.CaretLine(), 12);
    EXPECT_EQ(h.CaretColumn(), 50);
}

TEST(NewEditCaretView, ColumnRightOfTheViewScrollsWithOrWithoutTheQuarterJump)
{
    PaneHarness h(40, 10);
    h.SetText(Lines(3, 100));
    h.Pane().MoveCaretToPosition(50, CaretFollow::QuarterJump);
    EXPECT_EQ(h.Pane().GetHorzPos(), 20);
    EXPECT_EQ(h.Pane().GetCaretPoint().x, 30 * h.CharWidth());  // a quarter of 40 left of the edge

    h.Pane().SetHorzPos(0);
    h.Pane().MoveCaretToPosition(0, CaretFollow::JustInView);
    h.Pane().MoveCaretToPosition(50, CaretFollow::JustInView);
    EXPECT_EQ(h.Pane().GetHorzPos(), 10);
    EXPECT_EQ(h.Pane().GetCaretPoint().x, 40 * h.CharWidth());  // at the right edge

    // Back to the left: the caret ends up a quarter jump inside the left edge.
    h.Pane().MoveCaretToPosition(2, CaretFollow::QuarterJump);
    EXPECT_EQ(h.Pane().GetHorzPos(), 0);
}

// Whether the caret shows at its point: the pixel under it changes within two
// blink periods while the messages that draw it are handled.
bool CaretBlinks(CNewEdit& pane)
{
    const POINT p = pane.GetCaretPoint();
    const int y = p.y + 2;
    const COLORREF first = PanePicture::OfWindow(pane).At(p.x, y);
    const DWORD until = GetTickCount() + 2 * GetCaretBlinkTime() + 200;
    while (GetTickCount() < until) {
        PumpMessages();
        if (PanePicture::OfWindow(pane).At(p.x, y) != first)
            return true;
        Sleep(20);
    }
    return false;
}

TEST(NewEditCaretView, ACaretScrolledOutOfViewShowsAgainWhereAClickPutsIt)
{
    PaneHarness h(40, 10);
    h.SetText(Lines(3, 100));
    h.Focus();
    h.Pane().MoveCaretToPosition(3, CaretFollow::JustInView);
    ASSERT_TRUE(CaretBlinks(h.Pane()));
    h.Pane().ScrollBy(0, 10);  // the caret's column leaves the view on the left
    ASSERT_LT(h.Pane().GetCaretPoint().x, 0);
    const int x = 5 * h.CharWidth();
    h.Mouse(WM_LBUTTONDOWN, x, h.LineHeight() + 2, MK_LBUTTON);
    h.Mouse(WM_LBUTTONUP, x, h.LineHeight() + 2);
    EXPECT_EQ(h.CaretColumn(), 15);
    EXPECT_TRUE(CaretBlinks(h.Pane()));
}

TEST(NewEditCaretView, LastFullyVisibleLineKeepsTheTopLine)
{
    PaneHarness h(40, 10);
    h.SetText(Lines(30));
    h.DropNotifications();
    h.Pane().MoveCaretToPosition(h.Pane().GetLineStart(9), CaretFollow::QuarterJump);
    EXPECT_EQ(h.Pane().GetTopLine(), 0);
    EXPECT_EQ(h.Take(NewEditMessages::VScroll()).size(), 0u);
    h.Pane().MoveCaretToPosition(h.Pane().GetLineStart(10), CaretFollow::QuarterJump);
    EXPECT_EQ(h.Pane().GetTopLine(), 1);
    h.Pane().MoveCaretToPosition(h.Pane().GetLineStart(0), CaretFollow::QuarterJump);
    EXPECT_EQ(h.Pane().GetTopLine(), 0);
}

TEST(NewEditNotifications, CaretMovesCarryLineAndColumnAndSameSpotPostsNothing)
{
    PaneHarness h(40, 10);
    h.SetText("abc\n\txyz\nend");
    h.DropNotifications();
    const UINT caretMove = NewEditMessages::CaretMove();
    h.Pane().SetCaretLineColumn(1, 2);  // after the tab and the x
    auto notices = h.Take(caretMove);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].wParam, 1u);
    EXPECT_EQ(notices[0].lParam, 2);
    EXPECT_FALSE(h.Pane().SetCaretLineColumn(1, 2));
    EXPECT_EQ(h.Take(caretMove).size(), 0u);
}

TEST(NewEditNotifications, FocusIsAnnouncedOnlyByAPaneWithText)
{
    PaneHarness h(40, 10);
    const UINT setFocus = NewEditMessages::SetFocus();
    h.Focus();
    EXPECT_EQ(h.Take(setFocus).size(), 0u);
    h.Unfocus();
    h.SetText("text");
    h.Focus();
    auto notices = h.Take(setFocus);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].wParam, reinterpret_cast<WPARAM>(h.Pane().m_hWnd));
    EXPECT_EQ(notices[0].lParam, 0);
}

TEST(NewEditNotifications, FocusReturningPutsTheCaretBack)
{
    PaneHarness h(40, 10);
    h.SetText("abc\ndef\nghi");
    h.Focus();
    h.Pane().SetCaretLineColumn(2, 1);
    h.Unfocus();
    EXPECT_EQ(h.CaretLine(), 2);
    h.Focus();
    POINT system{};
    GetCaretPos(&system);
    EXPECT_EQ(system.x, h.Pane().GetCaretPoint().x);
    EXPECT_EQ(system.y, 2 * h.LineHeight());
    EXPECT_EQ(h.CaretColumn(), 1);
}

}  // namespace

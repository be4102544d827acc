// Tests of the splitter, its frame and the forwarding of pane notifications, in real windows.
#include "TestWindows.h"

#include "pane/NewEditMessages.h"
#include "shell/CTandrelDialogFrame.h"
#include "shell/MainLayout.h"
#include "shell/SplitterDragListener.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Stands in for the main dialog: owns the frame and hears about drags.
class DragHost : public HostWindow, public SplitterDragListener {
public:
    DragHost()
    {
        frame.Create(m_hWnd);
        CMySplitterWnd& splitter = frame.Splitter();
        splitter.SetDragListener(this);
        for (int col = 0; col < 2; ++col) {
            cells[col] = ::CreateWindowExA(
                0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, splitter.m_hWnd,
                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(CSplitterWnd::IdFromRowCol(0, col))), nullptr, nullptr);
        }
        frame.MoveWindow(10, 85, 600, 300);
    }

    void OnSplitterDragEnded(int column0Width, int column1Width) override
    {
        drags.push_back({column0Width, column1Width});
    }

    CTandrelDialogFrame frame;
    HWND cells[2] = {};
    std::vector<std::pair<int, int>> drags;
};

int Column(CSplitterWnd& splitter, int col)
{
    int width = 0, minimum = 0;
    splitter.GetColumnInfo(col, width, minimum);
    return width;
}

LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

TEST(Splitter, CellsFollowTheColumnWidths)
{
    DragHost host;
    CMySplitterWnd& splitter = host.frame.Splitter();
    // A 600 by 300 splitter: borders 3 wide, a bar 8 wide.
    splitter.SetColumnInfo(0, 200, 0);
    splitter.RecalcLayout();
    EXPECT_EQ(Column(splitter, 0), 200);
    EXPECT_EQ(Column(splitter, 1), 386);
    const RECT left = ChildRect(host.cells[0]);
    const RECT right = ChildRect(host.cells[1]);
    EXPECT_EQ(left.left, 3);
    EXPECT_EQ(left.right, 203);
    EXPECT_EQ(right.left, 211);
    EXPECT_EQ(right.right, 597);
    EXPECT_EQ(left.top, 3);
    EXPECT_EQ(left.bottom, 297);
    EXPECT_EQ(splitter.HitTest({204, 50}), CSplitterWnd::SplitterBar);
    EXPECT_EQ(splitter.HitTest({202, 50}), CSplitterWnd::NoHit);
    EXPECT_EQ(splitter.HitTest({1, 50}), CSplitterWnd::SplitterBorder);
    EXPECT_EQ(splitter.HitTest({599, 50}), CSplitterWnd::SplitterBorder);
    EXPECT_EQ(splitter.HitTest({700, 50}), CSplitterWnd::NoHit);
}

TEST(Splitter, ColumnsBelowTheirMinimumCollapse)
{
    DragHost host;
    CMySplitterWnd& splitter = host.frame.Splitter();
    splitter.SetColumnInfo(0, 40, 50);
    splitter.RecalcLayout();
    EXPECT_EQ(Column(splitter, 0), 0);
    splitter.SetColumnInfo(0, 5000, 0);  // more than there is: the last column gets nothing
    splitter.RecalcLayout();
    EXPECT_EQ(Column(splitter, 1), 0);
    EXPECT_EQ(Column(splitter, 0), 586);
}

TEST(Splitter, DraggingTheBarMovesItAndTellsTheMainWindow)
{
    DragHost host;
    CMySplitterWnd& splitter = host.frame.Splitter();
    splitter.SetColumnInfo(0, 300, 0);
    splitter.RecalcLayout();
    const int barX = splitter.BarRect(0).left + 2;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(barX, 100));
    EXPECT_TRUE(splitter.IsTracking());
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(barX - 100, 100));
    EXPECT_EQ(Column(splitter, 0), 200);
    splitter.SendMessage(WM_LBUTTONUP, 0, Point(barX - 120, 100));
    EXPECT_FALSE(splitter.IsTracking());
    EXPECT_EQ(Column(splitter, 0), 180);
    ASSERT_EQ(host.drags.size(), 1u);
    EXPECT_EQ(host.drags[0].first, 180);
    EXPECT_EQ(host.drags[0].second, Column(splitter, 1));
}

TEST(Splitter, DragToTheLeftEdgeLeavesTheRightFileAlone)
{
    DragHost host;
    CMySplitterWnd& splitter = host.frame.Splitter();
    splitter.SetColumnInfo(0, 300, 0);
    splitter.RecalcLayout();
    const int barX = splitter.BarRect(0).left + 1;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(barX, 100));
    splitter.SendMessage(WM_LBUTTONUP, 0, Point(-50, 100));  // released outside the splitter
    ASSERT_EQ(host.drags.size(), 1u);
    EXPECT_EQ(host.drags[0].first, 0);
    EXPECT_EQ(ViewAfterDrag(host.drags[0].first, host.drags[0].second, ::GetSystemMetrics(SM_CXVSCROLL)),
              PaneView::RightOnly);
}

TEST(Splitter, AClickOffTheBarIsNoDrag)
{
    DragHost host;
    CMySplitterWnd& splitter = host.frame.Splitter();
    splitter.SetColumnInfo(0, 300, 0);
    splitter.RecalcLayout();
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(100, 100));
    EXPECT_FALSE(splitter.IsTracking());
    splitter.SendMessage(WM_LBUTTONUP, 0, Point(100, 100));
    EXPECT_TRUE(host.drags.empty());
    EXPECT_EQ(Column(splitter, 0), 300);
}

TEST(Splitter, FrameResizeKeepsTheColumnsInProportion)
{
    DragHost host;
    CMySplitterWnd& splitter = host.frame.Splitter();
    const int fixed = splitter.GetGapWidth() + 2 * splitter.GetBorderWidth();
    splitter.SetColumnInfo(0, (600 - fixed) / 4, 0);
    splitter.RecalcLayout();
    host.frame.MoveWindow(10, 85, 1000, 300);
    const int c0 = Column(splitter, 0);
    const int c1 = Column(splitter, 1);
    EXPECT_EQ(c0 + c1 + fixed, 1000);
    EXPECT_NEAR(static_cast<double>(c1) / c0, 3.0, 0.05);
    host.frame.MoveWindow(10, 85, 300, 300);
    EXPECT_NEAR(static_cast<double>(Column(splitter, 1)) / Column(splitter, 0), 3.0, 0.1);
}

TEST(Splitter, PaneNotificationsReachTheMainWindowUnchanged)
{
    DragHost host;
    const UINT messages[] = {NewEditMessages::CaretMove(), NewEditMessages::VScroll(), NewEditMessages::HScroll(),
                             NewEditMessages::SetFocus()};
    for (UINT m : messages)
        host.frame.Splitter().PostMessage(m, reinterpret_cast<WPARAM>(host.cells[1]), 4242);
    host.frame.Splitter().PostMessage(WM_USER + 77, 1, 2);  // not a pane notification: stays put
    PumpMessages();
    ASSERT_EQ(host.received.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(host.received[i].message, messages[i]);
        EXPECT_EQ(host.received[i].wParam, reinterpret_cast<WPARAM>(host.cells[1]));
        EXPECT_EQ(host.received[i].lParam, 4242);
    }
}

}  // namespace

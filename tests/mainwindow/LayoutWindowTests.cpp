// Tests of the real main window's layout: views, splitter drags, resizing, line numbers, toolbar and the modal cycle.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "framework/ClientDC.h"
#include "framework/ObjectSelection.h"
#include "resources/resource.h"

#include <cstdlib>

namespace {

class LayoutWindow : public MainWindowFixture {
protected:
    CTandrelDialog& OpenPair()
    {
        return Open(WriteFile("left.txt", NumberedLines("line", 1, 100)),
                    WriteFile("right.txt", "extra\n" + NumberedLines("line", 1, 100)));
    }

    static int Column(CTandrelDialog& d, int col)
    {
        int width = 0, minimum = 0;
        Frame(d).Splitter().GetColumnInfo(col, width, minimum);
        return width;
    }

    static RECT ScreenRect(CWnd& window)
    {
        RECT r{};
        window.GetWindowRect(&r);
        return r;
    }
};

TEST_F(LayoutWindow, AFreshWindowSplitsEquallyAndKeepsItWhenResized)
{
    CTandrelDialog& d = OpenPair();
    EXPECT_LE(std::abs(Column(d, 0) - Column(d, 1)), 1);
    d.MoveWindow(0, 0, 1000, 650);
    PumpMessages();
    EXPECT_LE(std::abs(Column(d, 0) - Column(d, 1)), 1);
    // The labels sit above their panes.
    const RECT leftLabel = ScreenRect(LeftLabel(d));
    const RECT leftGutter = ScreenRect(LeftGutter(d));
    EXPECT_EQ(leftLabel.left, leftGutter.left);
    EXPECT_EQ(leftLabel.bottom, leftGutter.top - 3);
    EXPECT_EQ(leftLabel.top, leftGutter.top - 21);
}

TEST_F(LayoutWindow, AfterTheUserActsResizingKeepsTheProportion)
{
    CTandrelDialog& d = OpenPair();
    PreTranslate(d, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    CMySplitterWnd& splitter = Frame(d).Splitter();
    int current = 0, minimum = 0;
    splitter.GetColumnInfo(0, current, minimum);
    splitter.SetColumnInfo(0, (Column(d, 0) + Column(d, 1)) / 3, minimum);
    splitter.RecalcLayout();
    const double before = static_cast<double>(Column(d, 1)) / Column(d, 0);
    d.MoveWindow(0, 0, 1100, 600);
    PumpMessages();
    EXPECT_NEAR(static_cast<double>(Column(d, 1)) / Column(d, 0), before, 0.05);
}

TEST_F(LayoutWindow, ShowRightFileGivesTheRightPaneTheWholeWidth)
{
    CTandrelDialog& d = OpenPair();
    LeftTextPane(d).ScrollBy(30 - LeftTextPane(d).GetTopLine(), 0);
    PumpMessages();
    Command(d, ID_SHOW_RIGHT_FILE);
    PumpMessages();
    EXPECT_TRUE(ShownView(d) == PaneView::RightOnly);
    EXPECT_FALSE(LeftTextPane(d).IsWindowVisible());
    EXPECT_FALSE(LeftLabel(d).IsWindowVisible());
    EXPECT_FALSE(LeftGutter(d).IsWindowVisible());
    EXPECT_TRUE(RightGutter(d).IsWindowVisible());
    const RECT splitter = ScreenRect(Frame(d).Splitter());
    const RECT gutter = ScreenRect(RightGutter(d));
    const RECT text = ScreenRect(RightTextPane(d));
    EXPECT_EQ(gutter.left, splitter.left + Frame(d).Splitter().GetBorderWidth());
    EXPECT_EQ(text.left, gutter.right);
    EXPECT_EQ(text.right, splitter.right);
    EXPECT_EQ(RightTextPane(d).GetTopLine(), 30);  // the shown pane took the hidden one's place
    EXPECT_FALSE(Toolbar(d).IsButtonEnabled(ID_SHOW_RIGHT_FILE));
    EXPECT_TRUE(Toolbar(d).IsButtonEnabled(ID_SHOW_LEFT_FILE));
    EXPECT_TRUE(Toolbar(d).IsButtonEnabled(ID_SHOW_BOTH_FILES));
    // The highlighted label is the right one.
    EXPECT_EQ(RightLabel(d).BackColour(), ::GetSysColor(COLOR_HIGHLIGHT));

    Command(d, ID_SHOW_BOTH_FILES);
    PumpMessages();
    EXPECT_FALSE(ShownView(d) == PaneView::RightOnly);
    EXPECT_TRUE(LeftTextPane(d).IsWindowVisible());
    EXPECT_LE(std::abs(Column(d, 0) - Column(d, 1)), 1);
    EXPECT_FALSE(Toolbar(d).IsButtonEnabled(ID_SHOW_BOTH_FILES));
}

TEST_F(LayoutWindow, ShowLeftFileHidesTheRightSide)
{
    CTandrelDialog& d = OpenPair();
    Command(d, ID_SHOW_LEFT_FILE);
    PumpMessages();
    EXPECT_TRUE(ShownView(d) == PaneView::LeftOnly);
    EXPECT_FALSE(RightTextPane(d).IsWindowVisible());
    EXPECT_FALSE(RightLabel(d).IsWindowVisible());
    EXPECT_EQ(ScreenRect(LeftTextPane(d)).right, ScreenRect(Frame(d).Splitter()).right);
    EXPECT_FALSE(Toolbar(d).IsButtonEnabled(ID_SHOW_LEFT_FILE));
    EXPECT_EQ(LeftLabel(d).BackColour(), ::GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(LayoutWindow, DraggingTheBarToAnEdgeShowsOneFile)
{
    CTandrelDialog& d = OpenPair();
    CMySplitterWnd& splitter = Frame(d).Splitter();
    const RECT bar = splitter.BarRect(0);
    const LPARAM onBar = MAKELPARAM(bar.right - 1, 50);
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, onBar);
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 50));  // on the splitter's left edge
    PumpMessages();
    EXPECT_TRUE(ShownView(d) == PaneView::RightOnly);
    EXPECT_FALSE(LeftTextPane(d).IsWindowVisible());
    EXPECT_FALSE(Toolbar(d).IsButtonEnabled(ID_SHOW_RIGHT_FILE));

    Command(d, ID_SHOW_BOTH_FILES);
    PumpMessages();
    RECT client{};
    splitter.GetClientRect(&client);
    const RECT again = splitter.BarRect(0);
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(again.right - 1, 50));
    EXPECT_TRUE(splitter.IsTracking());
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.right + 40, 50));
    PumpMessages();
    EXPECT_TRUE(ShownView(d) == PaneView::LeftOnly);
    EXPECT_FALSE(RightTextPane(d).IsWindowVisible());
}

TEST_F(LayoutWindow, AWindowThatOpensOnOneFileTakesKeysAndKeepsADraggedSplit)
{
    std::string right = NumberedLines("line", 1, 60);
    right.replace(right.find("line10\n"), 7, "ten\n");
    right.replace(right.find("line40\n"), 7, "forty\n");
    BOOL keyTaken = FALSE;
    int diffAfterKey = -1;
    bool rightOnlyAfterRestart = false;
    PaneView viewAfterDrag = PaneView::RightOnly;
    int column0 = -1, column1 = -1, dragTarget = -1;
    std::vector<Step> steps = {
        {false,
         [&](CTandrelDialog& d) {
             Command(d, ID_SHOW_RIGHT_FILE);
             Command(d, ID_RECOMPARE);
         }},
        {true,
         [&](CTandrelDialog& d) {
             rightOnlyAfterRestart = ShownView(d) == PaneView::RightOnly;
             BYTE keys[256] = {};
             ::GetKeyboardState(keys);
             keys[VK_CONTROL] = 0x80;
             ::SetKeyboardState(keys);
             keyTaken = PreTranslate(d, WM_KEYDOWN, 'N', 0, RightTextPane(d).m_hWnd);
             keys[VK_CONTROL] = 0;
             ::SetKeyboardState(keys);
             PumpMessages();
             diffAfterKey = CurrentDifference(d);
             // The bar, pulled from the left edge to a third, stays there.
             CMySplitterWnd& splitter = Frame(d).Splitter();
             RECT client{};
             splitter.GetClientRect(&client);
             dragTarget = client.right / 3;
             const RECT bar = splitter.BarRect(0);
             const LPARAM onBar = MAKELPARAM(bar.right - 1, 50);
             // As the modal loop delivers them: the window's own pre-translation first.
             if (!PreTranslate(d, WM_LBUTTONDOWN, MK_LBUTTON, onBar, splitter.m_hWnd))
                 splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, onBar);
             const LPARAM released = MAKELPARAM(dragTarget, 50);
             if (!PreTranslate(d, WM_LBUTTONUP, 0, released, splitter.m_hWnd))
                 splitter.SendMessage(WM_LBUTTONUP, 0, released);
             PumpMessages();
             column0 = Column(d, 0);
             column1 = Column(d, 1);
             viewAfterDrag = ShownView(d);
             Command(d, ID_EXIT);
         }},
    };
    RunModal(WriteFile("left.txt", NumberedLines("line", 1, 60)), WriteFile("right.txt", right), std::move(steps));
    EXPECT_TRUE(rightOnlyAfterRestart);
    EXPECT_TRUE(keyTaken);
    EXPECT_EQ(diffAfterKey, 1);
    EXPECT_FALSE(viewAfterDrag == PaneView::RightOnly);
    EXPECT_GT(column1, column0 + column0 / 2) << "the split snapped back to equal columns";
    EXPECT_LE(std::abs(column0 - dragTarget), 10);
}

TEST_F(LayoutWindow, AStoredPlacementNoOneCanUseOpensWhereAFirstStartWould)
{
    const int beyond = ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN) + 100;
    struct Case {
        RECT stored;  // left, top, width, height
        RECT opened;
    };
    const RECT first{50, 50, 600, 500};
    const Case cases[] = {
        {{beyond, 50, 600, 500}, first},  // off every monitor
        {{50, -5000, 600, 500}, first},
        {{-32000, -32000, 160, 28}, first},  // a minimised window's rectangle
        {{50, 50, -100, 500}, first},  // too small to use
        {{50, 50, 600, 30}, first},
        {{2147483000, 0, 600, 500}, first},  // its far edge beyond any int
        {{30, 40, 700, 550}, {30, 40, 700, 550}},  // a usable one is kept
        {{-200, 10, 600, 500}, {-200, 10, 600, 500}},
    };
    for (const Case& c : cases) {
        settings.windowX = c.stored.left;
        settings.windowY = c.stored.top;
        settings.windowCX = c.stored.right;
        settings.windowCY = c.stored.bottom;
        CTandrelDialog& d = OpenPair();
        const RECT r = ScreenRect(d);
        EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  (std::vector<LONG>{c.opened.left, c.opened.top, c.opened.right, c.opened.bottom}))
            << "stored " << c.stored.left << ", " << c.stored.top << ", " << c.stored.right << ", " << c.stored.bottom;
        Close();
    }
}

TEST_F(LayoutWindow, ClosingMinimisedOrMaximisedStoresTheRestoredPlacement)
{
    for (int show : {SW_MINIMIZE, SW_MAXIMIZE}) {
        CTandrelDialog& d = OpenPair();
        d.MoveWindow(33, 44, 640, 480);
        d.ShowWindow(show);
        PumpMessages();
        Close();
        EXPECT_EQ((std::vector<int>{settings.windowX, settings.windowY, settings.windowCX, settings.windowCY}),
                  (std::vector<int>{33, 44, 640, 480}))
            << (show == SW_MINIMIZE ? "minimised" : "maximised");
    }
}

TEST_F(LayoutWindow, WithoutLineNumbersTheTextStartsAtTheCellEdge)
{
    settings.showLineNumbers = 0;
    CTandrelDialog& d = OpenPair();
    EXPECT_FALSE(LeftGutter(d).IsWindowVisible());
    EXPECT_FALSE(RightGutter(d).IsWindowVisible());
    RECT cell = Frame(d).Splitter().CellRect(0);
    ::MapWindowPoints(Frame(d).Splitter().m_hWnd, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    EXPECT_EQ(ScreenRect(LeftTextPane(d)).left, cell.left);
}

TEST_F(LayoutWindow, AMinimisedWindowMovesTheListOutOfTheWayAndBringsItBack)
{
    CTandrelDialog& d = OpenPair();
    auto listWidth = [&] {
        RECT r{};
        DiffList(d).GetWindowRect(&r);
        return r.right - r.left;
    };
    ASSERT_GT(listWidth(), 100);
    d.ShowWindow(SW_MINIMIZE);
    PumpMessages();
    EXPECT_EQ(listWidth(), 0);
    d.ShowWindow(SW_RESTORE);
    PumpMessages();
    RECT client{};
    d.GetClientRect(&client);
    EXPECT_EQ(listWidth(), client.right - 15);  // from 10 to the right edge less 5
}

TEST_F(LayoutWindow, StatusBarPartsAndLegend)
{
    CTandrelDialog& d = OpenPair();
    const std::vector<int> parts = StatusBar(d).GetParts();
    ASSERT_EQ(parts.size(), 5u);
    EXPECT_EQ(parts[4], -1);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_GT(parts[i], parts[i - 1]);
    RECT client{};
    d.GetClientRect(&client);
    EXPECT_LT(parts[3], client.right);
    EXPECT_EQ(StatusText(0), "1 difference found");
    // The caret part holds the largest line and column a pane can show.
    ClientDC dc(d.m_hWnd);
    ObjectSelection font(dc, reinterpret_cast<HFONT>(d.SendMessage(WM_GETFONT)));
    const std::string largest = "Ln 2147483647, Col 2147483647";
    SIZE size{};
    GetTextExtentPoint32A(dc, largest.c_str(), static_cast<int>(largest.size()), &size);
    EXPECT_GE(parts[1] - parts[0], size.cx);
}

TEST_F(LayoutWindow, ReCompareKeepsTheTopLineAndClampsTheCurrentDifference)
{
    const std::string leftPath = WriteFile("left.txt", NumberedLines("line", 1, 300));
    const std::string rightPath =
        WriteFile("right.txt", NumberedLinesExcept("line", 1, 300, {50, 150, 250}, "changed"));
    int topAfter = -1, diffAfter = -1;
    int hunksAfter = 0;
    std::vector<Step> steps = {
        {false,
         [&](CTandrelDialog& d) {
             Command(d, ID_NEXT_DIFFERENCE);
             Command(d, ID_NEXT_DIFFERENCE);
             LeftTextPane(d).ScrollBy(120 - LeftTextPane(d).GetTopLine(), 0);
             // Fewer differences next time: only line 50 still differs.
             WriteFile("right.txt", NumberedLines("line", 1, 49) + "changed50\n"
                                        + NumberedLines("line", 1, 300).substr(NumberedLines("line", 1, 50).size()));
             Command(d, ID_RECOMPARE);
         }},
        {true,
         [&](CTandrelDialog& d) {
             topAfter = LeftTextPane(d).GetTopLine();
             diffAfter = CurrentDifference(d);
             hunksAfter = DifferenceCount(d);
             Command(d, ID_EXIT);
         }},
    };
    RunModal(leftPath, rightPath, std::move(steps));
    EXPECT_EQ(hunksAfter, 1);
    EXPECT_EQ(topAfter, 120);
    EXPECT_EQ(diffAfter, 0);
}

TEST_F(LayoutWindow, AutoStepWalksEveryDifferenceThenEndsAndThePlacementIsKept)
{
    std::string right = NumberedLines("line", 1, 40);
    right.replace(right.find("line10\n"), 7, "ten\n");
    right.replace(right.find("line30\n"), 7, "thirty\n");
    int moves = 0;
    int lastShownDiff = -1;
    std::vector<Step> steps = {{false, [&](CTandrelDialog& d) {
                                    ++moves;
                                    d.MoveWindow(33, 44, 640, 480);
                                }}};
    const INT_PTR result =
        RunModal(WriteFile("left.txt", NumberedLines("line", 1, 40)), WriteFile("right.txt", right), std::move(steps),
                 1, [&](CTandrelDialog& d) { lastShownDiff = CurrentDifference(d); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(lastShownDiff, 1);  // the last of the two differences
    EXPECT_EQ(windowsShown, 1);
    EXPECT_EQ(settings.windowX, 33);
    EXPECT_EQ(settings.windowY, 44);
    EXPECT_EQ(settings.windowCX, 640);
    EXPECT_EQ(settings.windowCY, 480);
}

}  // namespace

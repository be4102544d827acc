// Tests of navigation in the real main window: steps, list choices, synchronised scrolling, caret status, search.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "resources/resource.h"

#include <cstdlib>

namespace {

class NavigationWindow : public MainWindowFixture {
protected:
    // 300 lines; lines 50, 150 and 250 changed on the right.
    CTandrelDialog& OpenThreeChanges()
    {
        return Open(WriteFile("left.txt", NumberedLines("line", 1, 300)),
                    WriteFile("right.txt", NumberedLinesExcept("line", 1, 300, {50, 150, 250}, "changed")));
    }

    // The row sits in the middle of the visible rows of the pane.
    static void ExpectCentred(CNewEdit& pane, int row)
    {
        const int middle = pane.GetTopLine() + pane.GetVisibleLines() / 2;
        EXPECT_LE(std::abs(middle - row), 1)
            << "top " << pane.GetTopLine() << ", visible " << pane.GetVisibleLines() << ", row " << row;
    }

    static void ExpectAllTopLines(CTandrelDialog& d, int top)
    {
        EXPECT_EQ(LeftTextPane(d).GetTopLine(), top);
        EXPECT_EQ(LeftGutter(d).GetTopLine(), top);
        EXPECT_EQ(RightTextPane(d).GetTopLine(), top);
        EXPECT_EQ(RightGutter(d).GetTopLine(), top);
    }
};

TEST_F(NavigationWindow, OpensCentredOnTheFirstDifference)
{
    CTandrelDialog& d = OpenThreeChanges();
    ASSERT_EQ(DifferenceCount(d), 3);
    EXPECT_EQ(CurrentDifference(d), 0);
    ExpectCentred(LeftTextPane(d), 49);
    ExpectAllTopLines(d, LeftTextPane(d).GetTopLine());
}

TEST_F(NavigationWindow, NextAndPreviousStopAtTheEndsAndSelectTheEntry)
{
    CTandrelDialog& d = OpenThreeChanges();
    EXPECT_FALSE(Toolbar(d).IsButtonEnabled(ID_PREVIOUS_DIFFERENCE));
    EXPECT_TRUE(Toolbar(d).IsButtonEnabled(ID_NEXT_DIFFERENCE));
    const int expected[] = {1, 2, 2};
    for (int current : expected) {
        Command(d, ID_NEXT_DIFFERENCE);
        PumpMessages();
        EXPECT_EQ(CurrentDifference(d), current);
        EXPECT_EQ(DiffList(d).GetCurSel(), current);
    }
    ExpectCentred(LeftTextPane(d), 249);
    ExpectAllTopLines(d, LeftTextPane(d).GetTopLine());
    EXPECT_FALSE(Toolbar(d).IsButtonEnabled(ID_NEXT_DIFFERENCE));
    EXPECT_TRUE(Toolbar(d).IsButtonEnabled(ID_PREVIOUS_DIFFERENCE));
    const int back[] = {1, 0, 0};
    for (int current : back) {
        Command(d, ID_PREVIOUS_DIFFERENCE);
        PumpMessages();
        EXPECT_EQ(CurrentDifference(d), current);
        EXPECT_EQ(DiffList(d).GetCurSel(), current);
    }
}

TEST_F(NavigationWindow, AListChoiceBecomesCurrentAndIsCentredAgainWhenChosenAgain)
{
    CTandrelDialog& d = OpenThreeChanges();
    auto choose = [&](int entry) {
        DiffList(d).SetCurSel(entry);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DIFF_LIST, CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(DiffList(d).m_hWnd));
        PumpMessages();
    };
    choose(1);
    EXPECT_EQ(CurrentDifference(d), 1);
    ExpectCentred(LeftTextPane(d), 149);
    LeftTextPane(d).ScrollBy(-80, 0);
    PumpMessages();
    choose(1);
    ExpectCentred(LeftTextPane(d), 149);
    ExpectAllTopLines(d, LeftTextPane(d).GetTopLine());
    Command(d, ID_CURRENT_DIFFERENCE);
}

TEST_F(NavigationWindow, AnAdditionIsCentredOnTheRightFilesRows)
{
    std::string right = NumberedLines("line", 1, 200);
    right.insert(right.find("line120\n"), "new1\nnew2\n");
    CTandrelDialog& d = Open(WriteFile("left.txt", NumberedLines("line", 1, 200)), WriteFile("right.txt", right));
    ASSERT_EQ(DifferenceCount(d), 1);
    // new1 takes row 119, facing a filler row on the left: no text and no line number.
    ExpectCentred(LeftTextPane(d), 119);
    std::string text;
    RightTextPane(d).GetLineText(119, text);
    EXPECT_EQ(text, "new1");
    LeftTextPane(d).GetLineText(119, text);
    EXPECT_EQ(text, "");
    LeftGutter(d).GetLineText(119, text);
    EXPECT_EQ(text, "");
}

TEST_F(NavigationWindow, EitherTextPaneLeadsTheOthersButGuttersNever)
{
    CTandrelDialog& d = OpenThreeChanges();
    LeftTextPane(d).ScrollBy(-LeftTextPane(d).GetTopLine() + 10, 0);
    PumpMessages();
    ExpectAllTopLines(d, 10);
    RightTextPane(d).ScrollBy(25, 0);
    PumpMessages();
    ExpectAllTopLines(d, 35);
    LeftGutter(d).ScrollBy(7, 0);
    PumpMessages();
    EXPECT_EQ(LeftTextPane(d).GetTopLine(), 35);
    EXPECT_EQ(RightTextPane(d).GetTopLine(), 35);
}

TEST_F(NavigationWindow, MovesMadeBeforeTheirNotificationsArriveSettleWhereTheLeaderIs)
{
    CTandrelDialog& d = OpenThreeChanges();
    PumpMessages();
    const int start = LeftTextPane(d).GetTopLine();
    // Two moves before the window hears of the first: each notification names an old place.
    LeftTextPane(d).ScrollBy(10, 0);
    LeftTextPane(d).ScrollBy(10, 0);
    int dispatched = 0;
    MSG msg;
    for (; dispatched < 1000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++dispatched)
        ::DispatchMessageA(&msg);
    EXPECT_LT(dispatched, 1000) << "the panes keep scrolling each other";
    ExpectAllTopLines(d, start + 20);
}

TEST_F(NavigationWindow, SidewaysFollowsOnlyAfterTheUserTouchedTheWindow)
{
    const std::string longLine = std::string(300, 'x') + "\n";
    // A click or a key, even a key no command takes, is a touch.
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } touches[] = {
        {"a click", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
        {"a swallowed key", WM_KEYDOWN, '5', 0},
    };
    for (const auto& touch : touches) {
        SCOPED_TRACE(touch.name);
        CTandrelDialog& d = Open(WriteFile("left.txt", longLine + "a\n"), WriteFile("right.txt", longLine + "b\n"));
        LeftTextPane(d).ScrollBy(0, 12);
        PumpMessages();
        EXPECT_EQ(LeftTextPane(d).GetHorzPos(), 12);
        EXPECT_EQ(RightTextPane(d).GetHorzPos(), 0);
        PreTranslate(d, touch.message, touch.wParam, touch.lParam);
        LeftTextPane(d).ScrollBy(0, 8);
        PumpMessages();
        EXPECT_EQ(RightTextPane(d).GetHorzPos(), 20);
        EXPECT_EQ(LeftGutter(d).GetHorzPos(), 0);
    }
}

TEST_F(NavigationWindow, CaretStatusShowsTheFilesLineAndNothingOnAFillerRow)
{
    CTandrelDialog& d = Open(WriteFile("left.txt", "a\nb\nc\n"), WriteFile("right.txt", "a\nc\n"));
    // The status follows the pane with the keyboard focus; other test programs
    // on the same desktop may take it, so each step takes it back first.
    auto caretAt = [&](int line, int column) {
        ::SetForegroundWindow(d.m_hWnd);
        RightTextPane(d).SetFocus();
        PumpMessages();
        RightTextPane(d).SetCaretLineColumn(line, column);
        PumpMessages();
        return StatusText(1);
    };
    EXPECT_EQ(caretAt(0, 0), "Ln 1, Col 1");
    EXPECT_EQ(caretAt(2, 1), "Ln 2, Col 2");  // display row 2 is the file's line 2
    EXPECT_EQ(caretAt(1, 0), "");  // the filler row facing the deleted b
}

TEST_F(NavigationWindow, CaretStatusAndTheSharedExtentCountCharacters)
{
    // "Жук café" and "Жук" on the left, one line of 8 characters in 11 bytes on the right.
    CTandrelDialog& d = Open(WriteFile("left.txt", "\xD0\x96\xD1\x83\xD0\xBA caf\xC3\xA9\n\xD0\x96\xD1\x83\xD0\xBA\n"),
                             WriteFile("right.txt", "\xD0\x96\xD1\x83\xD0\xBA caf\xC3\xA9\n"));
    EXPECT_EQ(LeftTextPane(d).MaxLineLength(), 8);
    EXPECT_EQ(RightTextPane(d).MaxLineLength(), 8);
    struct Step {
        UINT key;
        const char* status;
    };
    const Step steps[] = {{VK_HOME, "Ln 1, Col 1"},
                          {VK_END, "Ln 1, Col 9"},
                          {VK_LEFT, "Ln 1, Col 8"},
                          {VK_DOWN, "Ln 2, Col 4"},
                          {VK_RIGHT, "Ln 2, Col 4"}};
    for (const Step& step : steps) {
        ::SetForegroundWindow(d.m_hWnd);
        LeftTextPane(d).SetFocus();
        PumpMessages();
        LeftTextPane(d).SendMessage(WM_KEYDOWN, step.key, 0);
        PumpMessages();
        EXPECT_EQ(StatusText(1), step.status) << step.status;
    }
}

TEST_F(NavigationWindow, FindNextNeedsASearchTextAndSaysWhenNothingIsFound)
{
    CTandrelDialog& d = OpenThreeChanges();
    Command(d, ID_FIND_NEXT);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No search string defined!"});

    app.WriteProfileString("Recent Find Strings", "String 0", "changed150");
    CTandrelDialog& again = OpenThreeChanges();
    messages.shown.clear();
    RightTextPane(again).SetFocus();
    PumpMessages();
    Command(again, ID_FIND_NEXT);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(RightTextPane(again).GetSelectedText(), "changed150");
    app.WriteProfileString("Recent Find Strings", "String 0", "nowhere");
    CTandrelDialog& third = OpenThreeChanges();
    messages.shown.clear();
    Command(third, ID_FIND_PREVIOUS);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Search string not found!"});
}

TEST_F(NavigationWindow, KeysGoThroughTheAcceleratorsAlone)
{
    CTandrelDialog& d = OpenThreeChanges();
    // The digit is swallowed: consumed, and nothing moves.
    EXPECT_TRUE(PreTranslate(d, WM_KEYDOWN, '5', 0));
    EXPECT_EQ(CurrentDifference(d), 0);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(PreTranslate(d, WM_KEYDOWN, 'N', 0));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    PumpMessages();
    EXPECT_EQ(CurrentDifference(d), 1);
    // A key no accelerator knows goes on to the pane.
    EXPECT_FALSE(PreTranslate(d, WM_KEYDOWN, VK_DOWN, 0));
}

TEST_F(NavigationWindow, TheMarkerPointsAtTheCurrentDifference)
{
    CTandrelDialog& d = OpenThreeChanges();
    d.UpdateWindow();
    ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const POINT marker = MarkerTip(d);
    ASSERT_GE(marker.x, 0) << "no marker shows";
    // The marker's tip is level with the middle of the current difference's row in the left pane.
    POINT row = LeftTextPane(d).PointFromPosition(LeftTextPane(d).GetLineStart(49));
    ::MapWindowPoints(LeftTextPane(d).m_hWnd, d.m_hWnd, &row, 1);
    EXPECT_EQ(marker.y, row.y + LeftTextPane(d).GetLineHeight() / 2);
}

}  // namespace

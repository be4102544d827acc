// Tests of the difference map: its pixels against the marks, its frame and current difference, clicks, drags and
// the wheel, on its own and in the real main window.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "resources/resource.h"
#include "shell/DifferenceMapMarks.h"
#include "tests/support/DiffHunks.h"
#include "tests/support/windows/PixelProbe.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const COLORREF kAdded = RGB(0, 128, 64);
const COLORREF kDeleted = RGB(255, 0, 0);
const COLORREF kChanged = RGB(0, 0, 255);

COLORREF ColourOf(MapMark mark)
{
    switch (mark) {
    case MapMark::Added: return kAdded;
    case MapMark::Deleted: return kDeleted;
    case MapMark::Changed: return kChanged;
    default: return ::GetSysColor(COLOR_WINDOW);
    }
}

// What the map asks of its owner, in order.
class RecordingListener : public DifferenceMapListener {
public:
    std::vector<std::string> calls;
    void OnMapDifferenceChosen(int diff) override { calls.push_back("diff " + std::to_string(diff)); }
    void OnMapRowChosen(int row) override { calls.push_back("row " + std::to_string(row)); }
    void OnMapWheel(int lines) override { calls.push_back("wheel " + std::to_string(lines)); }
};

class MapOnItsOwn : public ::testing::Test {
protected:
    static constexpr int kWidth = 18;
    static constexpr int kHeight = 240;
    static constexpr int kRows = 1000;

    void SetUp() override
    {
        ASSERT_TRUE(map.Create(host.m_hWnd, IDC_DIFF_MAP, listener));
        map.MoveWindow(0, 0, kWidth, kHeight);
        map.ShowWindow(SW_SHOW);
        map.SetColours({kAdded, kDeleted, kChanged});
        map.SetDifferences(hunks, kRows);
    }

    PixelProbe& Render()
    {
        probe.Draw([&](HDC dc) { map.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); });
        return probe;
    }

    void Click(int x, int y)
    {
        map.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        map.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    // A change, a one-row addition, a deletion a few pixels below it, and a change
    // whose right side is shorter (its other rows are filler on the right).
    const std::vector<DiffHunk> hunks{Hunk(10, 19, 10, 19, Changed, Changed), Hunk(400, 400, 400, 400, Filler, Added),
                                      Hunk(420, 460, 420, 460, Deleted, Filler),
                                      Hunk(700, 799, 700, 709, Changed, Changed)};
    HostWindow host;
    RecordingListener listener;
    CDifferenceMap map;
    PixelProbe probe{kWidth, kHeight};
};

TEST_F(MapOnItsOwn, EachHalfShowsItsMarksRowByRowInTheirColours)
{
    const std::vector<MapPixelRow> marks = ComputeMapMarks(hunks, kRows, kHeight);
    struct Case {
        const char* what;
        PaneView view;
        int leftX, rightX;  // where each half is looked at; -1: the half is not shown
    };
    const Case cases[] = {
        {"both files", PaneView::Both, kWidth / 4, 3 * kWidth / 4},
        {"the left file alone, over the whole width", PaneView::LeftOnly, kWidth / 2, -1},
        {"the right file alone, over the whole width", PaneView::RightOnly, -1, kWidth / 2},
    };
    for (const Case& c : cases) {
        map.SetView(c.view);
        PixelProbe& p = Render();
        int marked = 0;
        for (int y = 0; y < kHeight; ++y) {
            const MapPixelRow& row = marks[static_cast<size_t>(y)];
            if (c.leftX >= 0) {
                EXPECT_EQ(p.At(c.leftX, y), ColourOf(row.left.mark)) << c.what << ", left half, pixel row " << y;
            }
            if (c.rightX >= 0) {
                EXPECT_EQ(p.At(c.rightX, y), ColourOf(row.right.mark)) << c.what << ", right half, pixel row " << y;
            }
            marked += row.left.mark != MapMark::None || row.right.mark != MapMark::None;
        }
        EXPECT_GT(marked, 0) << c.what;
    }
}

TEST_F(MapOnItsOwn, TheCurrentDifferenceReachesToTheEdgesAndTheFrameFollowsTheVisibleRows)
{
    const COLORREF background = ::GetSysColor(COLOR_WINDOW);
    const COLORREF frame = ::GetSysColor(COLOR_WINDOWTEXT);
    const PixelSpan first = RowsToPixels(10, 19, kRows, kHeight);
    const PixelSpan last = RowsToPixels(700, 799, kRows, kHeight);
    EXPECT_EQ(Render().At(0, first.top), background);
    map.SetCurrent(3);
    Render();
    EXPECT_EQ(probe.At(0, last.top), kChanged);
    EXPECT_EQ(probe.At(kWidth - 1, last.top), kChanged);
    EXPECT_EQ(probe.At(0, first.top), background);

    for (int top : {0, 300, 950}) {
        map.SetVisibleRows(top, 40);
        const PixelSpan span = RowsToPixels(top, top + 39, kRows, kHeight);
        Render();
        EXPECT_EQ(probe.At(kWidth / 2, std::max(span.top - 1, 0)), frame) << "frame top at row " << top;
        EXPECT_EQ(probe.At(kWidth / 2, std::min(span.bottom, kHeight - 1)), frame) << "frame bottom at row " << top;
        EXPECT_EQ(probe.At(0, (span.top + span.bottom) / 2), frame) << "frame side at row " << top;
        EXPECT_EQ(probe.Count(frame, RECT{0, 0, kWidth, span.top - 1}), 0) << "nothing of the frame above row " << top;
    }
}

TEST_F(MapOnItsOwn, ClickOnAMarkChoosesItsDifferenceElsewhereARowAndDragsFollow)
{
    const PixelSpan addition = RowsToPixels(400, 400, kRows, kHeight);
    const PixelSpan shortSide = RowsToPixels(700, 709, kRows, kHeight);
    Click(3 * kWidth / 4, addition.top);
    // The left half is blank there, but the mark beside it is the one meant.
    Click(kWidth / 4, addition.top);
    Click(3 * kWidth / 4, shortSide.bottom + 5);
    Click(kWidth / 4, kHeight - 1);
    map.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kWidth / 4, 60));
    map.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(kWidth / 4, 60));
    map.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(kWidth / 4, 80));
    map.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(kWidth / 4, 80));
    map.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(kWidth / 4, 200));
    const std::vector<std::string> expected{
        "diff 1",
        "diff 1",
        "diff 3",
        "row " + std::to_string(RowAtPixel(kHeight - 1, kRows, kHeight)),
        "row " + std::to_string(RowAtPixel(60, kRows, kHeight)),
        "row " + std::to_string(RowAtPixel(80, kRows, kHeight)),
    };
    EXPECT_EQ(listener.calls, expected);
}

TEST_F(MapOnItsOwn, TheWheelAsksForLinesAndAddsUpPartsOfANotch)
{
    UINT perNotch = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0);
    const int lines = static_cast<int>(perNotch);
    for (int delta : {-WHEEL_DELTA, 2 * WHEEL_DELTA, WHEEL_DELTA / 2, WHEEL_DELTA / 2})
        map.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
    const std::vector<std::string> expected{"wheel " + std::to_string(lines), "wheel " + std::to_string(-2 * lines),
                                            "wheel " + std::to_string(-lines)};
    EXPECT_EQ(listener.calls, expected);
}

TEST_F(MapOnItsOwn, NoRowsOrAStripAFewPixelsHighGiveASensibleMapAndClicksAskNothing)
{
    map.SetDifferences(hunks, 0);
    map.SetVisibleRows(0, 40);
    EXPECT_EQ(Render().Count(::GetSysColor(COLOR_WINDOW), RECT{0, 0, kWidth, kHeight}), kWidth * kHeight);
    Click(kWidth / 4, 10);
    EXPECT_TRUE(listener.calls.empty());
    map.SetDifferences(hunks, kRows);
    map.MoveWindow(0, 0, kWidth, 3);
    Render();
    Click(kWidth / 4, 1);
    EXPECT_EQ(listener.calls.size(), 1u);
}

class MapInTheWindow : public MainWindowFixture {
protected:
    // 300 lines: line 10 changed, lines 150-151 added on the right, line 290 deleted on the right.
    CTandrelDialog& OpenThreeDifferences()
    {
        std::string right;
        for (int i = 1; i <= 300; ++i) {
            if (i == 150)
                right += "new a\nnew b\n";
            if (i != 290)
                right += (i == 10 ? "changed" : "line") + std::to_string(i) + "\n";
        }
        return Open(WriteFile("left.txt", NumberedLines("line", 1, 300)), WriteFile("right.txt", right));
    }

    static RECT ClientRectOf(CTandrelDialog& d, CWnd& child)
    {
        RECT r{};
        child.GetWindowRect(&r);
        ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    static int MapHeight(CTandrelDialog& d)
    {
        RECT r{};
        DifferenceMap(d).GetClientRect(&r);
        return r.bottom;
    }
};

TEST_F(MapInTheWindow, StandsRightOfThePanesOverTheirHeight)
{
    CTandrelDialog& d = OpenThreeDifferences();
    for (SIZE size : {SIZE{700, 500}, SIZE{1000, 650}}) {
        d.MoveWindow(0, 0, size.cx, size.cy);
        PumpMessages();
        RECT client{};
        d.GetClientRect(&client);
        const LayoutRects expected =
            ComputeLayoutRects(client.right, client.bottom, DiffList(d).GetItemHeight(-1), DiffMapShown::Yes);
        ASSERT_TRUE(DifferenceMap(d).IsWindowVisible());
        const RECT map = ClientRectOf(d, DifferenceMap(d));
        const RECT frame = ClientRectOf(d, Frame(d));
        EXPECT_TRUE(::EqualRect(&map, &expected.diffMap));
        EXPECT_TRUE(::EqualRect(&frame, &expected.paneArea));
        EXPECT_EQ(frame.top, map.top);
        EXPECT_EQ(frame.bottom, map.bottom);
        EXPECT_LT(frame.right, map.left);
    }
}

TEST_F(MapInTheWindow, HiddenItLeavesTheLayoutOfAWindowWithoutAMapAndShowingItAgainTakesItsWidth)
{
    settings.showDifferenceMap = 0;
    CTandrelDialog& d = OpenThreeDifferences();
    auto expectLayout = [&](DiffMapShown shown) {
        RECT client{};
        d.GetClientRect(&client);
        const LayoutRects expected =
            ComputeLayoutRects(client.right, client.bottom, DiffList(d).GetItemHeight(-1), shown);
        const RECT frame = ClientRectOf(d, Frame(d));
        EXPECT_TRUE(::EqualRect(&frame, &expected.paneArea));
        EXPECT_EQ(DifferenceMap(d).IsWindowVisible() != FALSE, shown == DiffMapShown::Yes);
    };
    expectLayout(DiffMapShown::No);
    const int wideRight = ClientRectOf(d, RightTextPane(d)).right;
    for (int shown : {1, 0}) {
        AppSettings chosen = settings;
        chosen.showDifferenceMap = shown;
        d.ApplyOptions(chosen);
        PumpMessages();
        ASSERT_NE(d.m_hWnd, nullptr) << "a restart ended the window";
        expectLayout(shown ? DiffMapShown::Yes : DiffMapShown::No);
        EXPECT_EQ(ClientRectOf(d, RightTextPane(d)).right, shown ? wideRight - 20 : wideRight);
    }
    EXPECT_EQ(settings.showDifferenceMap, 0);
}

TEST_F(MapInTheWindow, AClickAtTheLastMarksHeightMakesItCurrentAndShowsIt)
{
    CTandrelDialog& d = OpenThreeDifferences();
    ASSERT_EQ(DifferenceCount(d), 3);
    CDifferenceMap& map = DifferenceMap(d);
    const int rows = LeftTextPane(d).GetLineCount();
    // The deleted line 290 lies two rows further down, behind the two added rows.
    const PixelSpan last = RowsToPixels(291, 291, rows, MapHeight(d));
    map.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, last.top));
    map.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(4, last.top));
    PumpMessages();
    EXPECT_EQ(CurrentDifference(d), 2);
    EXPECT_FALSE(Toolbar(d).IsButtonEnabled(ID_NEXT_DIFFERENCE));
    EXPECT_TRUE(Toolbar(d).IsButtonEnabled(ID_PREVIOUS_DIFFERENCE));
    CNewEdit& left = LeftTextPane(d);
    EXPECT_LE(left.GetTopLine(), 291);
    EXPECT_GT(left.GetTopLine() + left.GetVisibleLines(), 291);
    EXPECT_EQ(RightTextPane(d).GetTopLine(), left.GetTopLine());
    EXPECT_NE(MarkerTip(d).y, -1);
}

TEST_F(MapInTheWindow, TheFrameFollowsScrollsStepsAndTheWheelOverTheMapScrolls)
{
    CTandrelDialog& d = OpenThreeDifferences();
    CDifferenceMap& map = DifferenceMap(d);
    CNewEdit& left = LeftTextPane(d);
    const int rows = left.GetLineCount();
    RECT client{};
    map.GetClientRect(&client);
    const COLORREF frame = ::GetSysColor(COLOR_WINDOWTEXT);
    auto frameTop = [&] {
        PixelProbe probe(client.right, client.bottom);
        probe.CaptureClient(map.m_hWnd);
        for (int y = 0; y < client.bottom; ++y) {
            if (probe.At(client.right / 2, y) == frame)
                return y;
        }
        return -1;
    };
    // The frame's top line lies just above the visible rows' pixels.
    auto expectedTop = [&] {
        const PixelSpan span =
            RowsToPixels(left.GetTopLine(), left.GetTopLine() + left.GetVisibleLines() - 1, rows, client.bottom);
        return std::max(span.top - 1, 0);
    };
    d.UpdateWindow();
    EXPECT_EQ(frameTop(), expectedTop());
    left.ScrollBy(120, 0);
    PumpMessages();
    d.UpdateWindow();
    EXPECT_EQ(frameTop(), expectedTop());
    for (int step = 0; step < 2; ++step) {
        Command(d, ID_NEXT_DIFFERENCE);
        PumpMessages();
    }
    map.UpdateWindow();
    EXPECT_EQ(frameTop(), expectedTop());

    const int before = left.GetTopLine();
    RECT screen{};
    map.GetWindowRect(&screen);
    d.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.left + 2, screen.top + 20));
    PumpMessages();
    EXPECT_LT(left.GetTopLine(), before);
    EXPECT_EQ(RightTextPane(d).GetTopLine(), left.GetTopLine());
    map.UpdateWindow();
    EXPECT_EQ(frameTop(), expectedTop());
}

TEST_F(MapInTheWindow, OneFileAloneShowsOnlyItsHalf)
{
    CTandrelDialog& d = OpenThreeDifferences();
    CDifferenceMap& map = DifferenceMap(d);
    RECT client{};
    map.GetClientRect(&client);
    const int rows = LeftTextPane(d).GetLineCount();
    // The addition (rows 149-150) has marks on the right half only.
    const int y = RowsToPixels(149, 150, rows, client.bottom).top;
    auto addedAt = [&](int x) {
        map.UpdateWindow();
        PixelProbe probe(client.right, client.bottom);
        probe.CaptureClient(map.m_hWnd);
        return probe.At(x, y) == settings.addedColor;
    };
    EXPECT_FALSE(addedAt(client.right / 4));
    EXPECT_TRUE(addedAt(3 * client.right / 4));
    Command(d, ID_SHOW_RIGHT_FILE);
    PumpMessages();
    EXPECT_TRUE(addedAt(client.right / 4));
    Command(d, ID_SHOW_LEFT_FILE);
    PumpMessages();
    EXPECT_FALSE(addedAt(3 * client.right / 4));
}

}  // namespace

// The pane's device-free arithmetic: columns from offsets with tabs, scroll targets, and where the caret scrolls the view.
#include "pane/PaneLayout.h"
#include "pane/PaneMetrics.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// A font whose bytes have different widths: 'i' 3 px, 'm' 11 px, all others 7.
PaneMetrics ProportionalMetrics()
{
    std::vector<int> widths(96, 7);
    widths['i' - 32] = 3;
    widths['m' - 32] = 11;
    PaneMetrics metrics;
    metrics.SetFont(16, 7, 32, widths);
    metrics.SetTabSize(4);  // stops every 28 px
    return metrics;
}

TEST(PaneMetricsColumns, OffsetsOfColumnsAndTheNearestColumnOfAnOffset)
{
    const PaneMetrics metrics = ProportionalMetrics();
    const std::string line = "mi\tim";
    // Boundaries: 0, 11, 14, 28 (the tab), 31, 42.
    const std::vector<int> boundaries = {0, 11, 14, 28, 31, 42};
    for (int c = 0; c <= 5; ++c)
        EXPECT_EQ(metrics.ColumnOffset(line.data(), 5, c), boundaries[static_cast<size_t>(c)]) << c;
    EXPECT_EQ(metrics.ColumnOffset(line.data(), 5, 9), 42);  // past the end: the line's end

    struct Probe {
        int offset;
        int column;
    };
    const std::vector<Probe> probes = {
        {-4, 0}, {0, 0},  {5, 0},  {6, 1},  {12, 1}, {13, 2},  {21, 2},
        {22, 3}, {29, 3}, {30, 4}, {36, 4}, {37, 5}, {400, 5},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(metrics.ColumnFromOffset(line.data(), 5, p.offset), p.column) << p.offset;
}

TEST(PaneMetricsColumns, BytesOutsideTheFontTakeTheAverageWidth)
{
    const PaneMetrics metrics = ProportionalMetrics();
    EXPECT_EQ(metrics.ByteWidth(10), 7);
    EXPECT_EQ(metrics.ByteWidth(200), 7);
    EXPECT_EQ(metrics.ByteWidth('i'), 3);
}

TEST(PaneLayoutScroll, TargetOfEveryScrollRequest)
{
    struct Case {
        int request;
        int expected;
    };
    // Current 50, visible 20, count 100, bar position 33, track position 44.
    const std::vector<Case> cases = {
        {SB_LINEUP, 49},     {SB_LINEDOWN, 51}, {SB_PAGEUP, 30}, {SB_PAGEDOWN, 70},  {SB_THUMBPOSITION, 33},
        {SB_THUMBTRACK, 44}, {SB_TOP, 0},       {SB_BOTTOM, 80}, {SB_ENDSCROLL, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaneLayout::ScrollTarget(c.request, 50, 20, 100, 33, 44), c.expected) << c.request;
    EXPECT_EQ(PaneLayout::ScrollTarget(SB_PAGEDOWN, 75, 20, 100, 0, 0), 80);
}

TEST(PaneLayoutLines, LineFromYClampsAndTellsTheSide)
{
    int side = 9;
    EXPECT_EQ(PaneLayout::LineFromY(-15, 0, 15, 10, &side), 0);
    EXPECT_EQ(side, -1);
    EXPECT_EQ(PaneLayout::LineFromY(44, 3, 15, 10, &side), 5);
    EXPECT_EQ(side, 0);
    EXPECT_EQ(PaneLayout::LineFromY(150, 3, 15, 10, &side), 9);
    EXPECT_EQ(side, 1);
    EXPECT_EQ(PaneLayout::FitCount(149, 15), 9);
    EXPECT_EQ(PaneLayout::FitCount(149, 0), 0);
}

TEST(PaneLayoutCaret, WhereTheViewMovesToShowTheCaret)
{
    PaneLayout::CaretView view;
    view.clientWidth = 320;
    view.clientHeight = 150;
    view.lineHeight = 15;
    view.averageCharWidth = 8;
    view.visibleColumns = 40;
    view.visibleLines = 10;
    view.horizontalOffset = 80;  // scrolled 10 columns

    auto plan = PaneLayout::CaretScroll(view, 100, 60, 14, true);
    EXPECT_FALSE(plan.horizontal || plan.vertical);

    plan = PaneLayout::CaretScroll(view, 320, 60, 14, true);  // one column right of the view
    EXPECT_TRUE(plan.horizontal);
    EXPECT_EQ(plan.horzPos, 50 + 10 - 40);
    plan = PaneLayout::CaretScroll(view, 0, 60, 14, true);  // on the left edge
    EXPECT_EQ(plan.horzPos, 10 - 10);
    plan = PaneLayout::CaretScroll(view, -16, 60, 14, false);
    EXPECT_EQ(plan.horzPos, 8);

    plan = PaneLayout::CaretScroll(view, 100, -15, 3, true);
    EXPECT_TRUE(plan.vertical);
    EXPECT_FALSE(plan.horizontal);
    EXPECT_EQ(plan.topLine, 3);
    plan = PaneLayout::CaretScroll(view, 100, 150, 14, true);
    EXPECT_EQ(plan.topLine, 14 - 10 + 1);
}

}  // namespace

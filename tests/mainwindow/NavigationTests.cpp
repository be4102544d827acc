// Tests of the navigation arithmetic: rows, scroll steps, toolbar states and the marker.
#include "shell/Navigation.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace {

TEST(Navigation, AnAdditionStartsOnTheRightSide)
{
    DiffHunk change{4, 6, 4, 6, Changed, Changed};
    DiffHunk addition{9, 9, 7, 8, Filler, Added};
    DiffHunk deletion{2, 3, 4, 4, Deleted, Filler};
    EXPECT_EQ(FirstDisplayRow(change), 4);
    EXPECT_EQ(FirstDisplayRow(addition), 7);
    EXPECT_EQ(FirstDisplayRow(deletion), 2);
}

TEST(Navigation, ClampCurrentDiff)
{
    struct Case {
        int current, count, expected;
    };
    const Case cases[] = {{3, 10, 3}, {12, 10, 9}, {-2, 10, 0}, {5, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampCurrentDiff(c.current, c.count), c.expected) << c.current << "/" << c.count;
}

TEST(Navigation, AutoStepPeriodStaysWithinWhatATimerKeeps)
{
    struct Case {
        int seconds;
        UINT milliseconds;
    };
    const Case cases[] = {
        {0, 0},
        {-1, 0},
        {INT_MIN, 0},
        {1, 1000},
        {3, 3000},
        {2147483, 2147483000u},
        {2147484, 2147483000u},
        {4294968, 2147483000u},
        {INT_MAX, 2147483000u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutoStepPeriod(c.seconds), c.milliseconds) << c.seconds;
}

TEST(Navigation, ScrollDeltaCentresTheRow)
{
    // 315 pixels of gutter less a 15-pixel scroll bar = 20 rows of 15 pixels.
    EXPECT_EQ(ScrollDelta(100, 0, ScrollMode::Top, 315, 15, 15), 100);
    EXPECT_EQ(ScrollDelta(100, 0, ScrollMode::Middle, 315, 15, 15), 90);
    EXPECT_EQ(ScrollDelta(100, 0, ScrollMode::Bottom, 315, 15, 15), 80);
    EXPECT_EQ(ScrollDelta(100, 95, ScrollMode::Middle, 315, 15, 15), -5);
    EXPECT_EQ(ScrollDelta(5, 0, ScrollMode::Middle, 330, 15, 15), -5);  // 21 rows: 10 above
    EXPECT_EQ(ScrollDelta(5, 0, ScrollMode::Middle, 300, 15, 0), 5);  // no line height yet
}

std::map<UINT, bool> States(bool comparedOK, int current, int count, PaneView view)
{
    std::map<UINT, bool> states;
    for (const auto& [id, enabled] : ToolbarButtonStates(comparedOK, current, count, view))
        states[id] = enabled;
    return states;
}

TEST(Navigation, WithoutAComparisonOnlyNewPairExitAndAboutStay)
{
    const auto states = States(false, 0, 0, PaneView::Both);
    EXPECT_EQ(states.size(), 14u);
    for (const auto& [id, enabled] : states)
        EXPECT_FALSE(enabled) << id;
    EXPECT_EQ(states.count(ID_COMPARE_NEW_PAIR), 0u);
    EXPECT_EQ(states.count(ID_EXIT), 0u);
    EXPECT_EQ(states.count(ID_ABOUT), 0u);
}

TEST(Navigation, NavigationButtonsFollowTheCurrentDifference)
{
    struct Case {
        int current, count;
        bool next, previous, current_;
    };
    const Case cases[] = {
        {0, 0, false, false, false}, {0, 1, false, false, true}, {0, 3, true, false, true},
        {1, 3, true, true, true},    {2, 3, false, true, true},
    };
    for (const Case& c : cases) {
        auto states = States(true, c.current, c.count, PaneView::Both);
        EXPECT_EQ(states[ID_NEXT_DIFFERENCE], c.next) << c.current << "/" << c.count;
        EXPECT_EQ(states[ID_PREVIOUS_DIFFERENCE], c.previous) << c.current << "/" << c.count;
        EXPECT_EQ(states[ID_CURRENT_DIFFERENCE], c.current_) << c.current << "/" << c.count;
    }
}

TEST(Navigation, ShowButtonsOfferTheOtherViews)
{
    struct Case {
        PaneView view;
        bool left, right, both;
    };
    const Case cases[] = {
        {PaneView::Both, true, true, false},
        {PaneView::LeftOnly, false, true, true},
        {PaneView::RightOnly, true, false, true},
    };
    for (const Case& c : cases) {
        auto states = States(true, 0, 2, c.view);
        EXPECT_EQ(states[ID_SHOW_LEFT_FILE], c.left);
        EXPECT_EQ(states[ID_SHOW_RIGHT_FILE], c.right);
        EXPECT_EQ(states[ID_SHOW_BOTH_FILES], c.both);
    }
}

TEST(Navigation, MarkerGeometry)
{
    const MarkerGeometry m = MarkerAt(100);
    EXPECT_EQ(m.triangle[0].x, 8);
    EXPECT_EQ(m.triangle[0].y, 100);
    EXPECT_EQ(m.triangle[1].y, 94);
    EXPECT_EQ(m.triangle[2].y, 106);
    EXPECT_EQ(m.hotArea.left, -2);
    EXPECT_EQ(m.hotArea.top, 98);
    EXPECT_EQ(m.hotArea.right, 10);
    EXPECT_EQ(m.hotArea.bottom, 108);

    EXPECT_TRUE(MarkerVisible(0, 300, 15));
    EXPECT_TRUE(MarkerVisible(285, 300, 15));
    EXPECT_FALSE(MarkerVisible(286, 300, 15));
    EXPECT_FALSE(MarkerVisible(-1, 300, 15));
}

}  // namespace

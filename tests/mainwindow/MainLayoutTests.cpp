// Tests of the main window's layout arithmetic.
#include "shell/MainLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

namespace {

std::tuple<LONG, LONG, LONG, LONG> Edges(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

TEST(ComputeLayoutRects, PlacesEveryChildForAClientArea)
{
    const LayoutRects r = ComputeLayoutRects(600, 450, 21);
    EXPECT_EQ(Edges(r.paneArea), std::make_tuple(10, 85, 595, 425));
    EXPECT_EQ(Edges(r.markerStrip), std::make_tuple(0, 85, 10, 425));
    EXPECT_EQ(Edges(r.statusBar), std::make_tuple(0, 430, 600, 450));
    EXPECT_EQ(Edges(r.toolbar), std::make_tuple(0, 2, 600, 27));
    EXPECT_EQ(Edges(r.rule), std::make_tuple(0, 27, 600, 29));
    EXPECT_EQ(Edges(r.diffListDrop), std::make_tuple(10, 37, 595, 157));
    EXPECT_EQ(Edges(r.diffListField), std::make_tuple(10, 37, 595, 58));
}

TEST(ComputeLayoutRects, MarkerStripTouchesThePanesAndStatusBarStaysBelowThem)
{
    for (int w : {100, 333, 1024}) {
        for (int h : {200, 479, 900}) {
            const LayoutRects r = ComputeLayoutRects(w, h, 20);
            EXPECT_EQ(r.markerStrip.right, r.paneArea.left);
            EXPECT_EQ(r.markerStrip.top, r.paneArea.top);
            EXPECT_EQ(r.markerStrip.bottom, r.paneArea.bottom);
            EXPECT_LT(r.paneArea.bottom, r.statusBar.top);
            EXPECT_EQ(r.statusBar.bottom, h);
            EXPECT_EQ(r.diffListField.right, r.diffListDrop.right);
        }
    }
}

TEST(ComputeLayoutRects, TheDifferenceMapTakesItsWidthFromThePanesAndNothingElse)
{
    struct Case {
        const char* what;
        DiffMapShown map;
        int paneRightFromEdge;
        std::tuple<LONG, LONG, LONG, LONG> mapEdges;  // from the right edge and the bottom, as offsets
    };
    const Case cases[] = {
        {"hidden: the layout of a window without a map", DiffMapShown::No, 5, {0, 0, 0, 0}},
        {"shown: the map at the right margin, the panes narrower by its width and gap",
         DiffMapShown::Yes,
         25,
         {23, 85, 5, 25}},
    };
    for (const Case& c : cases) {
        for (int w : {300, 600, 1024}) {
            for (int h : {200, 450, 900}) {
                const LayoutRects plain = ComputeLayoutRects(w, h, 21);
                const LayoutRects r = ComputeLayoutRects(w, h, 21, c.map);
                EXPECT_EQ(r.paneArea.right, w - c.paneRightFromEdge) << c.what;
                const auto [left, top, right, bottom] = c.mapEdges;
                const RECT map = c.map == DiffMapShown::Yes ? RECT{w - left, top, w - right, h - bottom} : RECT{};
                EXPECT_EQ(Edges(r.diffMap), Edges(map)) << c.what;
                // Everything else stands where it stands without a map.
                EXPECT_EQ(Edges(r.paneArea), std::make_tuple(plain.paneArea.left, plain.paneArea.top, r.paneArea.right,
                                                             plain.paneArea.bottom));
                for (auto member : {&LayoutRects::markerStrip, &LayoutRects::statusBar, &LayoutRects::toolbar,
                                    &LayoutRects::rule, &LayoutRects::diffListDrop, &LayoutRects::diffListField})
                    EXPECT_EQ(Edges(r.*member), Edges(plain.*member)) << c.what;
            }
        }
    }
}

TEST(StatusBarPartEdges, EachLegendPartFitsItsTextPlusPadding)
{
    const StatusTextWidths widths{100, 60, 70, 75};
    // Each legend part is its text's width and 10 wide; "Changed lines" is the last part
    // and the first part takes the rest.
    EXPECT_EQ(StatusBarPartEdges(800, widths), (std::array<int, 5>{455, 565, 635, 715, -1}));
}

TEST(SplitterColumns, EqualSplitClampsAtZero)
{
    struct Case {
        int area, border, gap, expected;
    };
    const Case cases[] = {
        {585, 2, 6, 287},  // (585 - 4 - 6) / 2
        {586, 2, 6, 288}, {10, 2, 6, 0}, {0, 2, 6, 0}, {-40, 2, 6, 0},  // a minimised window has no room at all
    };
    for (const Case& c : cases)
        EXPECT_EQ(EqualSplitColumnWidth(c.area, c.border, c.gap), c.expected) << c.area;
}

TEST(SplitterColumns, ProportionalResizeKeepsTheRatio)
{
    const int fixed = 10;
    // c0 = 100 and c1 = 200 in a client of 310: the left column is a third.
    EXPECT_EQ(ProportionalColumnWidth(610, fixed, 310, 100), 200);
    EXPECT_EQ(ProportionalColumnWidth(160, fixed, 310, 100), 50);
    for (int previous = 50; previous < 700; previous += 37) {
        for (int c0 = 1; c0 < previous - fixed; c0 += 23) {
            for (int next : {40, 313, 999}) {
                const int width = ProportionalColumnWidth(next, fixed, previous, c0);
                const double expected = static_cast<double>(next - fixed) * c0 / (previous - fixed);
                EXPECT_LE(std::fabs(width - expected), 1.0) << previous << " " << c0 << " " << next;
                EXPECT_GE(width, 0);
                EXPECT_LE(width, next - fixed);
            }
        }
    }
}

TEST(SplitterColumns, ProportionalResizeSurvivesDegenerateSizes)
{
    EXPECT_EQ(ProportionalColumnWidth(500, 10, 300, 0), 0);  // left column hidden stays hidden
    EXPECT_EQ(ProportionalColumnWidth(500, 10, 10, 50), 50);  // no previous room: width kept
    EXPECT_EQ(ProportionalColumnWidth(5, 10, 300, 50), 0);  // new room below the fixed parts
    EXPECT_EQ(ProportionalColumnWidth(500, 10, 300, 290), 490);  // right column was empty
}

TEST(SplitterColumns, DragToAnEdgeHidesThatFile)
{
    const int sb = 16;  // limit = 31
    struct Case {
        int c0, c1;
        PaneView expected;
    };
    const Case cases[] = {
        {0, 500, PaneView::RightOnly}, {30, 500, PaneView::RightOnly}, {31, 500, PaneView::Both},
        {500, 31, PaneView::Both},     {500, 30, PaneView::LeftOnly},  {500, 0, PaneView::LeftOnly},
        {10, 10, PaneView::RightOnly},  // the left column is looked at first
    };
    for (const Case& c : cases)
        EXPECT_EQ(ViewAfterDrag(c.c0, c.c1, sb), c.expected) << c.c0 << " " << c.c1;
}

struct Cells {
    RECT left{110, 200, 390, 500};
    RECT right{396, 200, 690, 500};
    RECT splitter{108, 198, 692, 502};
};

TEST(PlacePanes, BothFilesWithLineNumbers)
{
    const Cells c;
    const PanePlacement p = PlacePanes(c.left, c.right, c.splitter, 40, true, PaneView::Both, 2);
    EXPECT_TRUE(p.leftGutterShown && p.rightGutterShown && p.leftTextShown && p.rightTextShown);
    EXPECT_EQ(Edges(p.leftGutter), std::make_tuple(110, 200, 150, 500));
    EXPECT_EQ(Edges(p.leftText), std::make_tuple(150, 200, 394, 500));
    EXPECT_EQ(Edges(p.rightGutter), std::make_tuple(396, 200, 436, 500));
    EXPECT_EQ(Edges(p.rightText), std::make_tuple(436, 200, 692, 500));
}

TEST(PlacePanes, WithoutLineNumbersTextStartsAtTheCellEdge)
{
    const Cells c;
    const PanePlacement p = PlacePanes(c.left, c.right, c.splitter, 40, false, PaneView::Both, 2);
    EXPECT_FALSE(p.leftGutterShown);
    EXPECT_FALSE(p.rightGutterShown);
    EXPECT_EQ(p.leftText.left, c.left.left);
    EXPECT_EQ(p.rightText.left, c.right.left);
}

TEST(PlacePanes, OneFileTakesTheWholeSplitter)
{
    const Cells c;
    const PanePlacement left = PlacePanes(c.left, c.right, c.splitter, 40, true, PaneView::LeftOnly, 2);
    EXPECT_TRUE(left.leftTextShown);
    EXPECT_FALSE(left.rightTextShown);
    EXPECT_FALSE(left.rightGutterShown);
    EXPECT_EQ(Edges(left.leftText), std::make_tuple(150, 200, 692, 500));

    const PanePlacement right = PlacePanes(c.left, c.right, c.splitter, 40, true, PaneView::RightOnly, 2);
    EXPECT_FALSE(right.leftTextShown);
    EXPECT_FALSE(right.leftGutterShown);
    EXPECT_TRUE(right.rightGutterShown);
    EXPECT_EQ(Edges(right.rightGutter), std::make_tuple(110, 200, 150, 500));
    EXPECT_EQ(Edges(right.rightText), std::make_tuple(150, 200, 692, 500));
}

TEST(PlaceLabels, LabelsSitAboveTheirCells)
{
    const Cells c;
    const LabelPlacement both = PlaceLabels(c.left, c.right, PaneView::Both, 2);
    EXPECT_TRUE(both.leftShown && both.rightShown);
    EXPECT_EQ(Edges(both.left), std::make_tuple(110, 179, 390, 197));
    EXPECT_EQ(Edges(both.right), std::make_tuple(396, 179, 690, 197));

    const LabelPlacement left = PlaceLabels(c.left, c.right, PaneView::LeftOnly, 2);
    EXPECT_FALSE(left.rightShown);
    EXPECT_EQ(Edges(left.left), std::make_tuple(110, 179, 688, 197));

    const LabelPlacement right = PlaceLabels(c.left, c.right, PaneView::RightOnly, 2);
    EXPECT_FALSE(right.leftShown);
    EXPECT_EQ(Edges(right.right), std::make_tuple(110, 179, 690, 197));
}

}  // namespace

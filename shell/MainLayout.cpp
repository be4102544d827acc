#include "shell/MainLayout.h"

#include <algorithm>

namespace {

// Space above the panes: toolbar, rule, difference list and the labels.
const int kPaneAreaTop = 85;
const int kPaneAreaLeft = 10;
const int kRightMargin = 5;
const int kStatusBarHeight = 20;
const int kBottomMargin = 25;
const int kListTop = 37;
const int kListDropBottom = 157;
// A column narrower than a scroll bar and this much cannot show its file.
const int kMinimumColumnExtra = 15;
// Labels sit in a band just above the cells.
const int kLabelTopOffset = 21;
const int kLabelBottomOffset = 3;
// Room around each legend and caret text in the status bar.
const int kStatusPadding = 10;
// The difference map: wide enough for two halves of marks a few pixels each, apart from the panes' scroll bar.
const int kDiffMapWidth = 18;
const int kDiffMapGap = 2;

}  // namespace

LayoutRects ComputeLayoutRects(int w, int h, int listFieldHeight, DiffMapShown diffMap)
{
    LayoutRects r;
    const int mapRoom = diffMap == DiffMapShown::Yes ? kDiffMapWidth + kDiffMapGap : 0;
    r.paneArea = {kPaneAreaLeft, kPaneAreaTop, w - kRightMargin - mapRoom, h - kBottomMargin};
    r.diffMap = diffMap == DiffMapShown::Yes
                    ? RECT{w - kRightMargin - kDiffMapWidth, kPaneAreaTop, w - kRightMargin, h - kBottomMargin}
                    : RECT{0, 0, 0, 0};
    r.markerStrip = {0, kPaneAreaTop, kPaneAreaLeft, h - kBottomMargin};
    r.statusBar = {0, h - kStatusBarHeight, w, h};
    r.toolbar = {0, 2, w, 27};
    r.rule = {0, 27, w, 29};
    r.diffListDrop = {kPaneAreaLeft, kListTop, w - kRightMargin, kListDropBottom};
    r.diffListField = {kPaneAreaLeft, kListTop, w - kRightMargin, kListTop + listFieldHeight};
    return r;
}

std::array<int, 5> StatusBarPartEdges(int right, const StatusTextWidths& widths)
{
    const int e4 = right - widths.changed - kStatusPadding;
    const int e3 = e4 - widths.deleted - kStatusPadding;
    const int e2 = e3 - widths.added - kStatusPadding;
    const int e1 = e2 - widths.caret - kStatusPadding;
    return {e1, e2, e3, e4, -1};
}

int EqualSplitColumnWidth(int paneAreaWidth, int borderWidth, int gapWidth)
{
    return std::max(0, (paneAreaWidth - 2 * borderWidth - gapWidth) / 2);
}

int ProportionalColumnWidth(int newWidth, int fixedWidth, int previousClientWidth, int column0Width)
{
    const int available = std::max(0, newWidth - fixedWidth);
    const int previousAvailable = previousClientWidth - fixedWidth;
    // A column that was empty stays empty; with no previous room there is no proportion to keep.
    if (column0Width <= 0)
        return 0;
    if (previousAvailable <= 0)
        return std::min(column0Width, available);
    const double ratio = static_cast<double>(previousAvailable - column0Width) / column0Width + 1.0;
    const int width = static_cast<int>(available / ratio);
    return std::clamp(width, 0, available);
}

PaneView ViewAfterDrag(int column0Width, int column1Width, int verticalScrollBarWidth)
{
    const int limit = verticalScrollBarWidth + kMinimumColumnExtra;
    if (column0Width < limit)
        return PaneView::RightOnly;
    if (column1Width < limit)
        return PaneView::LeftOnly;
    return PaneView::Both;
}

PanePlacement PlacePanes(const RECT& leftCell, const RECT& rightCell, const RECT& splitter, int gutterWidth,
                         bool lineNumbers, PaneView view, int borderWidth)
{
    const bool leftOnly = view == PaneView::LeftOnly;
    const bool rightOnly = view == PaneView::RightOnly;
    const int gutter = lineNumbers ? gutterWidth : 0;
    PanePlacement p{};
    p.leftGutterShown = lineNumbers && !rightOnly;
    p.rightGutterShown = lineNumbers && !leftOnly;
    p.leftTextShown = !rightOnly;
    p.rightTextShown = !leftOnly;

    p.leftGutter = {leftCell.left, leftCell.top, leftCell.left + gutterWidth, leftCell.bottom};
    const RECT& rightHome = rightOnly ? leftCell : rightCell;
    p.rightGutter = {rightHome.left, rightHome.top, rightHome.left + gutterWidth, rightHome.bottom};

    const int leftTextRight = leftOnly ? splitter.right : rightCell.left - borderWidth;
    p.leftText = {leftCell.left + gutter, leftCell.top, leftTextRight, leftCell.bottom};
    p.rightText = {rightHome.left + gutter, rightHome.top, splitter.right, rightHome.bottom};
    return p;
}

LabelPlacement PlaceLabels(const RECT& leftCell, const RECT& rightCell, PaneView view, int borderWidth)
{
    LabelPlacement p{};
    p.leftShown = view != PaneView::RightOnly;
    p.rightShown = view != PaneView::LeftOnly;
    p.left = leftCell;
    if (view == PaneView::LeftOnly)
        p.left.right = rightCell.right - borderWidth;
    p.right = rightCell;
    if (view == PaneView::RightOnly)
        p.right.left = leftCell.left;
    for (RECT* r : {&p.left, &p.right}) {
        const int cellTop = r->top;
        r->top = cellTop - kLabelTopOffset;
        r->bottom = cellTop - kLabelBottomOffset;
    }
    return p;
}

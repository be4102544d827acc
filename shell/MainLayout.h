// MainLayout: the main window's layout arithmetic: child rectangles, status-bar parts, splitter column rules.
#pragma once

#include <windows.h>

#include <array>

// Client-area rectangles of the main window's children.
struct LayoutRects {
    RECT paneArea;  // the frame that holds the splitter
    RECT markerStrip;  // the current-difference marker, left of the panes
    RECT statusBar;
    RECT toolbar;
    RECT rule;
    RECT diffListDrop;  // the difference list with its drop-down part
    RECT diffListField;  // only its selection field: the tooltip area
    RECT diffMap;  // the difference map right of the panes; empty while it is hidden
};

enum class DiffMapShown { No, Yes };

// With the difference map shown, the pane area gives up the map's width and the gap before it.
LayoutRects ComputeLayoutRects(int clientWidth, int clientHeight, int listFieldHeight,
                               DiffMapShown diffMap = DiffMapShown::No);

// Text widths the status bar parts are measured from.
struct StatusTextWidths {
    int caret;  // "Ln 99999, Col 999"
    int added;  // "Added lines"
    int deleted;  // "Deleted lines"
    int changed;  // "Changed lines"
};

// Right edges of the five parts, as SB_SETPARTS takes them; the last is -1 (to the end).
std::array<int, 5> StatusBarPartEdges(int right, const StatusTextWidths& widths);

// Which files the panes show.
enum class PaneView { Both, LeftOnly, RightOnly };

// Column 0 of an equal split, never below 0.
int EqualSplitColumnWidth(int paneAreaWidth, int borderWidth, int gapWidth);
// Column 0 after the frame was resized, keeping the two columns' proportion.
int ProportionalColumnWidth(int newWidth, int fixedWidth, int previousClientWidth, int column0Width);
// After a drag of the splitter bar: a column dragged narrower than the limit hides its file.
PaneView ViewAfterDrag(int column0Width, int column1Width, int verticalScrollBarWidth);

// The four panes inside the splitter cells (all in one coordinate system, usually the screen).
struct PanePlacement {
    RECT leftGutter, rightGutter, leftText, rightText;
    bool leftGutterShown, rightGutterShown, leftTextShown, rightTextShown;
};

PanePlacement PlacePanes(const RECT& leftCell, const RECT& rightCell, const RECT& splitter, int gutterWidth,
                         bool lineNumbers, PaneView view, int borderWidth);

// The two file labels above the cells (same coordinates as the cells).
struct LabelPlacement {
    RECT left, right;
    bool leftShown, rightShown;
};

LabelPlacement PlaceLabels(const RECT& leftCell, const RECT& rightCell, PaneView view, int borderWidth);

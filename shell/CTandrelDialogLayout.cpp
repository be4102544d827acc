// The main window's layout, its single-file views, label highlight and area tooltips.
#include "shell/CTandrelDialog.h"

#include "pane/NewEditMessages.h"
#include "resources/resource.h"
#include "shell/AppSettings.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

namespace {

RECT ScreenToClientRect(HWND window, RECT r)
{
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void PlaceChild(CWnd& child, HWND parent, const RECT& screenRect, bool shown)
{
    child.MoveWindow(ScreenToClientRect(parent, screenRect));
    child.ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

CNewEdit& CTandrelDialog::LeadText()
{
    return view_ == PaneView::RightOnly ? window_.children->rightText : window_.children->leftText;
}

CNewEdit& CTandrelDialog::LeadGutter()
{
    return view_ == PaneView::RightOnly ? window_.children->rightGutter : window_.children->leftGutter;
}

void CTandrelDialog::ComputeLayoutRects()
{
    RECT client{};
    GetClientRect(&client);
    window_.rects = ::ComputeLayoutRects(client.right, client.bottom, window_.children->diffList.GetItemHeight(-1),
                                         MapShown() ? DiffMapShown::Yes : DiffMapShown::No);
}

bool CTandrelDialog::MapShown() const
{
    return settings_.showDifferenceMap != 0;
}

CDifferenceMap::Colours CTandrelDialog::MapColours() const
{
    return {settings_.addedColor, settings_.deletedColor, settings_.changedColor};
}

void CTandrelDialog::ShowDifferencesOnMap()
{
    Children& c = *window_.children;
    // Empty panes (a binary pair, a failed comparison) leave an empty strip.
    const bool rows = c.leftText.GetTextLength() > 0 || c.rightText.GetTextLength() > 0;
    c.diffMap.SetColours(MapColours());
    c.diffMap.SetDifferences(window_.comparison.hunks,
                             rows ? std::max(c.leftText.GetLineCount(), c.rightText.GetLineCount()) : 0);
    c.diffMap.SetCurrent(window_.comparison.hunks.empty() ? -1 : currentDiff_);
}

void CTandrelDialog::UpdateMapFrame()
{
    CNewEdit& lead = LeadText();
    window_.children->diffMap.SetVisibleRows(lead.GetTopLine(), lead.GetVisibleLines());
}

void CTandrelDialog::SetColumn0(int width)
{
    CMySplitterWnd& splitter = window_.children->frame.Splitter();
    int current = 0, minimum = 0;
    splitter.GetColumnInfo(0, current, minimum);
    splitter.SetColumnInfo(0, width, minimum);
}

void CTandrelDialog::LayoutChildren(UINT sizeType)
{
    Children& c = *window_.children;
    CMySplitterWnd& splitter = c.frame.Splitter();
    c.frame.MoveWindow(window_.rects.paneArea);
    if (!window_.userActed && view_ == PaneView::Both) {
        SetColumn0(EqualSplitColumnWidth(window_.rects.paneArea.right - window_.rects.paneArea.left,
                                         splitter.GetBorderWidth(), splitter.GetGapWidth()));
        splitter.RecalcLayout();
    }
    // A window that opens on one file (Re-Compare after Show Left or Right File)
    // has no split to apply, but its keys and mouse count from the first layout all the same.
    window_.splitApplied = true;
    RECT leftCell{}, rightCell{};
    LayoutPanes(leftCell, rightCell);

    const LabelPlacement labels = PlaceLabels(leftCell, rightCell, view_, splitter.GetBorderWidth());
    PlaceChild(c.leftLabel, m_hWnd, labels.left, labels.leftShown);
    PlaceChild(c.rightLabel, m_hWnd, labels.right, labels.rightShown);

    if (c.statusBar.m_hWnd) {
        RECT status{};
        c.statusBar.GetWindowRect(&status);
        status = ScreenToClientRect(m_hWnd, status);
        if (!::EqualRect(&status, &window_.rects.statusBar)) {
            c.statusBar.MoveWindow(window_.rects.statusBar);
            SetStatusParts();
        }
    }
    c.toolbar.MoveWindow(window_.rects.toolbar);
    c.rule.MoveWindow(window_.rects.rule);
    c.diffMap.SetView(view_);
    c.diffMap.MoveWindow(window_.rects.diffMap);
    c.diffMap.ShowWindow(MapShown() ? SW_SHOW : SW_HIDE);

    RECT drop{};
    c.diffList.SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&drop));
    drop = ScreenToClientRect(m_hWnd, drop);
    if (!::EqualRect(&drop, &window_.rects.diffListDrop)) {
        // A minimised window moves the list out of the way.
        c.diffList.MoveWindow(sizeType == SIZE_MINIMIZED ? RECT{0, 0, 0, 0} : window_.rects.diffListDrop);
    }
    UpdateLabelHighlight();
    UpdateMapFrame();
}

void CTandrelDialog::LayoutPanes(RECT& leftCell, RECT& rightCell)
{
    Children& c = *window_.children;
    CMySplitterWnd& splitter = c.frame.Splitter();
    // The cells as the splitter lays them out: the gutters may already be narrowed.
    leftCell = splitter.CellRect(0);
    rightCell = splitter.CellRect(1);
    ::MapWindowPoints(splitter.m_hWnd, nullptr, reinterpret_cast<POINT*>(&leftCell), 2);
    ::MapWindowPoints(splitter.m_hWnd, nullptr, reinterpret_cast<POINT*>(&rightCell), 2);
    RECT splitterRect{};
    splitter.GetWindowRect(&splitterRect);

    const int gutterWidth = window_.digitWidth * (window_.comparison.lineNumberWidth + 1);
    const PanePlacement p = PlacePanes(leftCell, rightCell, splitterRect, gutterWidth, settings_.showLineNumbers != 0,
                                       view_, splitter.GetBorderWidth());
    PlaceChild(c.leftGutter, splitter.m_hWnd, p.leftGutter, p.leftGutterShown);
    PlaceChild(c.rightGutter, splitter.m_hWnd, p.rightGutter, p.rightGutterShown);
    PlaceChild(c.leftText, splitter.m_hWnd, p.leftText, p.leftTextShown);
    PlaceChild(c.rightText, splitter.m_hWnd, p.rightText, p.rightTextShown);
}

void CTandrelDialog::UpdateToolbarState()
{
    window_.children->toolbar.ApplyStates(ToolbarButtonStates(
        window_.comparedOK, currentDiff_, static_cast<int>(window_.comparison.hunks.size()), view_));
}

void CTandrelDialog::OnShowLeftFile()
{
    Children& c = *window_.children;
    CMySplitterWnd& splitter = c.frame.Splitter();
    view_ = PaneView::LeftOnly;
    SetColumn0(window_.rects.paneArea.right - window_.rects.paneArea.left - 2 * splitter.GetBorderWidth());
    ShowSingleFile(c.leftText, c.rightText);
}

void CTandrelDialog::OnShowRightFile()
{
    Children& c = *window_.children;
    CMySplitterWnd& splitter = c.frame.Splitter();
    view_ = PaneView::RightOnly;
    SetColumn0(0);
    int current = 0, minimum = 0;
    splitter.GetColumnInfo(1, current, minimum);
    splitter.SetColumnInfo(
        1, window_.rects.paneArea.right - window_.rects.paneArea.left - 2 * splitter.GetBorderWidth(), minimum);
    ShowSingleFile(c.rightText, c.leftText);
}

void CTandrelDialog::ShowSingleFile(CNewEdit& shown, CNewEdit& hidden)
{
    window_.children->frame.Splitter().RecalcLayout();
    LayoutChildren(SIZE_RESTORED);
    // The shown file takes over where the hidden one stood.
    SendMessage(NewEditMessages::VScroll(), reinterpret_cast<WPARAM>(hidden.m_hWnd), hidden.GetTopLine());
    UpdateToolbarState();
    shown.SetFocus();
    window_.activePane = shown.m_hWnd;
    UpdateLabelHighlight();
}

void CTandrelDialog::OnShowBothFiles()
{
    CMySplitterWnd& splitter = window_.children->frame.Splitter();
    view_ = PaneView::Both;
    SetColumn0(EqualSplitColumnWidth(window_.rects.paneArea.right - window_.rects.paneArea.left,
                                     splitter.GetBorderWidth(), splitter.GetGapWidth()));
    splitter.RecalcLayout();
    LayoutChildren(SIZE_RESTORED);
    UpdateToolbarState();
}

void CTandrelDialog::OnSplitterDragEnded(int column0Width, int column1Width)
{
    view_ = ViewAfterDrag(column0Width, column1Width, ::GetSystemMetrics(SM_CXVSCROLL));
    ComputeLayoutRects();
    LayoutChildren(SIZE_RESTORED);
    UpdateToolbarState();
}

void CTandrelDialog::UpdateLabelHighlight()
{
    Children& c = *window_.children;
    const bool rightActive = ActivePane() == &c.rightText;
    CFileLabel& active = rightActive ? c.rightLabel : c.leftLabel;
    CFileLabel& other = rightActive ? c.leftLabel : c.rightLabel;
    const COLORREF highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    if (active.TextColour() != highlightText || active.BackColour() != highlight) {
        active.SetTextColour(highlightText);
        active.SetBackColour(highlight);
    }
    const COLORREF windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    if (other.TextColour() != windowText || other.BackColour() != face) {
        other.SetTextColour(windowText);
        other.SetBackColour(face);
    }
}

void CTandrelDialog::OnLabelClicked(HWND label)
{
    Children& c = *window_.children;
    CNewEdit& pane = label == c.rightLabel.m_hWnd ? c.rightText : c.leftText;
    pane.SetFocus();
    window_.activePane = pane.m_hWnd;
    UpdateLabelHighlight();
}

void CTandrelDialog::SetupAreaTips()
{
    window_.children->areaTips.Create(
        m_hWnd, [this](POINT point) { return AreaToolAt(point); },
        [this](UINT_PTR toolId) { return AreaTipText(toolId); });
}

UINT_PTR CTandrelDialog::AreaToolAt(POINT point)
{
    Children& c = *window_.children;
    auto inside = [&](CWnd& child) {
        if (!child.IsWindowVisible())
            return false;
        RECT r{};
        child.GetWindowRect(&r);
        r = ScreenToClientRect(m_hWnd, r);
        return ::PtInRect(&r, point) != FALSE;
    };
    if (inside(c.leftLabel))
        return IDC_LEFT_LABEL;
    if (inside(c.rightLabel))
        return IDC_RIGHT_LABEL;
    if (::PtInRect(&window_.rects.diffListField, point))
        return IDC_DIFF_LIST;
    if (!window_.comparison.hunks.empty() && ::PtInRect(&window_.markerRect, point))
        return kMarkerTool;
    return 0;
}

std::string CTandrelDialog::AreaTipText(UINT_PTR toolId) const
{
    switch (toolId) {
    case kMarkerTool: {
        char text[128] = {};
        std::snprintf(text, sizeof(text), LoadText(IDS_DIFF_OF).c_str(), currentDiff_ + 1,
                      static_cast<int>(window_.comparison.hunks.size()));
        return text;
    }
    case IDC_DIFF_LIST: return LoadText(IDS_CURRENT_DIFFERENCE);
    case IDC_LEFT_LABEL: return window_.leftInfo;
    case IDC_RIGHT_LABEL: return window_.rightInfo;
    default: return std::string();
    }
}

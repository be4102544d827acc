// The main window's navigation: the current difference, synchronised scrolling, caret status, search and the marker.
#include "shell/CTandrelDialog.h"

#include "framework/AppMessageBox.h"
#include "framework/GdiObject.h"
#include "framework/ObjectSelection.h"
#include "resources/resource.h"
#include "shell/MainWindowTexts.h"

CNewEdit* CTandrelDialog::ActivePane()
{
    if (!window_.children)
        return nullptr;
    Children& c = *window_.children;
    if (view_ != PaneView::Both)
        return &LeadText();
    return window_.activePane == c.rightText.m_hWnd ? &c.rightText : &c.leftText;
}

void CTandrelDialog::GoToCurrentDifference()
{
    if (window_.comparison.hunks.empty())
        return;
    window_.children->diffMap.SetCurrent(currentDiff_);
    ScrollToDisplayLine(FirstDisplayRow(window_.comparison.hunks[static_cast<size_t>(currentDiff_)]),
                        ScrollMode::Middle);
    UpdateToolbarState();
}

void CTandrelDialog::ScrollToDisplayLine(int row, ScrollMode mode)
{
    CNewEdit* active = ActivePane();
    if (!active || !active->m_hWnd)
        return;
    if (!(active->GetStyle() & WS_VSCROLL))
        mode = ScrollMode::Bottom;
    RECT gutter{};
    LeadGutter().GetWindowRect(&gutter);
    CNewEdit& target = LeadText();
    const int delta = ScrollDelta(row, target.GetTopLine(), mode, gutter.bottom - gutter.top,
                                  ::GetSystemMetrics(SM_CYHSCROLL), window_.lineHeight);
    if (delta != 0) {
        target.ScrollBy(delta, 0);
        InvalidateMarker();
    }
}

void CTandrelDialog::SelectListEntry()
{
    window_.children->diffList.SetCurSel(currentDiff_);
}

void CTandrelDialog::OnNextDifference()
{
    if (currentDiff_ + 1 >= static_cast<int>(window_.comparison.hunks.size()))
        return;
    ++currentDiff_;
    GoToCurrentDifference();
    SelectListEntry();
}

void CTandrelDialog::OnPreviousDifference()
{
    if (currentDiff_ <= 0)
        return;
    --currentDiff_;
    GoToCurrentDifference();
    SelectListEntry();
}

void CTandrelDialog::OnDiffListSelect()
{
    const int selected = window_.children->diffList.GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(window_.comparison.hunks.size()))
        return;
    currentDiff_ = selected;
    GoToCurrentDifference();
}

void CTandrelDialog::OnPaneVScroll(HWND pane)
{
    Children& c = *window_.children;
    if (pane != c.leftText.m_hWnd && pane != c.rightText.m_hWnd)
        return;  // gutters never lead
    const int topLine = (pane == c.leftText.m_hWnd ? c.leftText : c.rightText).GetTopLine();
    CNewEdit* panes[4] = {&c.leftText, &c.leftGutter, &c.rightText, &c.rightGutter};
    const int first = view_ == PaneView::RightOnly ? 2 : 0;
    const int last = view_ == PaneView::LeftOnly ? 1 : 3;
    for (int i = first; i <= last; ++i) {
        CNewEdit& other = *panes[i];
        // The follower's own notification comes back with the same top line and ends here.
        if (other.m_hWnd != pane && other.IsWindowVisible() && other.GetTopLine() != topLine)
            other.ScrollBy(topLine - other.GetTopLine(), 0);
    }
    InvalidateMarker();
    UpdateMapFrame();
}

void CTandrelDialog::OnMapDifferenceChosen(int diff)
{
    if (diff < 0 || diff >= static_cast<int>(window_.comparison.hunks.size()))
        return;
    currentDiff_ = diff;
    GoToCurrentDifference();
    SelectListEntry();
}

void CTandrelDialog::OnMapRowChosen(int row)
{
    ScrollToDisplayLine(row, ScrollMode::Middle);
}

void CTandrelDialog::OnMapWheel(int lines)
{
    LeadText().ScrollBy(lines, 0);
}

void CTandrelDialog::OnPaneHScroll(HWND pane)
{
    Children& c = *window_.children;
    if (!window_.userActed || view_ != PaneView::Both)
        return;
    if (pane != c.leftText.m_hWnd && pane != c.rightText.m_hWnd)
        return;
    const bool left = pane == c.leftText.m_hWnd;
    const int column = (left ? c.leftText : c.rightText).GetHorzPos();
    CNewEdit& other = left ? c.rightText : c.leftText;
    if (other.GetHorzPos() != column)
        other.ScrollBy(0, column - other.GetHorzPos());
}

void CTandrelDialog::OnPaneSetFocus(HWND pane)
{
    window_.activePane = pane;
    // A pane that has the focus shows its own selection, so one kept for the Find dialog
    // ends; the notification of a search's focus arrives after the dialog took it back.
    if (::GetFocus() == pane)
        KeepSelectionsShown(false);
    UpdateLabelHighlight();
    CNewEdit* edit = dynamic_cast<CNewEdit*>(CWnd::FromHandlePermanent(pane));
    if (edit) {
        int line = 0, column = 0;
        edit->GetCaretLineColumn(line, column);
        OnPaneCaretMove(line, column);
    }
}

void CTandrelDialog::OnPaneCaretMove(int row, int column)
{
    HWND focus = ::GetFocus();
    if (!focus)
        return;
    // While the Find dialog has the keyboard, the status speaks of the pane it searches.
    if (window_.findDialog && ::IsChild(window_.findDialog->m_hWnd, focus))
        focus = window_.activePane;
    Children& c = *window_.children;
    std::string rowText;
    if (focus == c.leftText.m_hWnd)
        c.leftGutter.GetLineText(row, rowText);
    else if (focus == c.rightText.m_hWnd)
        c.rightGutter.GetLineText(row, rowText);
    c.statusBar.SetText(1, CaretStatusText(rowText, column));
}

void CTandrelDialog::Search(bool forward)
{
    if (window_.searchText.empty()) {
        AppMessageBox("No search string defined!");
        return;
    }
    CNewEdit* pane = ActivePane();
    if (!pane)
        return;
    pane->SetFocus();
    if (!pane->Find(window_.searchText.c_str(), forward ? 1 : 0, window_.matchCase ? 1 : 0))
        AppMessageBox("Search string not found!");
}

void CTandrelDialog::OnFind()
{
    if (!window_.findDialog) {
        auto dialog = std::make_unique<CFindDialog>(this);
        if (!dialog->Create(IDD_FIND, this))
            return;
        window_.findDialog = std::move(dialog);
    }
    window_.findDialog->ShowWindow(SW_SHOW);
    ::SetActiveWindow(window_.findDialog->m_hWnd);
}

bool CTandrelDialog::IsOurFindDialog(HWND window) const
{
    return window_.findDialog && window && window == window_.findDialog->m_hWnd;
}

void CTandrelDialog::OnFindDialogFindNext(HWND sender, const FindRequest* request)
{
    if (!IsOurFindDialog(sender) || !request)
        return;
    window_.searchText = request->text;
    window_.matchCase = request->matchCase != 0;
    Search(request->direction != 0);
    // The pane took the focus for the search; the dialog takes it back once the pane's
    // queued notifications have been handled, so that Enter searches again and Esc closes it.
    PostMessage(kReturnToFindDialogMessage);
}

void CTandrelDialog::OnReturnToFindDialog()
{
    if (!window_.findDialog || !::IsWindow(window_.findDialog->m_hWnd))
        return;
    // The match stays drawn as selected while the dialog has the keyboard.
    if (CNewEdit* pane = ActivePane())
        pane->KeepSelectionShown(true);
    ::SetActiveWindow(window_.findDialog->m_hWnd);
}

void CTandrelDialog::KeepSelectionsShown(bool keep)
{
    if (!window_.children)
        return;
    window_.children->leftText.KeepSelectionShown(keep);
    window_.children->rightText.KeepSelectionShown(keep);
}

void CTandrelDialog::OnFindDialogClose(HWND sender)
{
    if (!IsOurFindDialog(sender))
        return;
    ForgetFindDialog();
    KeepSelectionsShown(false);
}

// The dialog asks from inside one of its own handlers, and a message box of one of them
// runs a message loop that may bring its Cancel: it goes once no handler of it runs.
void CTandrelDialog::ForgetFindDialog()
{
    if (window_.findDialog)
        window_.findDialog.release()->DeleteWhenIdle();
}

void CTandrelDialog::InvalidateMarker()
{
    InvalidateRect(&window_.rects.markerStrip, TRUE);
}

void CTandrelDialog::DrawMarker(HDC dc)
{
    window_.markerRect = RECT{};
    if (!window_.children || window_.comparison.hunks.empty() || window_.lineHeight <= 0)
        return;
    const int row = FirstDisplayRow(window_.comparison.hunks[static_cast<size_t>(currentDiff_)]);
    CNewEdit& pane = LeadText();
    CNewEdit& gutter = LeadGutter();
    POINT start = pane.PointFromPosition(pane.GetLineStart(row));
    RECT gutterClient{};
    gutter.GetClientRect(&gutterClient);
    if (!MarkerVisible(start.y, gutterClient.bottom, window_.lineHeight))
        return;
    ::MapWindowPoints(gutter.m_hWnd, m_hWnd, &start, 1);
    const MarkerGeometry marker = MarkerAt(start.y + window_.lineHeight / 2);
    GdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(255, 255, 0)));
    GdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, RGB(255, 255, 0)));
    ObjectSelection brushSelection(dc, brush.Get());
    ObjectSelection penSelection(dc, pen.Get());
    ::Polygon(dc, marker.triangle.data(), static_cast<int>(marker.triangle.size()));
    window_.markerRect = marker.hotArea;
}

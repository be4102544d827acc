// CNewEdit: scroll bars, scrolling by lines and columns, keeping the caret in view, and the notifications to the parent.
#include "pane/CNewEdit.h"

#include "pane/NewEditMessages.h"
#include "pane/PaneLayout.h"

#include <algorithm>

void CNewEdit::Notify(UINT message, WPARAM wParam, LPARAM lParam) const
{
    ::PostMessageA(GetParent(), message, wParam, lParam);
}

int CNewEdit::ThumbStart(int bar) const
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(m_hWnd, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &info))
        return -1;
    return info.xyThumbTop;
}

// On a long text most steps move the thumb by less than a pixel, and drawing
// a bar again is the largest part of a step under Wine's theme (some twenty
// images, each a round trip to its server).
void CNewEdit::SetScrollPosition(int bar, int position)
{
    const int thumb = ThumbStart(bar);
    const int previous = SetScrollPos(m_hWnd, bar, position, FALSE);
    // A thumb the system cannot place is drawn, as every step drew it before.
    if (thumb != -1 && ThumbStart(bar) == thumb)
        return;
    // The system draws a bar when its position changes.
    SetScrollPos(m_hWnd, bar, previous, FALSE);
    SetScrollPos(m_hWnd, bar, position, TRUE);
}

void CNewEdit::OnSize(int width, int height)
{
    clientWidth_ = width;
    clientHeight_ = height;
    RecalcScrollBars();
}

void CNewEdit::RecalcScrollBars()
{
    if (clientWidth_ == 0 || clientHeight_ == 0)
        return;
    visibleLines_ = PaneLayout::FitCount(clientHeight_, metrics_.LineHeight());
    visibleColumns_ = PaneLayout::FitCount(clientWidth_ - marginWidth_, metrics_.AverageCharWidth());

    if (!text_.Empty() && visibleLines_ < text_.LineCount()) {
        SCROLLINFO info{sizeof info, SIF_ALL, 0, text_.LineCount(), static_cast<UINT>(visibleLines_ + 1), topLine_, 0};
        SetScrollInfo(m_hWnd, SB_VERT, &info, FALSE);
        ShowScrollBar(m_hWnd, SB_VERT, (style_ & WS_VSCROLL) != 0);
    } else {
        SetScrollRange(m_hWnd, SB_VERT, 0, 0, TRUE);
        topLine_ = 0;
    }

    if (!text_.Empty() && visibleColumns_ < text_.MaxLineLength()) {
        SCROLLINFO info{sizeof info, SIF_ALL, 0, text_.MaxLineLength(), static_cast<UINT>(visibleColumns_ + 1),
                        horzPos_,    0};
        SetScrollInfo(m_hWnd, SB_HORZ, &info, FALSE);
        ShowScrollBar(m_hWnd, SB_HORZ, (style_ & WS_HSCROLL) != 0);
    } else {
        SetScrollRange(m_hWnd, SB_HORZ, 0, 0, TRUE);
        horzPos_ = horzOffset_ = 0;
    }
}

void CNewEdit::OnVScroll(int request)
{
    if (text_.Empty())
        return;
    SCROLLINFO info{sizeof info, SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hWnd, SB_VERT, &info);
    SetTopLine(
        PaneLayout::ScrollTarget(request, topLine_, visibleLines_, text_.LineCount(), info.nPos, info.nTrackPos));
}

void CNewEdit::OnHScroll(int request)
{
    if (text_.Empty())
        return;
    SCROLLINFO info{sizeof info, SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hWnd, SB_HORZ, &info);
    SetHorzPos(
        PaneLayout::ScrollTarget(request, horzPos_, visibleColumns_, text_.MaxLineLength(), info.nPos, info.nTrackPos));
}

void CNewEdit::SetTopLine(int line)
{
    line = std::clamp(line, 0, text_.LineCount());
    if (line == topLine_)
        return;
    const int dy = metrics_.LineHeight() * (topLine_ - line);
    topLine_ = line;
    ScrollWindowEx(m_hWnd, 0, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    UpdateWindow();
    caretPoint_.y += dy;
    SetScrollPosition(SB_VERT, topLine_);
    Notify(NewEditMessages::VScroll(), reinterpret_cast<WPARAM>(m_hWnd), topLine_);
}

void CNewEdit::SetHorzPos(int column)
{
    column = std::clamp(column, 0, std::max(0, text_.MaxLineLength()));
    if (column == horzPos_)
        return;
    const int dx = metrics_.AverageCharWidth() * (horzPos_ - column);
    horzPos_ = column;
    horzOffset_ = column * metrics_.AverageCharWidth();
    const RECT text{marginWidth_, 0, clientWidth_, clientHeight_};
    ScrollWindowEx(m_hWnd, dx, 0, &text, &text, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    UpdateWindow();
    caretPoint_.x += dx;
    if (hasCaret_)
        PlaceSystemCaret();
    SetScrollPosition(SB_HORZ, horzPos_);
    Notify(NewEditMessages::HScroll(), reinterpret_cast<WPARAM>(m_hWnd), horzPos_);
}

void CNewEdit::ScrollBy(int lines, int columns)
{
    if (text_.Empty())
        return;
    if (lines != 0)
        SetTopLine(topLine_ + lines);
    if (columns != 0)
        SetHorzPos(horzPos_ + columns);
}

void CNewEdit::WidenExtentTo(int offset)
{
    const int columns = offset / std::max(1, metrics_.AverageCharWidth()) + 1;
    if (columns <= text_.MaxLineLength())
        return;
    text_.SetMaxLineLength(columns);
    RecalcScrollBars();
}

bool CNewEdit::EnsureCaretVisible(CaretFollow follow)
{
    if (follow == CaretFollow::None)
        return false;
    WidenExtentTo(caretPoint_.x - TextOriginX());
    PaneLayout::CaretView view;
    view.marginWidth = marginWidth_;
    view.clientWidth = clientWidth_;
    view.clientHeight = clientHeight_;
    view.lineHeight = metrics_.LineHeight();
    view.averageCharWidth = metrics_.AverageCharWidth();
    view.horizontalOffset = horzOffset_;
    view.visibleColumns = visibleColumns_;
    view.visibleLines = visibleLines_;
    const PaneLayout::ScrollPlan plan = PaneLayout::CaretScroll(
        view, caretPoint_.x, caretPoint_.y, LineFromY(caretPoint_.y, nullptr), follow == CaretFollow::QuarterJump);
    if (plan.horizontal)
        SetHorzPos(plan.horzPos);
    if (plan.vertical)
        SetTopLine(plan.topLine);
    return plan.horizontal || plan.vertical;
}

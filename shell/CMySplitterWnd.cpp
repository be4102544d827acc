#include "shell/CMySplitterWnd.h"

#include "shell/PaneNotifications.h"
#include "shell/SplitterDragListener.h"

void CMySplitterWnd::OnLButtonDown(UINT flags, POINT point)
{
    // Tracking takes the focus; the pane that had it keeps its look and gets it back.
    HWND focus = GetFocus();
    if (focus)
        ::SendMessageA(focus, WM_SETREDRAW, FALSE, 0);
    CSplitterWnd::OnLButtonDown(flags, point);
    if (focus) {
        ::SetFocus(focus);
        ::SendMessageA(focus, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(focus, nullptr, TRUE);
    }
}

void CMySplitterWnd::OnLButtonUp(UINT flags, POINT point)
{
    CSplitterWnd::OnLButtonUp(flags, point);
    RECT client{};
    GetClientRect(&client);
    if (HitTest(point) == NoHit && ::PtInRect(&client, point))
        return;
    RecalcLayout();
    if (listener_) {
        int column0 = 0, column1 = 0, minimum = 0;
        GetColumnInfo(0, column0, minimum);
        GetColumnInfo(1, column1, minimum);
        listener_->OnSplitterDragEnded(column0, column1);
    }
}

LRESULT CMySplitterWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ForwardPaneNotification(m_hWnd, message, wParam, lParam))
        return 0;
    return CSplitterWnd::WindowProc(message, wParam, lParam);
}

#include "shell/CTandrelDialogFrame.h"

#include "shell/MainLayout.h"
#include "shell/PaneNotifications.h"

BOOL CTandrelDialogFrame::Create(HWND parent)
{
    return CreateEx(0, nullptr, "Frame", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent, nullptr);
}

bool CTandrelDialogFrame::OnCreateClient()
{
    if (!splitter_.CreateStatic(m_hWnd, 1, 2, WS_CHILD | WS_VISIBLE, CSplitterWnd::kFirstPaneId))
        return false;
    splitter_.ShowWindow(SW_SHOW);
    splitter_.UpdateWindow();
    return true;
}

void CTandrelDialogFrame::OnSize(UINT, int cx, int cy)
{
    // The frame's own handling: the splitter fills the client area.
    splitter_.MoveWindow(0, 0, cx, cy);
    if (cx == 0 || cy == 0)
        return;
    int column0 = 0, minimum = 0;
    splitter_.GetColumnInfo(0, column0, minimum);
    const int fixed = splitter_.GetGapWidth() + 2 * splitter_.GetBorderWidth();
    if (previousSplitterWidth_ != 0) {
        splitter_.SetColumnInfo(0, ProportionalColumnWidth(cx, fixed, previousSplitterWidth_, column0), minimum);
        splitter_.RecalcLayout();
    }
    RECT client{};
    splitter_.GetClientRect(&client);
    previousSplitterWidth_ = client.right;
}

LRESULT CTandrelDialogFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ForwardPaneNotification(m_hWnd, message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_CREATE: return OnCreateClient() ? 0 : -1;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    default: break;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

#include "framework/CFrameWnd.h"

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam)); return 0;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

bool CFrameWnd::IsCommandEnabled(UINT) const
{
    return true;
}

void CFrameWnd::OnInitMenuPopup(HMENU popup)
{
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;  // separators and nested popups
        EnableMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | (IsCommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
    }
}

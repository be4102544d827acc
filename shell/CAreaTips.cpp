#include "shell/CAreaTips.h"

#include <commctrl.h>

BOOL CAreaTips::Create(HWND owner, ToolAt toolAt, TipText tipText)
{
    owner_ = owner;
    toolAt_ = std::move(toolAt);
    tipText_ = std::move(tipText);
    return tips_.Create(owner);
}

void CAreaTips::Relay(const MSG& msg)
{
    if (!tips_.m_hWnd || (msg.hwnd != owner_ && !::IsChild(owner_, msg.hwnd)))
        return;
    POINT point{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    ::MapWindowPoints(msg.hwnd, owner_, &point, 1);
    const UINT_PTR tool = toolAt_(point);
    if (tool != currentTool_ && currentTool_ != 0)
        tips_.DelTool(owner_, currentTool_);
    if (tool != 0) {
        // The tool covers the pixels around the mouse; the text is asked for when shown.
        const RECT around{point.x - 1, point.y - 1, point.x + 2, point.y + 2};
        if (tool != currentTool_)
            tips_.AddTool(owner_, LPSTR_TEXTCALLBACKA, around, tool, 0);
        else
            tips_.SetToolRect(owner_, tool, around);
        MSG relayed = msg;
        relayed.hwnd = owner_;
        relayed.lParam = MAKELPARAM(point.x, point.y);
        tips_.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    currentTool_ = tool;
}

bool CAreaTips::OnNotify(NMHDR& header)
{
    if (header.code != TTN_GETDISPINFOA || !tips_.m_hWnd || header.hwndFrom != tips_.m_hWnd)
        return false;
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
    shownText_ = tipText_(info.hdr.idFrom);
    info.lpszText = &shownText_[0];
    return true;
}

#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

namespace {

TOOLINFOA MakeToolInfo(HWND window, UINT_PTR toolId)
{
    TOOLINFOA info{};
    // The size before the reserved field: accepted by every comctl32 version.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window;
    info.uId = toolId;
    return info;
}

}  // namespace

BOOL CToolTipCtrl::Create(HWND parent)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr);
}

BOOL CToolTipCtrl::AddTool(HWND window, LPSTR text, const RECT& rect, UINT_PTR toolId, UINT flags)
{
    TOOLINFOA info = MakeToolInfo(window, toolId);
    info.uFlags = flags;
    info.rect = rect;
    info.hinst = ::GetModuleHandleA(nullptr);
    info.lpszText = text;
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::SetToolRect(HWND window, UINT_PTR toolId, const RECT& rect)
{
    TOOLINFOA info = MakeToolInfo(window, toolId);
    info.rect = rect;
    SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::DelTool(HWND window, UINT_PTR toolId)
{
    TOOLINFOA info = MakeToolInfo(window, toolId);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string CToolTipCtrl::GetText(HWND window, UINT_PTR toolId) const
{
    char buffer[256] = {};
    TOOLINFOA info = MakeToolInfo(window, toolId);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT, 0, 0));
}

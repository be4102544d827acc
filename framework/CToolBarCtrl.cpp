#include "framework/CToolBarCtrl.h"

BOOL CToolBarCtrl::Create(DWORD style, HWND parent, UINT id)
{
    if (!CreateEx(0, TOOLBARCLASSNAMEA, "", style | WS_CHILD, 0, 0, 0, 0, parent,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return FALSE;
    enabledSet_.clear();
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

int CToolBarCtrl::AddBitmap(int count, HINSTANCE instance, UINT bitmapId, SIZE imageSize)
{
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize.cx, imageSize.cy));
    TBADDBITMAP bitmap{instance, bitmapId};
    return static_cast<int>(SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&bitmap)));
}

BOOL CToolBarCtrl::AddButtons(const std::vector<TBBUTTON>& buttons)
{
    enabledSet_.clear();
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())));
}

int CToolBarCtrl::GetButtonCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT, 0, 0));
}

BOOL CToolBarCtrl::GetButton(int index, TBBUTTON& button) const
{
    return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)));
}

BOOL CToolBarCtrl::GetItemRect(int index, RECT& rect) const
{
    return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)));
}

BOOL CToolBarCtrl::EnableButton(UINT command, bool enable)
{
    const auto set = enabledSet_.find(command);
    if (set != enabledSet_.end() && set->second == enable)
        return TRUE;
    const auto done = static_cast<BOOL>(SendMessage(TB_ENABLEBUTTON, command, MAKELPARAM(enable ? TRUE : FALSE, 0)));
    if (done)
        enabledSet_[command] = enable;
    return done;
}

bool CToolBarCtrl::IsButtonEnabled(UINT command) const
{
    return SendMessage(TB_ISBUTTONENABLED, command, 0) != 0;
}

void CToolBarCtrl::SetToolTips(HWND tooltip)
{
    SendMessage(TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip), 0);
}

HWND CToolBarCtrl::GetToolTips() const
{
    return reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS, 0, 0));
}

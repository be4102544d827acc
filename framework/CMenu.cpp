#include "framework/CMenu.h"

CMenu::CMenu(UINT id, HINSTANCE module) : menu_(LoadMenuA(module, MAKEINTRESOURCEA(id)))
{
}

CMenu::~CMenu()
{
    if (menu_)
        DestroyMenu(menu_);
}

HMENU CMenu::SubMenu(int index) const
{
    return menu_ ? GetSubMenu(menu_, index) : nullptr;
}

void CMenu::TrackPopup(HMENU popup, int x, int y, HWND owner)
{
    if (popup)
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
}

#include "framework/CStatusBarCtrl.h"

#include <commctrl.h>

BOOL CStatusBarCtrl::Create(DWORD style, HWND parent, UINT id)
{
    return CreateEx(0, STATUSCLASSNAMEA, "", style | WS_CHILD, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CStatusBarCtrl::SetParts(const std::vector<int>& rightEdges)
{
    return static_cast<BOOL>(SendMessage(SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data())));
}

std::vector<int> CStatusBarCtrl::GetParts() const
{
    const int count = static_cast<int>(SendMessage(SB_GETPARTS, 0, 0));
    std::vector<int> edges(static_cast<size_t>(count > 0 ? count : 0));
    if (count > 0)
        SendMessage(SB_GETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges.data()));
    return edges;
}

BOOL CStatusBarCtrl::SetText(int part, const std::string& text, bool ownerDrawn)
{
    const WPARAM flags = static_cast<WPARAM>(part) | (ownerDrawn ? SBT_OWNERDRAW : 0);
    // An owner-drawn part keeps the pointer as its item data: it gets none.
    const LPARAM data = ownerDrawn ? 0 : reinterpret_cast<LPARAM>(text.c_str());
    return static_cast<BOOL>(SendMessage(SB_SETTEXTA, flags, data));
}

std::string CStatusBarCtrl::GetText(int part) const
{
    const LRESULT info = SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0);
    std::string text(static_cast<size_t>(LOWORD(info)) + 1, '\0');
    SendMessage(SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(LOWORD(info));
    return text;
}

RECT CStatusBarCtrl::GetPartRect(int part) const
{
    RECT r{};
    SendMessage(SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&r));
    return r;
}

#include "framework/CComboBox.h"

BOOL CComboBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, "COMBOBOX", "", style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

int CComboBox::AddString(const std::string& text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::InsertString(int index, const std::string& text)
{
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

void CComboBox::ResetContent()
{
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetCount() const
{
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index)
{
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
}

std::string CComboBox::GetLBText(int index) const
{
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

void CComboBox::SetHorizontalExtent(int pixels)
{
    SendMessage(CB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels));
}

int CComboBox::GetHorizontalExtent() const
{
    return static_cast<int>(SendMessage(CB_GETHORIZONTALEXTENT));
}

int CComboBox::GetItemHeight(int index) const
{
    return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
}

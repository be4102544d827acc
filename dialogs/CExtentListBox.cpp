#include "dialogs/CExtentListBox.h"

#include "framework/ClientDC.h"
#include "framework/ObjectSelection.h"
#include "framework/WideString.h"

int CExtentListBox::AddItem(const std::string& text)
{
    const int index = AddString(text);
    if (index >= 0) {
        NoteAdded(text);
    }
    return index;
}

int CExtentListBox::InsertItem(int index, const std::string& text)
{
    const int at = InsertString(index, text);
    if (at >= 0) {
        NoteAdded(text);
    }
    return at;
}

int CExtentListBox::DeleteItem(int index)
{
    const std::string text = GetText(index);
    const int left = DeleteString(index);
    if (left < 0) {
        return left;
    }
    const int widest = m_widths.Widest();
    m_widths.Remove(ItemWidth(text));
    if (m_widths.Widest() < widest) {
        SetHorizontalExtent(m_widths.Widest());
        SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
    }
    return left;
}

void CExtentListBox::NoteAdded(const std::string& text)
{
    const int widest = m_widths.Widest();
    m_widths.Insert(ItemWidth(text));
    if (m_widths.Widest() > widest) {
        SetHorizontalExtent(m_widths.Widest());
    }
}

int CExtentListBox::ItemWidth(const std::string& text) const
{
    ClientDC dc(m_hWnd);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    ObjectSelection selection(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    SIZE size{};
    const std::wstring wide = WideString::FromProcessCodePage(text);
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    return size.cx + metrics.tmAveCharWidth;
}

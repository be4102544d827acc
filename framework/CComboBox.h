// CComboBox: a combo box control and the list operations the program uses.
#pragma once

#include "framework/CWnd.h"

#include <string>

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    int AddString(const std::string& text);
    // The index the text went to, or CB_ERR / CB_ERRSPACE.
    int InsertString(int index, const std::string& text);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    std::string GetLBText(int index) const;
    void SetHorizontalExtent(int pixels);
    int GetHorizontalExtent() const;
    // Height of the selection field.
    int GetItemHeight(int index) const;
};

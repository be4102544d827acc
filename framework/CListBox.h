// CListBox: a list box control and the list operations the program uses.
#pragma once

#include "framework/CWnd.h"

#include <string>

class CListBox : public CWnd {
public:
    // The new item's index, or LB_ERR / LB_ERRSPACE.
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    // The count of items left, or LB_ERR.
    int DeleteString(int index);
    // The item's text; empty for an index outside the list.
    std::string GetText(int index) const;
    int GetCount() const;
    // The selected item of a single-selection list, or LB_ERR when none is.
    int GetCurSel() const;
    int SetCurSel(int index);
    void SetHorizontalExtent(int pixels);
    int GetHorizontalExtent() const;
};

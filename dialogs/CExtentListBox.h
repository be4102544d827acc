// CExtentListBox: a list box whose horizontal scroll range follows its widest item.
#pragma once

#include "dialogs/ItemWidthList.h"
#include "framework/CListBox.h"

#include <string>

class CExtentListBox : public CListBox {
public:
    // The new item's index, or the list box's error.
    int AddItem(const std::string& text);
    int InsertItem(int index, const std::string& text);
    // The count of items left, or the list box's error.
    int DeleteItem(int index);

private:
    // The text's width in the list's own font, plus one average character of margin.
    int ItemWidth(const std::string& text) const;
    void NoteAdded(const std::string& text);

    ItemWidthList m_widths;
};

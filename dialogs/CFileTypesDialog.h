// CFileTypesDialog: the editor of the file-type list, one item per type, in list order.
#pragma once

#include "dialogs/CExtentListBox.h"
#include "framework/CDialog.h"

#include <string>

class CFileTypesDialog : public CDialog {
public:
    explicit CFileTypesDialog(const std::string& filterString, CWnd* parent = nullptr);

    CExtentListBox m_typeList;
    // The filter string on entry; after IDOK the edited one.
    std::string m_filterString;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Rebuilds the filter string from the items, in list order.
    void OnOK() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    void OnAdd();
    void OnDelete();
    // Moves the selected item by step places (-1 up, +1 down) when it stays inside the list.
    void OnMove(int step);
    void OnEdit();
};

#include "dialogs/CFindDialog.h"

#include "framework/AppMessageBox.h"
#include "framework/CDataExchange.h"
#include "resources/resource.h"

CFindDialog::CFindDialog(CWnd* parent) : CDialog(IDD_FIND, parent)
{
}

void CFindDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_FIND_NEXT, m_findNextButton);
    DDX_Control(dx, IDC_FIND_TEXT, m_searchBox);
    DDX_Check(dx, IDC_FIND_MATCH_CASE, m_matchCase);
    DDX_Radio(dx, IDC_FIND_UP, m_direction);
}

BOOL CFindDialog::OnInitDialog()
{
    m_searchBox.SetHistorySection(kHistorySection);
    CDialog::OnInitDialog();
    m_searchBox.LoadHistory();
    return TRUE;
}

bool CFindDialog::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    switch (id) {
    case IDC_FIND_NEXT: OnFindNext(); return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CFindDialog::OnFindNext()
{
    if (!UpdateData(TRUE))
        return;
    const std::string text = m_searchBox.GetWindowText();
    if (text.empty()) {
        AppMessageBox("No search string defined!");
        return;
    }
    // Every press goes to the top of the list, repeats included; only the string in the box
    // when the dialog closes is stored.
    m_searchBox.InsertString(0, text);
    HWND parent = GetParent();
    if (!parent)
        return;
    FindRequest request{text, m_matchCase, m_direction};
    ::SendMessageA(parent, WM_FINDDLG_FINDNEXT, reinterpret_cast<WPARAM>(m_hWnd), reinterpret_cast<LPARAM>(&request));
}

void CFindDialog::OnCancel()
{
    if (HWND parent = GetParent())
        ::SendMessageA(parent, WM_FINDDLG_CLOSE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

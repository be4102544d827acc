#include "dialogs/CEnterFileTypeDialog.h"

#include "framework/AppMessageBox.h"
#include "framework/CDataExchange.h"
#include "resources/resource.h"

CEnterFileTypeDialog::CEnterFileTypeDialog(CWnd* parent) : CDialog(IDD_ENTER_FILE_TYPE, parent)
{
}

void CEnterFileTypeDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_ENTER_GROUP_NAME, m_groupName);
    DDX_Text(dx, IDC_ENTER_PATTERNS, m_patterns);
}

void CEnterFileTypeDialog::FocusControl(int id)
{
    HWND edit = GetDlgItem(id);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
}

void CEnterFileTypeDialog::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    if (m_groupName.empty() || m_patterns.empty()) {
        FocusControl(m_groupName.empty() ? IDC_ENTER_GROUP_NAME : IDC_ENTER_PATTERNS);
        AppMessageBox("You have to type something!");
        return;
    }
    // "|" separates the stored pairs: one inside a field would shift every later type.
    const bool barInName = m_groupName.find('|') != std::string::npos;
    if (barInName || m_patterns.find('|') != std::string::npos) {
        FocusControl(barInName ? IDC_ENTER_GROUP_NAME : IDC_ENTER_PATTERNS);
        AppMessageBox("A file type cannot contain the character |!");
        return;
    }
    // The patterns are read back up to the first ")" after the last "(": brackets in them would
    // cut them short. The name may hold brackets.
    if (m_patterns.find_first_of("()") != std::string::npos) {
        FocusControl(IDC_ENTER_PATTERNS);
        AppMessageBox("File patterns cannot contain the characters ( and )!");
        return;
    }
    EndDialog(IDOK);
}

#include "dialogs/CFileTypesDialog.h"

#include "dialogs/CEnterFileTypeDialog.h"
#include "dialogs/FileFilter.h"
#include "framework/AppMessageBox.h"
#include "framework/CDataExchange.h"
#include "resources/resource.h"

#include <vector>

CFileTypesDialog::CFileTypesDialog(const std::string& filterString, CWnd* parent)
    : CDialog(IDD_FILE_TYPES, parent),
      m_filterString(filterString)
{
}

void CFileTypesDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_TYPES_LIST, m_typeList);
}

BOOL CFileTypesDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const FileType& type : ParseFileFilter(m_filterString)) {
        m_typeList.AddItem(FileTypeItemText(type));
    }
    m_typeList.SetCurSel(0);
    return TRUE;
}

void CFileTypesDialog::OnOK()
{
    std::vector<FileType> types;
    for (int i = 0; i < m_typeList.GetCount(); ++i) {
        types.push_back(ParseFileTypeItem(m_typeList.GetText(i)));
    }
    m_filterString = FormatFileFilter(types);
    EndDialog(IDOK);
}

bool CFileTypesDialog::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    switch (id) {
    case IDC_TYPES_ADD: OnAdd(); return true;
    case IDC_TYPES_DELETE: OnDelete(); return true;
    case IDC_TYPES_MOVE_UP: OnMove(-1); return true;
    case IDC_TYPES_MOVE_DOWN: OnMove(+1); return true;
    case IDC_TYPES_EDIT: OnEdit(); return true;
    case IDC_TYPES_OK: OnOK(); return true;
    case IDC_TYPES_LIST:
        if (notifyCode == LBN_DBLCLK)
            OnEdit();
        return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CFileTypesDialog::OnAdd()
{
    CEnterFileTypeDialog entry(this);
    if (entry.DoModal() == IDOK) {
        m_typeList.AddItem(FileTypeItemText({entry.m_groupName, entry.m_patterns}));
    }
}

void CFileTypesDialog::OnDelete()
{
    if (m_typeList.GetCount() == 1) {
        AppMessageBox("Cannot delete the last type!");
        return;
    }
    const int selected = m_typeList.GetCurSel();
    if (selected < 0) {
        return;
    }
    const int left = m_typeList.DeleteItem(selected);
    m_typeList.SetCurSel(selected < left ? selected : left - 1);
}

void CFileTypesDialog::OnMove(int step)
{
    const int selected = m_typeList.GetCurSel();
    const int target = selected + step;
    if (selected < 0 || target < 0 || target >= m_typeList.GetCount()) {
        return;
    }
    const std::string text = m_typeList.GetText(selected);
    m_typeList.DeleteItem(selected);
    m_typeList.InsertItem(target, text);
    m_typeList.SetCurSel(target);
}

void CFileTypesDialog::OnEdit()
{
    const int selected = m_typeList.GetCurSel();
    if (selected < 0) {
        return;
    }
    const FileType type = ParseFileTypeItem(m_typeList.GetText(selected));
    CEnterFileTypeDialog entry(this);
    entry.m_groupName = type.name;
    entry.m_patterns = type.patterns;
    if (entry.DoModal() == IDOK) {
        m_typeList.DeleteItem(selected);
        m_typeList.InsertItem(selected, FileTypeItemText({entry.m_groupName, entry.m_patterns}));
        m_typeList.SetCurSel(selected);
    }
}

#include "dialogs/CCompareFilesDialog.h"

#include "dialogs/CTypedFileDialog.h"
#include "dialogs/FileFilter.h"
#include "framework/AppMessageBox.h"
#include "framework/CDataExchange.h"
#include "framework/WideString.h"
#include "resources/resource.h"

#include <string>

namespace {

void Fill(CComboBox& box, const std::vector<std::string>& paths)
{
    box.ResetContent();
    for (const std::string& path : paths) {
        box.AddString(path);
    }
    box.SetCurSel(0);
}

}  // namespace

CCompareFilesDialog::CCompareFilesDialog(CWnd* parent) : CDialog(IDD_COMPARE_FILES, parent)
{
}

void CCompareFilesDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_COMPARE_FILE2, m_secondFileBox);
    DDX_Control(dx, IDC_COMPARE_FILE1, m_firstFileBox);
    DDX_Check(dx, IDC_COMPARE_IGNORE_BLANKS, m_ignoreBlanks);
    DDX_Check(dx, IDC_COMPARE_IGNORE_CASE, m_ignoreCase);
    DDX_CBString(dx, IDC_COMPARE_FILE1, m_firstPath);
    DDX_CBString(dx, IDC_COMPARE_FILE2, m_secondPath);
    DDX_Check(dx, IDC_COMPARE_FORCE_TEXT, m_treatAsText);
}

BOOL CCompareFilesDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    Fill(m_firstFileBox, m_recent.first);
    Fill(m_secondFileBox, m_recent.second);
    return TRUE;
}

bool CCompareFilesDialog::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    switch (id) {
    case IDC_COMPARE_BROWSE1: OnBrowse(m_firstFileBox, "Select first file"); return true;
    case IDC_COMPARE_BROWSE2: OnBrowse(m_secondFileBox, "Select second file"); return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CCompareFilesDialog::OnBrowse(CComboBox& box, LPCSTR title)
{
    const std::string typed = box.GetWindowText();
    CTypedFileDialog dialog(TRUE, nullptr, typed.c_str(), OFN_HIDEREADONLY, kDefaultFileFilter, this, "Select");
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    box.InsertString(0, dialog.GetPathName());
    box.SetCurSel(0);
}

std::string CCompareFilesDialog::ProblemWith(const std::string& path)
{
    if (path.empty()) {
        return "Please enter a file name!";
    }
    // The system limits a name to MAX_PATH UTF-16 units, whatever its bytes in the code page.
    if (WideString::FromProcessCodePage(path).size() >= MAX_PATH) {
        return "File name " + path + " is too long!";
    }
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return "File " + path + " does not exist!";
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return path + " is a folder, not a file!";
    }
    return std::string();
}

void CCompareFilesDialog::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    const struct {
        const std::string& path;
        CComboBox& box;
    } fields[] = {{m_firstPath, m_firstFileBox}, {m_secondPath, m_secondFileBox}};
    for (const auto& field : fields) {
        const std::string problem = ProblemWith(field.path);
        if (!problem.empty()) {
            field.box.SetFocus();
            AppMessageBox(problem);
            return;
        }
    }
    EndDialog(IDOK);
}

bool RunCompareFilesDialog(CWnd* parent, const RecentPair& recent, CompareOptions& options, std::string& firstPath,
                           std::string& secondPath)
{
    CCompareFilesDialog dialog(parent);
    dialog.m_recent = recent;
    dialog.m_ignoreBlanks = options.ignoreBlanks;
    dialog.m_ignoreCase = options.ignoreCase;
    dialog.m_treatAsText = options.forceText;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    firstPath = dialog.m_firstPath;
    secondPath = dialog.m_secondPath;
    options.ignoreBlanks = dialog.m_ignoreBlanks;
    options.ignoreCase = dialog.m_ignoreCase;
    options.forceText = dialog.m_treatAsText;
    return true;
}

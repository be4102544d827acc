#include "dialogs/COptionsDialog.h"

#include "framework/AppMessageBox.h"
#include "framework/CColorDialog.h"
#include "framework/CDataExchange.h"
#include "framework/CFileDialog.h"
#include "framework/CFontDialog.h"
#include "resources/resource.h"

namespace {

const char kEditorFilter[] = "Editor (*.exe; *.com)|*.exe; *.com|All Files (*.*)|*.*||";

// The folder of the editor's path; without one, the Windows folder (where the default
// editor lives). Empty when even that cannot be had: the file dialog then picks its own.
std::string EditorStartFolder(const std::string& editor)
{
    const size_t backslash = editor.rfind('\\');
    if (backslash != std::string::npos && backslash > 0) {
        return editor.substr(0, backslash);
    }
    char windows[MAX_PATH] = "";
    const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        AppMessageBox("Could not get windows directory");
        return std::string();
    }
    return windows;
}

}  // namespace

COptionsDialog::COptionsDialog(CWnd* parent) : CDialog(IDD_OPTIONS, parent)
{
}

void COptionsDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_COLORB, m_backgroundSwatch);
    DDX_Control(dx, IDC_OPTIONS_COLORS, m_colorsGroup);
    DDX_Control(dx, IDC_COLORD, m_deletedSwatch);
    DDX_Control(dx, IDC_COLORC, m_changedSwatch);
    DDX_Control(dx, IDC_COLORA, m_addedSwatch);
    DDX_Control(dx, IDC_COLORE, m_inlineSwatch);
    // The field reads as an unsigned number: a stored tab size outside the range is shown as it
    // is, for the person to correct, and a typed "-3" is not a number.
    UINT tabSize = static_cast<UINT>(m_values.tabSize);
    DDX_Text(dx, IDC_OPTIONS_TAB_SIZE, tabSize);
    DDV_MinMaxUInt(dx, tabSize, kSmallestTabSize, kLargestTabSize);
    m_values.tabSize = static_cast<int>(tabSize);
    DDX_Check(dx, IDC_OPTIONS_IGNORE_BLANKS, m_values.options.ignoreBlanks);
    DDX_Check(dx, IDC_OPTIONS_IGNORE_CASE, m_values.options.ignoreCase);
    DDX_Check(dx, IDC_OPTIONS_LINE_NUMBERS, m_values.showLineNumbers);
    DDX_Check(dx, IDC_OPTIONS_INLINE, m_values.showInlineDifferences);
    DDX_Check(dx, IDC_OPTIONS_DIFF_MAP, m_values.showDifferenceMap);
    DDX_Text(dx, IDC_OPTIONS_EDITOR, m_values.editor);
}

BOOL COptionsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_addedSwatch.m_color = m_values.addedColor;
    m_deletedSwatch.m_color = m_values.deletedColor;
    m_changedSwatch.m_color = m_values.changedColor;
    m_backgroundSwatch.m_color = m_values.diffBackgroundColor;
    m_inlineSwatch.m_color = m_values.inlineDiffColor;
    return TRUE;
}

bool COptionsDialog::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    switch (id) {
    case IDC_OPTIONS_FONT: OnChooseFont(); return true;
    case IDC_COLORA: OnChooseColor(m_values.addedColor, m_addedSwatch); return true;
    case IDC_COLORD: OnChooseColor(m_values.deletedColor, m_deletedSwatch); return true;
    case IDC_COLORC: OnChooseColor(m_values.changedColor, m_changedSwatch); return true;
    case IDC_COLORB: OnChooseColor(m_values.diffBackgroundColor, m_backgroundSwatch); return true;
    case IDC_COLORE: OnChooseColor(m_values.inlineDiffColor, m_inlineSwatch); return true;
    case IDC_OPTIONS_BROWSE: OnBrowseEditor(); return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

void COptionsDialog::OnChooseFont()
{
    // Screen fonts only, and no effects: the panes have no use for colour, underline or strike-out.
    CFontDialog chooser(&m_values.font, CF_SCREENFONTS, this);
    if (chooser.DoModal() == IDOK) {
        m_values.font = chooser.GetLogFont();
    }
}

void COptionsDialog::OnChooseColor(COLORREF& field, CColorButton& swatch)
{
    CColorDialog chooser(field, 0, this);
    if (chooser.DoModal() != IDOK) {
        return;
    }
    field = chooser.GetColor();
    swatch.m_color = field;
    swatch.Invalidate();
}

void COptionsDialog::OnBrowseEditor()
{
    // What the field shows now, typed or chosen: a person browses from there.
    const std::string editor = CWnd::WindowTextOf(GetDlgItem(IDC_OPTIONS_EDITOR));
    const std::string folder = EditorStartFolder(editor);
    CFileDialog dialog(TRUE, nullptr, editor.c_str(), OFN_HIDEREADONLY, kEditorFilter, this);
    dialog.m_ofn.lpstrTitle = "Select editor";
    dialog.m_ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_values.editor = dialog.GetPathName();
    ::SetDlgItemTextA(m_hWnd, IDC_OPTIONS_EDITOR, m_values.editor.c_str());
}

bool RunOptionsDialog(OptionValues& values)
{
    COptionsDialog dialog;
    dialog.m_values = values;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    values = dialog.m_values;
    return true;
}

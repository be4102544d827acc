#include "dialogs/CTypedFileDialog.h"

#include "dialogs/CFileTypesDialog.h"
#include "dialogs/FileFilter.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"

namespace {

const char kSettings[] = "Settings";
const char kFileFilter[] = "File Filter";

// Names the system's dialog as the owner of the type editor, so that the editor is modal
// over it; never attached, so the system's dialog is neither subclassed nor destroyed by it.
class OwnerWindow : public CWnd {
public:
    explicit OwnerWindow(HWND hwnd) { m_hWnd = hwnd; }
    ~OwnerWindow() override { m_hWnd = nullptr; }
};

std::string FolderOf(const std::string& path)
{
    const size_t backslash = path.rfind('\\');
    return backslash == std::string::npos ? std::string() : path.substr(0, backslash);
}

}  // namespace

CTypedFileDialog::CTypedFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags,
                                   LPCSTR filter, CWnd* parent, LPCSTR okCaption)
    : CFileDialog(openFileDialog, defaultExtension, fileName, flags, nullptr, parent),
      m_okCaption(okCaption ? okCaption : ""),
      m_filterString(filter ? filter : ""),
      m_initialName(fileName ? fileName : "")
{
    m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLETEMPLATE;
    m_ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_FILE_TYPES_CHILD);
}

INT_PTR CTypedFileDialog::DoModal()
{
    // Read once: a reopened dialog shows the types just edited, even when storing them failed.
    if (CWinApp* app = CWinApp::GetApp()) {
        m_filterString = app->GetProfileString(kSettings, kFileFilter, m_filterString.c_str());
    }
    INT_PTR result = IDCANCEL;
    do {
        // A string with no complete pair gives the dialog no types; it still opens.
        m_filterBuffer = PlatformFilterList(m_filterString);
        m_ofn.lpstrFilter = m_filterBuffer.empty() ? nullptr : m_filterBuffer.c_str();
        m_ofn.nFilterIndex = 0;
        if (m_reopened) {
            PrepareReopening();
        }
        m_restart = false;
        result = CFileDialog::DoModal();
    } while (m_restart);
    return result;
}

void CTypedFileDialog::PrepareReopening()
{
    if (!m_lastName.empty()) {
        SetFileName(m_lastPath);
        m_ofn.lpstrInitialDir = nullptr;
    } else {
        SetFileName("");
        m_ofn.lpstrInitialDir = m_lastFolder.empty() ? nullptr : m_lastFolder.c_str();
    }
    m_initialName = m_ofn.lpstrFile;
}

BOOL CTypedFileDialog::OnInitDialog()
{
    CFileDialog::OnInitDialog();
    ::SetDlgItemTextA(PlatformDialog(), IDOK, m_okCaption.c_str());
    return TRUE;
}

void CTypedFileDialog::OnInitDone()
{
    CFileDialog::OnInitDone();
    if (!::IsRectEmpty(&m_savedRect)) {
        ::MoveWindow(PlatformDialog(), m_savedRect.left, m_savedRect.top, m_savedRect.right - m_savedRect.left,
                     m_savedRect.bottom - m_savedRect.top, TRUE);
    }
}

bool CTypedFileDialog::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    switch (id) {
    case IDC_FILE_TYPES_BUTTON: OnFileTypes(); return true;
    default: return CFileDialog::OnCommand(id, notifyCode, control);
    }
}

void CTypedFileDialog::OnFileTypes()
{
    HWND platform = PlatformDialog();
    char name[MAX_PATH * 4] = "";
    if (::SendMessageA(platform, CDM_GETSPEC, sizeof name, reinterpret_cast<LPARAM>(name)) < 0) {
        name[0] = '\0';
    }
    m_lastName = name;
    m_lastPath = m_lastName.empty() ? m_initialName : GetPathName();
    m_lastFolder = FolderOf(m_lastPath);
    m_reopened = true;

    OwnerWindow owner(platform);
    CFileTypesDialog types(m_filterString, &owner);
    if (types.DoModal() != IDOK) {
        return;
    }
    m_filterString = types.m_filterString;
    if (CWinApp* app = CWinApp::GetApp()) {
        app->WriteProfileString(kSettings, kFileFilter, m_filterString.c_str());
    }
    ::GetWindowRect(platform, &m_savedRect);
    m_restart = true;
    ::PostMessageA(platform, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

#include "framework/CFileDialog.h"

#include "framework/CommonDialogs.h"

#include <algorithm>

namespace {

// Room for long paths: the system reports a name that does not fit as an error.
constexpr size_t kFileBufferSize = 32768;

void CentreOnOwner(HWND dialog)
{
    HWND owner = ::GetWindow(dialog, GW_OWNER);
    RECT area;
    if (!owner || !::GetWindowRect(owner, &area)) {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT rect;
    ::GetWindowRect(dialog, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int x = area.left + ((area.right - area.left) - width) / 2;
    const int y = area.top + ((area.bottom - area.top) - height) / 2;
    ::SetWindowPos(dialog, nullptr, std::max(x, 0), std::max(y, 0), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags, LPCSTR filter,
                         CWnd* parent)
    : m_ofn{},
      m_openFileDialog(openFileDialog),
      m_parent(parent),
      m_defaultExtension(defaultExtension ? defaultExtension : ""),
      m_fileBuffer(kFileBufferSize, '\0')
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = ::GetModuleHandleA(nullptr);
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
    m_ofn.lpstrDefExt = defaultExtension ? m_defaultExtension.c_str() : nullptr;
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (fileName) {
        SetFileName(fileName);
    }
    if (filter) {
        SetFilter(filter);
    }
}

void CFileDialog::SetFilter(const std::string& filter)
{
    m_filterBuffer = filter;
    std::replace(m_filterBuffer.begin(), m_filterBuffer.end(), '|', '\0');
    // The system reads pairs up to an empty string: two NULs end the list whatever was given.
    m_filterBuffer.append(2, '\0');
    m_ofn.lpstrFilter = m_filterBuffer.c_str();
}

void CFileDialog::SetFileName(const std::string& name)
{
    const size_t length = std::min(name.size(), m_fileBuffer.size() - 1);
    std::copy_n(name.begin(), length, m_fileBuffer.begin());
    m_fileBuffer[length] = '\0';
}

INT_PTR CFileDialog::DoModal()
{
    if (!m_ofn.hwndOwner) {
        m_ofn.hwndOwner = CommonDialogOwner(m_parent);
    }
    const BOOL ok = m_openFileDialog ? RunOpenFileDialog(m_ofn) : RunSaveFileDialog(m_ofn);
    return ok ? IDOK : IDCANCEL;
}

std::string CFileDialog::GetPathName() const
{
    if (m_hWnd) {
        char path[MAX_PATH * 4] = "";
        const LRESULT length =
            ::SendMessageA(PlatformDialog(), CDM_GETFILEPATH, sizeof path, reinterpret_cast<LPARAM>(path));
        return length > 0 ? std::string(path) : std::string();
    }
    return m_ofn.lpstrFile ? std::string(m_ofn.lpstrFile) : std::string();
}

HWND CFileDialog::PlatformDialog() const
{
    return m_hWnd ? ::GetParent(m_hWnd) : nullptr;
}

BOOL CFileDialog::OnInitDialog()
{
    return TRUE;
}

void CFileDialog::OnInitDone()
{
    CentreOnOwner(PlatformDialog());
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only WM_INITDIALOG is handled here: attaching the object routes every later
    // message of the child dialog through the framework's window procedure.
    if (message != WM_INITDIALOG) {
        return 0;
    }
    const auto* request = reinterpret_cast<const OPENFILENAMEA*>(lParam);
    auto* dialog = request ? reinterpret_cast<CFileDialog*>(request->lCustData) : nullptr;
    if (!dialog || !dialog->SubclassWindow(hwnd)) {
        return TRUE;
    }
    return static_cast<UINT_PTR>(dialog->Dispatch(message, wParam, lParam));
}

LRESULT CFileDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        return OnInitDialog();
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->code == CDN_INITDONE) {
            OnInitDone();
            return 0;
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

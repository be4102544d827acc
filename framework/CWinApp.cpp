#include "framework/CWinApp.h"

#include "framework/AppMessageBox.h"
#include "framework/CWnd.h"
#include "framework/RegKey.h"

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(UINT titleId) : titleId_(titleId)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) {
        g_app = nullptr;
    }
}

CWinApp* CWinApp::GetApp()
{
    return g_app;
}

int CWinApp::WinMainEntry(HINSTANCE instance, int showCommand)
{
    m_hInstance = instance;
    m_nCmdShow = showCommand;
    int loopResult = 0;
    // Whatever happens while the program runs, ExitInstance still gets its turn.
    try {
        if (InitInstance()) {
            loopResult = Run();
        }
    } catch (...) {
        ReportCurrentException();
    }
    const int exitCode = ExitInstance();
    return exitCode != 0 ? exitCode : loopResult;
}

BOOL CWinApp::InitInstance()
{
    if (!m_hInstance) {
        m_hInstance = ::GetModuleHandleA(nullptr);
    }
    if (m_appName.empty() && titleId_ != 0) {
        char title[256] = "";
        if (::LoadStringA(m_hInstance, titleId_, title, sizeof title) > 0) {
            m_appName = title;
        }
    }
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    // Every loop of the program takes and dispatches messages in their Unicode form: the
    // ANSI form of a character message has room for one byte of a UTF-8 character, so
    // a character typed beyond ASCII would reach the edit controls as "?".
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void CWinApp::SetRegistryKey(LPCSTR key)
{
    m_registryKey = key ? key : "";
}

std::string CWinApp::SectionPath(LPCSTR section) const
{
    return "Software\\" + m_registryKey + "\\" + m_appName + "\\" + section;
}

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) const
{
    DWORD value = 0;
    RegKey key(HKEY_CURRENT_USER, SectionPath(section), RegKey::Read);
    return key.ReadDword(entry, &value) ? value : static_cast<UINT>(defaultValue);
}

std::string CWinApp::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) const
{
    std::string value;
    RegKey key(HKEY_CURRENT_USER, SectionPath(section), RegKey::Read);
    if (key.ReadString(entry, &value)) {
        return value;
    }
    return defaultValue ? defaultValue : "";
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value)
{
    RegKey key(HKEY_CURRENT_USER, SectionPath(section), RegKey::Write);
    return key.WriteDword(entry, static_cast<DWORD>(value));
}

BOOL CWinApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value)
{
    RegKey key(HKEY_CURRENT_USER, SectionPath(section), RegKey::Write);
    return value ? key.WriteString(entry, value) : key.DeleteValue(entry);
}

HWND CWinApp::GetMainWnd() const
{
    return m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
}

// CWinApp: the application object: start and exit, title, main window and per-user profile values.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    // titleId: the string resource of the application title; 0 for none.
    explicit CWinApp(UINT titleId = 0);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The one application object of the process, or nullptr before it exists.
    static CWinApp* GetApp();

    // The program entry: InitInstance, the message loop only when it returns TRUE,
    // then ExitInstance, whose result is the exit code.
    int WinMainEntry(HINSTANCE instance, int showCommand);

    // The standard initialisation: the title from the string resource given at construction. Returns TRUE to run the loop.
    virtual BOOL InitInstance();
    // Runs last on every way out; returns the process exit code.
    virtual int ExitInstance();

    // Profile values live under HKEY_CURRENT_USER\Software\<key>\<application name>\<section>.
    void SetRegistryKey(LPCSTR key);
    // A DWORD value, or defaultValue when it is missing or of another type.
    UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) const;
    // A string value, or defaultValue when it is missing or of another type.
    std::string GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = "") const;
    // Writes a value, creating the keys on the way; false when it cannot be written.
    BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value);
    // Writes a string value; a null value deletes the entry.
    BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);

    HWND GetMainWnd() const;

    std::string m_appName;  // the application title
    std::string m_registryKey;  // the company key under Software
    CWnd* m_pMainWnd = nullptr;  // owner of the application's message boxes
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

protected:
    // The message loop; returns the WM_QUIT code.
    virtual int Run();

private:
    std::string SectionPath(LPCSTR section) const;

    UINT titleId_;
};

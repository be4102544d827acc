// CFileDialog: the system's explorer-style Open or Save As dialog, with an optional child template.
#pragma once

#include "framework/CWnd.h"

#include <commdlg.h>

#include <string>
#include <vector>

// The object is attached to the child dialog that the system creates inside its dialog
// (from the template named in m_ofn, or an empty one), so a derived class handles the
// child's controls with OnCommand like any window's.
class CFileDialog : public CWnd {
public:
    // filter: "Description|patterns|...|" pairs ending in "|", or null for none.
    CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr, LPCSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr, CWnd* parent = nullptr);

    // Runs the dialog through the common-dialog seam; IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    // After IDOK the chosen path; while the dialog is open, the path of what its name box holds.
    std::string GetPathName() const;

    // Replaces the filter list (same form as the constructor's).
    void SetFilter(const std::string& filter);
    // Puts text into the file-name buffer handed to the system (cut to the buffer's size).
    void SetFileName(const std::string& name);

    OPENFILENAMEA m_ofn;

protected:
    // The system's dialog, the parent of the child template.
    HWND PlatformDialog() const;
    // The child dialog was created; TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // The system's dialog is fully laid out (CDN_INITDONE); the base centres it on its owner.
    virtual void OnInitDone();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static UINT_PTR CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_openFileDialog;
    CWnd* m_parent;
    std::string m_defaultExtension;
    std::string m_filterBuffer;
    std::vector<char> m_fileBuffer;
};

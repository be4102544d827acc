// CTypedFileDialog: the open-file dialog whose "File Types" button edits the type list and reopens it.
#pragma once

#include "framework/CFileDialog.h"

#include <string>

class CTypedFileDialog : public CFileDialog {
public:
    // filter: the file filter string used while none is stored; okCaption: the Open button's text.
    CTypedFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags, LPCSTR filter,
                     CWnd* parent, LPCSTR okCaption);

    // Runs the dialog, reopening it after every edit of the types; IDOK or IDCANCEL.
    INT_PTR DoModal() override;

protected:
    BOOL OnInitDialog() override;
    void OnInitDone() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    void OnFileTypes();
    // Puts back what was typed, or the folder it was typed in, for the next opening.
    void PrepareReopening();

    std::string m_okCaption;
    bool m_restart = false;
    std::string m_filterString;
    std::string m_filterBuffer;
    // Screen coordinates; empty until the dialog was closed to be reopened.
    RECT m_savedRect{};
    std::string m_initialName;
    std::string m_lastPath;
    std::string m_lastName;
    std::string m_lastFolder;
    bool m_reopened = false;
};

// CCompareFilesDialog: asks for the two files to compare and the three compare options.
#pragma once

#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "engine/CompareOptions.h"

#include <string>
#include <vector>

// The files each box offers, most recent first.
struct RecentPair {
    std::vector<std::string> first;
    std::vector<std::string> second;
};

class CCompareFilesDialog : public CDialog {
public:
    explicit CCompareFilesDialog(CWnd* parent = nullptr);

    // Fields in the order they are exchanged with the controls; read back after IDOK.
    CComboBox m_secondFileBox;
    CComboBox m_firstFileBox;
    int m_ignoreBlanks = 0;
    int m_ignoreCase = 0;
    std::string m_firstPath;
    std::string m_secondPath;
    int m_treatAsText = 0;
    // Preset before DoModal.
    RecentPair m_recent;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Fills both boxes from their recent files, the most recent one shown.
    BOOL OnInitDialog() override;
    // Ends with IDOK only when both paths name existing files.
    void OnOK() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    void OnBrowse(CComboBox& box, LPCSTR title);
    // Empty when path is usable; otherwise the message that tells why not.
    static std::string ProblemWith(const std::string& path);
};

// Runs the dialog with its boxes offering recent and its check boxes preset from options. On OK
// the two paths and the options are replaced and true comes back; on Cancel nothing changes.
bool RunCompareFilesDialog(CWnd* parent, const RecentPair& recent, CompareOptions& options, std::string& firstPath,
                           std::string& secondPath);

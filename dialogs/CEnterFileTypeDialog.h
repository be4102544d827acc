// CEnterFileTypeDialog: asks for one file type, a group name and its patterns.
#pragma once

#include "framework/CDialog.h"

#include <string>

class CEnterFileTypeDialog : public CDialog {
public:
    explicit CEnterFileTypeDialog(CWnd* parent = nullptr);

    // Preset with the example the dialog's labels point to; read back after IDOK.
    std::string m_groupName = "C++ Files";
    std::string m_patterns = "*.c;*.cpp;*.cxx;*.c++";

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Both fields must hold something (blanks count); otherwise the dialog stays open.
    void OnOK() override;

private:
    void FocusControl(int id);
};

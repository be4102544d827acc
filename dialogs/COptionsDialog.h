// COptionsDialog: edits a copy of the settings a person can change (compare options, tab size, font, colours, editor).
#pragma once

#include "dialogs/CColorButton.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"

#include <string>

struct AppSettings;

class COptionsDialog : public CDialog {
public:
    explicit COptionsDialog(CWnd* parent = nullptr);

    // Fields in the order they are exchanged with the controls; preset before DoModal, read back after IDOK.
    CColorButton m_backgroundSwatch;
    CButton m_colorsGroup;
    CColorButton m_deletedSwatch;
    CColorButton m_changedSwatch;
    CColorButton m_addedSwatch;
    UINT m_tabSize = 4;
    int m_ignoreBlanks = 0;
    int m_ignoreCase = 0;
    int m_showLineNumbers = 1;
    LOGFONTA m_font{};
    COLORREF m_addedColor = 0;
    COLORREF m_deletedColor = 0;
    COLORREF m_changedColor = 0;
    COLORREF m_backgroundColor = 0;
    std::string m_editor = "notepad.exe";

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Binds and fills the controls, then gives each swatch its colour.
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    void OnChooseFont();
    void OnChooseColor(COLORREF& field, CColorButton& swatch);
    void OnBrowseEditor();
};

// Runs the dialog preset with the values of settings it edits; on OK they are replaced by
// the dialog's and true comes back, on Cancel nothing changes.
bool RunOptionsDialog(AppSettings& settings);

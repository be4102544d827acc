// COptionsDialog: edits a copy of the settings a person can change (compare options, tab size, font, colours, editor).
#pragma once

#include "dialogs/CColorButton.h"
#include "framework/CButton.h"
#include "dialogs/OptionValues.h"
#include "framework/CDialog.h"

class COptionsDialog : public CDialog {
public:
    explicit COptionsDialog(CWnd* parent = nullptr);

    // Fields in the order they are exchanged with the controls; preset before DoModal, read back after IDOK.
    CColorButton m_backgroundSwatch;
    CButton m_colorsGroup;
    CColorButton m_deletedSwatch;
    CColorButton m_changedSwatch;
    CColorButton m_addedSwatch;
    OptionValues m_values;

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

// Runs the dialog preset with values; on OK they are replaced by the dialog's and true comes
// back, on Cancel nothing changes.
bool RunOptionsDialog(OptionValues& values);

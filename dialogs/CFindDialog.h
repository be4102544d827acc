// CFindDialog: the modeless Find dialog: the search string with its history, match case and direction.
#pragma once

#include "dialogs/CHistoryComboBox.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"

#include <string>

// Sent to the parent, wParam the dialog's window: the dialog was cancelled and waits to be deleted.
constexpr UINT WM_FINDDLG_CLOSE = WM_USER + 3;
// Sent to the parent, wParam the dialog's window, lParam a FindRequest valid during the call.
constexpr UINT WM_FINDDLG_FINDNEXT = WM_USER + 4;

struct FindRequest {
    std::string text;  // never empty
    int matchCase;  // 1: letters must match in case
    int direction;  // 1: down (forward), 0: up
};

class CFindDialog : public CDialog {
public:
    // The registry section of the search strings a person looked for.
    static constexpr char kHistorySection[] = "Recent Find Strings";

    explicit CFindDialog(CWnd* parent);

    // Fields in the order they are exchanged with the controls.
    CButton m_findNextButton;
    CHistoryComboBox m_searchBox;
    int m_matchCase = 0;
    int m_direction = 1;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Tells the parent, which deletes the dialog; the dialog never ends itself.
    void OnCancel() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    void OnFindNext();
};

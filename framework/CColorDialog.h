// CColorDialog: the system's colour chooser, run through the common-dialog seam.
#pragma once

#include "framework/CWnd.h"

#include <commdlg.h>

class CColorDialog {
public:
    // The chooser opens on initial (CC_RGBINIT is added); flags are the CC_ flags of the request.
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    // After IDOK the chosen colour.
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc;

private:
    CWnd* m_parent;
};

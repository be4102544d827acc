// CFontDialog: the system's font chooser, run through the common-dialog seam.
#pragma once

#include "framework/CWnd.h"

#include <commdlg.h>

class CFontDialog {
public:
    // initial (may be null) presets the chooser (CF_INITTOLOGFONTSTRUCT is added then);
    // flags are the CF_ flags of the request.
    CFontDialog(const LOGFONTA* initial, DWORD flags, CWnd* parent = nullptr);
    // m_cf points into the object.
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    // After IDOK the chosen font.
    const LOGFONTA& GetLogFont() const { return m_logFont; }

    CHOOSEFONTA m_cf;

private:
    LOGFONTA m_logFont;
    CWnd* m_parent;
};

#include "framework/CColorDialog.h"

#include "framework/CommonDialogs.h"

namespace {

// The chooser's sixteen custom colours, kept for the whole run as a person defines them.
COLORREF g_customColours[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
};

}  // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_cc{}, m_parent(parent)
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = g_customColours;
    m_cc.Flags = flags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    if (!m_cc.hwndOwner) {
        m_cc.hwndOwner = CommonDialogOwner(m_parent);
    }
    return RunColorDialog(m_cc) ? IDOK : IDCANCEL;
}

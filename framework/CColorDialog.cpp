#include "framework/CColorDialog.h"

#include "framework/CommonDialogs.h"

#include <array>

namespace {

// The chooser's sixteen custom colours, white until a person defines them, kept for the whole run.
std::array<COLORREF, 16> g_customColours = [] {
    std::array<COLORREF, 16> colours;
    colours.fill(RGB(255, 255, 255));
    return colours;
}();

}  // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_cc{}, m_parent(parent)
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = g_customColours.data();
    m_cc.Flags = flags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    if (!m_cc.hwndOwner) {
        m_cc.hwndOwner = CommonDialogOwner(m_parent);
    }
    return RunColorDialog(m_cc) ? IDOK : IDCANCEL;
}

#include "shell/CComparingDialog.h"

#include "resources/resource.h"

#include <commctrl.h>

CComparingDialog::CComparingDialog() : CDialog(IDD_COMPARING)
{
}

BOOL CComparingDialog::Create(const std::string& text)
{
    if (!CDialog::Create())
        return FALSE;
    SetText(text);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

void CComparingDialog::SetText(const std::string& text)
{
    ::SetDlgItemTextA(m_hWnd, IDC_COMPARING_TEXT, text.c_str());
    ::UpdateWindow(GetDlgItem(IDC_COMPARING_TEXT));
}

BOOL CComparingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    char title[64] = {};
    ::LoadStringA(::GetModuleHandleA(nullptr), IDS_APP_TITLE, title, sizeof(title));
    SetWindowText(title);
    // The animation takes the place of the frame control.
    RECT frame{};
    ::GetWindowRect(GetDlgItem(IDC_COMPARING_FRAME), &frame);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&frame), 2);
    if (animation_.Create(WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT, frame, m_hWnd, kAnimationId)
        && animation_.Open(IDR_COMPARING_ANIMATION))
        animation_.Play(0, -1, -1);
    return TRUE;
}

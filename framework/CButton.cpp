#include "framework/CButton.h"

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int state)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(state));
}

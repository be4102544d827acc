#include "framework/CButton.h"

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int state)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(state));
}

void CButton::DrawItem(const DRAWITEMSTRUCT&)
{
    // A plain button has nothing of its own to draw; owner-drawn kinds override this.
}

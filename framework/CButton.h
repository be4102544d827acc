// CButton: a push button, check box or radio button control.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int state);

    // An owner-drawn button (BS_OWNERDRAW) draws itself here; its dialog passes WM_DRAWITEM on.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);
};

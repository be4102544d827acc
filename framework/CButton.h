// CButton: a push button, check box or radio button control.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int state);
};

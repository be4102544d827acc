// CStatic: a static text control.
#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, HWND parent, UINT id);
};

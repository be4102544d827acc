// CWaitCursor: shows the wait cursor for the lifetime of the object, then puts the old one back.
#pragma once

#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
    ~CWaitCursor() { SetCursor(previous_); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR previous_;
};

// CWaitCursor: shows the wait cursor for the lifetime of the object, then puts the old one back.
#pragma once

#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) { ++Depth(); }
    ~CWaitCursor()
    {
        --Depth();
        SetCursor(previous_);
    }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // The seam tests observe: true while any wait cursor is up.
    static bool IsShown() { return Depth() > 0; }

private:
    static int& Depth()
    {
        static int depth = 0;
        return depth;
    }

    HCURSOR previous_;
};

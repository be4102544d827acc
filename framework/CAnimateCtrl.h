// CAnimateCtrl: an animation common control playing an AVI resource.
#pragma once

#include "framework/CWnd.h"

class CAnimateCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    // Opens an AVI resource of this module.
    BOOL Open(UINT resourceId);
    // Frames from..to (to = -1: the last), repeated `repeat` times (-1: without end).
    BOOL Play(int from, int to, int repeat);
    BOOL Seek(int frame);
    BOOL Stop();
};

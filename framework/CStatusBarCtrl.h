// CStatusBarCtrl: a status-bar common control with parts.
#pragma once

#include "framework/CWnd.h"

#include <string>
#include <vector>

class CStatusBarCtrl : public CWnd {
public:
    BOOL Create(DWORD style, HWND parent, UINT id);
    // Right edges of the parts; -1 reaches the right end.
    BOOL SetParts(const std::vector<int>& rightEdges);
    std::vector<int> GetParts() const;
    // An owner-drawn part is drawn by the parent on WM_DRAWITEM.
    BOOL SetText(int part, const std::string& text, bool ownerDrawn = false);
    std::string GetText(int part) const;
    RECT GetPartRect(int part) const;
};

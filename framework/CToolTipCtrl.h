// CToolTipCtrl: a tooltip common control and its tools.
#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

#include <string>

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(HWND parent);
    // A tool over `rect` of `window`; `text` is a string resource id (MAKEINTRESOURCE) or
    // LPSTR_TEXTCALLBACK. With TTF_SUBCLASS the control watches the mouse itself; without
    // it the owner relays the mouse messages (TTM_RELAYEVENT).
    BOOL AddTool(HWND window, LPSTR text, const RECT& rect, UINT_PTR toolId, UINT flags = TTF_SUBCLASS);
    void SetToolRect(HWND window, UINT_PTR toolId, const RECT& rect);
    // Removes the tool `toolId` of `window`.
    void DelTool(HWND window, UINT_PTR toolId);
    // The text a tool shows now, as the control would ask for it.
    std::string GetText(HWND window, UINT_PTR toolId) const;
    int GetToolCount() const;
};

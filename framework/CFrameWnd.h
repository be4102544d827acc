// CFrameWnd: a window that owns commands: it routes them to OnCommand and greys the unavailable ones in its popup menus.
#pragma once

#include "framework/CWnd.h"

class CFrameWnd : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Whether a command can run now; popups opened by this window show the others grey.
    virtual bool IsCommandEnabled(UINT id) const;

private:
    void OnInitMenuPopup(HMENU popup);
};

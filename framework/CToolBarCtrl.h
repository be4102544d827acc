// CToolBarCtrl: a toolbar common control: its image strip, buttons and enabled states.
#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

#include <map>
#include <vector>

class CToolBarCtrl : public CWnd {
public:
    BOOL Create(DWORD style, HWND parent, UINT id);
    // Images of size x size taken from a bitmap resource; `count` is what the toolbar is told.
    int AddBitmap(int count, HINSTANCE instance, UINT bitmapId, SIZE imageSize);
    BOOL AddButtons(const std::vector<TBBUTTON>& buttons);
    int GetButtonCount() const;
    BOOL GetButton(int index, TBBUTTON& button) const;
    BOOL GetItemRect(int index, RECT& rect) const;
    // Tells the toolbar only when the state differs from the one this call last set.
    BOOL EnableButton(UINT command, bool enable);
    bool IsButtonEnabled(UINT command) const;
    void SetToolTips(HWND tooltip);
    HWND GetToolTips() const;

private:
    // Every state is applied again after each step of the person's, and under
    // Wine each message to the toolbar costs round trips to the server.
    std::map<UINT, bool> enabledSet_;
};

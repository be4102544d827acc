// CMenu: a menu loaded from the resources, destroyed with the object, and its popups tracked at a point.
#pragma once

#include <windows.h>

class CMenu {
public:
    // Loads menu resource `id` from the module; Valid() tells whether it loaded.
    explicit CMenu(UINT id, HINSTANCE module = GetModuleHandleA(nullptr));
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    bool Valid() const { return menu_ != nullptr; }
    // The popup at `index` of the menu bar; owned by this menu.
    HMENU SubMenu(int index) const;
    // Runs the popup at (x, y) in screen coordinates; its commands go to `owner`.
    static void TrackPopup(HMENU popup, int x, int y, HWND owner);

private:
    HMENU menu_;
};

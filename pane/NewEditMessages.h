// NewEditMessages: the registered messages a text pane posts to its parent window.
#pragma once

#include <windows.h>

class NewEditMessages {
public:
    // wParam caret line, lParam caret column.
    static UINT CaretMove();
    // wParam the pane's window, lParam its new top line.
    static UINT VScroll();
    // wParam the pane's window, lParam its new horizontal position in columns.
    static UINT HScroll();
    // wParam the pane's window, lParam 0.
    static UINT SetFocus();
};

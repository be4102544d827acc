// PaneNotifications: passes the text panes' notifications up the window chain to the main window.
#pragma once

#include <windows.h>

// Posts a pane notification on to the parent of `window` unchanged; false for any other message.
bool ForwardPaneNotification(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

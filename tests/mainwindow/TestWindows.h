// TestWindows: small helpers the main-window tests share: a top-level host window and child rectangles.
#pragma once

#include "framework/CWnd.h"
#include "tests/support/windows/MessagePump.h"

#include <windows.h>

#include <vector>

// A plain top-level window that records the messages it is sent or posted.
class HostWindow : public CWnd {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit HostWindow(int width = 700, int height = 500);
    ~HostWindow() override;

    // Every message at or above WM_USER that reached the window, in order.
    std::vector<Received> received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The rectangle of a child window in its parent's client coordinates.
RECT ChildRect(HWND child);

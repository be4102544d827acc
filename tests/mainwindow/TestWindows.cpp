#include "TestWindows.h"

HostWindow::HostWindow(int width, int height)
{
    CreateEx(0, nullptr, "Test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, width, height, nullptr, nullptr);
}

HostWindow::~HostWindow()
{
    if (m_hWnd)
        DestroyWindow();
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_USER)
        received.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}

RECT ChildRect(HWND child)
{
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

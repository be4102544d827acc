// PaintDC: the device context of one WM_PAINT (BeginPaint / EndPaint).
#pragma once

#include <windows.h>

class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : m_hwnd(hwnd) { m_dc = ::BeginPaint(hwnd, &m_paint); }
    ~PaintDC() { ::EndPaint(m_hwnd, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return m_dc; }
    operator HDC() const { return m_dc; }
    // The rectangle that needs painting.
    const RECT& PaintRect() const { return m_paint.rcPaint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};

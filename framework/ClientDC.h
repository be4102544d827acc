// ClientDC: a window's client-area device context, released when the object goes.
#pragma once

#include <windows.h>

class ClientDC {
public:
    explicit ClientDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~ClientDC()
    {
        if (m_dc) {
            ::ReleaseDC(m_hwnd, m_dc);
        }
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;

    HDC Get() const { return m_dc; }
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

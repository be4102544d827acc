// PixelProbe: renders a window or a drawing into a 24-bit bitmap and reads its pixels.
#pragma once

#include "framework/GdiObject.h"
#include "framework/MemoryDC.h"
#include "framework/ObjectSelection.h"

#include <windows.h>

#include <functional>
#include <vector>

class PixelProbe {
public:
    PixelProbe(int width, int height);
    PixelProbe(const PixelProbe&) = delete;
    PixelProbe& operator=(const PixelProbe&) = delete;

    HDC Dc() const { return dc_.Get(); }
    // Runs a drawing into the bitmap, then reads the pixels back.
    void Draw(const std::function<void(HDC)>& draw);
    // Copies what the window shows on screen (its client area) into the bitmap.
    void CaptureClient(HWND window);

    COLORREF At(int x, int y) const;
    // Pixels of exactly this colour inside [left, right) x [top, bottom).
    int Count(COLORREF colour, const RECT& area) const;
    int Count(COLORREF colour) const;

private:
    void ReadBack();

    int width_;
    int height_;
    MemoryDC dc_;
    GdiBitmap bitmap_;
    ObjectSelection selection_;
    std::vector<unsigned char> bits_;
};

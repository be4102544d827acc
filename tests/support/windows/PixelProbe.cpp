#include "tests/support/windows/PixelProbe.h"

#include "framework/ClientDC.h"

namespace {

// A top-down 24-bit bitmap whose pixels can be read back.
HBITMAP CreateProbeBitmap(HDC dc, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    return ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

PixelProbe::PixelProbe(int width, int height)
    : width_(width),
      height_(height),
      bitmap_(CreateProbeBitmap(dc_, width, height)),
      selection_(dc_, bitmap_)
{
}

void PixelProbe::Draw(const std::function<void(HDC)>& draw)
{
    draw(dc_);
    ReadBack();
}

void PixelProbe::CaptureClient(HWND window)
{
    ClientDC source(window);
    ::BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    ReadBack();
}

void PixelProbe::ReadBack()
{
    ::GdiFlush();
    DIBSECTION section{};
    ::GetObjectA(bitmap_, sizeof(section), &section);
    const int stride = section.dsBm.bmWidthBytes;
    const auto* bits = static_cast<const unsigned char*>(section.dsBm.bmBits);
    bits_.assign(bits, bits + static_cast<size_t>(stride) * height_);
}

COLORREF PixelProbe::At(int x, int y) const
{
    const int stride = ((width_ * 3) + 3) & ~3;
    const unsigned char* p = &bits_.at(static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3);
    return RGB(p[2], p[1], p[0]);
}

int PixelProbe::Count(COLORREF colour, const RECT& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(x, y) == colour)
                ++count;
    return count;
}

int PixelProbe::Count(COLORREF colour) const
{
    return Count(colour, RECT{0, 0, width_, height_});
}

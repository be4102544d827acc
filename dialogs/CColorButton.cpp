#include "dialogs/CColorButton.h"

#include "framework/GdiObject.h"
#include "framework/MemoryDC.h"
#include "framework/ObjectSelection.h"
#include "resources/resource.h"

namespace {

// The face is copied unscaled: the bitmaps are as large as the template's button.
void DrawFace(HDC dc, const RECT& item, bool pressed)
{
    GdiBitmap face(
        ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(pressed ? IDB_SWATCH_PRESSED : IDB_SWATCH_RAISED)));
    BITMAP size{};
    if (!face || !::GetObjectA(face, sizeof size, &size)) {
        return;
    }
    MemoryDC source(dc);
    ObjectSelection selection(source, face);
    ::BitBlt(dc, item.left, item.top, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
}

}  // namespace

void CColorButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawFace(item.hDC, item.rcItem, pressed);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -2, -2);
        ::DrawFocusRect(item.hDC, &focus);
    }
    const int previousMode = ::SetBkMode(item.hDC, TRANSPARENT);
    RECT swatch = item.rcItem;
    ::InflateRect(&swatch, -5, -5);
    if (pressed) {
        ::OffsetRect(&swatch, 1, 1);  // the colour sinks with the face
    }
    {
        GdiBrush brush(::CreateSolidBrush(m_color));
        ObjectSelection selection(item.hDC, brush);
        ::Rectangle(item.hDC, swatch.left, swatch.top, swatch.right, swatch.bottom);
    }
    ::SetBkMode(item.hDC, previousMode);
}

#include "framework/CStatic.h"

BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, "STATIC", text, style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

#include "framework/CAnimateCtrl.h"

#include <commctrl.h>

BOOL CAnimateCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, ANIMATE_CLASSA, "", style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CAnimateCtrl::Open(UINT resourceId)
{
    return static_cast<BOOL>(SendMessage(ACM_OPENA, reinterpret_cast<WPARAM>(::GetModuleHandleA(nullptr)),
                                         reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))));
}

BOOL CAnimateCtrl::Play(int from, int to, int repeat)
{
    return static_cast<BOOL>(
        SendMessage(ACM_PLAY, static_cast<WPARAM>(repeat), MAKELPARAM(static_cast<WORD>(from), static_cast<WORD>(to))));
}

BOOL CAnimateCtrl::Seek(int frame)
{
    return Play(frame, frame, 1);
}

BOOL CAnimateCtrl::Stop()
{
    return static_cast<BOOL>(SendMessage(ACM_STOP, 0, 0));
}

#include "pane/NewEditMessages.h"

// Registered by name once; the parent, registering the same names, gets the same ids.
UINT NewEditMessages::CaretMove()
{
    static const UINT id = RegisterWindowMessageA("NEN_CARETMOVE");
    return id;
}

UINT NewEditMessages::VScroll()
{
    static const UINT id = RegisterWindowMessageA("NEN_VSCROLL");
    return id;
}

UINT NewEditMessages::HScroll()
{
    static const UINT id = RegisterWindowMessageA("NEN_HSCROLL");
    return id;
}

UINT NewEditMessages::SetFocus()
{
    static const UINT id = RegisterWindowMessageA("NEN_SETFOCUS");
    return id;
}

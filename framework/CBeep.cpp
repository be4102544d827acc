#include "framework/CBeep.h"

#include <windows.h>

namespace {
CBeep::Handler g_handler = nullptr;
}

void CBeep::Default()
{
    if (g_handler)
        g_handler();
    else
        MessageBeep(MB_OK);
}

CBeep::Handler CBeep::SetHandler(Handler handler)
{
    Handler previous = g_handler;
    g_handler = handler;
    return previous;
}

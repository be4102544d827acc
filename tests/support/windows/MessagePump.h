// MessagePump: dispatches the test thread's queued window messages, for tests that wait on posted work.
#pragma once

#include <windows.h>

// Dispatches everything already queued for this thread.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Dispatches queued messages, waiting for more, until done() holds; the
// bound is a count of waits, not a time limit on the test.
template <typename Done>
bool PumpUntil(Done done, int waits = 200, DWORD waitMs = 50)
{
    for (int waited = 0; waited < waits && !done(); ++waited) {
        PumpMessages();
        if (!done())
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT);
    }
    return done();
}

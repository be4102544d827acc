#include "shell/PaneNotifications.h"

#include "pane/NewEditMessages.h"

bool IsPaneNotification(UINT message)
{
    return message == NewEditMessages::CaretMove() || message == NewEditMessages::VScroll()
        || message == NewEditMessages::HScroll() || message == NewEditMessages::SetFocus();
}

bool ForwardPaneNotification(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsPaneNotification(message))
        return false;
    // Posted, like the pane's own notification: the receiver acts after the sender has finished.
    ::PostMessageA(::GetParent(window), message, wParam, lParam);
    return true;
}

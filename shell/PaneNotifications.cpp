#include "shell/PaneNotifications.h"

#include "pane/NewEditMessages.h"

namespace {

// True for the four registered messages a text pane posts to its parent.
bool IsPaneNotification(UINT message)
{
    return message == NewEditMessages::CaretMove() || message == NewEditMessages::VScroll()
           || message == NewEditMessages::HScroll() || message == NewEditMessages::SetFocus();
}

}  // namespace

bool ForwardPaneNotification(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsPaneNotification(message))
        return false;
    // Posted, like the pane's own notification: the receiver acts after the sender has finished.
    ::PostMessageA(::GetParent(window), message, wParam, lParam);
    return true;
}

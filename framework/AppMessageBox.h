// AppMessageBox: the application's message box, and the one seam through which tests answer it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Shows text owned by the active window of the program (a dialog, the Find dialog), else
// the main window, captioned with the application title (exclamation icon and OK unless
// told otherwise); returns the button pressed. No other window of the program takes input
// until it is answered. A long path in the text is broken over lines on the screen.
int AppMessageBox(const std::string& text, UINT type = MB_OK | MB_ICONEXCLAMATION);

// Receives every application message box instead of the screen, with the owner and the
// text as given, while the other windows are disabled; returns the button.
using MessageBoxHandler =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;

// Inside a catch block: tells the user about the exception being handled ("Out of
// memory.", its own text, or "An unexpected error occurred."). Never throws: a report
// that fails in turn is dropped, so the window procedures and the program entry can use it.
void ReportCurrentException() noexcept;

// Installs a handler (an empty one restores the real message box); returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

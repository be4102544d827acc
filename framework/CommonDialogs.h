// CommonDialogs: the one seam through which the program runs the system's common dialogs.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>

class CWnd;

// One request for a common dialog: exactly one of the pointers is set, as kind says.
struct CommonDialogCall {
    enum class Kind { OpenFile, SaveFile, Font, Color };
    Kind kind;
    OPENFILENAMEA* file = nullptr;
    CHOOSEFONTA* font = nullptr;
    CHOOSECOLORA* color = nullptr;
};

// Answers every common dialog instead of the screen: fills the request's structure as the
// user would and returns what the system call would (TRUE for OK).
using CommonDialogHandler = std::function<BOOL(CommonDialogCall& call)>;

// Installs a handler (an empty one restores the real dialogs); returns the previous one.
CommonDialogHandler SetCommonDialogHandler(CommonDialogHandler handler);

// The owner of a common dialog: the parent's window, else the application's main window.
HWND CommonDialogOwner(const CWnd* parent);

// The system calls GetOpenFileNameA, GetSaveFileNameA, ChooseFontA and ChooseColorA,
// or the installed handler in their place.
BOOL RunOpenFileDialog(OPENFILENAMEA& request);
BOOL RunSaveFileDialog(OPENFILENAMEA& request);
BOOL RunFontDialog(CHOOSEFONTA& request);
BOOL RunColorDialog(CHOOSECOLORA& request);

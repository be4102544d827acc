// The program entry: the application object runs the whole program.
#include "shell/CTandrelApp.h"
#include "shell/ProgramWindows.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    ProgramWindows windows;
    CTandrelApp app(windows);
    return app.WinMainEntry(instance, showCommand);
}

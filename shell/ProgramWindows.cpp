#include "shell/ProgramWindows.h"

// The Compare Files dialog and the main window are not part of the program yet: without
// the dialog a missing file name ends the run as Cancel would, and a run with two names
// ends once the recent-file lists are updated. Settings are saved either way.
bool ProgramWindows::AskForFiles(AppSettings&, std::string&, std::string&)
{
    return false;
}

void ProgramWindows::RunMainWindow(AppSettings&, const StartupArgs&)
{
}

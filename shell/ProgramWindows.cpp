#include "shell/ProgramWindows.h"

#include "shell/CTandrelDialog.h"

// The Compare Files dialog is not part of the program yet: without it a missing file
// name ends the run as Cancel would. Settings are saved either way.
bool ProgramWindows::AskForFiles(AppSettings&, std::string&, std::string&)
{
    return false;
}

// The main window: with /n it opens empty and takes neither the names nor /aN.
void ProgramWindows::RunMainWindow(AppSettings& settings, const StartupArgs& startup)
{
    CTandrelDialog dialog(settings);
    if (!settings.skipInitialCompare) {
        dialog.SetPaths(startup.leftPath, startup.rightPath);
        dialog.SetAutoStepSeconds(startup.autoStepSeconds);
    }
    dialog.DoModal();
}

#include "shell/ProgramWindows.h"

#include "dialogs/CCompareFilesDialog.h"
#include "framework/CWinApp.h"
#include "shell/AppSettings.h"
#include "shell/CTandrelDialog.h"

bool ProgramWindows::AskForFiles(AppSettings& settings, std::string& leftPath, std::string& rightPath)
{
    return RunCompareFilesDialog(nullptr, ReadRecentPair(CWinApp::GetApp()), settings.options, leftPath, rightPath);
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

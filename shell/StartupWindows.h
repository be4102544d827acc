// StartupWindows: the two windows start-up may open, behind one seam so a test can stand in for them.
#pragma once

#include "shell/AppSettings.h"
#include "shell/StartupArgs.h"

#include <string>

class StartupWindows {
public:
    virtual ~StartupWindows() = default;

    // The Compare Files dialog, its option boxes preset from settings.options. False on
    // Cancel; on OK both paths are replaced and the three options copied back.
    virtual bool AskForFiles(AppSettings& settings, std::string& leftPath, std::string& rightPath) = 0;
    // Constructs the main window, hands it the paths and the auto-step delay unless
    // settings.skipInitialCompare is set, and runs its modal loop until it ends.
    virtual void RunMainWindow(AppSettings& settings, const StartupArgs& startup) = 0;
};

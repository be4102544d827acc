// ProgramWindows: the program's own Compare Files dialog and main window for the start-up sequence.
#pragma once

#include "shell/StartupWindows.h"

class ProgramWindows : public StartupWindows {
public:
    bool AskForFiles(AppSettings& settings, std::string& leftPath, std::string& rightPath) override;
    void RunMainWindow(AppSettings& settings, const StartupArgs& startup) override;
};

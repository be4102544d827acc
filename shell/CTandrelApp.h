// CTandrelApp: the application object: settings, command line and the start-up sequence.
#pragma once

#include "framework/CWinApp.h"
#include "shell/AppSettings.h"
#include "shell/StartupArgs.h"
#include "shell/StartupWindows.h"

#include <string>
#include <vector>

class CTandrelApp : public CWinApp {
public:
    explicit CTandrelApp(StartupWindows& windows);

    // The whole run of the program; always FALSE, so the framework goes straight to ExitInstance.
    BOOL InitInstance() override;
    // Writes the settings back, whichever way the run ended.
    int ExitInstance() override;

    // Reads the process arguments (split by the C run-time library) into startup.
    bool ParseCommandLine(StartupArgs& startup);

    AppSettings m_settings;

protected:
    // The arguments after the program name.
    virtual std::vector<std::string> Arguments() const;
    // The console usage screen; returns after its key press.
    virtual void ShowUsage(const std::string& badOption);

private:
    StartupWindows& m_windows;
    bool m_oleInitialized = false;
};

#include "shell/CTandrelApp.h"

#include "resources/resource.h"
#include "shell/CommandLine.h"
#include "shell/UsageScreen.h"

#include <ole2.h>

#include <cstdlib>

CTandrelApp::CTandrelApp(StartupWindows& windows) : CWinApp(IDS_APP_TITLE), m_windows(windows)
{
}

BOOL CTandrelApp::InitInstance()
{
    CWinApp::InitInstance();
    // The panes copy and drag their selections through OLE data sources.
    m_oleInitialized = SUCCEEDED(::OleInitialize(nullptr));
    SetRegistryKey("Brightfen");
    LoadSettings(*this, m_settings);

    StartupArgs startup;
    if (!ParseCommandLine(startup) || startup.helpRequested) {
        ShowUsage(startup.badOption);
        return FALSE;
    }
    const bool fileMissing = startup.leftPath.empty() || startup.rightPath.empty();
    if (!m_settings.skipInitialCompare && fileMissing) {
        // A single name from the command line is not carried into the dialog.
        std::string leftPath, rightPath;
        if (!m_windows.AskForFiles(m_settings, leftPath, rightPath)) {
            return FALSE;
        }
        startup.leftPath = leftPath;
        startup.rightPath = rightPath;
    }
    if (!m_settings.skipInitialCompare) {
        UpdateRecentFiles(*this, startup.leftPath, RecentSide::Left);
        UpdateRecentFiles(*this, startup.rightPath, RecentSide::Right);
    }
    m_windows.RunMainWindow(m_settings, startup);
    return FALSE;
}

int CTandrelApp::ExitInstance()
{
    SaveSettings(*this, m_settings);
    if (m_oleInitialized) {
        // Text copied from a pane stays on the clipboard after the program ends.
        ::OleFlushClipboard();
        ::OleUninitialize();
        m_oleInitialized = false;
    }
    return CWinApp::ExitInstance();
}

bool CTandrelApp::ParseCommandLine(StartupArgs& startup)
{
    return ::ParseCommandLine(Arguments(), startup, m_settings);
}

std::vector<std::string> CTandrelApp::Arguments() const
{
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) {
        args.emplace_back(__argv[i]);
    }
    return args;
}

void CTandrelApp::ShowUsage(const std::string& badOption)
{
    ::ShowUsage(badOption);
}

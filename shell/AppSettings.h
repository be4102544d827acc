// AppSettings: the user's settings, read from the registry at start-up and written back at exit.
#pragma once

#include "dialogs/CCompareFilesDialog.h"
#include "dialogs/OptionValues.h"

#include <windows.h>

#include <string>
#include <vector>

class CWinApp;

enum class RecentSide { Left, Right };

// The values the Options dialog edits, and the ones only the program keeps.
struct AppSettings : OptionValues {
    int windowX = 50;
    int windowY = 50;
    int windowCX = 600;
    int windowCY = 500;
    // Not persisted: /n; the main window's first comparison consumes it.
    bool skipInitialCompare = false;
};

// Reads every value of section "Settings"; a missing value, one of another type or
// one out of range (font height and weight, window placement, colours) gives its default.
// The tab size is read as stored: PaneTabSize gives the one the panes draw with.
void LoadSettings(const CWinApp& app, AppSettings& settings);
// The tab size the panes draw with: the stored one when it is 1 to 32, else 4
// (an out-of-range stored value stays in the settings until it is corrected).
int PaneTabSize(const OptionValues& settings);
// Writes every value of section "Settings", in the order LoadSettings reads them.
void SaveSettings(CWinApp& app, const AppSettings& settings);
// The non-empty entries "File 0" to "File 9" of a side's recent-file list, in order.
std::vector<std::string> ReadRecentFiles(const CWinApp& app, RecentSide side);
// Both sides' recent-file lists; none without an application object.
RecentPair ReadRecentPair(const CWinApp* app);
// Puts path at the top of a side's recent-file list (case-insensitive match, ten entries, no gaps).
void UpdateRecentFiles(CWinApp& app, const std::string& path, RecentSide side);

#include "shell/AppSettings.h"

#include "framework/CWinApp.h"
#include "framework/RecentList.h"

#include <cstring>

namespace {

const char kSettings[] = "Settings";
const int kRecentCount = 10;
const size_t kFaceChars = LF_FACESIZE - 1;

RecentList RecentFiles(RecentSide side)
{
    return RecentList{side == RecentSide::Left ? "Recent Left Files" : "Recent Right Files", "File ", kRecentCount};
}

int ReadInt(const CWinApp& app, const char* name, int defaultValue)
{
    return static_cast<int>(app.GetProfileInt(kSettings, name, defaultValue));
}

// A stored value outside [low, high] would be misused (a font of a million
// pixels, a window no screen shows): the default stands in for it.
int ReadIntInRange(const CWinApp& app, const char* name, int defaultValue, int low, int high)
{
    const int value = ReadInt(app, name, defaultValue);
    return value < low || value > high ? defaultValue : value;
}

// A colour is 0x00BBGGRR; a high byte would make it a palette reference.
COLORREF ReadColour(const CWinApp& app, const char* name, COLORREF defaultValue)
{
    return static_cast<COLORREF>(ReadIntInRange(app, name, static_cast<int>(defaultValue), 0, 0x00FFFFFF));
}

// Heights beyond half a large screen draw one glyph and cost gigabytes.
const int kLargestFontHeight = 500;
// The weights a logical font knows: 0 (any) to 1000 (heaviest).
const int kHeaviestFont = 1000;
// Window coordinates and sizes beyond 16 bits are no place on any screen.
const int kLargestWindowCoordinate = 32767;

}  // namespace

void LoadSettings(const CWinApp& app, AppSettings& settings)
{
    const AppSettings defaults;
    settings.tabSize = ReadInt(app, "Tab Size", defaults.tabSize);
    settings.options.ignoreBlanks = ReadInt(app, "Ignore Blanks", defaults.options.ignoreBlanks);
    settings.options.ignoreCase = ReadInt(app, "Ignore Case", defaults.options.ignoreCase);
    settings.options.forceText = ReadInt(app, "Force Text", defaults.options.forceText);
    settings.showLineNumbers = ReadInt(app, "Show Line Numbers", defaults.showLineNumbers);
    SetFontFace(settings.font, app.GetProfileString(kSettings, "Font Face Name", defaults.font.lfFaceName));
    settings.font.lfHeight =
        ReadIntInRange(app, "Font Height", defaults.font.lfHeight, -kLargestFontHeight, kLargestFontHeight);
    settings.font.lfItalic = static_cast<BYTE>(ReadInt(app, "Font Italic", defaults.font.lfItalic));
    settings.font.lfWeight = ReadIntInRange(app, "Font Weihgt", defaults.font.lfWeight, 0, kHeaviestFont);
    settings.windowX =
        ReadIntInRange(app, "Window X", defaults.windowX, -kLargestWindowCoordinate, kLargestWindowCoordinate);
    settings.windowY =
        ReadIntInRange(app, "Window Y", defaults.windowY, -kLargestWindowCoordinate, kLargestWindowCoordinate);
    settings.windowCX = ReadIntInRange(app, "Window CX", defaults.windowCX, 1, kLargestWindowCoordinate);
    settings.windowCY = ReadIntInRange(app, "Window CY", defaults.windowCY, 1, kLargestWindowCoordinate);
    settings.addedColor = ReadColour(app, "Added Color", defaults.addedColor);
    settings.deletedColor = ReadColour(app, "Deleted Color", defaults.deletedColor);
    settings.changedColor = ReadColour(app, "Changed Color", defaults.changedColor);
    settings.diffBackgroundColor = ReadColour(app, "Diff Background Color", defaults.diffBackgroundColor);
    settings.showInlineDifferences = ReadInt(app, "Show Inline Differences", defaults.showInlineDifferences);
    settings.inlineDiffColor = ReadColour(app, "Inline Diff Color", defaults.inlineDiffColor);
    settings.editor = app.GetProfileString(kSettings, "Editor", defaults.editor.c_str());
    settings.showDifferenceMap = ReadIntInRange(app, "Show Difference Map", defaults.showDifferenceMap, 0, 1);
}

int PaneTabSize(const OptionValues& settings)
{
    const bool usable = settings.tabSize >= kSmallestTabSize && settings.tabSize <= kLargestTabSize;
    return usable ? settings.tabSize : OptionValues().tabSize;
}

void SaveSettings(CWinApp& app, const AppSettings& settings)
{
    app.WriteProfileInt(kSettings, "Tab Size", settings.tabSize);
    app.WriteProfileInt(kSettings, "Ignore Blanks", settings.options.ignoreBlanks);
    app.WriteProfileInt(kSettings, "Ignore Case", settings.options.ignoreCase);
    app.WriteProfileInt(kSettings, "Force Text", settings.options.forceText);
    app.WriteProfileInt(kSettings, "Show Line Numbers", settings.showLineNumbers);
    const std::string face(settings.font.lfFaceName, strnlen(settings.font.lfFaceName, kFaceChars));
    app.WriteProfileString(kSettings, "Font Face Name", face.c_str());
    app.WriteProfileInt(kSettings, "Font Height", settings.font.lfHeight);
    app.WriteProfileInt(kSettings, "Font Italic", settings.font.lfItalic);
    app.WriteProfileInt(kSettings, "Font Weihgt", settings.font.lfWeight);
    app.WriteProfileInt(kSettings, "Window X", settings.windowX);
    app.WriteProfileInt(kSettings, "Window Y", settings.windowY);
    app.WriteProfileInt(kSettings, "Window CX", settings.windowCX);
    app.WriteProfileInt(kSettings, "Window CY", settings.windowCY);
    app.WriteProfileInt(kSettings, "Added Color", static_cast<int>(settings.addedColor));
    app.WriteProfileInt(kSettings, "Deleted Color", static_cast<int>(settings.deletedColor));
    app.WriteProfileInt(kSettings, "Changed Color", static_cast<int>(settings.changedColor));
    app.WriteProfileInt(kSettings, "Diff Background Color", static_cast<int>(settings.diffBackgroundColor));
    app.WriteProfileInt(kSettings, "Show Inline Differences", settings.showInlineDifferences);
    app.WriteProfileInt(kSettings, "Inline Diff Color", static_cast<int>(settings.inlineDiffColor));
    app.WriteProfileString(kSettings, "Editor", settings.editor.c_str());
    app.WriteProfileInt(kSettings, "Show Difference Map", settings.showDifferenceMap);
}

std::vector<std::string> ReadRecentFiles(const CWinApp& app, RecentSide side)
{
    return ReadRecentList(app, RecentFiles(side));
}

RecentPair ReadRecentPair(const CWinApp* app)
{
    if (!app)
        return RecentPair{};
    return RecentPair{ReadRecentFiles(*app, RecentSide::Left), ReadRecentFiles(*app, RecentSide::Right)};
}

void UpdateRecentFiles(CWinApp& app, const std::string& path, RecentSide side)
{
    PutOnRecentList(app, RecentFiles(side), path);
}

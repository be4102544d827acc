#include "shell/AppSettings.h"

#include "engine/CaseFolding.h"
#include "framework/CWinApp.h"

#include <cstdio>
#include <cstring>

namespace {

const char kSettings[] = "Settings";
const int kRecentCount = 10;
const size_t kFaceChars = LF_FACESIZE - 1;

const char* RecentSection(RecentSide side)
{
    return side == RecentSide::Left ? "Recent Left Files" : "Recent Right Files";
}

std::string RecentEntry(int index)
{
    char name[16];
    std::snprintf(name, sizeof name, "File %d", index);
    return name;
}

void SetFace(LOGFONTA& font, const std::string& face)
{
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::memcpy(font.lfFaceName, face.data(), face.size() < kFaceChars ? face.size() : kFaceChars);
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
const int kSmallestTabSize = 1;
const int kLargestTabSize = 32;

}  // namespace

AppSettings::AppSettings()
    : tabSize(4),
      showLineNumbers(1),
      font{},
      windowX(50),
      windowY(50),
      windowCX(600),
      windowCY(500),
      addedColor(0x00408000),
      deletedColor(0x000000FF),
      changedColor(0x00FF0000),
      diffBackgroundColor(0x00C0C0C0),
      editor("notepad.exe")
{
    font.lfHeight = -10;
    font.lfWeight = 400;
    SetFace(font, "Courier");
}

void LoadSettings(const CWinApp& app, AppSettings& settings)
{
    const AppSettings defaults;
    settings.tabSize = ReadInt(app, "Tab Size", defaults.tabSize);
    settings.options.ignoreBlanks = ReadInt(app, "Ignore Blanks", defaults.options.ignoreBlanks);
    settings.options.ignoreCase = ReadInt(app, "Ignore Case", defaults.options.ignoreCase);
    settings.options.forceText = ReadInt(app, "Force Text", defaults.options.forceText);
    settings.showLineNumbers = ReadInt(app, "Show Line Numbers", defaults.showLineNumbers);
    SetFace(settings.font, app.GetProfileString(kSettings, "Font Face Name", defaults.font.lfFaceName));
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
    settings.editor = app.GetProfileString(kSettings, "Editor", defaults.editor.c_str());
}

int PaneTabSize(const AppSettings& settings)
{
    const bool usable = settings.tabSize >= kSmallestTabSize && settings.tabSize <= kLargestTabSize;
    return usable ? settings.tabSize : AppSettings().tabSize;
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
    app.WriteProfileString(kSettings, "Editor", settings.editor.c_str());
}

std::vector<std::string> ReadRecentFiles(const CWinApp& app, RecentSide side)
{
    std::vector<std::string> files;
    for (int i = 0; i < kRecentCount; ++i) {
        std::string path = app.GetProfileString(RecentSection(side), RecentEntry(i).c_str(), "");
        if (!path.empty()) {
            files.push_back(path);
        }
    }
    return files;
}

void UpdateRecentFiles(CWinApp& app, const std::string& path, RecentSide side)
{
    if (path.empty()) {
        return;
    }
    std::vector<std::string> files = ReadRecentFiles(app, side);
    auto same = [&](const std::string& entry) { return EqualIgnoringCase(entry, path); };
    size_t found = 0;
    while (found < files.size() && !same(files[found])) {
        ++found;
    }
    if (found < files.size()) {
        files.erase(files.begin() + static_cast<long>(found));
    } else if (files.size() == kRecentCount) {
        files.pop_back();
    }
    files.insert(files.begin(), path);
    for (int i = 0; i < kRecentCount; ++i) {
        const size_t slot = static_cast<size_t>(i);
        // Entries past the list are removed, so a gap left by someone else cannot leave a stale duplicate.
        app.WriteProfileString(RecentSection(side), RecentEntry(i).c_str(),
                               slot < files.size() ? files[slot].c_str() : nullptr);
    }
}

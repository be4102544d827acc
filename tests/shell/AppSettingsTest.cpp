// Settings and recent-file lists against the real registry of the test prefix.
#include "ShellTestSupport.h"
#include "shell/AppSettings.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

// Every persisted field as text, in the order the settings are stored.
std::string Describe(const AppSettings& s)
{
    char text[512];
    std::snprintf(text, sizeof text,
                  "tab=%d blanks=%d case=%d text=%d numbers=%d face=%s height=%ld italic=%d weight=%ld "
                  "x=%d y=%d cx=%d cy=%d added=%06lX deleted=%06lX changed=%06lX background=%06lX inline=%d "
                  "mark=%06lX editor=%s map=%d",
                  s.tabSize, s.options.ignoreBlanks, s.options.ignoreCase, s.options.forceText, s.showLineNumbers,
                  s.font.lfFaceName, static_cast<long>(s.font.lfHeight), s.font.lfItalic,
                  static_cast<long>(s.font.lfWeight), s.windowX, s.windowY, s.windowCX, s.windowCY,
                  static_cast<unsigned long>(s.addedColor), static_cast<unsigned long>(s.deletedColor),
                  static_cast<unsigned long>(s.changedColor), static_cast<unsigned long>(s.diffBackgroundColor),
                  s.showInlineDifferences, static_cast<unsigned long>(s.inlineDiffColor), s.editor.c_str(),
                  s.showDifferenceMap);
    return text;
}

const char kDefaults[] =
    "tab=4 blanks=0 case=0 text=0 numbers=1 face=Courier height=-10 italic=0 weight=400 "
    "x=50 y=50 cx=600 cy=500 added=408000 deleted=0000FF changed=FF0000 background=C0C0C0 inline=1 mark=80E0FF "
    "editor=notepad.exe map=1";

// Name, type and data of every value in a section.
std::map<std::string, std::string> ReadSection(const std::string& section)
{
    std::map<std::string, std::string> values;
    HKEY key = nullptr;
    const std::string path = "Software\\Brightfen\\Tandrel\\" + section;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return values;
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        BYTE data[1024];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (::RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) {
            break;
        }
        if (type == REG_DWORD) {
            DWORD number = 0;
            std::memcpy(&number, data, sizeof number);
            values[name] = "dword:" + std::to_string(static_cast<int>(number));
        } else if (type == REG_SZ) {
            values[name] = "sz:" + std::string(reinterpret_cast<const char*>(data));
        } else {
            values[name] = "other";
        }
    }
    ::RegCloseKey(key);
    return values;
}

using SettingsTest = ProgramKeyTest;

TEST_F(SettingsTest, ConstructionAndAnEmptyRegistryGiveTheDefaults)
{
    AppSettings settings;
    EXPECT_EQ(Describe(settings), kDefaults);
    EXPECT_FALSE(settings.skipInitialCompare);
    settings.tabSize = 9;
    settings.editor = "x";
    LoadSettings(app, settings);
    EXPECT_EQ(Describe(settings), kDefaults);
}

TEST_F(SettingsTest, SavingWritesAllTwentyOneValuesWithTheirTypes)
{
    SaveSettings(app, AppSettings());
    const std::map<std::string, std::string> expected = {{"Tab Size", "dword:4"},
                                                         {"Ignore Blanks", "dword:0"},
                                                         {"Ignore Case", "dword:0"},
                                                         {"Force Text", "dword:0"},
                                                         {"Show Line Numbers", "dword:1"},
                                                         {"Font Face Name", "sz:Courier"},
                                                         {"Font Height", "dword:-10"},
                                                         {"Font Italic", "dword:0"},
                                                         {"Font Weihgt", "dword:400"},
                                                         {"Window X", "dword:50"},
                                                         {"Window Y", "dword:50"},
                                                         {"Window CX", "dword:600"},
                                                         {"Window CY", "dword:500"},
                                                         {"Added Color", "dword:4227072"},
                                                         {"Deleted Color", "dword:255"},
                                                         {"Changed Color", "dword:16711680"},
                                                         {"Diff Background Color", "dword:12632256"},
                                                         {"Show Inline Differences", "dword:1"},
                                                         {"Inline Diff Color", "dword:8446207"},
                                                         {"Editor", "sz:notepad.exe"},
                                                         {"Show Difference Map", "dword:1"}};
    EXPECT_EQ(ReadSection("Settings"), expected);
}

TEST_F(SettingsTest, EveryValueRoundTrips)
{
    AppSettings changed;
    changed.tabSize = 8;
    changed.options = CompareOptions{1, 1, 1};
    changed.showLineNumbers = 0;
    std::strcpy(changed.font.lfFaceName, "Courier New");
    changed.font.lfHeight = -13;
    changed.font.lfItalic = 1;
    changed.font.lfWeight = 700;
    changed.windowX = -4;
    changed.windowY = 7;
    changed.windowCX = 1024;
    changed.windowCY = 768;
    changed.addedColor = 0x00010203;
    changed.deletedColor = 0x00040506;
    changed.changedColor = 0x00070809;
    changed.diffBackgroundColor = 0x00FFFFFF;
    changed.showInlineDifferences = 0;
    changed.inlineDiffColor = 0x00102030;
    changed.editor = "C:\\Program Files\\Editor\\edit.exe -n";
    changed.showDifferenceMap = 0;
    SaveSettings(app, changed);
    AppSettings loaded;
    LoadSettings(app, loaded);
    EXPECT_EQ(Describe(loaded), Describe(changed));
}

TEST_F(SettingsTest, ValuesOfTheWrongTypeReadAsDefaults)
{
    PutString("Settings", "Tab Size", "8");
    PutDword("Settings", "Font Face Name", 5);
    PutDword("Settings", "Editor", 1);
    const BYTE bytes[3] = {1, 2, 3};
    PutRaw("Settings", "Window X", REG_BINARY, bytes, sizeof bytes);
    PutDword("Settings", "Window Y", 77);
    AppSettings settings;
    LoadSettings(app, settings);
    EXPECT_EQ(settings.tabSize, 4);
    EXPECT_STREQ(settings.font.lfFaceName, "Courier");
    EXPECT_EQ(settings.editor, "notepad.exe");
    EXPECT_EQ(settings.windowX, 50);
    EXPECT_EQ(settings.windowY, 77);
}

TEST_F(SettingsTest, ValuesThatWouldBeMisusedReadAsDefaultsAndEdgesAreKept)
{
    struct Case {
        const char* name;
        DWORD stored;
        const char* field;  // the text Describe gives the field after loading
    };
    const Case cases[] = {
        {"Font Height", 0x7FFFFFFF, "height=-10"},
        {"Font Height", 0x80000000, "height=-10"},
        {"Font Height", static_cast<DWORD>(-501), "height=-10"},
        {"Font Height", 501, "height=-10"},
        {"Font Height", static_cast<DWORD>(-500), "height=-500"},
        {"Font Height", 500, "height=500"},
        {"Font Height", 0, "height=0"},
        {"Font Weihgt", static_cast<DWORD>(-1), "weight=400"},
        {"Font Weihgt", 1001, "weight=400"},
        {"Font Weihgt", 1000, "weight=1000"},
        {"Font Weihgt", 0, "weight=0"},
        {"Window X", 40000, "x=50"},
        {"Window X", static_cast<DWORD>(-32767), "x=-32767"},
        {"Window Y", static_cast<DWORD>(-40000), "y=50"},
        {"Window Y", 32767, "y=32767"},
        {"Window CX", static_cast<DWORD>(-100), "cx=600"},
        {"Window CX", 0, "cx=600"},
        {"Window CX", 32768, "cx=600"},
        {"Window CX", 1, "cx=1"},
        {"Window CY", 0x7FFFFFFF, "cy=500"},
        {"Window CY", 32767, "cy=32767"},
        {"Added Color", 0x01000000, "added=408000"},
        {"Added Color", 0x00FFFFFF, "added=FFFFFF"},
        {"Deleted Color", 0xFF0000FF, "deleted=0000FF"},
        {"Changed Color", 0x80000000, "changed=FF0000"},
        {"Diff Background Color", 0x02FFFFFF, "background=C0C0C0"},
        {"Diff Background Color", 0, "background=000000"},
        {"Show Difference Map", 2, "map=1"},
        {"Show Difference Map", static_cast<DWORD>(-1), "map=1"},
        {"Show Difference Map", 0, "map=0"},
    };
    for (const Case& c : cases) {
        PutDword("Settings", c.name, c.stored);
        AppSettings settings;
        LoadSettings(app, settings);
        const std::string text = " " + Describe(settings) + " ";
        EXPECT_NE(text.find(std::string(" ") + c.field + " "), std::string::npos)
            << c.name << " stored as " << static_cast<int>(c.stored) << ": " << text;
        ClearProgramKey();
    }
}

TEST_F(SettingsTest, AnOutOfRangeTabSizeIsKeptButThePanesDrawWithFour)
{
    const int stored[] = {0, 1, 32, 33, -4, 1000};
    const int drawn[] = {4, 1, 32, 4, 4, 4};
    for (size_t i = 0; i < std::size(stored); ++i) {
        PutDword("Settings", "Tab Size", static_cast<DWORD>(stored[i]));
        AppSettings settings;
        LoadSettings(app, settings);
        EXPECT_EQ(settings.tabSize, stored[i]);
        EXPECT_EQ(PaneTabSize(settings), drawn[i]) << stored[i];
    }
}

TEST_F(SettingsTest, LongFontFaceIsCutAtThirtyOneCharacters)
{
    const std::string face(200, 'F');
    PutString("Settings", "Font Face Name", face);
    AppSettings settings;
    LoadSettings(app, settings);
    EXPECT_EQ(std::string(settings.font.lfFaceName), face.substr(0, 31));
    SaveSettings(app, settings);
    EXPECT_EQ(ReadSection("Settings")["Font Face Name"], "sz:" + face.substr(0, 31));
}

std::vector<std::string> RecentList(const CWinApp& app, RecentSide side)
{
    return ReadRecentFiles(app, side);
}

using RecentFilesTest = ProgramKeyTest;

TEST_F(RecentFilesTest, NewPathsGoOnTopAndTheEleventhDropsTheOldest)
{
    for (int i = 1; i <= 11; ++i) {
        UpdateRecentFiles(app, "f" + std::to_string(i), RecentSide::Left);
    }
    EXPECT_EQ(RecentList(app, RecentSide::Left),
              (std::vector<std::string>{"f11", "f10", "f9", "f8", "f7", "f6", "f5", "f4", "f3", "f2"}));
    EXPECT_TRUE(RecentList(app, RecentSide::Right).empty());
    EXPECT_EQ(ReadSection("Recent Left Files").size(), 10u);
}

TEST_F(RecentFilesTest, AListedPathMovesToTheTopAndTheRestKeepTheirPlaces)
{
    for (const char* path : {"e", "d", "c", "b", "a"}) {
        UpdateRecentFiles(app, path, RecentSide::Right);
    }
    UpdateRecentFiles(app, "c", RecentSide::Right);
    EXPECT_EQ(RecentList(app, RecentSide::Right), (std::vector<std::string>{"c", "a", "b", "d", "e"}));
    const auto section = ReadSection("Recent Right Files");
    EXPECT_EQ(section.at("File 0"), "sz:c");
    EXPECT_EQ(section.at("File 4"), "sz:e");
}

TEST_F(RecentFilesTest, CaseInsensitiveMatchIsStoredAsNewlyTyped)
{
    UpdateRecentFiles(app, "C:\\Data\\One.txt", RecentSide::Left);
    UpdateRecentFiles(app, "C:\\Data\\Two.txt", RecentSide::Left);
    UpdateRecentFiles(app, "c:\\DATA\\one.TXT", RecentSide::Left);
    EXPECT_EQ(RecentList(app, RecentSide::Left), (std::vector<std::string>{"c:\\DATA\\one.TXT", "C:\\Data\\Two.txt"}));
}

TEST_F(RecentFilesTest, LettersBeyondAsciiMatchInOtherCaseToo)
{
    const struct {
        const char* first;
        const char* again;
    } cases[] = {
        {"C:\\Привет.txt", "c:\\ПРИВЕТ.TXT"},
        {"Z:\\École\\Ωμέγα", "z:\\école\\ΩΜΈΓΑ"},
        {"Straße", "STRAßE"},
    };
    for (const auto& c : cases) {
        ClearProgramKey();
        UpdateRecentFiles(app, c.first, RecentSide::Left);
        UpdateRecentFiles(app, "other", RecentSide::Left);
        UpdateRecentFiles(app, c.again, RecentSide::Left);
        EXPECT_EQ(RecentList(app, RecentSide::Left), (std::vector<std::string>{c.again, "other"})) << c.first;
    }
}

TEST_F(RecentFilesTest, EmptyPathLeavesTheListUntouched)
{
    UpdateRecentFiles(app, "a", RecentSide::Left);
    UpdateRecentFiles(app, "", RecentSide::Left);
    EXPECT_EQ(RecentList(app, RecentSide::Left), (std::vector<std::string>{"a"}));
    UpdateRecentFiles(app, "", RecentSide::Right);
    EXPECT_TRUE(ReadSection("Recent Right Files").empty());
}

TEST_F(RecentFilesTest, GapsAreCompactedWithoutLeavingStaleEntries)
{
    PutString("Recent Left Files", "File 2", "x");
    PutString("Recent Left Files", "File 5", "");
    PutString("Recent Left Files", "File 7", "y");
    PutDword("Recent Left Files", "File 8", 3);
    UpdateRecentFiles(app, "new", RecentSide::Left);
    const std::map<std::string, std::string> expected = {{"File 0", "sz:new"}, {"File 1", "sz:x"}, {"File 2", "sz:y"}};
    EXPECT_EQ(ReadSection("Recent Left Files"), expected);
}

}  // namespace

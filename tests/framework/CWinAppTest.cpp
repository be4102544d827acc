// The application object: start and exit order, the title, and profile values in the real registry.
#include "tests/support/windows/MessageBoxRecorder.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char kCompany[] = "TandrelFrameworkTest";
const char kSectionPath[] = "Software\\TandrelFrameworkTest\\Profile\\Section";

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelFrameworkTest");
        app.SetRegistryKey(kCompany);
        app.m_appName = "Profile";
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelFrameworkTest"); }

    // Stores raw data under the test section, as another program might have left it.
    static void PutRaw(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }

    CWinApp app;
};

TEST_F(ProfileTest, MissingValuesGiveTheDefaults)
{
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Section", "Number", -10)), -10);
    EXPECT_EQ(app.GetProfileString("Section", "Text", "Courier"), "Courier");
}

TEST_F(ProfileTest, WritesCreateTheKeysAndReadBack)
{
    ASSERT_TRUE(app.WriteProfileInt("Section", "Number", -10));
    ASSERT_TRUE(app.WriteProfileString("Section", "Text", "notepad.exe"));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Section", "Number", 0)), -10);
    EXPECT_EQ(app.GetProfileString("Section", "Text", ""), "notepad.exe");

    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    EXPECT_EQ(::RegQueryValueExA(key, "Number", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 0xFFFFFFF6u);
    char text[32] = "";
    size = sizeof text;
    EXPECT_EQ(::RegQueryValueExA(key, "Text", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(text, "notepad.exe");
    ::RegCloseKey(key);
}

TEST_F(ProfileTest, ValuesOfAnotherTypeReadAsTheDefault)
{
    PutRaw("Number", REG_SZ, "12", 3);
    const DWORD number = 7;
    PutRaw("Text", REG_DWORD, &number, sizeof number);
    const unsigned char shortData[2] = {1, 2};
    PutRaw("Short", REG_BINARY, shortData, sizeof shortData);
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Section", "Number", 4)), 4);
    EXPECT_EQ(app.GetProfileString("Section", "Text", "dflt"), "dflt");
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Section", "Short", 9)), 9);
}

TEST_F(ProfileTest, UnterminatedAndLongStringsAreReadSafely)
{
    const char raw[5] = {'a', 'b', 'c', 'd', 'e'};
    PutRaw("Unterminated", REG_SZ, raw, sizeof raw);
    EXPECT_EQ(app.GetProfileString("Section", "Unterminated", ""), "abcde");
    const std::string longText(5000, 'x');
    ASSERT_TRUE(app.WriteProfileString("Section", "Long", longText.c_str()));
    EXPECT_EQ(app.GetProfileString("Section", "Long", ""), longText);
    const char inner[6] = {'a', 'b', '\0', 'c', 'd', '\0'};
    PutRaw("InnerNul", REG_SZ, inner, sizeof inner);
    EXPECT_EQ(app.GetProfileString("Section", "InnerNul", ""), "ab");
}

TEST_F(ProfileTest, WritingNoStringDeletesTheEntry)
{
    ASSERT_TRUE(app.WriteProfileString("Section", "Text", "here"));
    ASSERT_TRUE(app.WriteProfileString("Section", "Text", nullptr));
    EXPECT_EQ(app.GetProfileString("Section", "Text", "gone"), "gone");
}

// Records the order in which the framework calls the application.
class ScriptedApp : public CWinApp {
public:
    ScriptedApp() : CWinApp(IDS_APP_TITLE) {}

    BOOL startResult = FALSE;
    bool throwAtStart = false;
    bool throwOtherAtStart = false;
    int exitCode = 0;
    std::vector<std::string> calls;

    BOOL InitInstance() override
    {
        CWinApp::InitInstance();
        calls.push_back("init");
        if (throwAtStart) {
            throw std::runtime_error("start failed");
        }
        if (throwOtherAtStart) {
            throw 42;
        }
        if (startResult) {
            ::PostQuitMessage(5);
        }
        return startResult;
    }
    int ExitInstance() override
    {
        calls.push_back("exit");
        return exitCode;
    }

protected:
    int Run() override
    {
        calls.push_back("run");
        return CWinApp::Run();
    }
};

TEST(CWinAppEntry, FailedStartGoesStraightToExit)
{
    ScriptedApp app;
    app.exitCode = 3;
    EXPECT_EQ(app.WinMainEntry(::GetModuleHandleA(nullptr), SW_SHOW), 3);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"init", "exit"}));
    EXPECT_EQ(app.m_appName, "Tandrel");
    EXPECT_EQ(CWinApp::GetApp(), &app);
}

TEST(CWinAppEntry, StartedAppRunsTheLoopUntilQuit)
{
    ScriptedApp app;
    app.startResult = TRUE;
    EXPECT_EQ(app.WinMainEntry(::GetModuleHandleA(nullptr), SW_SHOW), 5);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"init", "run", "exit"}));
}

TEST(CWinAppEntry, FailureDuringTheRunIsReportedAndExitStillRuns)
{
    MessageBoxRecorder boxes;
    ScriptedApp app;
    app.throwAtStart = true;
    app.exitCode = 4;
    const int code = app.WinMainEntry(::GetModuleHandleA(nullptr), SW_SHOW);
    EXPECT_EQ(code, 4);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"init", "exit"}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption + ": " + boxes.shown[0].text, "Tandrel: start failed");
}

TEST(CWinAppEntry, FailureOfAnyKindIsReportedAndExitStillRuns)
{
    MessageBoxRecorder boxes;
    ScriptedApp app;
    app.throwOtherAtStart = true;
    app.exitCode = 6;
    const int code = app.WinMainEntry(::GetModuleHandleA(nullptr), SW_SHOW);
    EXPECT_EQ(code, 6);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"init", "exit"}));
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"An unexpected error occurred."}));
}

}  // namespace

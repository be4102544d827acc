// The start-up sequence: which windows open, what they are given, and the settings saved on every way out.
#include "ShellTestSupport.h"
#include "shell/CTandrelApp.h"

#include <ole2.h>

#include <string>
#include <vector>

namespace {

// Stands in for the Compare Files dialog and the main window, recording what they get.
class RecordingWindows : public StartupWindows {
public:
    bool answerOk = true;
    std::string dialogLeft = "dlg-left", dialogRight = "dlg-right";
    CompareOptions dialogOptions{0, 0, 0};
    bool changeOptions = false;

    std::vector<std::string> calls;
    std::string pathsSeenByDialog;
    CompareOptions optionsSeenByDialog{};
    StartupArgs mainWindowArgs;
    bool mainWindowSkip = false;
    bool oleReadyForMainWindow = false;

    bool AskForFiles(AppSettings& settings, std::string& leftPath, std::string& rightPath) override
    {
        calls.push_back("dialog");
        pathsSeenByDialog = leftPath + "|" + rightPath;
        optionsSeenByDialog = settings.options;
        if (!answerOk) {
            return false;
        }
        leftPath = dialogLeft;
        rightPath = dialogRight;
        if (changeOptions) {
            settings.options = dialogOptions;
        }
        return true;
    }

    void RunMainWindow(AppSettings& settings, const StartupArgs& startup) override
    {
        calls.push_back("main");
        mainWindowArgs = startup;
        mainWindowSkip = settings.skipInitialCompare;
        // S_FALSE: the program has already initialised OLE on this thread.
        oleReadyForMainWindow = ::OleInitialize(nullptr) == S_FALSE;
        ::OleUninitialize();
    }
};

// The application with its arguments given and its usage screen recorded.
class TestApp : public CTandrelApp {
public:
    TestApp(StartupWindows& windows, std::vector<std::string> args) : CTandrelApp(windows), m_args(std::move(args)) {}

    std::vector<std::string> usageShown;

protected:
    std::vector<std::string> Arguments() const override { return m_args; }
    void ShowUsage(const std::string& badOption) override { usageShown.push_back(badOption); }

private:
    std::vector<std::string> m_args;
};

class StartupTest : public ProgramKeyTest {
protected:
    // Runs the program with args; returns its exit code.
    int Run(std::vector<std::string> args)
    {
        TestApp program(windows, std::move(args));
        const int code = program.WinMainEntry(::GetModuleHandleA(nullptr), SW_SHOW);
        usage = program.usageShown;
        return code;
    }

    int Saved(const char* name) { return static_cast<int>(app.GetProfileInt("Settings", name, -999)); }
    std::vector<std::string> Recent(RecentSide side) { return ReadRecentFiles(app, side); }

    RecordingWindows windows;
    std::vector<std::string> usage;
};

TEST_F(StartupTest, TwoNamesCompareAtOnceAndGoToTheRecentLists)
{
    EXPECT_EQ(Run({"left.txt", "right.txt", "/a3"}), 0);
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"main"}));
    EXPECT_EQ(windows.mainWindowArgs.leftPath, "left.txt");
    EXPECT_EQ(windows.mainWindowArgs.rightPath, "right.txt");
    EXPECT_EQ(windows.mainWindowArgs.autoStepSeconds, 3);
    EXPECT_FALSE(windows.mainWindowSkip);
    EXPECT_EQ(Recent(RecentSide::Left), (std::vector<std::string>{"left.txt"}));
    EXPECT_EQ(Recent(RecentSide::Right), (std::vector<std::string>{"right.txt"}));
    EXPECT_EQ(Saved("Tab Size"), 4);
    EXPECT_TRUE(usage.empty());
}

TEST_F(StartupTest, OleIsReadyForThePanesAndReleasedAtExit)
{
    Run({"left.txt", "right.txt"});
    EXPECT_TRUE(windows.oleReadyForMainWindow);
    EXPECT_EQ(::OleInitialize(nullptr), S_OK);
    ::OleUninitialize();
}

TEST_F(StartupTest, OneNameAsksForBothWithoutCarryingItIn)
{
    PutDword("Settings", "Ignore Case", 1);
    windows.changeOptions = true;
    windows.dialogOptions = CompareOptions{1, 0, 1};
    Run({"only.txt", "/b"});
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"dialog", "main"}));
    EXPECT_EQ(windows.pathsSeenByDialog, "|");
    EXPECT_EQ(windows.optionsSeenByDialog.ignoreCase, 1);
    EXPECT_EQ(windows.optionsSeenByDialog.ignoreBlanks, 1);
    EXPECT_EQ(windows.mainWindowArgs.leftPath, "dlg-left");
    EXPECT_EQ(windows.mainWindowArgs.rightPath, "dlg-right");
    EXPECT_EQ(Recent(RecentSide::Left), (std::vector<std::string>{"dlg-left"}));
    EXPECT_EQ(Saved("Ignore Blanks"), 1);
    EXPECT_EQ(Saved("Ignore Case"), 0);
    EXPECT_EQ(Saved("Force Text"), 1);
}

TEST_F(StartupTest, CancelledDialogEndsWithoutMainWindowAndSavesSettings)
{
    windows.answerOk = false;
    Run({"/t"});
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"dialog"}));
    EXPECT_EQ(Saved("Force Text"), 1);
    EXPECT_EQ(Saved("Diff Background Color"), 0xC0C0C0);
    EXPECT_TRUE(Recent(RecentSide::Left).empty());
}

TEST_F(StartupTest, SkipWithNamesOpensAnEmptyWindowAndLeavesTheListsAlone)
{
    Run({"/n", "a.txt", "b.txt", "/a2"});
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"main"}));
    EXPECT_TRUE(windows.mainWindowSkip);
    EXPECT_TRUE(Recent(RecentSide::Left).empty());
    EXPECT_TRUE(Recent(RecentSide::Right).empty());
}

TEST_F(StartupTest, SkipAloneOpensTheMainWindowWithoutTheDialog)
{
    Run({"/n"});
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"main"}));
    EXPECT_TRUE(windows.mainWindowSkip);
}

TEST_F(StartupTest, UsageScreenCases)
{
    const struct {
        std::vector<std::string> args;
        const char* shown;
    } cases[] = {{{"/?"}, ""},           {{"/h", "a", "b"}, ""}, {{"/N"}, "/N"},
                 {{"a", "b", "c"}, "c"}, {{"-"}, "-"},           {{"/H", "/z"}, "/z"}};
    for (const auto& c : cases) {
        ClearProgramKey();
        windows.calls.clear();
        Run(c.args);
        EXPECT_EQ(usage, (std::vector<std::string>{c.shown})) << c.shown;
        EXPECT_TRUE(windows.calls.empty()) << c.shown;
        EXPECT_EQ(Saved("Window CX"), 600) << c.shown;
    }
}

TEST_F(StartupTest, FlagsBeforeABadOptionAreSaved)
{
    Run({"/i", "/q"});
    EXPECT_EQ(usage, (std::vector<std::string>{"/q"}));
    EXPECT_EQ(Saved("Ignore Case"), 1);
    EXPECT_EQ(Saved("Ignore Blanks"), 0);
}

TEST_F(StartupTest, OptionsNotGivenKeepTheSavedValues)
{
    PutDword("Settings", "Ignore Blanks", 1);
    PutDword("Settings", "Tab Size", 7);
    Run({"a", "b", "-I"});
    EXPECT_EQ(Saved("Ignore Blanks"), 1);
    EXPECT_EQ(Saved("Ignore Case"), 1);
    EXPECT_EQ(Saved("Tab Size"), 7);
}

}  // namespace

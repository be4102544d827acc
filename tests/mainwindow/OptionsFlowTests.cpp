// Tests of what the main window does with new options and with a new pair of files.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "resources/resource.h"

namespace {

class OptionsFlow : public MainWindowFixture {
protected:
    CTandrelDialog& OpenCaseChange()
    {
        return Open(WriteFile("left.txt", "same\nCase\nsame\nother\n"),
                    WriteFile("right.txt", "same\ncase\nsame\nOTHER text\n"));
    }
};

TEST_F(OptionsFlow, NewColoursRecolourWithoutANewComparison)
{
    CTandrelDialog& d = OpenCaseChange();
    AppSettings chosen = settings;
    chosen.changedColor = RGB(12, 34, 56);
    chosen.diffBackgroundColor = RGB(250, 240, 230);
    d.ApplyOptions(chosen);
    PumpMessages();
    EXPECT_FALSE(d.RestartRequested());
    ASSERT_NE(d.m_hWnd, nullptr);
    CNewEdit& left = d.LeftTextPane();
    EXPECT_EQ(left.GetTextColorAt(left.GetLineStart(1)), RGB(12, 34, 56));
    EXPECT_EQ(left.GetBackColorAt(left.GetLineStart(1)), RGB(250, 240, 230));
    EXPECT_NE(left.GetBackColorAt(left.GetLineStart(0)), RGB(250, 240, 230));
    EXPECT_EQ(settings.changedColor, RGB(12, 34, 56));
}

TEST_F(OptionsFlow, IgnoreCaseStartsANewComparisonAtTheFirstDifference)
{
    const std::string left = WriteFile("left.txt", "same\nCase\nsame\nother\n");
    const std::string right = WriteFile("right.txt", "same\ncase\nsame\nOTHER text\n");
    size_t before = 0, after = 0;
    int currentAfter = -1;
    std::vector<Step> steps = {
        {false, [&](CTandrelDialog& d) {
             before = d.Hunks().size();
             Command(d, ID_NEXT_DIFFERENCE);
             AppSettings chosen = settings;
             chosen.options.ignoreCase = 1;
             d.ApplyOptions(chosen);
         }},
        {true, [&](CTandrelDialog& d) {
             after = d.Hunks().size();
             currentAfter = d.CurrentDiff();
             Command(d, ID_EXIT);
         }},
    };
    RunModal(left, right, std::move(steps));
    EXPECT_EQ(before, 2u);
    EXPECT_EQ(after, 1u);  // "Case" and "case" now compare equal
    EXPECT_EQ(currentAfter, 0);
    EXPECT_EQ(settings.options.ignoreCase, 1);
}

TEST_F(OptionsFlow, LineNumbersOffHidesTheGutters)
{
    CTandrelDialog& d = OpenCaseChange();
    ASSERT_TRUE(d.LeftGutter().IsWindowVisible());
    AppSettings chosen = settings;
    chosen.showLineNumbers = 0;
    d.ApplyOptions(chosen);
    EXPECT_FALSE(d.LeftGutter().IsWindowVisible());
    EXPECT_FALSE(d.RightGutter().IsWindowVisible());
    EXPECT_FALSE(d.RestartRequested());
}

TEST_F(OptionsFlow, ANewPairBecomesThePathsTheRecentFilesAndARestart)
{
    CTandrelDialog& d = OpenCaseChange();
    CompareOptions options;
    options.forceText = 1;
    d.StartNewComparison(folder + "\\a.txt", folder + "\\b.txt", options);
    EXPECT_TRUE(d.RestartRequested());
    EXPECT_EQ(settings.options.forceText, 1);
    EXPECT_EQ(app.GetProfileString("Recent Left Files", "File 0", ""), folder + "\\a.txt");
    EXPECT_EQ(app.GetProfileString("Recent Right Files", "File 0", ""), folder + "\\b.txt");
}

}  // namespace

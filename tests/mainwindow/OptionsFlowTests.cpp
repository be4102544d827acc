// Tests of what the main window does with new options and with a new pair of files.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "resources/resource.h"
#include "tests/dialogs/DialogScript.h"

#include <cstring>

namespace {

bool WaitsForRepaint(HWND window)
{
    return ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

// What applying options did to an open window: moved panes, repaints, a restart.
struct Effects {
    bool restart;
    bool relayout;
    bool repaint;
};

void ForgetPendingRepaints(CTandrelDialog& d)
{
    for (HWND window : {d.LeftTextPane().m_hWnd, d.RightTextPane().m_hWnd})
        ::ValidateRect(window, nullptr);
}

// Parks the left text pane at a place no layout gives it and clears every pending
// repaint, runs apply, and reports what happened.
Effects EffectsOf(CTandrelDialog& d, const std::function<void()>& apply)
{
    PumpMessages();
    const RECT parked{1, 1, 11, 11};
    d.LeftTextPane().MoveWindow(parked);
    ForgetPendingRepaints(d);
    apply();
    if (!d.m_hWnd)
        return Effects{d.RestartRequested(), false, false};
    const RECT now = ChildRect(d.LeftTextPane().m_hWnd);
    return Effects{d.RestartRequested(), !::EqualRect(&now, &parked),
                   WaitsForRepaint(d.LeftTextPane().m_hWnd) || WaitsForRepaint(d.RightTextPane().m_hWnd)};
}

// The x of the character after a leading tab, in average character widths: the tab stop in force.
int TabColumns(CNewEdit& pane, int line)
{
    const int start = pane.GetLineStart(line);
    return (pane.PointFromPosition(start + 1).x - pane.PointFromPosition(start).x) / pane.GetAverageCharWidth();
}

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

TEST_F(OptionsFlow, EachChangeRedoesOnlyWhatItNeeds)
{
    const struct {
        const char* change;
        std::function<void(AppSettings&)> edit;
        Effects expected;
    } cases[] = {
        {"editor", [](AppSettings& s) { s.editor = "C:\\Tools\\ed.exe"; }, {false, false, false}},
        {"a colour", [](AppSettings& s) { s.addedColor = RGB(1, 2, 3); }, {false, false, true}},
        {"tab size", [](AppSettings& s) { s.tabSize = 8; }, {false, false, true}},
        {"line numbers", [](AppSettings& s) { s.showLineNumbers = 0; }, {false, true, true}},
        {"font", [](AppSettings& s) { s.font.lfWeight = FW_BOLD; }, {false, true, true}},
        {"ignore blanks", [](AppSettings& s) { s.options.ignoreBlanks = 1; }, {true, false, false}},
    };
    const AppSettings original = settings;
    for (const auto& c : cases) {
        settings = original;
        CTandrelDialog& d = OpenCaseChange();
        AppSettings chosen = settings;
        c.edit(chosen);
        const Effects seen = EffectsOf(d, [&] { d.ApplyOptions(chosen); });
        EXPECT_EQ(seen.restart, c.expected.restart) << c.change;
        EXPECT_EQ(seen.relayout, c.expected.relayout) << c.change;
        EXPECT_EQ(seen.repaint, c.expected.repaint) << c.change;
        // Whatever was chosen is kept for the next window and the registry.
        EXPECT_EQ(std::memcmp(&settings.font, &chosen.font, sizeof chosen.font), 0) << c.change;
        EXPECT_EQ(settings.editor, chosen.editor) << c.change;
        EXPECT_EQ(settings.tabSize, chosen.tabSize) << c.change;
        EXPECT_EQ(settings.addedColor, chosen.addedColor) << c.change;
    }
}

TEST_F(OptionsFlow, SetOptionsAppliesOnlyWhatTheDialogChanged)
{
    const COLORREF stored = settings.changedColor;
    const struct {
        const char* path;
        COLORREF answered;  // what the colour chooser answers for the changed-lines swatch
        int button;         // how the dialog ends
        Effects expected;
    } cases[] = {
        {"OK untouched", 0, IDOK, {false, false, false}},
        {"the same colour chosen again", stored, IDOK, {false, false, false}},
        {"a new colour", RGB(9, 8, 7), IDOK, {false, false, true}},
        {"a new colour, then Cancel", RGB(9, 8, 7), IDCANCEL, {false, false, false}},
    };
    for (const auto& c : cases) {
        settings.changedColor = stored;
        CTandrelDialog& d = OpenCaseChange();
        ChooserAnswers answers([&](CommonDialogCall& call) {
            call.color->rgbResult = c.answered;
            return TRUE;
        });
        DialogScript script;
        script.On("Options", [&](HWND dialog) {
            // Out of the way, so that its closing uncovers no pane.
            ::SetWindowPos(dialog, nullptr, 3000, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ForgetPendingRepaints(d);
            if (c.answered)
                DialogScript::Click(dialog, IDC_COLORC);
            DialogScript::Click(dialog, c.button);
        });
        const Effects seen = EffectsOf(d, [&] { Command(d, ID_SET_OPTIONS); });
        EXPECT_TRUE(script.Finished()) << c.path;
        EXPECT_EQ(seen.restart, c.expected.restart) << c.path;
        EXPECT_EQ(seen.relayout, c.expected.relayout) << c.path;
        EXPECT_EQ(seen.repaint, c.expected.repaint) << c.path;
        const COLORREF inForce = c.button == IDOK && c.answered ? c.answered : stored;
        EXPECT_EQ(settings.changedColor, inForce) << c.path;
        CNewEdit& left = d.LeftTextPane();
        EXPECT_EQ(left.GetTextColorAt(left.GetLineStart(1)), inForce) << c.path;
    }
}

TEST_F(OptionsFlow, EveryNewWindowDrawsTabsWithTheStoredTabSize)
{
    const std::string left = WriteFile("left.txt", "\tx\nsame\n");
    const std::string right = WriteFile("right.txt", "\ty\nsame\n");
    // A stored size outside 1 to 32 stays in the settings but draws as 4.
    const struct {
        int stored;
        int drawn;
    } cases[] = {{8, 8}, {1, 1}, {32, 32}, {40, 4}, {0, 4}};
    for (const auto& c : cases) {
        settings.tabSize = c.stored;
        CTandrelDialog& d = Open(left, right);
        EXPECT_EQ(TabColumns(d.LeftTextPane(), 0), c.drawn) << c.stored;
        EXPECT_EQ(TabColumns(d.RightTextPane(), 0), c.drawn) << c.stored;
        EXPECT_EQ(settings.tabSize, c.stored);
    }
    // A size chosen in Options survives Re-Compare, which makes a new window.
    settings.tabSize = 4;
    int afterRecompare = 0;
    std::vector<Step> steps = {
        {false, [&](CTandrelDialog& d) {
             AppSettings chosen = settings;
             chosen.tabSize = 6;
             d.ApplyOptions(chosen);
             Command(d, ID_RECOMPARE);
         }},
        {true, [&](CTandrelDialog& d) {
             afterRecompare = TabColumns(d.RightTextPane(), 0);
             Command(d, ID_EXIT);
         }},
    };
    RunModal(left, right, std::move(steps));
    EXPECT_EQ(afterRecompare, 6);
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

// Tests of what the main window does with new options and with a new pair of files.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "resources/resource.h"
#include "tests/support/windows/DialogScript.h"

#include <tuple>

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
    for (HWND window : {LeftTextPane(d).m_hWnd, RightTextPane(d).m_hWnd})
        ::ValidateRect(window, nullptr);
}

// Parks the left text pane at a place no layout gives it and clears every pending
// repaint, runs apply, and reports what happened.
Effects EffectsOf(CTandrelDialog& d, const std::function<void()>& apply)
{
    PumpMessages();
    const RECT parked{1, 1, 11, 11};
    LeftTextPane(d).MoveWindow(parked);
    ForgetPendingRepaints(d);
    apply();
    // Outside a modal run a restart ends the window at once.
    if (!d.m_hWnd)
        return Effects{true, false, false};
    const RECT now = ChildRect(LeftTextPane(d).m_hWnd);
    return Effects{false, !::EqualRect(&now, &parked),
                   WaitsForRepaint(LeftTextPane(d).m_hWnd) || WaitsForRepaint(RightTextPane(d).m_hWnd)};
}

// The values the Options dialog edits.
auto Edited(const AppSettings& s)
{
    return std::make_tuple(s.tabSize, s.options.ignoreBlanks, s.options.ignoreCase, s.showLineNumbers, s.font.lfWeight,
                           s.addedColor, s.deletedColor, s.changedColor, s.diffBackgroundColor, s.showInlineDifferences,
                           s.inlineDiffColor, s.editor, s.showDifferenceMap);
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
    // The rows' own colours, without the marks inside them.
    settings.showInlineDifferences = 0;
    CTandrelDialog& d = OpenCaseChange();
    AppSettings chosen = settings;
    chosen.changedColor = RGB(12, 34, 56);
    chosen.diffBackgroundColor = RGB(250, 240, 230);
    d.ApplyOptions(chosen);
    PumpMessages();
    ASSERT_NE(d.m_hWnd, nullptr) << "a restart ended the window";
    CNewEdit& left = LeftTextPane(d);
    EXPECT_EQ(left.GetTextColorAt(left.GetLineStart(1)), RGB(12, 34, 56));
    EXPECT_EQ(left.GetBackColorAt(left.GetLineStart(1)), RGB(250, 240, 230));
    EXPECT_NE(left.GetBackColorAt(left.GetLineStart(0)), RGB(250, 240, 230));
    EXPECT_EQ(settings.changedColor, RGB(12, 34, 56));
}

TEST_F(OptionsFlow, InlineMarksFollowTheirOptionsWithoutANewComparison)
{
    settings.showInlineDifferences = 1;
    CTandrelDialog& d = OpenCaseChange();
    CNewEdit& left = LeftTextPane(d);
    // Row 1 is "Case" against "case": the C is marked, the rest of the row is not.
    const int marked = left.GetLineStart(1);
    EXPECT_EQ(left.GetBackColorAt(marked), settings.inlineDiffColor);
    EXPECT_EQ(left.GetBackColorAt(marked + 1), settings.diffBackgroundColor);

    AppSettings chosen = settings;
    chosen.inlineDiffColor = RGB(200, 255, 200);
    d.ApplyOptions(chosen);
    PumpMessages();
    ASSERT_NE(d.m_hWnd, nullptr) << "a restart ended the window";
    EXPECT_EQ(left.GetBackColorAt(marked), RGB(200, 255, 200));

    chosen.showInlineDifferences = 0;
    d.ApplyOptions(chosen);
    PumpMessages();
    ASSERT_NE(d.m_hWnd, nullptr) << "a restart ended the window";
    EXPECT_EQ(left.GetBackColorAt(marked), settings.diffBackgroundColor);
    EXPECT_EQ(settings.showInlineDifferences, 0);
}

TEST_F(OptionsFlow, IgnoreCaseStartsANewComparisonAtTheFirstDifference)
{
    const std::string left = WriteFile("left.txt", "same\nCase\nsame\nother\n");
    const std::string right = WriteFile("right.txt", "same\ncase\nsame\nOTHER text\n");
    int before = 0, after = 0;
    int currentAfter = -1;
    std::vector<Step> steps = {
        {false,
         [&](CTandrelDialog& d) {
             before = DifferenceCount(d);
             Command(d, ID_NEXT_DIFFERENCE);
             AppSettings chosen = settings;
             chosen.options.ignoreCase = 1;
             d.ApplyOptions(chosen);
         }},
        {true,
         [&](CTandrelDialog& d) {
             after = DifferenceCount(d);
             currentAfter = CurrentDifference(d);
             Command(d, ID_EXIT);
         }},
    };
    RunModal(left, right, std::move(steps));
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 1);  // "Case" and "case" now compare equal
    EXPECT_EQ(currentAfter, 0);
    EXPECT_EQ(settings.options.ignoreCase, 1);
}

TEST_F(OptionsFlow, SetOptionsRedoesOnlyWhatTheDialogChanged)
{
    const COLORREF picked = RGB(9, 8, 7);
    using Edit = std::function<void(AppSettings&)>;
    const struct {
        const char* path;
        std::vector<int> clicks;  // a swatch's colour chooser answers picked; Font answers bold
        const char* tabSize;  // typed into the field unless null
        int end;  // how the dialog ends
        Edit expected;  // the settings in force afterwards
        Effects effects;
    } cases[] = {
        {"OK untouched", {}, nullptr, IDOK, [](AppSettings&) {}, {false, false, false}},
        {"the same colour again", {IDC_COLORB}, nullptr, IDOK, [](AppSettings&) {}, {false, false, false}},
        {"added colour",
         {IDC_COLORA},
         nullptr,
         IDOK,
         [&](AppSettings& s) { s.addedColor = picked; },
         {false, false, true}},
        {"deleted colour",
         {IDC_COLORD},
         nullptr,
         IDOK,
         [&](AppSettings& s) { s.deletedColor = picked; },
         {false, false, true}},
        {"changed colour",
         {IDC_COLORC},
         nullptr,
         IDOK,
         [&](AppSettings& s) { s.changedColor = picked; },
         {false, false, true}},
        {"inline colour",
         {IDC_COLORE},
         nullptr,
         IDOK,
         [&](AppSettings& s) { s.inlineDiffColor = picked; },
         {false, false, true}},
        {"inline differences switched off",
         {IDC_OPTIONS_INLINE},
         nullptr,
         IDOK,
         [](AppSettings& s) { s.showInlineDifferences = 0; },
         {false, false, true}},
        {"a colour, then Cancel", {IDC_COLORC}, "8", IDCANCEL, [](AppSettings&) {}, {false, false, false}},
        {"tab size", {}, "8", IDOK, [](AppSettings& s) { s.tabSize = 8; }, {false, false, true}},
        {"line numbers",
         {IDC_OPTIONS_LINE_NUMBERS},
         nullptr,
         IDOK,
         [](AppSettings& s) { s.showLineNumbers = 0; },
         {false, true, true}},
        {"difference map",
         {IDC_OPTIONS_DIFF_MAP},
         nullptr,
         IDOK,
         [](AppSettings& s) { s.showDifferenceMap = 0; },
         {false, true, true}},
        {"font",
         {IDC_OPTIONS_FONT},
         nullptr,
         IDOK,
         [](AppSettings& s) { s.font.lfWeight = FW_BOLD; },
         {false, true, true}},
        {"ignore case",
         {IDC_OPTIONS_IGNORE_CASE},
         nullptr,
         IDOK,
         [](AppSettings& s) { s.options.ignoreCase = 1; },
         {true, false, false}},
    };
    const AppSettings original = settings;
    for (const auto& c : cases) {
        settings = original;
        settings.diffBackgroundColor = picked;  // what "the same colour again" picks
        AppSettings expected = settings;
        c.expected(expected);
        CTandrelDialog& d = OpenCaseChange();
        ChooserAnswers answers([&](CommonDialogCall& call) {
            if (!call.font) {
                call.color->rgbResult = picked;
                return TRUE;
            }
            // Screen fonts, started from the font in force, without the effects part.
            EXPECT_EQ(call.font->Flags & (CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS),
                      static_cast<DWORD>(CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT));
            EXPECT_STREQ(call.font->lpLogFont->lfFaceName, settings.font.lfFaceName);
            call.font->lpLogFont->lfWeight = FW_BOLD;
            return TRUE;
        });
        DialogScript script;
        script.On("Options", [&](HWND dialog) {
            // Out of the way, so that its closing uncovers no pane.
            ::SetWindowPos(dialog, nullptr, 3000, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ForgetPendingRepaints(d);
            for (int id : c.clicks)
                ::SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
            if (c.tabSize)
                DialogScript::SetText(dialog, IDC_OPTIONS_TAB_SIZE, c.tabSize);
            DialogScript::Click(dialog, c.end);
        });
        const Effects seen = EffectsOf(d, [&] { Command(d, ID_SET_OPTIONS); });
        EXPECT_TRUE(script.Finished()) << c.path;
        EXPECT_EQ(seen.restart, c.effects.restart) << c.path;
        EXPECT_EQ(seen.relayout, c.effects.relayout) << c.path;
        EXPECT_EQ(seen.repaint, c.effects.repaint) << c.path;
        EXPECT_EQ(Edited(settings), Edited(expected)) << c.path;
        if (d.m_hWnd) {
            CNewEdit& left = LeftTextPane(d);
            EXPECT_EQ(left.GetTextColorAt(left.GetLineStart(1)), settings.changedColor) << c.path;
        }
    }
}

TEST_F(OptionsFlow, EveryNewWindowDrawsTabsWithTheStoredTabSize)
{
    const std::string left = WriteFile("left.txt", "\tx\nsame\n");
    const std::string right = WriteFile("right.txt", "\ty\nsame\n");
    // A stored size outside 1 to 32 stays in the settings but draws as 4.
    const struct {
        int stored, drawn;
    } cases[] = {{8, 8}, {1, 1}, {32, 32}, {40, 4}, {0, 4}};
    for (const auto& c : cases) {
        settings.tabSize = c.stored;
        CTandrelDialog& d = Open(left, right);
        EXPECT_EQ(TabColumns(LeftTextPane(d), 0), c.drawn) << c.stored;
        EXPECT_EQ(TabColumns(RightTextPane(d), 0), c.drawn) << c.stored;
        EXPECT_EQ(settings.tabSize, c.stored);
    }
}

TEST_F(OptionsFlow, LineNumbersOffHidesTheGutters)
{
    CTandrelDialog& d = OpenCaseChange();
    ASSERT_TRUE(LeftGutter(d).IsWindowVisible());
    AppSettings chosen = settings;
    chosen.showLineNumbers = 0;
    d.ApplyOptions(chosen);
    EXPECT_FALSE(LeftGutter(d).IsWindowVisible());
    EXPECT_FALSE(RightGutter(d).IsWindowVisible());
    EXPECT_NE(d.m_hWnd, nullptr) << "a restart ended the window";
}

TEST_F(OptionsFlow, ANewPairBecomesThePathsTheRecentFilesAndARestart)
{
    CTandrelDialog& d = OpenCaseChange();
    CompareOptions options;
    options.forceText = 1;
    d.StartNewComparison(folder + "\\a.txt", folder + "\\b.txt", options);
    EXPECT_EQ(d.m_hWnd, nullptr) << "no restart ended the window";
    EXPECT_EQ(settings.options.forceText, 1);
    EXPECT_EQ(app.GetProfileString("Recent Left Files", "File 0", ""), folder + "\\a.txt");
    EXPECT_EQ(app.GetProfileString("Recent Right Files", "File 0", ""), folder + "\\b.txt");
}

}  // namespace

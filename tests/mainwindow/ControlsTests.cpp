// Tests of the main window's controls: file labels, the status legend and the toolbar.
#include "tests/support/windows/PixelProbe.h"
#include "TestWindows.h"

#include "resources/resource.h"
#include "shell/CFileLabel.h"
#include "shell/CMainToolbar.h"
#include "shell/Navigation.h"
#include "shell/StatusLegend.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 64);

std::string LoadString(UINT id)
{
    char buffer[256] = {};
    ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return buffer;
}

struct LabelFixture {
    LabelFixture()
    {
        label.Create("Left file", WS_VISIBLE | SS_NOTIFY | SS_SUNKEN, RECT{10, 10, 210, 28}, host.m_hWnd,
                     IDC_LEFT_LABEL);
        label.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    }
    HostWindow host;
    CFileLabel label;
};

TEST(FileLabel, PaintsItsTextInItsColoursOnItsBackground)
{
    LabelFixture f;
    f.label.SetText("C:\\work\\left.txt");
    f.label.SetBackColour(kBlue);
    f.label.SetTextColour(RGB(255, 255, 255));
    PixelProbe probe(200, 18);
    probe.Draw([&](HDC dc) { f.label.DoPaint(dc); });
    EXPECT_GT(probe.Count(kBlue), 200 * 18 / 2);
    EXPECT_GT(probe.Count(RGB(255, 255, 255)), 10);
    // the text keeps one pixel clear at either side
    EXPECT_EQ(probe.Count(RGB(255, 255, 255), RECT{0, 0, 1, 18}), 0);
}

TEST(FileLabel, AnEmptyLabelPaintsNothing)
{
    LabelFixture f;
    f.label.SetText("");
    f.label.SetBackColour(kBlue);
    PixelProbe probe(200, 18);
    probe.Draw([&](HDC dc) {
        const RECT all{0, 0, 200, 18};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        f.label.DoPaint(dc);
    });
    EXPECT_EQ(probe.Count(kBlue), 0);
}

TEST(FileLabel, ALongPathIsShortenedInTheMiddle)
{
    LabelFixture f;
    const std::string path = "C:\\a very long folder name\\another very long folder name\\deeper still\\file.txt";
    f.label.SetText(path);
    f.label.SetTextColour(kRed);
    PixelProbe wide(200, 18);
    wide.Draw([&](HDC dc) { f.label.DoPaint(dc); });
    // The file name at the end stays visible: the last pixels of text are near the right edge.
    int rightmost = -1;
    for (int x = 0; x < 200; ++x)
        if (wide.Count(kRed, RECT{x, 0, x + 1, 18}) > 0)
            rightmost = x;
    EXPECT_GT(rightmost, 120);
    EXPECT_LT(rightmost, 199);
    EXPECT_EQ(f.label.Text(), path);  // the label keeps the whole path
}

// The letters of a name in a script the dialog font lacks each draw a glyph of
// their own, not the one box that stands for every missing character.
TEST(FileLabel, NamesInOtherScriptsShowTheirLetters)
{
    LabelFixture f;
    LOGFONTA dialogFace{};
    dialogFace.lfHeight = -11;
    lstrcpynA(dialogFace.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    GdiFont dialogFont(CreateFontIndirectA(&dialogFace));
    f.label.SetFont(dialogFont);
    f.label.SetTextColour(kRed);
    const auto picture = [&](const char* text) {
        f.label.SetText(text);
        PixelProbe probe(200, 18);
        probe.Draw([&](HDC dc) { f.label.DoPaint(dc); });
        std::vector<int> columns;  // red pixels a column: enough to tell two glyphs apart
        for (int x = 0; x < 200; ++x)
            columns.push_back(probe.Count(kRed, RECT{x, 0, x + 1, 18}));
        return columns;
    };
    // Cyrillic ze and a, Greek omega and lambda
    const std::vector<std::vector<int>> pictures = {picture("\xD0\xB7"), picture("\xD0\xB0"), picture("\xCF\x89"),
                                                    picture("\xCE\xBB")};
    for (size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_GT(std::accumulate(pictures[i].begin(), pictures[i].end(), 0), 0) << i;
        for (size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i], pictures[j]) << i << " and " << j << " look alike";
    }
    f.label.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST(FileLabel, AClickTellsTheParent)
{
    LabelFixture f;
    f.label.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    f.label.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_FALSE(f.host.received.empty());
    EXPECT_EQ(f.host.received[0].message, static_cast<UINT>(WM_USER + 2));
    EXPECT_EQ(f.host.received[0].wParam, reinterpret_cast<WPARAM>(f.label.m_hWnd));
}

TEST(StatusLegend, PartsMapToTheirTextsAndColours)
{
    const LegendColours colours{kGreen, kRed, kBlue};
    const std::map<int, std::pair<std::string, COLORREF>> expected = {
        {2, {"Added lines", kGreen}}, {3, {"Deleted lines", kRed}}, {4, {"Changed lines", kBlue}}};
    for (int part = 0; part < 6; ++part) {
        LegendEntry entry{};
        const bool drawn = LegendForPart(part, colours, entry);
        ASSERT_EQ(drawn, expected.count(part) == 1) << part;
        if (drawn) {
            EXPECT_EQ(LoadString(entry.stringId), expected.at(part).first);
            EXPECT_EQ(entry.colour, expected.at(part).second);
        }
    }
}

TEST(StatusLegend, DrawsTheTextInsideAOnePixelFrameOfButtonFace)
{
    PixelProbe probe(100, 20);
    const RECT part{0, 0, 100, 20};
    probe.Draw([&](HDC dc) {
        DrawLegendPart(dc, part, static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), "Deleted lines", kRed);
    });
    EXPECT_GT(probe.Count(kRed), 20);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(probe.Count(face, RECT{0, 0, 100, 1}), 100);
    EXPECT_EQ(probe.Count(face, RECT{0, 0, 1, 20}), 20);
}

TEST(MainToolbar, HasTheButtonsTooltipsAndImagesInPositionOrder)
{
    HostWindow host;
    CMainToolbar toolbar;
    ASSERT_TRUE(toolbar.Create(host.m_hWnd, IDC_TOOLBAR));
    toolbar.MoveWindow(0, 2, 700, 25);
    toolbar.CreateToolTips();
    ASSERT_EQ(toolbar.GetButtonCount(), 22);
    const UINT commands[22] = {3, 13, 14, 15, 9, 0, 16, 17, 18, 0, 1007, 1014, 1006, 0, 6, 7, 8, 0, 2, 0, 1013, 10};
    const char* tips[22] = {"Compare New Pair Of Files",
                            "Re-Compare Files (Ctrl + R)",
                            "Edit Left File",
                            "Edit Right File",
                            "Save Diff",
                            nullptr,
                            "Show Left File",
                            "Show Right File",
                            "Show Both Files",
                            nullptr,
                            "Previous Difference (Ctrl + P)",
                            "Current Difference",
                            "Next Difference (Ctrl + N)",
                            nullptr,
                            "Find (Ctrl + F)",
                            "Find Next (F3)",
                            "Find Previous (Shift + F3)",
                            nullptr,
                            "Set Options",
                            nullptr,
                            "Exit",
                            "About Tandrel"};
    int image = 0;
    for (int i = 0; i < 22; ++i) {
        TBBUTTON b{};
        ASSERT_TRUE(toolbar.GetButton(i, b));
        if (commands[i] == 0) {
            EXPECT_TRUE(b.fsStyle & BTNS_SEP) << i;
            continue;
        }
        EXPECT_EQ(static_cast<UINT>(b.idCommand), commands[i]) << i;
        EXPECT_EQ(b.iBitmap, image++) << i;
        EXPECT_TRUE(toolbar.IsButtonEnabled(commands[i]));
        EXPECT_EQ(toolbar.ToolTips().GetText(toolbar.m_hWnd, commands[i]), tips[i]) << i;
    }
    EXPECT_EQ(image, 17);
    EXPECT_EQ(toolbar.ToolTips().GetToolCount(), 17);
    EXPECT_EQ(toolbar.GetToolTips(), toolbar.ToolTips().m_hWnd);
}

TEST(MainToolbar, StatesWithoutAComparisonLeaveOnlyNewPairExitAndAbout)
{
    HostWindow host;
    CMainToolbar toolbar;
    ASSERT_TRUE(toolbar.Create(host.m_hWnd, IDC_TOOLBAR));
    toolbar.ApplyStates(ToolbarButtonStates(false, 0, 0, PaneView::Both));
    for (const CMainToolbar::ButtonSpec& spec : CMainToolbar::Buttons()) {
        if (spec.command == 0)
            continue;
        const bool expected =
            spec.command == ID_COMPARE_NEW_PAIR || spec.command == ID_EXIT || spec.command == ID_ABOUT;
        EXPECT_EQ(toolbar.IsButtonEnabled(spec.command), expected) << spec.command;
    }
    toolbar.ApplyStates(ToolbarButtonStates(true, 1, 3, PaneView::LeftOnly));
    EXPECT_TRUE(toolbar.IsButtonEnabled(ID_NEXT_DIFFERENCE));
    EXPECT_TRUE(toolbar.IsButtonEnabled(ID_PREVIOUS_DIFFERENCE));
    EXPECT_FALSE(toolbar.IsButtonEnabled(ID_SHOW_LEFT_FILE));
    EXPECT_TRUE(toolbar.IsButtonEnabled(ID_SHOW_BOTH_FILES));
}

// Counts what reaches the toolbar's window.
class CountingToolbar : public CMainToolbar {
public:
    int enableMessages = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == TB_ENABLEBUTTON)
            ++enableMessages;
        return CMainToolbar::WindowProc(message, wParam, lParam);
    }
};

TEST(MainToolbar, OnlyAChangedStateIsSentToTheToolbar)
{
    HostWindow host;
    CountingToolbar toolbar;
    ASSERT_TRUE(toolbar.Create(host.m_hWnd, IDC_TOOLBAR));
    // Each round: the difference shown (of four), and how many states differ from the round before.
    const struct {
        int currentDiff;
        int changed;
    } rounds[] = {
        {1, static_cast<int>(ToolbarButtonStates(true, 1, 4, PaneView::Both).size())},
        {1, 0},
        {2, 0},
        {3, 1},  // the last difference: Next goes off
        {3, 0},
        {0, 2},  // the first: Next on, Previous off
    };
    for (const auto& round : rounds) {
        const int before = toolbar.enableMessages;
        const auto states = ToolbarButtonStates(true, round.currentDiff, 4, PaneView::Both);
        toolbar.ApplyStates(states);
        EXPECT_EQ(toolbar.enableMessages - before, round.changed) << round.currentDiff;
        for (const auto& [command, enabled] : states)
            EXPECT_EQ(toolbar.IsButtonEnabled(command), enabled) << command;
    }
}

}  // namespace

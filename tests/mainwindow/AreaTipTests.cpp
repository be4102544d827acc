// Tests of the main window's own tooltips (labels, marker, difference list) and of its painted status legend.
#include "MainWindowFixture.h"
#include "tests/support/windows/PixelProbe.h"
#include "TestWindows.h"

#include "framework/CToolTipCtrl.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace {

using AreaTips = MainWindowFixture;

TEST_F(AreaTips, LabelsMarkerAndListExplainThemselves)
{
    std::string right = NumberedLines("line", 1, 30);
    right.replace(right.find("line5\n"), 6, "five\n");
    right.replace(right.find("line20\n"), 7, "twenty\n");
    const std::string rightPath = WriteFile("right.txt", right);
    CTandrelDialog& d = Open(WriteFile("left.txt", NumberedLines("line", 1, 30)), rightPath);
    ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    // Each label's tip is its file's date and size.
    const std::string leftTip = TipAt(d, CentreOf(d, LeftLabel(d)));
    const std::string rightTip = TipAt(d, CentreOf(d, RightLabel(d)));
    EXPECT_EQ(leftTip.rfind("Modified: ", 0), 0u) << leftTip;
    EXPECT_EQ(rightTip.rfind("Modified: ", 0), 0u) << rightTip;
    EXPECT_NE(leftTip.find(", Size: 201 bytes"), std::string::npos) << leftTip;
    EXPECT_NE(rightTip.find(", Size: 200 bytes"), std::string::npos) << rightTip;
    const POINT marker = MarkerTip(d);
    ASSERT_GE(marker.x, 0) << "no marker shows";
    EXPECT_EQ(TipAt(d, POINT{marker.x - 4, marker.y}), "Diff 1 of 2");
    RECT list{};
    DiffList(d).GetWindowRect(&list);
    ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(TipAt(d, POINT{list.left + 20, list.top + 5}), "Current Difference");
}

TEST_F(AreaTips, TheStatusBarShowsTheLegendInTheDifferenceColours)
{
    settings.addedColor = RGB(0, 128, 64);
    settings.deletedColor = RGB(255, 0, 0);
    settings.changedColor = RGB(0, 0, 255);
    CTandrelDialog& d = Open(WriteFile("left.txt", "a\n"), WriteFile("right.txt", "b\n"));
    CStatusBarCtrl& status = StatusBar(d);
    ::RedrawWindow(status.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT client{};
    status.GetClientRect(&client);
    PixelProbe probe(client.right, client.bottom);
    probe.CaptureClient(status.m_hWnd);
    const COLORREF colours[3] = {RGB(0, 128, 64), RGB(255, 0, 0), RGB(0, 0, 255)};
    for (int part = 2; part <= 4; ++part) {
        const RECT r = status.GetPartRect(part);
        EXPECT_GT(probe.Count(colours[part - 2], r), 10) << "part " << part;
        for (int other = 0; other < 3; ++other) {
            if (other != part - 2) {
                EXPECT_EQ(probe.Count(colours[other], r), 0) << "part " << part;
            }
        }
    }
    EXPECT_EQ(probe.Count(RGB(255, 0, 0), status.GetPartRect(0)), 0);
}

}  // namespace

// Tests of the main window's own tooltips (labels, marker, difference list) and of its painted status legend.
#include "MainWindowFixture.h"
#include "tests/support/windows/PixelProbe.h"
#include "TestWindows.h"

#include "framework/CToolTipCtrl.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace {

struct TipSearch {
    HWND owner;
    HWND toolbarTips;
    HWND found;
};

BOOL CALLBACK FindTip(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TipSearch*>(data);
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    if (std::string(name) == TOOLTIPS_CLASSA && ::GetWindow(window, GW_OWNER) == search->owner
        && window != search->toolbarTips) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

class AreaTips : public MainWindowFixture {
protected:
    // The tooltip control the main window owns for its areas (not the toolbar's).
    static HWND AreaTipWindow(CTandrelDialog& d)
    {
        TipSearch search{d.m_hWnd, Toolbar(d).GetToolTips(), nullptr};
        ::EnumThreadWindows(::GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // What the tooltip would show for the mouse at a point of the dialog's client area.
    static std::string TipAt(CTandrelDialog& d, POINT point)
    {
        HWND tips = AreaTipWindow(d);
        if (!tips)
            return "<no tooltip control>";
        PreTranslate(d, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), d.m_hWnd);
        TOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        if (::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0) != 1
            || !::SendMessageA(tips, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)))
            return "<no tool>";
        char text[256] = {};
        info.lpszText = text;
        ::SendMessageA(tips, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
        return text;
    }

    static POINT CentreOf(CTandrelDialog& d, CWnd& child)
    {
        RECT r{};
        child.GetWindowRect(&r);
        ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(AreaTips, LabelsMarkerAndListExplainThemselves)
{
    std::string right = Lines("line", 30);
    right.replace(right.find("line5\n"), 6, "five\n");
    right.replace(right.find("line20\n"), 7, "twenty\n");
    const std::string rightPath = WriteFile("right.txt", right);
    CTandrelDialog& d = Open(WriteFile("left.txt", Lines("line", 30)), rightPath);
    ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    EXPECT_EQ(TipAt(d, CentreOf(d, LeftLabel(d))), d.LeftInfo());
    EXPECT_EQ(TipAt(d, CentreOf(d, RightLabel(d))), d.RightInfo());
    EXPECT_NE(d.RightInfo().find("Size: " + std::to_string(right.size()) + " bytes"), std::string::npos);
    const RECT marker = d.MarkerRect();
    EXPECT_EQ(TipAt(d, POINT{(marker.left + marker.right) / 2, (marker.top + marker.bottom) / 2}), "Diff 1 of 2");
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

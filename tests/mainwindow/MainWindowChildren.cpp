#include "MainWindowChildren.h"

#include "framework/CSplitterWnd.h"
#include "resources/resource.h"
#include "tests/support/windows/PixelProbe.h"

#include <functional>
#include <stdexcept>
#include <string>

namespace {

// The first window an enumeration offers that `wanted` accepts.
struct WindowSearch {
    std::function<bool(HWND)> wanted;
    HWND found = nullptr;
};

BOOL CALLBACK TakeFirstWanted(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    if (!search->wanted(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The window object of a child with a control id, or of a descendant when no child has it:
// the panes lie two levels down, in the splitter.
template <class Window>
Window& Descendant(CWnd& mainWindow, int id)
{
    WindowSearch search{[id](HWND window) { return ::GetDlgCtrlID(window) == id; },
                        ::GetDlgItem(mainWindow.m_hWnd, id)};
    if (!search.found)
        ::EnumChildWindows(mainWindow.m_hWnd, TakeFirstWanted, reinterpret_cast<LPARAM>(&search));
    auto* window = dynamic_cast<Window*>(CWnd::FromHandlePermanent(search.found));
    if (!window)
        throw std::runtime_error("the main window has no child with id " + std::to_string(id));
    return *window;
}

}  // namespace

CNewEdit& LeftTextPane(CWnd& mainWindow)
{
    return Descendant<CNewEdit>(mainWindow, IDC_LEFT_TEXT_PANE);
}

namespace {

CNewEdit& Cell(CWnd& mainWindow, int column)
{
    HWND splitter = ::GetParent(LeftTextPane(mainWindow).m_hWnd);
    HWND cell = ::GetDlgItem(splitter, static_cast<int>(CSplitterWnd::IdFromRowCol(0, column)));
    auto* gutter = dynamic_cast<CNewEdit*>(CWnd::FromHandlePermanent(cell));
    if (!gutter)
        throw std::runtime_error("the splitter has no cell " + std::to_string(column));
    return *gutter;
}

}  // namespace

CNewEdit& RightTextPane(CWnd& mainWindow)
{
    return Descendant<CNewEdit>(mainWindow, IDC_RIGHT_TEXT_PANE);
}
// The gutters are the splitter's cells; the splitter itself carries the id of a frame's first pane.
CNewEdit& LeftGutter(CWnd& mainWindow)
{
    return Cell(mainWindow, 0);
}
CNewEdit& RightGutter(CWnd& mainWindow)
{
    return Cell(mainWindow, 1);
}
CDifferenceMap& DifferenceMap(CWnd& mainWindow)
{
    return Descendant<CDifferenceMap>(mainWindow, IDC_DIFF_MAP);
}
CFileLabel& LeftLabel(CWnd& mainWindow)
{
    return Descendant<CFileLabel>(mainWindow, IDC_LEFT_LABEL);
}
CFileLabel& RightLabel(CWnd& mainWindow)
{
    return Descendant<CFileLabel>(mainWindow, IDC_RIGHT_LABEL);
}
CComboBox& DiffList(CWnd& mainWindow)
{
    return Descendant<CComboBox>(mainWindow, IDC_DIFF_LIST);
}
CMainToolbar& Toolbar(CWnd& mainWindow)
{
    return Descendant<CMainToolbar>(mainWindow, IDC_TOOLBAR);
}
CStatusBarCtrl& StatusBar(CWnd& mainWindow)
{
    return Descendant<CStatusBarCtrl>(mainWindow, IDC_STATUS_BAR);
}

CTandrelDialogFrame& Frame(CWnd& mainWindow)
{
    HWND splitter = ::GetParent(LeftTextPane(mainWindow).m_hWnd);
    auto* frame = dynamic_cast<CTandrelDialogFrame*>(CWnd::FromHandlePermanent(::GetParent(splitter)));
    if (!frame)
        throw std::runtime_error("the main window has no frame around its panes");
    return *frame;
}

bool Compared(CWnd& mainWindow)
{
    return Toolbar(mainWindow).IsButtonEnabled(ID_SET_OPTIONS);
}

int DifferenceCount(CWnd& mainWindow)
{
    return DiffList(mainWindow).GetCount();
}

int CurrentDifference(CWnd& mainWindow)
{
    return DiffList(mainWindow).GetCurSel();
}

PaneView ShownView(CWnd& mainWindow)
{
    if (!LeftTextPane(mainWindow).IsWindowVisible())
        return PaneView::RightOnly;
    return RightTextPane(mainWindow).IsWindowVisible() ? PaneView::Both : PaneView::LeftOnly;
}

POINT MarkerTip(CWnd& mainWindow)
{
    // The marker is a yellow triangle pointing right, in the strip left of the frame.
    const COLORREF kMarker = RGB(255, 255, 0);
    RECT strip{};
    Frame(mainWindow).GetWindowRect(&strip);
    ::MapWindowPoints(nullptr, mainWindow.m_hWnd, reinterpret_cast<POINT*>(&strip), 2);
    RECT client{};
    mainWindow.GetClientRect(&client);
    PixelProbe probe(client.right, client.bottom);
    probe.CaptureClient(mainWindow.m_hWnd);
    POINT tip{-1, -1};
    for (int y = strip.top; y < strip.bottom; ++y) {
        for (int x = 0; x < strip.left; ++x) {
            if (probe.At(x, y) == kMarker && x > tip.x)
                tip = POINT{x, y};
        }
    }
    return tip;
}

HWND FindDialogOf(CWnd& mainWindow)
{
    const HWND owner = mainWindow.m_hWnd;
    WindowSearch search{[owner](HWND window) {
        return ::GetWindow(window, GW_OWNER) == owner && CWnd::WindowTextOf(window) == "Find";
    }};
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeFirstWanted, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

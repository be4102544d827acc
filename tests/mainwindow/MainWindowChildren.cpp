#include "MainWindowChildren.h"

#include "framework/CSplitterWnd.h"
#include "resources/resource.h"

#include <stdexcept>
#include <string>

namespace {

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    if (::GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The window object of a child with a control id, or of a descendant when no child has it:
// the panes lie two levels down, in the splitter.
template <class Window>
Window& Descendant(CWnd& mainWindow, int id)
{
    Search search{id, ::GetDlgItem(mainWindow.m_hWnd, id)};
    if (!search.found)
        ::EnumChildWindows(mainWindow.m_hWnd, FindById, reinterpret_cast<LPARAM>(&search));
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

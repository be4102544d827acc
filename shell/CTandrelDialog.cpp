#include "shell/CTandrelDialog.h"

#include "engine/MemoryExhaustion.h"
#include "framework/AppMessageBox.h"
#include "framework/CWinApp.h"
#include "framework/ClientDC.h"
#include "framework/ObjectSelection.h"
#include "framework/PaintDC.h"
#include "pane/NewEditMessages.h"
#include "resources/resource.h"
#include "shell/AppSettings.h"
#include "shell/CFileLabel.h"
#include "shell/MainWindowTexts.h"
#include "shell/StatusLegend.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>

namespace {

// The caret part is sized for the widest position it will show: a pane's
// lines and columns are int positions, ten digits at most.
const char kWidestCaretText[] = "Ln 9999999999, Col 9999999999";

// The smallest stored window worth opening: below it the toolbar, the list and
// the labels leave no room for a row of text.
const int kSmallestWindowWidth = 240;
const int kSmallestWindowHeight = 200;

// Whether a stored placement can be shown: large enough, and on some monitor.
bool PlacementUsable(int x, int y, int width, int height)
{
    if (width < kSmallestWindowWidth || height < kSmallestWindowHeight)
        return false;
    // Far edges computed wide, since a stored position and size need not add up within an int.
    const auto edge = [](int start, int size) {
        return static_cast<LONG>(std::min<long long>(static_cast<long long>(start) + size, INT_MAX));
    };
    const RECT window{x, y, edge(x, width), edge(y, height)};
    return ::MonitorFromRect(&window, MONITOR_DEFAULTTONULL) != nullptr;
}

// The window's restored rectangle in screen coordinates, also while it is
// minimised (it then stands far off screen) or maximised.
RECT RestoredWindowRect(HWND window)
{
    RECT r{};
    if (!::IsIconic(window) && !::IsZoomed(window)) {
        ::GetWindowRect(window, &r);
        return r;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window, &placement);
    r = placement.rcNormalPosition;
    // The restored rectangle counts from the work area, which a task bar may shift.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor))
        ::OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    return r;
}

}  // namespace

CTandrelDialog::CTandrelDialog(AppSettings& settings) : CDialog(IDD_TANDREL_DIALOG), settings_(settings)
{
}

CTandrelDialog::~CTandrelDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

void CTandrelDialog::SetPaths(const std::string& leftPath, const std::string& rightPath)
{
    leftPath_ = leftName_ = leftPath;
    rightPath_ = rightName_ = rightPath;
}

INT_PTR CTandrelDialog::DoModal()
{
    restartRequested_ = true;
    keepPosition_ = false;
    savedTopLine_ = 0;
    view_ = PaneView::Both;
    INT_PTR result = -1;
    while (restartRequested_) {
        restartRequested_ = false;
        result = CDialog::DoModal();
    }
    return result;
}

void CTandrelDialog::ShowMessage(const std::string& text)
{
    AppMessageBox(text);
}

std::string CTandrelDialog::LoadText(UINT id) const
{
    char buffer[256] = {};
    ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return buffer;
}

void CTandrelDialog::ResetWindowState()
{
    window_ = WindowState();
    window_.children = std::make_unique<Children>();
    CWinApp* app = CWinApp::GetApp();
    window_.searchText = app ? CHistoryComboBox::MostRecent(*app, CFindDialog::kHistorySection) : std::string();
    if (app)
        app->m_pMainWnd = this;
}

bool CTandrelDialog::CreateChildren()
{
    Children& c = *window_.children;
    if (!c.frame.Create(m_hWnd))
        return false;
    CMySplitterWnd& splitter = c.frame.Splitter();
    splitter.SetDragListener(this);
    const RECT none{0, 0, 0, 0};
    const DWORD gutterStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED;
    const DWORD textStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    if (!c.leftGutter.Create(gutterStyle, none, splitter.m_hWnd, CSplitterWnd::IdFromRowCol(0, 0))
        || !c.rightGutter.Create(gutterStyle, none, splitter.m_hWnd, CSplitterWnd::IdFromRowCol(0, 1))
        || !c.leftText.Create(textStyle, none, splitter.m_hWnd, IDC_LEFT_TEXT_PANE)
        || !c.rightText.Create(textStyle, none, splitter.m_hWnd, IDC_RIGHT_TEXT_PANE))
        return false;
    const DWORD labelStyle = WS_VISIBLE | SS_NOTIFY | SS_SUNKEN;
    if (!c.leftLabel.Create("Left file", labelStyle, none, m_hWnd, IDC_LEFT_LABEL)
        || !c.rightLabel.Create("Right file", labelStyle, none, m_hWnd, IDC_RIGHT_LABEL)
        || !c.rule.Create("", WS_VISIBLE | SS_ETCHEDHORZ, none, m_hWnd, IDC_RULE)
        || !c.toolbar.Create(m_hWnd, IDC_TOOLBAR)
        || !c.diffList.Create(WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | CBS_DROPDOWNLIST, none, m_hWnd, IDC_DIFF_LIST)
        || !c.diffMap.Create(m_hWnd, IDC_DIFF_MAP, *this))
        return false;
    // The hidden template button carries the template's font.
    HFONT templateFont = reinterpret_cast<HFONT>(::SendMessageA(GetDlgItem(ID_CURRENT_DIFFERENCE), WM_GETFONT, 0, 0));
    c.diffList.SetFont(templateFont, FALSE);
    c.leftLabel.SetFont(templateFont, FALSE);
    c.rightLabel.SetFont(templateFont, FALSE);
    CreatePaneFont();
    ApplyTabSize();
    return true;
}

void CTandrelDialog::ApplyTabSize()
{
    for (CNewEdit* pane : {&window_.children->leftText, &window_.children->rightText})
        pane->SetTabSize(PaneTabSize(settings_));
}

void CTandrelDialog::CreatePaneFont()
{
    Children& c = *window_.children;
    c.paneFont.Reset(::CreateFontIndirectA(&settings_.font));
    for (CNewEdit* pane : {&c.leftGutter, &c.rightGutter, &c.leftText, &c.rightText})
        pane->SetPaneFont(c.paneFont, true);
    MeasureFont();
}

void CTandrelDialog::MeasureFont()
{
    Children& c = *window_.children;
    ClientDC dc(LeadText().m_hWnd);
    ObjectSelection font(dc, c.paneFont.Get());
    SIZE digits{};
    ::GetTextExtentPoint32A(dc, "0000000000", 10, &digits);
    window_.digitWidth = digits.cx / 10 + 1;
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    window_.lineHeight = metrics.tmHeight;
}

BOOL CTandrelDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!CreateAndCompare()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    ShowOutcome();
    return FALSE;  // the focus is set
}

bool CTandrelDialog::CreateAndCompare()
{
    ResetWindowState();
    if (!CreateChildren()) {
        AppMessageBox(kInsufficientMemory);
        return false;
    }
    window_.comparedFiles.Record(leftPath_, rightPath_);
    if (!RunComparison()) {
        leftName_.clear();
        rightName_.clear();
        window_.comparedOK = false;
    } else {
        currentDiff_ =
            keepPosition_ ? ClampCurrentDiff(currentDiff_, static_cast<int>(window_.comparison.hunks.size())) : 0;
        SelectListEntry();
    }
    ShowDifferencesOnMap();
    return true;
}

void CTandrelDialog::ShowOutcome()
{
    Children& c = *window_.children;
    RestorePlacement();
    c.icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TANDREL));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(c.icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(c.icon));
    CreateStatusBar();
    window_.initialised = true;
    ComputeLayoutRects();
    LayoutChildren(SIZE_RESTORED);
    ShowResult();

    c.toolbar.CreateToolTips();
    SetupAreaTips();
    MeasureFont();
    if (window_.comparedOK) {
        if (keepPosition_) {
            if (savedTopLine_ != 0)
                ScrollToDisplayLine(savedTopLine_, ScrollMode::Top);
        } else if (!window_.comparison.hunks.empty()) {
            GoToCurrentDifference();
        }
    }
    UpdateToolbarState();
    c.accelerators = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_ACCELERATORS));
    c.leftText.SetFocus();
    ::DragAcceptFiles(m_hWnd, TRUE);
    if (const UINT period = AutoStepPeriod(autoStepSeconds_))
        SetTimer(kAutoStepTimer, period);
}

void CTandrelDialog::RestorePlacement()
{
    // A placement no one could see or use gives way to where a first start opens.
    const AppSettings defaults;
    const bool usable = PlacementUsable(settings_.windowX, settings_.windowY, settings_.windowCX, settings_.windowCY);
    const AppSettings& placement = usable ? settings_ : defaults;
    ::MoveWindow(m_hWnd, placement.windowX, placement.windowY, placement.windowCX, placement.windowCY, TRUE);
}

void CTandrelDialog::CreateStatusBar()
{
    Children& c = *window_.children;
    c.statusBar.Create(WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN, m_hWnd, IDC_STATUS_BAR);
    c.statusBar.SetFont(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), FALSE);
    ComputeLayoutRects();
    c.statusBar.MoveWindow(window_.rects.statusBar);
    SetStatusParts();
}

void CTandrelDialog::SetStatusParts()
{
    Children& c = *window_.children;
    ClientDC dc(m_hWnd);
    ObjectSelection font(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    auto width = [&](const std::string& text) {
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const StatusTextWidths widths{width(kWidestCaretText), width(LoadText(IDS_ADDED_LINES)),
                                  width(LoadText(IDS_DELETED_LINES)), width(LoadText(IDS_CHANGED_LINES))};
    const auto edges = StatusBarPartEdges(window_.rects.statusBar.right, widths);
    c.statusBar.SetParts(std::vector<int>(edges.begin(), edges.end()));
    for (int part = 2; part <= 4; ++part)
        c.statusBar.SetText(part, "", true);
}

void CTandrelDialog::ShowResult()
{
    Children& c = *window_.children;
    c.statusBar.SetText(0, window_.comparisonFailed
                               ? kComparisonFailedText
                               : DifferenceCountText(static_cast<int>(window_.comparison.hunks.size())));
    if (window_.comparison.hunks.empty())
        c.diffList.EnableWindow(FALSE);
    c.leftLabel.SetText(leftName_);
    c.rightLabel.SetText(rightName_);
    if (window_.comparedOK) {
        window_.leftInfo = FileInfoLine(leftName_);
        window_.rightInfo = FileInfoLine(rightName_);
    } else {
        c.frame.EnableWindow(FALSE);
    }
}

void CTandrelDialog::OnDestroy()
{
    const RECT window = RestoredWindowRect(m_hWnd);
    settings_.windowX = window.left;
    settings_.windowY = window.top;
    settings_.windowCX = window.right - window.left;
    settings_.windowCY = window.bottom - window.top;
    KillTimer(kAutoStepTimer);
    // The system has destroyed the owned Find dialog already: its box has nothing left to save.
    ForgetFindDialog();
    window_.comparison = ComparisonState();
    CWinApp* app = CWinApp::GetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    window_.initialised = false;
}

void CTandrelDialog::OnPaint()
{
    PaintDC dc(m_hWnd);
    if (::IsIconic(m_hWnd)) {
        RECT client{};
        GetClientRect(&client);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, window_.children ? window_.children->icon : nullptr);
        return;
    }
    DrawMarker(dc);
}

void CTandrelDialog::OnSize(UINT type, int, int)
{
    if (!window_.initialised)
        return;
    ComputeLayoutRects();
    LayoutChildren(type);
}

void CTandrelDialog::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    const LegendColours colours{settings_.addedColor, settings_.deletedColor, settings_.changedColor};
    LegendEntry entry{};
    if (!LegendForPart(static_cast<int>(item.itemID), colours, entry))
        return;
    DrawLegendPart(item.hDC, item.rcItem, reinterpret_cast<HFONT>(::SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)),
                   LoadText(entry.stringId), entry.colour);
}

void CTandrelDialog::OnTimer(UINT_PTR id)
{
    if (id != kAutoStepTimer)
        return;
    if (currentDiff_ + 1 < static_cast<int>(window_.comparison.hunks.size())) {
        OnNextDifference();
        return;
    }
    KillTimer(kAutoStepTimer);
    EndDialog(1);
}

bool CTandrelDialog::OnMouseWheel(int delta, UINT keys, POINT screenPoint)
{
    CDifferenceMap& map = window_.children->diffMap;
    RECT r{};
    map.GetWindowRect(&r);
    if (!map.IsWindowVisible() || !::PtInRect(&r, screenPoint))
        return false;
    map.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), MAKELPARAM(screenPoint.x, screenPoint.y));
    return true;
}

void CTandrelDialog::OnOK()
{
    // Enter never closes the main window.
}

void CTandrelDialog::OnCancel()
{
    restartRequested_ = false;
    EndDialog(IDCANCEL);
}

BOOL CTandrelDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST && window_.children)
        window_.children->areaTips.Relay(*msg);
    if (!window_.splitApplied)
        return CDialog::PreTranslateMessage(msg);
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        window_.userActed = true;
        // Keys go through the accelerators alone: no dialog navigation by Tab or Enter.
        return window_.children && window_.children->accelerators
               && ::TranslateAcceleratorW(m_hWnd, window_.children->accelerators, msg);
    }
    if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST)
        window_.userActed = true;
    return CDialog::PreTranslateMessage(msg);
}

bool CTandrelDialog::OnCommand(UINT id, UINT notifyCode, HWND control)
{
    switch (id) {
    case ID_COMPARE_NEW_PAIR: OnCompareNewPair(); return true;
    case ID_RECOMPARE: OnRecompare(); return true;
    case ID_EDIT_LEFT_FILE: OnEditFile(true); return true;
    case ID_EDIT_RIGHT_FILE: OnEditFile(false); return true;
    case ID_SAVE_DIFF: OnSaveDiff(); return true;
    case ID_SHOW_LEFT_FILE: OnShowLeftFile(); return true;
    case ID_SHOW_RIGHT_FILE: OnShowRightFile(); return true;
    case ID_SHOW_BOTH_FILES: OnShowBothFiles(); return true;
    case ID_PREVIOUS_DIFFERENCE: OnPreviousDifference(); return true;
    case ID_CURRENT_DIFFERENCE: GoToCurrentDifference(); return true;
    case ID_NEXT_DIFFERENCE: OnNextDifference(); return true;
    case ID_FIND: OnFind(); return true;
    case ID_FIND_NEXT: Search(true); return true;
    case ID_FIND_PREVIOUS: Search(false); return true;
    case ID_SET_OPTIONS: OnSetOptions(); return true;
    case ID_EXIT: OnCancel(); return true;
    case ID_ABOUT: OnAbout(); return true;
    case IDC_DIFF_LIST:
        if (notifyCode == CBN_SELCHANGE || notifyCode == CBN_CLOSEUP)
            OnDiffListSelect();
        return true;
    default: return CDialog::OnCommand(id, notifyCode, control);
    }
}

LRESULT CTandrelDialog::OnNotify(NMHDR& header)
{
    if (window_.children)
        window_.children->areaTips.OnNotify(header);
    return 0;
}

LRESULT CTandrelDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == NewEditMessages::VScroll()) {
        OnPaneVScroll(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    if (message == NewEditMessages::HScroll()) {
        OnPaneHScroll(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    if (message == NewEditMessages::SetFocus()) {
        OnPaneSetFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    if (message == NewEditMessages::CaretMove()) {
        OnPaneCaretMove(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    }
    switch (message) {
    case CFileLabel::kClickedMessage: OnLabelClicked(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_FINDDLG_FINDNEXT:
        OnFindDialogFindNext(reinterpret_cast<HWND>(wParam), reinterpret_cast<const FindRequest*>(lParam));
        return 0;
    case WM_FINDDLG_CLOSE: OnFindDialogClose(reinterpret_cast<HWND>(wParam)); return 0;
    case kReturnToFindDialogMessage: OnReturnToFindDialog(); return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam)); break;
    case WM_SIZE: {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return result;
    }
    case WM_PAINT: OnPaint(); return 0;
    case WM_DRAWITEM:
        if (wParam == IDC_STATUS_BAR) {
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_TIMER: OnTimer(static_cast<UINT_PTR>(wParam)); return 0;
    case WM_MOUSEWHEEL:
        if (OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam),
                         POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            return 0;
        break;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(window_.children ? window_.children->icon : nullptr);
    case WM_DESTROY: OnDestroy(); break;
    default: break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

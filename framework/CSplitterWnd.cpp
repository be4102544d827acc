#include "framework/CSplitterWnd.h"

#include "framework/PaintDC.h"

#include <windowsx.h>

#include <algorithm>

namespace {

const char kSplitterClass[] = "TandrelSplitter";

}  // namespace

BOOL CSplitterWnd::CreateStatic(HWND parent, int rows, int columns, DWORD style, UINT id)
{
    if (rows != 1 || columns < 1 || columns > 16)
        return FALSE;  // only the single-row splitter the program uses
    rows_ = rows;
    columns_.assign(static_cast<size_t>(columns), Column{});
    RegisterWindowClass(kSplitterClass, CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, kSplitterClass, "", style | WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

HWND CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || row >= rows_ || col < 0 || col >= GetColumnCount())
        return nullptr;
    return GetDlgItem(static_cast<int>(IdFromRowCol(row, col)));
}

void CSplitterWnd::SetColumnInfo(int col, int idealWidth, int minimumWidth)
{
    if (col < 0 || col >= GetColumnCount())
        return;
    columns_[col].ideal = std::max(0, idealWidth);
    columns_[col].minimum = std::max(0, minimumWidth);
}

void CSplitterWnd::GetColumnInfo(int col, int& currentWidth, int& minimumWidth) const
{
    currentWidth = minimumWidth = 0;
    if (col < 0 || col >= GetColumnCount())
        return;
    currentWidth = columns_[col].current;
    minimumWidth = columns_[col].minimum;
}

RECT CSplitterWnd::CellRect(int col) const
{
    RECT client{};
    GetClientRect(&client);
    int x = kBorder;
    for (int i = 0; i < col; ++i)
        x += columns_[i].current + kGap;
    return RECT{x, kBorder, x + columns_[col].current, std::max<LONG>(kBorder, client.bottom - kBorder)};
}

RECT CSplitterWnd::BarRect(int col) const
{
    const RECT cell = CellRect(col);
    return RECT{cell.right, 0, cell.right + kGap, cell.bottom + kBorder};
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd || columns_.empty())
        return;
    RECT client{};
    GetClientRect(&client);
    int x = kBorder;
    const int last = GetColumnCount() - 1;
    for (int i = 0; i <= last; ++i) {
        // A column before the last leaves room for the bar right of it.
        const int bar = i == last ? 0 : kGap;
        const int room = std::max(0, static_cast<int>(client.right) - kBorder - x - bar);
        Column& c = columns_[i];
        int width = i == last ? room : std::min(c.ideal, room);
        if (width < c.minimum)
            width = 0;
        c.current = width;
        x += width + kGap;
    }
    for (int i = 0; i <= last; ++i) {
        HWND pane = GetPane(0, i);
        if (pane) {
            const RECT cell = CellRect(i);
            ::MoveWindow(pane, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, TRUE);
        }
    }
    Invalidate(TRUE);
}

int CSplitterWnd::HitTest(POINT point) const
{
    for (int i = 0; i + 1 < GetColumnCount(); ++i) {
        const RECT bar = BarRect(i);
        if (::PtInRect(&bar, point))
            return SplitterBar;
    }
    RECT client{};
    GetClientRect(&client);
    if (!::PtInRect(&client, point))
        return NoHit;
    for (int i = 0; i < GetColumnCount(); ++i) {
        const RECT cell = CellRect(i);
        if (::PtInRect(&cell, point))
            return NoHit;
    }
    return SplitterBorder;
}

void CSplitterWnd::StartTracking(int bar, POINT point)
{
    trackingBar_ = bar;
    trackOffset_ = point.x - BarRect(bar).left;
    ::SetCapture(m_hWnd);
    SetFocus();
}

void CSplitterWnd::TrackTo(POINT point)
{
    RECT client{};
    GetClientRect(&client);
    const RECT cell = CellRect(trackingBar_);
    const int widest = std::max(0, static_cast<int>(client.right) - kBorder - kGap - static_cast<int>(cell.left));
    const int width = std::clamp(static_cast<int>(point.x) - trackOffset_ - static_cast<int>(cell.left), 0, widest);
    if (width == columns_[trackingBar_].current)
        return;
    columns_[trackingBar_].ideal = width;
    RecalcLayout();
    UpdateWindow();
}

void CSplitterWnd::StopTracking()
{
    if (trackingBar_ < 0)
        return;
    trackingBar_ = -1;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CSplitterWnd::OnLButtonDown(UINT, POINT point)
{
    for (int i = 0; i + 1 < GetColumnCount(); ++i) {
        const RECT bar = BarRect(i);
        if (::PtInRect(&bar, point)) {
            StartTracking(i, point);
            return;
        }
    }
}

void CSplitterWnd::OnLButtonUp(UINT, POINT point)
{
    if (trackingBar_ < 0)
        return;
    TrackTo(point);
    StopTracking();
}

void CSplitterWnd::OnMouseMove(UINT, POINT point)
{
    if (trackingBar_ >= 0)
        TrackTo(point);
}

void CSplitterWnd::OnCaptureChanged()
{
    trackingBar_ = -1;
}

bool CSplitterWnd::OnSetCursor(HWND window, UINT hitTest)
{
    // Over a pane the pane chooses; only the splitter's own area shows the sizing cursor.
    if (window != m_hWnd || hitTest != HTCLIENT)
        return false;
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(m_hWnd, &point);
    if (trackingBar_ < 0 && HitTest(point) != SplitterBar)
        return false;
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
    return true;
}

void CSplitterWnd::OnPaint()
{
    PaintDC dc(m_hWnd);
    for (int i = 0; i + 1 < GetColumnCount(); ++i) {
        RECT bar = BarRect(i);
        ::DrawEdge(dc, &bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    }
}

void CSplitterWnd::OnSize(int, int)
{
    RecalcLayout();
}

LRESULT CSplitterWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), point); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), point); return 0;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), point); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(); return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam)))
            return TRUE;
        break;
    case WM_PAINT: OnPaint(); return 0;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

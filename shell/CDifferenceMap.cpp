#include "shell/CDifferenceMap.h"

#include "framework/PaintDC.h"

#include <windowsx.h>

#include <algorithm>

namespace {

const char kClassName[] = "TandrelDifferenceMap";
// The marks leave room at the strip's edges, where the current difference reaches out, and
// between the halves, so that a change (both halves) reads apart from an addition or a deletion.
const int kMarkInset = 3;
const int kHalfGap = 1;

void Fill(HDC dc, const RECT& r, COLORREF colour)
{
    ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

BOOL CDifferenceMap::Create(HWND parent, UINT id, DifferenceMapListener& listener)
{
    listener_ = &listener;
    if (!RegisterWindowClass(kClassName, 0, ::LoadCursor(nullptr, IDC_ARROW)))
        return FALSE;
    return CreateEx(0, kClassName, "", WS_CHILD, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

void CDifferenceMap::SetDifferences(const std::vector<DiffHunk>& hunks, int totalRows)
{
    hunks_ = &hunks;
    totalRows_ = std::max(totalRows, 0);
    current_ = -1;
    marks_ = ComputeMapMarks(hunks, totalRows_, height_);
    InvalidateMarks();
}

void CDifferenceMap::SetColours(const Colours& colours)
{
    colours_ = colours;
    InvalidateMarks();
}

void CDifferenceMap::SetView(PaneView view)
{
    if (view == view_)
        return;
    view_ = view;
    InvalidateMarks();
}

void CDifferenceMap::SetCurrent(int diff)
{
    if (diff == current_)
        return;
    const RECT before = CurrentRect();
    current_ = diff;
    InvalidateChange(before, CurrentRect());
}

void CDifferenceMap::SetVisibleRows(int topRow, int rowCount)
{
    if (topRow == topRow_ && rowCount == rowCount_)
        return;
    // Only the frame moves: the pixel rows of its old and new place are drawn
    // again. Over many rows a pixel stands for many, and most steps leave the
    // frame where it was: then nothing is painted.
    const RECT before = FrameRect();
    topRow_ = topRow;
    rowCount_ = rowCount;
    const RECT after = FrameRect();
    if (!::EqualRect(&before, &after))
        InvalidateChange(before, after);
}

void CDifferenceMap::InvalidateChange(const RECT& before, const RECT& after)
{
    InvalidateRect(&before, FALSE);
    InvalidateRect(&after, FALSE);
}

void CDifferenceMap::InvalidateMarks()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

bool CDifferenceMap::Shows(bool right) const
{
    return view_ == PaneView::Both || (view_ == PaneView::RightOnly) == right;
}

CDifferenceMap::Columns CDifferenceMap::SideColumns(bool right, bool current) const
{
    const int edge = current ? 0 : kMarkInset;
    const int gap = current ? 0 : kHalfGap;
    if (view_ != PaneView::Both)
        return {edge, width_ - edge};
    const int middle = width_ / 2;
    return right ? Columns{middle + gap, width_ - edge} : Columns{edge, middle - gap};
}

COLORREF CDifferenceMap::MarkColour(MapMark mark) const
{
    switch (mark) {
    case MapMark::Added: return colours_.added;
    case MapMark::Deleted: return colours_.deleted;
    default: return colours_.changed;
    }
}

void CDifferenceMap::DrawMarks(HDC dc, int top, int bottom) const
{
    Fill(dc, RECT{0, top, width_, bottom}, ::GetSysColor(COLOR_WINDOW));
    if (static_cast<int>(marks_.size()) != height_)
        return;
    top = std::max(top, 0);
    bottom = std::min(bottom, height_);
    for (bool right : {false, true}) {
        if (!Shows(right))
            continue;
        const Columns columns = SideColumns(right, false);
        const auto markAt = [&](int y) {
            const MapPixelRow& row = marks_[static_cast<size_t>(y)];
            return (right ? row.right : row.left).mark;
        };
        // One rectangle a run of pixel rows of the same mark.
        int runStart = top;
        for (int y = top + 1; y <= bottom; ++y) {
            if (y < bottom && markAt(y) == markAt(runStart))
                continue;
            if (markAt(runStart) != MapMark::None)
                Fill(dc, RECT{columns.left, runStart, columns.right, y}, MarkColour(markAt(runStart)));
            runStart = y;
        }
    }
}

RECT CDifferenceMap::CurrentRect() const
{
    if (!hunks_ || current_ < 0 || current_ >= static_cast<int>(hunks_->size()))
        return RECT{};
    const DiffHunk& hunk = (*hunks_)[static_cast<size_t>(current_)];
    RECT r{};
    for (bool right : {false, true}) {
        const MapSide side = MapSideOf(hunk, right);
        const PixelSpan span = RowsToPixels(side.firstRow, side.lastRow, totalRows_, height_);
        const RECT sideRect{0, span.top, width_, span.bottom};
        if (Shows(right) && side.mark != MapMark::None && !span.Empty())
            ::UnionRect(&r, &r, &sideRect);
    }
    return r;
}

void CDifferenceMap::DrawCurrent(HDC dc) const
{
    if (!hunks_ || current_ < 0 || current_ >= static_cast<int>(hunks_->size()))
        return;
    const DiffHunk& hunk = (*hunks_)[static_cast<size_t>(current_)];
    for (bool right : {false, true}) {
        const MapSide side = MapSideOf(hunk, right);
        if (!Shows(right) || side.mark == MapMark::None)
            continue;
        const PixelSpan span = RowsToPixels(side.firstRow, side.lastRow, totalRows_, height_);
        const Columns columns = SideColumns(right, true);
        Fill(dc, RECT{columns.left, span.top, columns.right, span.bottom}, MarkColour(side.mark));
    }
}

RECT CDifferenceMap::FrameRect() const
{
    if (rowCount_ <= 0)
        return RECT{};
    const PixelSpan span = RowsToPixels(topRow_, topRow_ + rowCount_ - 1, totalRows_, height_);
    // The frame's lines lie round the visible rows' pixels, so that a mark there stays visible.
    return span.Empty() ? RECT{} : RECT{0, std::max(span.top - 1, 0), width_, std::min(span.bottom + 1, height_)};
}

void CDifferenceMap::DrawFrame(HDC dc) const
{
    const RECT frame = FrameRect();
    if (::IsRectEmpty(&frame))
        return;
    ::FrameRect(dc, &frame, ::GetSysColorBrush(COLOR_WINDOWTEXT));
}

void CDifferenceMap::DoPaint(HDC dc)
{
    if (width_ <= 0 || height_ <= 0)
        return;
    // A step or a scroll repaints a few pixel rows round the old and the new
    // frame and current mark: only the marks of those rows are drawn.
    RECT clip{0, 0, width_, height_};
    ::GetClipBox(dc, &clip);
    DrawMarks(dc, clip.top, clip.bottom);
    DrawCurrent(dc);
    DrawFrame(dc);
}

void CDifferenceMap::OnPaint()
{
    PaintDC dc(m_hWnd);
    DoPaint(dc);
}

void CDifferenceMap::OnSize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    marks_ = hunks_ ? ComputeMapMarks(*hunks_, totalRows_, height_) : std::vector<MapPixelRow>(height_);
    InvalidateMarks();
}

int CDifferenceMap::DiffAt(POINT point) const
{
    if (point.y < 0 || point.y >= height_ || marks_.empty())
        return -1;
    const MapPixelRow& row = marks_[static_cast<size_t>(point.y)];
    const bool rightFirst = view_ == PaneView::RightOnly || (view_ == PaneView::Both && point.x >= width_ / 2);
    for (bool right : {rightFirst, !rightFirst}) {
        const MapHalf& half = right ? row.right : row.left;
        if (Shows(right) && half.mark != MapMark::None)
            return half.diff;
    }
    return -1;
}

void CDifferenceMap::OnLButtonDown(POINT point)
{
    if (totalRows_ <= 0)
        return;
    SetCapture(m_hWnd);
    dragging_ = true;
    moved_ = false;
    pressY_ = point.y;
    const int diff = DiffAt(point);
    if (diff >= 0)
        listener_->OnMapDifferenceChosen(diff);
    else
        listener_->OnMapRowChosen(RowAtPixel(point.y, totalRows_, height_));
}

void CDifferenceMap::OnMouseMove(POINT point)
{
    // A hand that trembles while it clicks a mark does not drag the view off it.
    if (!dragging_ || (!moved_ && point.y == pressY_))
        return;
    moved_ = true;
    listener_->OnMapRowChosen(RowAtPixel(point.y, totalRows_, height_));
}

void CDifferenceMap::OnLButtonUp()
{
    if (dragging_)
        ::ReleaseCapture();
}

void CDifferenceMap::OnCaptureChanged()
{
    dragging_ = false;
}

void CDifferenceMap::OnMouseWheel(int delta)
{
    UINT linesPerNotch = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    // A wheel set to pages scrolls by the rows in view.
    const int lines = linesPerNotch == WHEEL_PAGESCROLL ? std::max(rowCount_, 1) : static_cast<int>(linesPerNotch);
    // Fine-grained wheels send parts of a notch: they add up.
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= notches * WHEEL_DELTA;
    if (notches != 0)
        listener_->OnMapWheel(-notches * lines);
}

LRESULT CDifferenceMap::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: DoPaint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_LBUTTONDOWN: OnLButtonDown(point); return 0;
    case WM_MOUSEMOVE: OnMouseMove(point); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

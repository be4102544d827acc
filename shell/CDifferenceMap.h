// CDifferenceMap: the strip beside the panes with every difference at its height, the visible rows as a frame; a click goes there.
#pragma once

#include "engine/DiffTypes.h"
#include "framework/CWnd.h"
#include "shell/DifferenceMapListener.h"
#include "shell/DifferenceMapMarks.h"
#include "shell/MainLayout.h"

#include <vector>

class CDifferenceMap : public CWnd {
public:
    struct Colours {
        COLORREF added = 0;
        COLORREF deleted = 0;
        COLORREF changed = 0;
    };

    BOOL Create(HWND parent, UINT id, DifferenceMapListener& listener);

    // The differences over totalRows display rows; the owner keeps hunks while the map shows them.
    void SetDifferences(const std::vector<DiffHunk>& hunks, int totalRows);
    void SetColours(const Colours& colours);
    // One file alone: only its half shows, over the whole width.
    void SetView(PaneView view);
    // The difference drawn standing out; -1 for none.
    void SetCurrent(int diff);
    // The rows the panes show, drawn as a frame.
    void SetVisibleRows(int topRow, int rowCount);

    // Paints the map into any device context (WM_PAINT and WM_PRINTCLIENT).
    void DoPaint(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Columns [left, right) of the client area.
    struct Columns {
        int left;
        int right;
    };

    void OnSize(int width, int height);
    void OnPaint();
    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLButtonUp();
    void OnCaptureChanged();
    void OnMouseWheel(int delta);

    // The marks of pixel rows [top, bottom) over the background: the marks
    // per pixel row are computed once per comparison and height.
    void DrawMarks(HDC dc, int top, int bottom) const;
    void DrawCurrent(HDC dc) const;
    void DrawFrame(HDC dc) const;
    RECT FrameRect() const;
    RECT CurrentRect() const;
    bool Shows(bool right) const;
    // Where a side's marks go: inset, or the whole half for the current difference.
    Columns SideColumns(bool right, bool current) const;
    COLORREF MarkColour(MapMark mark) const;
    // The difference whose mark is at a point: the half under the pointer first (-1: none).
    int DiffAt(POINT point) const;
    void InvalidateMarks();
    // What a move of the frame or the current difference paints again.
    void InvalidateChange(const RECT& before, const RECT& after);

    DifferenceMapListener* listener_ = nullptr;
    const std::vector<DiffHunk>* hunks_ = nullptr;
    int totalRows_ = 0;
    std::vector<MapPixelRow> marks_;
    Colours colours_;
    PaneView view_ = PaneView::Both;
    int current_ = -1;
    int topRow_ = 0;
    int rowCount_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool dragging_ = false;
    bool moved_ = false;
    int pressY_ = 0;
    int wheelRemainder_ = 0;
};

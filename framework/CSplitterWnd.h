// CSplitterWnd: a static splitter of one row and several columns, whose cell windows it sizes and whose bars the user drags.
#pragma once

#include "framework/CWnd.h"

#include <vector>

class CSplitterWnd : public CWnd {
public:
    // Id of the first cell window; cell (row, col) has IdFromRowCol(row, col).
    static constexpr UINT kFirstPaneId = 0xE900;
    enum HitArea { NoHit = 0, SplitterBar = 1, SplitterBorder = 2 };

    CSplitterWnd() = default;

    // Creates the splitter with one row and `columns` columns of width 0; the
    // cell windows are created afterwards as its children with IdFromRowCol ids.
    BOOL CreateStatic(HWND parent, int rows, int columns, DWORD style, UINT id);
    static UINT IdFromRowCol(int row, int col) { return kFirstPaneId + row * 16 + col; }
    HWND GetPane(int row, int col) const;
    int GetColumnCount() const { return static_cast<int>(columns_.size()); }

    // The ideal width applies at the next RecalcLayout; a width below the
    // minimum collapses the column to 0. The last column takes what is left.
    void SetColumnInfo(int col, int idealWidth, int minimumWidth);
    // The width the column has now and its minimum.
    void GetColumnInfo(int col, int& currentWidth, int& minimumWidth) const;
    int GetBorderWidth() const { return kBorder; }
    int GetGapWidth() const { return kGap; }

    // Places every cell window in its cell and repaints the bars.
    void RecalcLayout();
    // SplitterBar on a bar between two columns, SplitterBorder on the splitter's own
    // edge around the cells, NoHit in a cell or outside the client area.
    int HitTest(POINT point) const;
    // Client rectangle of a cell, or of the bar right of column `col`.
    RECT CellRect(int col) const;
    RECT BarRect(int col) const;
    bool IsTracking() const { return trackingBar_ >= 0; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    void OnMouseMove(UINT flags, POINT point);
    void OnCaptureChanged();
    bool OnSetCursor(HWND window, UINT hitTest);
    void OnPaint();
    void OnSize(int cx, int cy);

private:
    struct Column {
        int ideal = 0;
        int minimum = 0;
        int current = 0;
    };

    void StartTracking(int bar, POINT point);
    void TrackTo(POINT point);
    void StopTracking();

    static constexpr int kBorder = 3;
    // The bar between two columns; the panes of the left column overlap all
    // but its last border width, which stays for the mouse.
    static constexpr int kGap = 8;

    std::vector<Column> columns_;
    int rows_ = 1;
    int trackingBar_ = -1;
    int trackOffset_ = 0;
};

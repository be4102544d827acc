// CMySplitterWnd: the main window's two-column splitter: keeps the focus pane painted during a drag, reports drags, forwards pane notifications.
#pragma once

#include "framework/CSplitterWnd.h"

class SplitterDragListener;

class CMySplitterWnd : public CSplitterWnd {
public:
    // Who hears about a finished drag (none: nobody).
    void SetDragListener(SplitterDragListener* listener) { listener_ = listener; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;

private:
    SplitterDragListener* listener_ = nullptr;
};

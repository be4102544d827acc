// CMySplitterWnd: the main window's two-column splitter: keeps the focus pane painted during a drag, reports drags, forwards pane notifications.
#pragma once

#include "framework/CSplitterWnd.h"

class CMySplitterWnd : public CSplitterWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
};

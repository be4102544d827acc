// CTandrelDialogFrame: the child frame in the main window that holds the splitter and keeps its columns in proportion.
#pragma once

#include "framework/CFrameWnd.h"
#include "shell/CMySplitterWnd.h"

class CTandrelDialogFrame : public CFrameWnd {
public:
    BOOL Create(HWND parent);
    CMySplitterWnd& Splitter() { return splitter_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCreateClient();
    void OnSize(UINT type, int cx, int cy);

private:
    CMySplitterWnd splitter_;
    int previousSplitterWidth_ = 0;
};

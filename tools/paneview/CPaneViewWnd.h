// CPaneViewWnd: the viewer's top-level window: one text pane filling its client area.
#pragma once

#include "framework/CWnd.h"
#include "pane/CNewEdit.h"

#include <string>

class CPaneViewWnd : public CWnd {
public:
    // Creates the window and shows `text` in its pane, coloured and partly selected.
    bool Create(const std::string& title, const std::string& text);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSize(int width, int height);
    void ColourSamples();

    CNewEdit pane_;
};

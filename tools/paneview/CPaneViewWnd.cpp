#include "CPaneViewWnd.h"

namespace {
// The program's default difference colours.
const COLORREF kChanged = RGB(255, 0, 0);
const COLORREF kAdded = RGB(0, 0, 255);
const COLORREF kDeleted = RGB(0, 128, 0);
const COLORREF kDiffBack = RGB(255, 255, 192);
}  // namespace

bool CPaneViewWnd::Create(const std::string& title, const std::string& text)
{
    if (!CreateEx(0, nullptr, ("paneview - " + title).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 760, 520,
                  nullptr, nullptr))
        return false;
    RECT client{};
    GetClientRect(&client);
    if (!pane_.Create(WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, client, m_hWnd, 100))
        return false;
    pane_.SetText(text.data(), static_cast<int>(text.size()));
    ColourSamples();
    ShowWindow(SW_SHOW);
    pane_.SetFocus();
    return true;
}

// Colours a few blocks of lines the way a comparison does, and selects part of the text.
void CPaneViewWnd::ColourSamples()
{
    const int lines = pane_.GetLineCount();
    struct Block {
        int first;
        int last;
        COLORREF text;
    };
    const Block blocks[] = {{2, 3, kChanged}, {6, 8, kAdded}, {11, 11, kDeleted}};
    for (const Block& block : blocks) {
        if (block.last >= lines)
            continue;
        const int start = pane_.GetLineStart(block.first);
        const int end = pane_.GetLineStart(block.last + 1);
        pane_.SetRangeTextColor(start, end, block.text);
        pane_.SetRangeBackColor(start, end, kDiffBack);
    }
    if (lines > 20)
        pane_.SetSelection(pane_.GetLineStart(18) + 4, pane_.GetLineStart(19) + 12);
}

LRESULT CPaneViewWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: pane_.SetFocus(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CPaneViewWnd::OnSize(int width, int height)
{
    if (pane_.m_hWnd)
        pane_.MoveWindow(0, 0, width, height, TRUE);
}

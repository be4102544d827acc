// CFileLabel: the label above a text pane: the file's path in its own colours, shortened in the middle, clickable.
#pragma once

#include "framework/CStatic.h"

#include <string>

class CFileLabel : public CStatic {
public:
    // Sent to the parent when the label is clicked; wParam is the label's window.
    static constexpr UINT kClickedMessage = WM_USER + 2;

    CFileLabel();

    void SetText(const std::string& text);
    void SetTextColour(COLORREF colour);
    void SetBackColour(COLORREF colour);
    const std::string& Text() const { return text_; }
    COLORREF TextColour() const { return textColour_; }
    COLORREF BackColour() const { return backColour_; }

    // Paints the label into any device context (WM_PAINT and WM_PRINTCLIENT).
    void DoPaint(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnLButtonDown();

private:
    void RepaintNow();
    static HFONT FontLike(HFONT font, const wchar_t* face);

    std::string text_;
    COLORREF textColour_;
    COLORREF backColour_;
};

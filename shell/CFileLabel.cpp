#include "shell/CFileLabel.h"

#include "framework/GdiObject.h"
#include "framework/ObjectSelection.h"
#include "framework/PaintDC.h"
#include "framework/WideString.h"

CFileLabel::CFileLabel() : textColour_(::GetSysColor(COLOR_WINDOWTEXT)), backColour_(::GetSysColor(COLOR_BTNFACE))
{
}

void CFileLabel::SetText(const std::string& text)
{
    text_ = text;
    SetWindowText(text);
    RepaintNow();
}

void CFileLabel::SetTextColour(COLORREF colour)
{
    textColour_ = colour;
    RepaintNow();
}

void CFileLabel::SetBackColour(COLORREF colour)
{
    backColour_ = colour;
    RepaintNow();
}

void CFileLabel::RepaintNow()
{
    if (!m_hWnd)
        return;
    Invalidate(TRUE);
    UpdateWindow();
}

void CFileLabel::DoPaint(HDC dc)
{
    RECT client{};
    GetClientRect(&client);
    if (text_.empty() || ::IsRectEmpty(&client))
        return;
    GdiObject<HBRUSH> background(::CreateSolidBrush(backColour_));
    ::FillRect(dc, &client, background);
    RECT textRect = client;
    ::InflateRect(&textRect, -1, 0);
    ObjectSelection font(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    ::SetTextColor(dc, textColour_);
    ::SetBkMode(dc, TRANSPARENT);
    // Without DT_MODIFYSTRING the shortened path is only drawn, never written back.
    const std::wstring wide = WideString::FromProcessCodePage(text_);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_PATH_ELLIPSIS | DT_NOPREFIX);
}

void CFileLabel::OnPaint()
{
    PaintDC dc(m_hWnd);
    DoPaint(dc);
}

void CFileLabel::OnLButtonDown()
{
    ::SendMessageA(GetParent(), kClickedMessage, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CFileLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: DoPaint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(); break;  // then the control's own handling
    default: break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

#include "shell/CFileLabel.h"

#include "framework/FontGlyphs.h"
#include "framework/GdiObject.h"
#include "framework/ObjectSelection.h"
#include "framework/PaintDC.h"
#include "framework/WideString.h"

#include <optional>

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

namespace {
// The dialog font's face serves one script (Western European in the program's
// template). A name in another script is drawn in the first of these faces that
// has all its characters: the shell's dialog face, which Windows maps to a face
// for the user's scripts, then a face that every Windows has with Greek and
// Cyrillic; failing both, in the last one tried.
const wchar_t* const kFallbackFaces[] = {L"MS Shell Dlg", L"Arial"};
}  // namespace

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
    const std::wstring wide = WideString::FromProcessCodePage(text_);
    const HFONT dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    ObjectSelection font(dc, dialogFont);
    GdiFont fallback;
    std::optional<ObjectSelection> fallbackSelected;
    for (const wchar_t* face : kFallbackFaces) {
        if (FontHasGlyphs(dc, wide.c_str(), static_cast<int>(wide.size())))
            break;
        fallbackSelected.reset();
        fallback.Reset(FontLike(dialogFont, face));
        fallbackSelected.emplace(dc, fallback);
    }
    ::SetTextColor(dc, textColour_);
    ::SetBkMode(dc, TRANSPARENT);
    // Without DT_MODIFYSTRING the shortened path is only drawn, never written back.
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_PATH_ELLIPSIS | DT_NOPREFIX);
}

// A font of the size and weight of `font` with another face.
HFONT CFileLabel::FontLike(HFONT font, const wchar_t* face)
{
    LOGFONTW logFont{};
    ::GetObjectW(font ? font : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    ::lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
    logFont.lfCharSet = DEFAULT_CHARSET;
    return ::CreateFontIndirectW(&logFont);
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

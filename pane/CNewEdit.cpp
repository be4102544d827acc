// CNewEdit: creation, message dispatch, and the text model (text, colour runs, font, tabs).
#include "pane/CNewEdit.h"
#include "resources/resource.h"

#include "framework/CWaitCursor.h"
#include "framework/ClientDC.h"
#include "framework/FontGlyphs.h"
#include "pane/WideText.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr char kClassName[] = "TandrelNewEdit";

// An 8 x 8 one-pixel checkerboard; monochrome bitmap rows are padded to 16 bits.
GdiBitmap MakeCheckerboard()
{
    static const BYTE rows[16] = {0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0};
    return GdiBitmap(CreateBitmap(8, 8, 1, 1, rows));
}

// The pane font's usual faces ("Courier" above all) are bitmap faces of one
// script; characters of other scripts are drawn in a fixed-pitch face that
// every Windows has with Greek and Cyrillic, in the pane font's style and in
// the cell height it was realised with (a bitmap face comes in a few sizes only).
constexpr char kStandInFace[] = "Courier New";

HFONT CreateStandInFont(const LOGFONTA& paneFont, int cellHeight)
{
    LOGFONTA standIn = paneFont;
    standIn.lfHeight = cellHeight;
    standIn.lfWidth = 0;
    lstrcpynA(standIn.lfFaceName, kStandInFace, LF_FACESIZE);
    standIn.lfCharSet = DEFAULT_CHARSET;
    standIn.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    return CreateFontIndirectA(&standIn);
}

// The platform puts a tab that lies past its last stop at a multiple of a
// width of its own: the step from the 32nd to the 33rd tab of a line of tabs.
int DefaultTabWidth(HDC dc, const std::array<int, PaneMetrics::kTabStops>& stops)
{
    std::array<char, PaneMetrics::kTabStops + 1> tabs;
    tabs.fill('\t');
    const auto extent = [&](int count) {
        const DWORD size = GetTabbedTextExtentA(dc, tabs.data(), count, PaneMetrics::kTabStops, stops.data());
        return static_cast<int>(LOWORD(size));
    };
    return extent(PaneMetrics::kTabStops + 1) - extent(PaneMetrics::kTabStops);
}

int Extent(HDC dc, const wchar_t* units, int count)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, units, count, &size);
    return static_cast<int>(size.cx);
}

}  // namespace

CNewEdit::CNewEdit() : patternBitmap_(MakeCheckerboard()), patternBrush_(CreatePatternBrush(patternBitmap_))
{
}

CNewEdit::~CNewEdit()
{
    measureFont_.reset();
    if (m_hWnd)
        DestroyWindow();
}

BOOL CNewEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!RegisterWindowClass(kClassName, CS_DBLCLKS))
        return FALSE;
    return CreateEx(0, kClassName, "", style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

LRESULT CNewEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_SIZE:
        Default();
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND: OnEraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: DoPaint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnHScroll(LOWORD(wParam)); return 0;
    case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(wParam)) ? 0 : Default();
    case WM_LBUTTONDOWN: OnLButtonDown(point); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(point); return 0;
    case WM_MOUSEMOVE: OnMouseMove(point); return 0;
    case WM_CAPTURECHANGED:
        selecting_ = false;  // a drag ends with the capture, however it is lost
        return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(point); return 0;
    case WM_SETCURSOR: return OnSetCursor(LOWORD(lParam)) ? TRUE : Default();
    case WM_SETFOCUS:
        Default();
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        Default();
        OnKillFocus();
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        Default();
        OnSysColorChange();
        return 0;
    default: return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

bool CNewEdit::OnCommand(UINT id, UINT, HWND)
{
    switch (id) {
    case ID_EDIT_COPY: CopySelection(); return true;
    case ID_EDIT_SELECT_ALL: SelectAll(); return true;
    default: return false;
    }
}

bool CNewEdit::IsCommandEnabled(UINT id) const
{
    return id != ID_EDIT_COPY || anchor_ != end_;
}

LRESULT CNewEdit::OnCreate()
{
    style_ = GetStyle();
    ClientDC screen(nullptr);
    LOGFONTA description{};
    description.lfHeight = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    std::strcpy(description.lfFaceName, "Courier New");
    GdiFont defaultFont(CreateFontIndirectA(&description));

    marginColumns_ = marginWidth_ = 0;
    topLine_ = horzPos_ = horzOffset_ = 0;
    clientWidth_ = clientHeight_ = visibleLines_ = visibleColumns_ = 0;
    caretPoint_ = POINT{0, 0};
    metrics_.SetTabSize(4);
    anchor_ = end_ = -1;
    selecting_ = marginDrag_ = false;
    ReadSystemColours();
    ResetColourRuns();
    SetPaneFont(defaultFont, true);

    beamCursor_ = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    arrowCursor_ = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    marginCursor_ = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_MARGIN_CURSOR));
    return beamCursor_ && arrowCursor_ && marginCursor_ ? 0 : -1;
}

void CNewEdit::PostNcDestroy()
{
    textRuns_.Clear();
    backRuns_.Clear();
    measureFont_.reset();
    font_.Reset();
    standInFont_.Reset();
    metrics_ = PaneMetrics();
    text_.Clear();
    anchor_ = end_ = -1;
    hasCaret_ = false;
}

void CNewEdit::ReadSystemColours()
{
    sysText_ = GetSysColor(COLOR_WINDOWTEXT);
    sysWindow_ = GetSysColor(COLOR_WINDOW);
    sysFace_ = GetSysColor(COLOR_BTNFACE);
}

void CNewEdit::ResetColourRuns()
{
    textRuns_.Reset(GetSysColor(COLOR_WINDOWTEXT));
    backRuns_.Reset(GetSysColor(COLOR_WINDOW));
}

void CNewEdit::OnSysColorChange()
{
    ReadSystemColours();
    Invalidate(TRUE);
}

void CNewEdit::SetText(const char* buffer, int length)
{
    anchor_ = end_ = -1;
    if (length <= 0 || buffer == nullptr) {
        text_.SetText(nullptr, 0);
        return;
    }
    CWaitCursor wait;
    text_.SetText(buffer, length);
    ShowNewText();
}

void CNewEdit::SetText(std::string&& text)
{
    CWaitCursor wait;
    PaneText prepared;
    prepared.SetText(std::move(text));
    TakeText(std::move(prepared));
}

void CNewEdit::TakeText(PaneText&& prepared)
{
    anchor_ = end_ = -1;
    if (prepared.Empty()) {
        text_.SetText(nullptr, 0);
        return;
    }
    text_.TakeOver(std::move(prepared));
    ShowNewText();
}

void CNewEdit::ShowNewText()
{
    metrics_.SetTextKind(text_.Kind());
    RecalcScrollBars();
    ResetColourRuns();
    Invalidate(TRUE);
    MoveCaretToPosition(0, CaretFollow::QuarterJump);
    if (focused_ && !hasCaret_) {
        // The pane took the focus while it was empty: its caret appears with the text.
        CreateSystemCaret();
        hasCaret_ = true;
        ShowCaret(m_hWnd);
    }
}

void CNewEdit::SetRangeTextColor(int start, int end, COLORREF colour)
{
    textRuns_.SetRange(start, end, colour, text_.Length());
}

void CNewEdit::SetRangeBackColor(int start, int end, COLORREF colour)
{
    backRuns_.SetRange(start, end, colour, text_.Length());
}

COLORREF CNewEdit::GetTextColorAt(int position) const
{
    if (position == -1)
        position = GetCaretPosition();
    if (text_.Empty() || position < 0 || position >= text_.Length())
        return sysText_;
    return textRuns_.ColourAt(position);
}

COLORREF CNewEdit::GetBackColorAt(int position) const
{
    if (position == -1)
        position = GetCaretPosition();
    if (text_.Empty() || position < 0 || position >= text_.Length())
        return sysWindow_;
    return backRuns_.ColourAt(position);
}

void CNewEdit::GetLineText(int line, std::string& text) const
{
    text.clear();
    if (text_.Empty() || line < 0 || line >= text_.LineCount())
        return;
    const LineSpan& span = text_.Line(line);
    text.assign(text_.Data() + span.start, static_cast<size_t>(span.length));
}

std::string_view CNewEdit::GetLineView(int line) const
{
    if (text_.Empty() || line < 0 || line >= text_.LineCount())
        return {};
    const LineSpan& span = text_.Line(line);
    return {text_.Data() + span.start, static_cast<size_t>(span.length)};
}

int CNewEdit::GetLineStart(int line) const
{
    if (text_.Empty())
        return -1;
    if (line == -1) {
        int column = 0;
        GetCaretLineColumn(line, column);
    }
    if (line < 0)
        return 0;
    if (line >= text_.LineCount())
        return text_.Length() - 1;
    return text_.Line(line).start;
}

int CNewEdit::GetLineSize(int line) const
{
    if (text_.Empty())
        return -1;
    if (line == -1) {
        int column = 0;
        GetCaretLineColumn(line, column);
    }
    if (line < 0 || line >= text_.LineCount())
        return 0;
    return text_.Line(line).length + 1;
}

int CNewEdit::LineFromPosition(int position) const
{
    if (text_.Empty())
        return -1;
    if (position == -1)
        position = anchor_ != -1 ? anchor_ : GetCaretPosition();
    return text_.LineFromPosition(position);
}

void CNewEdit::SetPaneFont(HFONT font, bool redraw)
{
    if (!font)
        return;
    int line = 0;
    int column = 0;
    GetCaretLineColumn(line, column);

    LOGFONTA description{};
    if (!GetObjectA(font, sizeof description, &description))
        return;
    GdiFont copy(CreateFontIndirectA(&description));
    if (!copy)
        return;
    measureFont_.reset();
    font_ = std::move(copy);
    measureFont_.emplace(measureDC_, font_);
    MeasureFont(description);

    if (hasCaret_) {
        HideCaret(m_hWnd);
        DestroyCaret();
        CreateSystemCaret();
    }
    SetCaretLineColumn(line, column);
    if (hasCaret_)
        ShowCaret(m_hWnd);
    RecalcScrollBars();
    if (redraw)
        Invalidate(TRUE);
}

void CNewEdit::MeasureFont(const LOGFONTA& description)
{
    TEXTMETRICA tm{};
    GetTextMetricsA(measureDC_, &tm);
    standInFont_.Reset(CreateStandInFont(description, tm.tmHeight));
    // The table serves ASCII only: every other character is measured as a whole.
    const int first = static_cast<unsigned char>(tm.tmFirstChar);
    const int last = std::min(static_cast<int>(static_cast<unsigned char>(tm.tmLastChar)), 0x7F);
    std::vector<int> widths(static_cast<size_t>(last >= first ? last - first + 1 : 0));
    if (!widths.empty())
        GetCharWidth32A(measureDC_, static_cast<UINT>(first), static_cast<UINT>(last), widths.data());
    metrics_.SetFont(tm.tmHeight + tm.tmExternalLeading, tm.tmAveCharWidth, first, std::move(widths));
    metrics_.SetDefaultTabWidth(DefaultTabWidth(measureDC_, metrics_.TabStops()));
    metrics_.SetCharacterMeasure(
        [dc = static_cast<HDC>(measureDC_), standIn = static_cast<HFONT>(standInFont_)](uint32_t character) {
            wchar_t units[2];
            const int count = WideText::Encode(character, units);
            if (standIn && !FontHasGlyphs(dc, units, count)) {
                ObjectSelection selected(dc, standIn);
                if (FontHasGlyphs(dc, units, count))
                    return PaneMetrics::Measured{Extent(dc, units, count), true};
            }
            return PaneMetrics::Measured{Extent(dc, units, count), false};
        });
    marginWidth_ = marginColumns_ * metrics_.AverageCharWidth();
    horzOffset_ = horzPos_ * metrics_.AverageCharWidth();
}

void CNewEdit::SetTabSize(int columns)
{
    metrics_.SetTabSize(columns);
}

// CNewEdit: painting in two passes (backgrounds on erase, characters on paint), split at colour runs and the selection.
#include "pane/CNewEdit.h"

#include "framework/ClientDC.h"
#include "framework/PaintDC.h"
#include "pane/WideText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {
constexpr COLORREF kMarginDark = RGB(0xC8, 0xC8, 0xC8);
constexpr COLORREF kMarginLight = RGB(0xFF, 0xFF, 0xFF);
}  // namespace

void CNewEdit::OnEraseBackground(HDC dc)
{
    BackgroundPass(dc);
}

void CNewEdit::OnPaint()
{
    PaintDC dc(m_hWnd);
    TextPass(dc);
}

void CNewEdit::DoPaint(HDC dc)
{
    BackgroundPass(dc);
    TextPass(dc);
}

bool CNewEdit::SelectionShown() const
{
    return (HasFocus() || selectionKept_) && anchor_ != -1 && end_ != -1 && anchor_ != end_;
}

// The colour the display shows for the inverse of `colour`, after its own colour reduction.
COLORREF CNewEdit::InvertedColour(COLORREF colour) const
{
    ClientDC client(m_hWnd);
    MemoryDC memory(client);
    GdiBitmap bitmap(CreateBitmap(2, 2, static_cast<UINT>(GetDeviceCaps(client, PLANES)),
                                  static_cast<UINT>(GetDeviceCaps(client, BITSPIXEL)), nullptr));
    ObjectSelection selected(memory, bitmap);
    const RECT all{0, 0, 3, 3};
    FillRect(memory, all, colour);
    InvertRect(memory, &all);
    return GetPixel(memory, 1, 1);
}

void CNewEdit::FillRect(HDC dc, const RECT& rect, COLORREF colour) const
{
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

int CNewEdit::SplitLine(int line, Piece pieces[3]) const
{
    const LineSpan& span = text_.Line(line);
    const int s = span.start;
    const int e = span.start + span.length;
    const int lo = std::min(anchor_, end_);
    const int hi = std::max(anchor_, end_);
    const int first = SelectionShown() ? text_.LineFromPosition(lo) : -1;
    const int last = SelectionShown() ? text_.LineFromPosition(hi) : -1;
    if (!SelectionShown() || line < first || line > last) {
        pieces[0] = Piece{s, e, false};
        return 1;
    }
    if (line == first && line == last) {
        pieces[0] = Piece{s, lo, false};
        pieces[1] = Piece{lo, hi, true};
        pieces[2] = Piece{hi, e, false};
        return 3;
    }
    if (line == first) {
        pieces[0] = Piece{s, lo, false};
        pieces[1] = Piece{lo, e, true};
        return 2;
    }
    if (line == last) {
        pieces[0] = Piece{s, hi, true};
        pieces[1] = Piece{hi, e, false};
        return 2;
    }
    pieces[0] = Piece{s, e, true};
    return 1;
}

CNewEdit::Piece CNewEdit::Clip(const Piece& piece, const Piece& within)
{
    return Piece{std::clamp(piece.begin, within.begin, within.end), std::clamp(piece.end, within.begin, within.end),
                 piece.selected};
}

CNewEdit::Piece CNewEdit::VisiblePart(int line, int& x) const
{
    const int start = text_.Line(line).start;
    const LineIndex::Mark first = lineIndex_.BoundaryAtOrBefore(line, horzOffset_);
    const LineIndex::Mark last = lineIndex_.BoundaryAtOrAfter(line, first, horzOffset_ + clientWidth_ - marginWidth_);
    x = first.offset;
    return Piece{start + first.byte, start + last.byte, false};
}

// Draws one piece chunk by chunk, one chunk per colour run; x is the piece's
// offset from the text origin, and the offset of its end is returned. Both
// passes measure with the same table, so a background rectangle ends exactly
// where the next chunk's characters begin.
int CNewEdit::DrawPiece(HDC dc, Pass pass, int line, const Piece& piece, int x, COLORREF selectedColour) const
{
    const LineSpan& span = text_.Line(line);
    const char* lineText = text_.Data() + span.start;
    const ColorRunSet& runs = pass == Pass::Text ? textRuns_ : backRuns_;
    const int top = LineTop(line);
    int p = piece.begin;
    while (p < piece.end) {
        const ColorRunSet::Run run = runs.RunAt(p, text_.Length());
        if (run.length <= 0)
            break;
        const COLORREF colour = piece.selected ? selectedColour : run.colour;
        const int chunk = std::min(run.length, piece.end - p);
        const int column = p - span.start;
        const int right = metrics_.AdvanceOffset(lineText, span.length, column, x, column + chunk);
        if (pass == Pass::Text) {
            SetTextColor(dc, colour);
            if (text_.Kind() == TextKind::Ascii)
                TabbedTextOutA(dc, TextOriginX() + x, top, lineText + column, chunk, PaneMetrics::kTabStops,
                               metrics_.TabStops().data(), TextOriginX());
            else
                DrawCharacters(dc, span, column, column + chunk, x, top);
        } else {
            FillRect(dc, RECT{TextOriginX() + x, top, TextOriginX() + right, top + metrics_.LineHeight()}, colour);
        }
        x = right;
        p += chunk;
    }
    return x;
}

// The ANSI calls would read the bytes in the process's code page (UTF-8 or
// not), and a face standing in for a missing glyph would move what follows:
// the wide call with an advance for every unit keeps each character where
// the measurements put it. A tab draws nothing and moves to its stop.
void CNewEdit::DrawCharacters(HDC dc, const LineSpan& span, int from, int to, int x, int top) const
{
    const char* line = text_.Data() + span.start;
    std::wstring units;
    std::vector<INT> advances;
    int runX = x;
    bool runStandIn = false;
    const auto flush = [&] {
        if (!units.empty()) {
            std::optional<ObjectSelection> standIn;
            if (runStandIn)
                standIn.emplace(dc, standInFont_);
            ExtTextOutW(dc, TextOriginX() + runX, top, 0, nullptr, units.data(), static_cast<UINT>(units.size()),
                        advances.data());
        }
        units.clear();
        advances.clear();
        runX = x;
    };
    for (int i = from; i < to;) {
        uint32_t character = 0;
        i += PaneText::CharacterAt(text_.Kind(), line + i, span.length - i, character);
        if (character == '\t') {
            flush();
            x = runX = metrics_.NextTabStop(x);
            continue;
        }
        const PaneMetrics::Measured measured = metrics_.Measure(character);
        if (measured.standIn != runStandIn) {
            flush();
            runStandIn = measured.standIn;
        }
        wchar_t pair[2];
        const int count = WideText::Encode(character, pair);
        units.append(pair, static_cast<size_t>(count));
        advances.push_back(measured.width);
        if (count == 2)
            advances.push_back(0);
        x += measured.width;
    }
    flush();
}

void CNewEdit::FillRestOfLine(HDC dc, int line, int x, COLORREF colour) const
{
    const int left = TextOriginX() + x;
    if (left >= clientWidth_)
        return;
    const int top = LineTop(line);
    FillRect(dc, RECT{left, top, clientWidth_, top + metrics_.LineHeight()}, colour);
}

void CNewEdit::PrepareLines(int first, int last) const
{
    last = std::min(last, text_.LineCount() - 1);
    if (linePreparer_ && first <= last)
        linePreparer_->PrepareLines(first, last);
}

void CNewEdit::BackgroundPass(HDC dc)
{
    if (text_.Empty())
        return;
    if (style_ & WS_DISABLED) {
        RECT clip{};
        GetClipBox(dc, &clip);
        FillRect(dc, clip, sysFace_);
        return;
    }
    // Asking the display for the inverse takes a device context and a bitmap:
    // only a shown selection needs it.
    const COLORREF selectedBack = SelectionShown() ? InvertedColour(sysWindow_) : 0;
    const int lastLine = topLine_ + visibleLines_;
    PrepareLines(topLine_, lastLine);
    for (int line = topLine_; line <= lastLine; ++line) {
        if (line >= text_.LineCount()) {
            FillRestOfLine(dc, line, 0, GetSysColor(COLOR_WINDOW));
            continue;
        }
        Piece pieces[3];
        const int count = SplitLine(line, pieces);
        int x = 0;
        const Piece visible = VisiblePart(line, x);
        for (int i = 0; i < count; ++i)
            x = DrawPiece(dc, Pass::Background, line, Clip(pieces[i], visible), x, selectedBack);
        // The break is selected exactly when the line's last piece is (a
        // selection that continues on the next line).
        const int breakAt = text_.Line(line).start + text_.Line(line).length;
        FillRestOfLine(dc, line, x, pieces[count - 1].selected ? selectedBack : backRuns_.ColourAt(breakAt));
    }
}

void CNewEdit::TextPass(HDC dc)
{
    if (text_.Empty())
        return;
    {
        ObjectSelection font(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        const COLORREF selectedText = SelectionShown() ? InvertedColour(sysText_) : 0;
        const int lastLine = std::min(topLine_ + visibleLines_ + 1, text_.LineCount()) - 1;
        PrepareLines(topLine_, lastLine);
        for (int line = topLine_; line <= lastLine; ++line) {
            Piece pieces[3];
            const int count = SplitLine(line, pieces);
            int x = 0;
            const Piece visible = VisiblePart(line, x);
            for (int i = 0; i < count; ++i)
                x = DrawPiece(dc, Pass::Text, line, Clip(pieces[i], visible), x, selectedText);
        }
    }
    PaintMargin(dc);
}

void CNewEdit::PaintMargin(HDC dc)
{
    if (marginWidth_ <= 0)
        return;
    const bool disabled = (style_ & WS_DISABLED) != 0;
    ObjectSelection brush(dc, patternBrush_);
    SetTextColor(dc, disabled ? sysFace_ : kMarginDark);
    SetBkColor(dc, disabled ? sysFace_ : kMarginLight);
    PatBlt(dc, 0, 0, marginWidth_, clientHeight_, PATCOPY);
}

void CNewEdit::RepaintRange(int from, int to, bool selected)
{
    if (text_.Empty() || from == -1 || to == -1 || from == to)
        return;
    int lo = std::min(from, to);
    const int hi = std::max(from, to);
    const int rangeLast = text_.LineFromPosition(hi);
    const int first = std::max(text_.LineFromPosition(lo), topLine_);
    const int last = std::min(rangeLast, topLine_ + visibleLines_);
    if (first > last || first >= text_.LineCount())
        return;
    lo = std::max(lo, text_.Line(first).start);
    PrepareLines(first, last);

    if (hasCaret_)
        HideCaret(m_hWnd);
    {
        ClientDC dc(m_hWnd);
        ObjectSelection font(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        for (int line = first; line <= last; ++line)
            DrawRangeLine(dc, line, lo, hi, line < rangeLast, selected);
    }
    if (hasCaret_)
        ShowCaret(m_hWnd);
}

// One line of RepaintRange: the part of [lo, hi) on the line, background then
// characters, and on every line but the last the rest of the line after it.
void CNewEdit::DrawRangeLine(HDC dc, int line, int lo, int hi, bool restOfLine, bool selected)
{
    const LineSpan& span = text_.Line(line);
    int visibleX = 0;
    const Piece piece = Clip(Piece{lo, std::max(lo, hi), selected}, VisiblePart(line, visibleX));
    const int x0 = lineIndex_.OffsetOfColumn(line, piece.begin - span.start);
    const COLORREF selectedBack = selected ? InvertedColour(sysWindow_) : 0;
    const COLORREF selectedText = selected ? InvertedColour(sysText_) : 0;
    const int x = DrawPiece(dc, Pass::Background, line, piece, x0, selectedBack);
    if (restOfLine) {
        const int breakAt = span.start + span.length;
        FillRestOfLine(dc, line, x, selected ? selectedBack : backRuns_.ColourAt(breakAt));
    }
    DrawPiece(dc, Pass::Text, line, piece, x0, selectedText);
}

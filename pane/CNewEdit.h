// CNewEdit: the read-only text pane: text and colour runs, painting, caret and selection, scrolling, search and copying.
#pragma once

#include "framework/CFrameWnd.h"
#include "framework/GdiObject.h"
#include "framework/MemoryDC.h"
#include "framework/ObjectSelection.h"
#include "pane/ColorRunSet.h"
#include "pane/LineIndex.h"
#include "pane/PaneLinePreparer.h"
#include "pane/PaneMetrics.h"
#include "pane/PaneText.h"

#include <optional>
#include <string>
#include <string_view>

// How the view follows the caret after a move.
enum class CaretFollow {
    None,  // the view stays where it is
    JustInView,  // scrolls no further than brings the caret into view
    QuarterJump  // sideways a quarter of the visible columns past the caret, so that stepping along a line scrolls seldom
};

// Whether a move up or down that can go no further beeps (a move that hits the
// top or bottom edge first goes to the start or the end of the line).
enum class EdgeBeep { Silent, Beep };

class CNewEdit : public CFrameWnd {
public:
    CNewEdit();
    ~CNewEdit() override;

    // Creates the pane as a child window; WS_DISABLED makes it a gutter, the
    // scroll-bar styles say which bars it may show.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    // ---- Text model
    void SetText(const char* buffer, int length);
    // The same for a whole string, which the pane takes over without a copy
    // where it can; `text` is left unspecified.
    void SetText(std::string&& text);
    // The same for a text prepared apart (PaneText::SetText on any thread),
    // which the pane takes over; `prepared` is left cleared.
    void TakeText(PaneText&& prepared);
    void SetRangeTextColor(int start, int end, COLORREF colour);
    void SetRangeBackColor(int start, int end, COLORREF colour);
    // Asked before every paint for the lines it paints; nullptr for none. The
    // preparer outlives the pane or is taken away first.
    void SetLinePreparer(PaneLinePreparer* preparer) { linePreparer_ = preparer; }
    COLORREF GetTextColorAt(int position) const;
    COLORREF GetBackColorAt(int position) const;
    void GetLineText(int line, std::string& text) const;
    // The same read in place, valid until the next SetText; empty outside the text.
    std::string_view GetLineView(int line) const;
    int GetLineStart(int line) const;
    int GetLineSize(int line) const;
    int LineFromPosition(int position) const;
    void SetPaneFont(HFONT font, bool redraw);
    void SetTabSize(int columns);
    int MaxLineLength() const { return text_.MaxLineLength(); }
    // Takes effect at the next RecalcScrollBars.
    void SetMaxLineLength(int columns) { text_.SetMaxLineLength(columns); }
    int GetTextLength() const { return text_.Length(); }
    int GetLineCount() const { return text_.LineCount(); }
    int GetLineHeight() const { return metrics_.LineHeight(); }
    int GetAverageCharWidth() const { return metrics_.AverageCharWidth(); }

    // ---- Painting
    // Both passes into any device context (WM_PRINTCLIENT uses it).
    void DoPaint(HDC dc);

    // ---- Caret and selection
    // Positions are byte offsets into the text that never fall inside a
    // character; a column counts the characters before it on its line.
    bool SetCaretLineColumn(int line, int column);
    // Returns whether the view scrolled.
    bool MoveCaretToPosition(int position, CaretFollow follow);
    int PositionFromPoint(POINT point) const;
    POINT PointFromPosition(int position) const;
    int GetCaretPosition() const;
    void GetCaretLineColumn(int& line, int& column) const;
    POINT GetCaretPoint() const { return caretPoint_; }
    void SetSelection(int start, int end);
    void ClearSelection();
    void SelectAll();
    void GetSelectionBounds(int& lo, int& hi) const;
    int GetAnchor() const { return anchor_; }
    // Keeps the selection drawn as selected while another window has the focus, as a
    // match found for a modeless dialog that keeps the keyboard needs.
    void KeepSelectionShown(bool keep);
    int GetSelectionEnd() const { return end_; }

    // ---- Scrolling
    void RecalcScrollBars();
    void SetTopLine(int line);
    void SetHorzPos(int column);
    void ScrollBy(int lines, int columns);
    int GetTopLine() const { return topLine_; }
    int GetHorzPos() const { return horzPos_; }
    int GetVisibleLines() const { return visibleLines_; }
    int GetVisibleColumns() const { return visibleColumns_; }

    // ---- Search and clipboard
    // 1 when a match was found and selected, else 0.
    int Find(const char* text, int forward, int matchCase);
    std::string GetSelectedText() const;
    void CopySelection();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;
    bool IsCommandEnabled(UINT id) const override;
    void PostNcDestroy() override;

private:
    // What a point of the client area is over: it chooses the cursor, and what a press there does.
    enum class PointTarget { Margin, Selection, Text };
    // A piece of a line between colour and selection boundaries.
    enum class Pass { Background, Text };
    struct Piece {
        int begin;
        int end;
        bool selected;
    };

    // ---- Message handlers
    LRESULT OnCreate();
    void OnSize(int width, int height);
    void OnEraseBackground(HDC dc);
    void OnPaint();
    void OnVScroll(int request);
    void OnHScroll(int request);
    bool OnKeyDown(UINT key);
    void OnLButtonDown(POINT point);
    void OnLButtonUp();
    void OnLButtonDblClk(POINT point);
    void OnMouseMove(POINT point);
    void OnRButtonDown(POINT point);
    bool OnSetCursor(UINT hitTest);
    void OnSetFocus();
    void OnKillFocus();
    void OnSysColorChange();

    // ---- Text model helpers
    void ReadSystemColours();
    void ResetColourRuns();
    // After a new text: scroll bars, colours, caret at the start, a repaint.
    void ShowNewText();
    // Measures the font in measureDC_ (described by `description`) and makes its stand-in face.
    void MeasureFont(const LOGFONTA& description);
    // Offsets here are bytes from the line start, between characters.
    int ColumnX(int line, int offset) const;
    int ColumnFromX(int line, int x) const;
    void GetCaretLineOffset(int& line, int& offset) const;
    bool SetCaretLineOffset(int line, int offset);
    int LineFromY(int y, int* side) const;
    bool CanMoveCaret() const;
    bool HasFocus() const { return focused_; }
    PointTarget TargetAt(POINT point) const;
    // Both return whether the view scrolled.
    bool MoveCaretToPoint(POINT point, CaretFollow follow, EdgeBeep beep);
    bool EnsureCaretVisible(CaretFollow follow);
    // The extent counts characters, but a line drawn wider (tabs, characters outside the
    // first plane) reaches past it: a caret found there widens it, so that the view can follow.
    void WidenExtentTo(int offset);
    // The caret lies in the text area of the client, on a line fully or partly shown.
    bool CaretInside() const;
    void ExtendSelection(int newEnd);

    // ---- Painting helpers
    // Lines [first, last] of the text are about to be painted: the preparer may colour them.
    void PrepareLines(int first, int last) const;
    void BackgroundPass(HDC dc);
    void TextPass(HDC dc);
    void PaintMargin(HDC dc);
    bool SelectionShown() const;
    int SplitLine(int line, Piece pieces[3]) const;
    // The part of a line the text area shows, from the boundary at or before
    // its left edge to the first at or beyond its right edge, with the pixel
    // offset of its start: all that a paint of the line draws.
    Piece VisiblePart(int line, int& x) const;
    // The part of a piece inside [within.begin, within.end]; pieces that
    // follow each other still do after clipping.
    static Piece Clip(const Piece& piece, const Piece& within);
    int DrawPiece(HDC dc, Pass pass, int line, const Piece& piece, int x, COLORREF selectedColour) const;
    // Draws the characters of [from, to) of a line that is not ASCII through the
    // wide call, each at the offset the pane measured for it.
    void DrawCharacters(HDC dc, const LineSpan& span, int from, int to, int x, int top) const;
    void FillRestOfLine(HDC dc, int line, int x, COLORREF colour) const;
    void FillRect(HDC dc, const RECT& rect, COLORREF colour) const;
    void DrawRangeLine(HDC dc, int line, int lo, int hi, bool restOfLine, bool selected);
    // Draws [min(from, to), max(from, to)) at once, selected or normal.
    void RepaintRange(int from, int to, bool selected);
    COLORREF InvertedColour(COLORREF colour) const;
    int LineTop(int line) const { return (line - topLine_) * metrics_.LineHeight(); }
    int TextOriginX() const { return marginWidth_ - horzOffset_; }

    // ---- Input helpers
    template <typename Move>
    void ShiftExtended(Move move);
    void StepLeft();
    void StepRight();
    void MoveVertically(int dy, bool shift);
    void WordMove(bool right);
    void OnHome(bool shift, bool ctrl);
    void OnEnd(bool shift, bool ctrl);
    int WordLeft(int position) const;
    int WordRight(int position) const;
    void MarginDrag(POINT point);
    void DragSelection(POINT point, int position);
    void PlaceCaretAndAnchor(POINT point, int position);
    void CreateSystemCaret();
    // Puts the system caret at the caret point, hidden while the point lies in the margin.
    void PlaceSystemCaret();
    int NextLineStart(int line) const;
    static bool IsWordChar(char c);
    // Whether the character that holds `position` belongs to a word.
    bool IsWordAt(int position) const;

    // ---- Search and clipboard helpers
    // The selection as CF_TEXT: breaks as CR LF, one terminating zero; throws std::bad_alloc.
    HGLOBAL MakeTextBlock() const;
    // The selection as CF_UNICODETEXT, its characters as the pane shows them; throws std::bad_alloc.
    HGLOBAL MakeUnicodeBlock() const;
    // Find in a text that is not ASCII: character by character, folded by the
    // engine's table when case does not matter.
    int FindCharacters(const char* text, bool forward, bool matchCase, int lo, int hi);

    // ---- Scrolling helpers
    void Notify(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Sets a scroll bar's position (SB_VERT or SB_HORZ); the bar is drawn
    // again only when its thumb moves.
    void SetScrollPosition(int bar, int position);
    // Where the bar's thumb starts, in pixels; -1 when the system cannot tell.
    int ThumbStart(int bar) const;

    // ---- Text
    PaneText text_;
    ColorRunSet textRuns_;
    ColorRunSet backRuns_;
    PaneLinePreparer* linePreparer_ = nullptr;
    COLORREF sysText_ = 0;
    COLORREF sysWindow_ = 0;
    COLORREF sysFace_ = 0;
    // ---- Selection and caret
    int anchor_ = -1;
    int end_ = -1;
    POINT caretPoint_{0, 0};
    bool focused_ = false;
    bool selectionKept_ = false;
    bool hasCaret_ = false;  // the system caret exists only while a non-empty pane has the focus
    bool caretScrolledOff_ = false;  // the caret stands left of the text area and is hidden
    // ---- Font
    GdiFont font_;
    GdiFont standInFont_;  // draws the characters the pane font has no glyph for
    MemoryDC measureDC_;  // holds the pane font for measuring without a window DC
    std::optional<ObjectSelection> measureFont_;
    PaneMetrics metrics_;
    LineIndex lineIndex_{text_, metrics_};
    // ---- View
    int marginColumns_ = 0;
    int marginWidth_ = 0;
    int topLine_ = 0;
    int horzPos_ = 0;
    int horzOffset_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int visibleLines_ = 0;
    int visibleColumns_ = 0;
    DWORD style_ = 0;
    // ---- Input
    bool selecting_ = false;
    // The press that started the selecting was in the margin: the drag selects whole lines.
    bool marginDrag_ = false;
    // ---- Resources
    HCURSOR beamCursor_ = nullptr;
    HCURSOR arrowCursor_ = nullptr;
    HCURSOR marginCursor_ = nullptr;
    GdiBitmap patternBitmap_;
    GdiBrush patternBrush_;
};

// CNewEdit: keyboard and mouse: caret moves, word moves, selecting by keys, clicks, drags and the margin, focus and cursors.
#include "pane/CNewEdit.h"
#include "resources/resource.h"

#include "framework/CBeep.h"
#include "framework/CMenu.h"
#include "pane/NewEditMessages.h"

#include <algorithm>

namespace {
bool KeyHeld(int key)
{
    return GetKeyState(key) < 0;
}
}  // namespace

bool CNewEdit::IsWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool CNewEdit::IsWordAt(int position) const
{
    const char c = text_.CharAt(position);
    if (static_cast<unsigned char>(c) < 0x80 || text_.Kind() == TextKind::Ascii)
        return IsWordChar(c);
    const int start = text_.CharacterStart(position);
    uint32_t character = 0;
    PaneText::CharacterAt(text_.Kind(), text_.Data() + start, text_.Length() - start, character);
    // Beyond the basic plane the system has no answer: such letters count as word characters.
    return character > 0xFFFF || IsCharAlphaNumericW(static_cast<WCHAR>(character));
}

int CNewEdit::NextLineStart(int line) const
{
    const LineSpan& span = text_.Line(line);
    return line + 1 < text_.LineCount() ? text_.Line(line + 1).start : span.start + span.length;
}

// A move with Shift held: an empty selection starts at the caret, and the
// selection then follows the caret.
template <typename Move>
void CNewEdit::ShiftExtended(Move move)
{
    if (anchor_ == end_)
        anchor_ = end_ = GetCaretPosition();
    move();
    ExtendSelection(GetCaretPosition());
}

bool CNewEdit::OnKeyDown(UINT key)
{
    if (text_.Empty())
        return true;
    const bool shift = KeyHeld(VK_SHIFT);
    const bool ctrl = KeyHeld(VK_CONTROL);
    const int page = clientHeight_ - metrics_.LineHeight();
    switch (key) {
    case VK_PRIOR: MoveVertically(-page, shift); return true;
    case VK_NEXT: MoveVertically(page, shift); return true;
    case VK_UP: MoveVertically(-metrics_.LineHeight(), shift); return true;
    case VK_DOWN: MoveVertically(metrics_.LineHeight(), shift); return true;
    case VK_LEFT:
    case VK_RIGHT: {
        const bool right = key == VK_RIGHT;
        if (ctrl)
            WordMove(right);
        else if (shift)
            ShiftExtended([this, right] { right ? StepRight() : StepLeft(); });
        else {
            right ? StepRight() : StepLeft();
            ClearSelection();
        }
        return true;
    }
    case VK_HOME: OnHome(shift, ctrl); return true;
    case VK_END: OnEnd(shift, ctrl); return true;
    case 'A':
        if (!ctrl)
            return false;
        SelectAll();
        return true;
    case 'C':
        if (!ctrl)
            return false;
        CopySelection();
        return true;
    default: return false;
    }
}

void CNewEdit::MoveVertically(int dy, bool shift)
{
    const POINT target{caretPoint_.x, caretPoint_.y + dy};
    if (shift) {
        ShiftExtended([this, target] { MoveCaretToPoint(target, CaretFollow::QuarterJump, EdgeBeep::Beep); });
        return;
    }
    MoveCaretToPoint(target, CaretFollow::QuarterJump, EdgeBeep::Beep);
    ClearSelection();
}

void CNewEdit::StepLeft()
{
    int line = 0;
    int offset = 0;
    GetCaretLineOffset(line, offset);
    const int start = text_.Line(line).start;
    if (offset > 0)
        SetCaretLineOffset(line, text_.CharacterStart(start + offset - 1) - start);
    else if (line > 0)
        SetCaretLineOffset(line - 1, text_.Line(line - 1).length);
    else
        CBeep::Default();
    EnsureCaretVisible(CaretFollow::QuarterJump);
}

void CNewEdit::StepRight()
{
    int line = 0;
    int offset = 0;
    GetCaretLineOffset(line, offset);
    const int start = text_.Line(line).start;
    if (offset < text_.Line(line).length)
        SetCaretLineOffset(line, text_.NextCharacter(start + offset) - start);
    else if (line + 1 < text_.LineCount())
        SetCaretLineOffset(line + 1, 0);
    else
        CBeep::Default();
    EnsureCaretVisible(CaretFollow::QuarterJump);
}

void CNewEdit::WordMove(bool right)
{
    const int caret = GetCaretPosition();
    const int target = right ? WordRight(caret) : WordLeft(caret);
    if (target < 0 || target >= text_.Length())
        CBeep::Default();
    else
        MoveCaretToPosition(target, CaretFollow::QuarterJump);
    ClearSelection();
}

// Both step over whole characters: every byte of a character belongs to a
// word exactly when the character does.
int CNewEdit::WordLeft(int position) const
{
    if (!IsWordAt(position - 1))
        position = text_.CharacterStart(position - 1);
    while (position > 0 && IsWordAt(position - 1))
        --position;
    return position;
}

int CNewEdit::WordRight(int position) const
{
    if (!IsWordAt(position))
        position = position < text_.Length() ? text_.NextCharacter(position) : position + 1;
    while (IsWordAt(position))
        ++position;
    // A single separator before the next word is stepped over too.
    const int after = text_.NextCharacter(position);
    if (after > position && IsWordAt(after))
        position = after;
    return position;
}

void CNewEdit::OnHome(bool shift, bool ctrl)
{
    int lo = 0;
    int hi = 0;
    GetSelectionBounds(lo, hi);
    int line = 0;
    int offset = 0;
    GetCaretLineOffset(line, offset);
    const int target = ctrl ? 0 : text_.Line(line).start;
    if (shift) {
        SetSelection(target, lo);
        MoveCaretToPosition(target, CaretFollow::QuarterJump);
        return;
    }
    if (ctrl) {
        MoveCaretToPosition(0, CaretFollow::QuarterJump);
    } else {
        SetCaretLineOffset(line, 0);
        SetHorzPos(0);
    }
    ClearSelection();
}

void CNewEdit::OnEnd(bool shift, bool ctrl)
{
    int lo = 0;
    int hi = 0;
    GetSelectionBounds(lo, hi);
    int line = 0;
    int offset = 0;
    GetCaretLineOffset(line, offset);
    const LineSpan& span = text_.Line(line);
    const int target = ctrl ? text_.Length() - 1 : span.start + span.length;
    if (shift) {
        SetSelection(hi, target);
        MoveCaretToPosition(target, CaretFollow::QuarterJump);
        return;
    }
    if (ctrl) {
        MoveCaretToPosition(target, CaretFollow::QuarterJump);
    } else {
        SetCaretLineOffset(line, span.length);
        const bool inside = caretPoint_.x >= marginWidth_ && caretPoint_.x < clientWidth_ && caretPoint_.y >= 0
                            && caretPoint_.y < clientHeight_;
        if (!inside)
            SetHorzPos(lineIndex_.CharactersBefore(line, span.length) + visibleColumns_ / 4 - visibleColumns_);
    }
    ClearSelection();
}

void CNewEdit::PlaceCaretAndAnchor(POINT point, int position)
{
    MoveCaretToPoint(point, CaretFollow::QuarterJump, EdgeBeep::Silent);
    ClearSelection();
    anchor_ = end_ = position;
}

void CNewEdit::OnLButtonDown(POINT point)
{
    const int position = PositionFromPoint(point);
    const PointTarget target = TargetAt(point);
    SetFocus();
    SetCapture(m_hWnd);
    if (text_.Empty())
        return;
    marginDrag_ = target == PointTarget::Margin;
    if (marginDrag_) {
        if (KeyHeld(VK_SHIFT)) {
            SelectAll();
            return;
        }
        selecting_ = true;
        const int line = LineFromY(point.y, nullptr);
        const int start = text_.Line(line).start;
        SetSelection(start, NextLineStart(line));
        MoveCaretToPosition(start, CaretFollow::QuarterJump);
        return;
    }
    if (target == PointTarget::Selection) {
        DragSelection(point, position);
        return;
    }
    selecting_ = true;
    PlaceCaretAndAnchor(point, position);
}

void CNewEdit::OnMouseMove(POINT point)
{
    if (!selecting_ || text_.Empty())
        return;
    if (marginDrag_)
        MarginDrag(point);
    else
        MoveCaretToPoint(point, CaretFollow::JustInView, EdgeBeep::Silent);
    const int caret = GetCaretPosition();
    if (caret != end_)
        ExtendSelection(caret);
}

// Dragging in the margin selects whole lines: the line first clicked stays selected.
void CNewEdit::MarginDrag(POINT point)
{
    const int line = LineFromY(point.y, nullptr);
    const int start = text_.Line(line).start;
    if (start < anchor_) {
        MoveCaretToPosition(start, CaretFollow::JustInView);
        if (anchor_ < end_)
            std::swap(anchor_, end_);
    } else if (start > anchor_) {
        MoveCaretToPosition(NextLineStart(line), CaretFollow::JustInView);
    }
}

void CNewEdit::OnLButtonUp()
{
    selecting_ = false;
    if (end_ != -1)
        MoveCaretToPosition(end_, CaretFollow::QuarterJump);
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
}

void CNewEdit::OnLButtonDblClk(POINT point)
{
    const int position = PositionFromPoint(point);
    if (text_.Empty() || !IsWordAt(position))
        return;
    ClearSelection();
    anchor_ = end_ = position;
    while (anchor_ > 0 && IsWordAt(anchor_ - 1))
        --anchor_;
    while (IsWordAt(end_))
        ++end_;
    const POINT anchorPoint = PointFromPosition(anchor_);
    bool scrolled = false;
    if (anchorPoint.x < marginWidth_ || anchorPoint.x >= clientWidth_ || anchorPoint.y < 0
        || anchorPoint.y >= clientHeight_)
        scrolled = MoveCaretToPosition(anchor_, CaretFollow::QuarterJump);
    scrolled = MoveCaretToPosition(end_, CaretFollow::QuarterJump) || scrolled;
    if (scrolled)
        Invalidate(TRUE);
    else
        RepaintRange(anchor_, end_, HasFocus());
}

void CNewEdit::OnRButtonDown(POINT point)
{
    RECT client{};
    GetClientRect(&client);
    if (text_.Empty() || !PtInRect(&client, point))
        return;
    MoveCaretToPoint(point, CaretFollow::QuarterJump, EdgeBeep::Silent);
    CMenu menu(IDR_PANE_MENU);
    POINT screen = point;
    ClientToScreen(m_hWnd, &screen);
    CMenu::TrackPopup(menu.SubMenu(0), screen.x, screen.y, m_hWnd);
}

bool CNewEdit::OnSetCursor(UINT hitTest)
{
    if (hitTest != HTCLIENT)
        return false;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(m_hWnd, &point);
    switch (TargetAt(point)) {
    case PointTarget::Margin: SetCursor(marginCursor_); break;
    case PointTarget::Selection: SetCursor(arrowCursor_); break;
    case PointTarget::Text: SetCursor(beamCursor_); break;
    }
    return true;
}

CNewEdit::PointTarget CNewEdit::TargetAt(POINT point) const
{
    if (point.x <= marginWidth_)
        return PointTarget::Margin;
    const int position = PositionFromPoint(point);
    int lo = 0;
    int hi = 0;
    GetSelectionBounds(lo, hi);
    return !text_.Empty() && lo <= position && position < hi ? PointTarget::Selection : PointTarget::Text;
}

void CNewEdit::OnSetFocus()
{
    focused_ = true;
    if (text_.Empty())
        return;
    CreateSystemCaret();
    hasCaret_ = true;
    ShowCaret(m_hWnd);
    RepaintRange(anchor_, end_, true);
    Notify(NewEditMessages::SetFocus(), reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CNewEdit::OnKillFocus()
{
    focused_ = false;
    if (hasCaret_) {
        HideCaret(m_hWnd);
        DestroyCaret();
        hasCaret_ = false;
    }
    RepaintRange(anchor_, end_, selectionKept_);
}

void CNewEdit::KeepSelectionShown(bool keep)
{
    if (keep == selectionKept_)
        return;
    selectionKept_ = keep;
    if (!HasFocus())
        RepaintRange(anchor_, end_, keep);
}

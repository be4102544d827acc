// CNewEdit: the caret model (its line and column derived from its point) and the selection.
#include "pane/CNewEdit.h"

#include "framework/CBeep.h"
#include "pane/NewEditMessages.h"
#include "pane/PaneLayout.h"

#include <algorithm>
#include <cstdlib>

int CNewEdit::LineFromY(int y, int* side) const
{
    return PaneLayout::LineFromY(y, topLine_, metrics_.LineHeight(), text_.LineCount(), side);
}

int CNewEdit::ColumnX(int line, int column) const
{
    return TextOriginX() + lineIndex_.OffsetOfColumn(line, column);
}

int CNewEdit::ColumnFromX(int line, int x) const
{
    if (text_.Empty() || x <= TextOriginX())
        return 0;
    return lineIndex_.ColumnFromOffset(line, x - TextOriginX());
}

int CNewEdit::PositionFromPoint(POINT point) const
{
    if (text_.Empty())
        return 0;
    const int line = LineFromY(point.y, nullptr);
    return text_.Line(line).start + ColumnFromX(line, point.x);
}

POINT CNewEdit::PointFromPosition(int position) const
{
    if (text_.Empty())
        return POINT{0, 0};
    const int line = text_.LineFromPosition(position);
    const int column = position - text_.Line(line).start;
    if (column > text_.Line(line).length)
        return POINT{0, 0};
    return POINT{ColumnX(line, column), LineTop(line)};
}

int CNewEdit::GetCaretPosition() const
{
    return PositionFromPoint(caretPoint_);
}

void CNewEdit::GetCaretLineOffset(int& line, int& offset) const
{
    line = offset = 0;
    if (text_.Empty())
        return;
    line = LineFromY(caretPoint_.y, nullptr);
    offset = ColumnFromX(line, caretPoint_.x);
}

void CNewEdit::GetCaretLineColumn(int& line, int& column) const
{
    int offset = 0;
    GetCaretLineOffset(line, offset);
    column = text_.Empty() ? 0 : lineIndex_.CharactersBefore(line, offset);
}

bool CNewEdit::CanMoveCaret() const
{
    return !text_.Empty() && visibleLines_ > 0 && visibleColumns_ > 0;
}

void CNewEdit::CreateSystemCaret()
{
    CreateCaret(m_hWnd, nullptr, 0, metrics_.LineHeight());
    SetCaretPos(caretPoint_.x, caretPoint_.y);
    caretScrolledOff_ = false;  // a new caret starts with no hides counted
}

void CNewEdit::PlaceSystemCaret()
{
    SetCaretPos(caretPoint_.x, caretPoint_.y);
    // The system counts hides: hide once as the caret leaves the text area and
    // show once as it comes back, whether a scroll or a caret move brought it.
    const bool offLeft = caretPoint_.x < marginWidth_;
    if (offLeft != caretScrolledOff_) {
        if (offLeft)
            HideCaret(m_hWnd);
        else
            ShowCaret(m_hWnd);
        caretScrolledOff_ = offLeft;
    }
}

bool CNewEdit::SetCaretLineColumn(int line, int column)
{
    if (!CanMoveCaret())
        return false;
    line = std::clamp(line, 0, text_.LineCount() - 1);
    return SetCaretLineOffset(line, lineIndex_.ColumnOfCharacters(line, column));
}

bool CNewEdit::SetCaretLineOffset(int line, int offset)
{
    if (!CanMoveCaret())
        return false;
    line = std::clamp(line, 0, text_.LineCount() - 1);
    const LineSpan& span = text_.Line(line);
    offset = text_.CharacterStart(span.start + std::clamp(offset, 0, span.length)) - span.start;
    const POINT point{ColumnX(line, offset), LineTop(line)};
    if (point.x == caretPoint_.x && point.y == caretPoint_.y)
        return false;
    caretPoint_ = point;
    if (hasCaret_)
        PlaceSystemCaret();
    const int column = lineIndex_.CharactersBefore(line, offset);
    Notify(NewEditMessages::CaretMove(), static_cast<WPARAM>(line), static_cast<LPARAM>(column));
    return true;
}

bool CNewEdit::MoveCaretToPoint(POINT point, CaretFollow follow, EdgeBeep beep)
{
    if (!CanMoveCaret())
        return false;
    int side = 0;
    const int line = LineFromY(point.y, &side);
    const int offset = ColumnFromX(line, point.x);
    // At the top or bottom edge a move first goes to the start or the end of
    // the line; only a move that can go no further beeps.
    if (!SetCaretLineOffset(line, offset) && beep == EdgeBeep::Beep && side != 0) {
        const int edgeOffset = side < 0 ? 0 : text_.Line(line).length;
        if (offset != edgeOffset)
            SetCaretLineOffset(line, edgeOffset);
        else
            CBeep::Default();
    }
    return EnsureCaretVisible(follow);
}

bool CNewEdit::MoveCaretToPosition(int position, CaretFollow follow)
{
    return MoveCaretToPoint(PointFromPosition(position), follow, EdgeBeep::Silent);
}

void CNewEdit::GetSelectionBounds(int& lo, int& hi) const
{
    if (anchor_ == -1 && end_ == -1) {
        lo = hi = GetCaretPosition();
        return;
    }
    lo = std::min(anchor_, end_);
    hi = std::max(anchor_, end_);
}

void CNewEdit::SetSelection(int start, int end)
{
    const int length = text_.Length();
    if (text_.Empty() || start < -1 || start >= length || end < -1 || end >= length || (end < start && end != -1))
        return;
    ClearSelection();
    if (start == -1) {
        MoveCaretToPosition(0, CaretFollow::QuarterJump);
        return;
    }
    anchor_ = start;
    end_ = end == -1 ? length - 1 : end;
    if (MoveCaretToPosition(end_, CaretFollow::QuarterJump))
        Invalidate(TRUE);
    else
        RepaintRange(anchor_, end_, HasFocus());
}

void CNewEdit::ClearSelection()
{
    const int oldAnchor = anchor_;
    const int oldEnd = end_;
    anchor_ = end_ = -1;
    if (oldAnchor != oldEnd)
        RepaintRange(oldAnchor, oldEnd, false);
}

void CNewEdit::ExtendSelection(int newEnd)
{
    const int oldEnd = end_;
    end_ = newEnd;
    if (anchor_ == -1 || oldEnd == -1 || oldEnd == newEnd)
        return;
    const bool shown = HasFocus();
    const bool crossed = (oldEnd < anchor_) != (newEnd < anchor_) && oldEnd != anchor_ && newEnd != anchor_;
    if (crossed) {
        RepaintRange(oldEnd, anchor_, false);
        RepaintRange(anchor_, newEnd, shown);
        return;
    }
    const bool grows = std::abs(newEnd - anchor_) > std::abs(oldEnd - anchor_);
    RepaintRange(oldEnd, newEnd, grows && shown);
}

void CNewEdit::SelectAll()
{
    SetSelection(0, -1);
}

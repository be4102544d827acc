#include "pane/LineIndex.h"

#include <algorithm>

namespace {
const LineIndex::Mark kLineStart{};
}  // namespace

LineIndex::Mark LineIndex::Step(const char* bytes, int32_t length, const Mark& mark) const
{
    Mark next{mark.byte, mark.character + 1, 0};
    next.offset = metrics_.NextOffset(bytes, length, mark.byte, mark.offset, next.byte);
    return next;
}

std::vector<LineIndex::Mark> LineIndex::Build(int32_t line) const
{
    const char* bytes = LineBytes(line);
    const int32_t length = LineLength(line);
    std::vector<Mark> marks(1);
    marks.reserve(static_cast<size_t>(length / kStride) + 1);
    if (text_.Kind() != TextKind::Utf8) {
        // A byte is a character: the marks go every stride exactly.
        for (int32_t byte = kStride; byte < length; byte += kStride) {
            const Mark& last = marks.back();
            const int32_t offset = metrics_.AdvanceOffset(bytes, length, last.byte, last.offset, byte);
            marks.push_back(Mark{byte, byte, offset});
        }
        return marks;
    }
    Mark mark;
    while (mark.byte < length) {
        mark = Step(bytes, length, mark);
        if (mark.byte - marks.back().byte >= kStride)
            marks.push_back(mark);
    }
    return marks;
}

const std::vector<LineIndex::Mark>& LineIndex::Marks(int32_t line) const
{
    if (textVersion_ != text_.Version() || metricsVersion_ != metrics_.Version()) {
        entries_.clear();
        nextSlot_ = 0;
        textVersion_ = text_.Version();
        metricsVersion_ = metrics_.Version();
    }
    for (const Entry& entry : entries_) {
        if (entry.line == line)
            return entry.marks;
    }
    Entry entry{line, Build(line)};
    if (entries_.size() < kLines) {
        entries_.push_back(std::move(entry));
        return entries_.back().marks;
    }
    Entry& slot = entries_[nextSlot_];
    nextSlot_ = (nextSlot_ + 1) % kLines;
    slot = std::move(entry);
    return slot.marks;
}

const LineIndex::Mark& LineIndex::Before(int32_t line, int32_t Mark::*member, int64_t value) const
{
    if (LineLength(line) < kStride)
        return kLineStart;
    const std::vector<Mark>& marks = Marks(line);
    const auto after = std::lower_bound(marks.begin(), marks.end(), value,
                                        [member](const Mark& mark, int64_t v) { return mark.*member < v; });
    return after == marks.begin() ? marks.front() : *(after - 1);
}

int32_t LineIndex::OffsetOfColumn(int32_t line, int32_t column) const
{
    const Mark& mark = Before(line, &Mark::byte, int64_t{column} + 1);
    return metrics_.AdvanceOffset(LineBytes(line), LineLength(line), mark.byte, mark.offset, column);
}

int32_t LineIndex::ColumnFromOffset(int32_t line, int32_t offset) const
{
    const Mark& mark = Before(line, &Mark::offset, offset);
    return metrics_.ColumnFromOffset(LineBytes(line), LineLength(line), mark.byte, mark.offset, offset);
}

int32_t LineIndex::CharactersBefore(int32_t line, int32_t column) const
{
    column = std::clamp(column, 0, LineLength(line));
    const Mark& mark = Before(line, &Mark::byte, int64_t{column} + 1);
    return mark.character + text_.CountCharacters(LineBytes(line) + mark.byte, column - mark.byte);
}

int32_t LineIndex::ColumnOfCharacters(int32_t line, int32_t characters) const
{
    const Mark& mark = Before(line, &Mark::character, int64_t{characters} + 1);
    const int32_t rest = LineLength(line) - mark.byte;
    return mark.byte + text_.BytesOfCharacters(LineBytes(line) + mark.byte, rest, characters - mark.character);
}

LineIndex::Mark LineIndex::BoundaryAtOrBefore(int32_t line, int32_t offset) const
{
    const char* bytes = LineBytes(line);
    const int32_t length = LineLength(line);
    Mark mark = Before(line, &Mark::offset, int64_t{offset} + 1);
    while (mark.byte < length) {
        const Mark next = Step(bytes, length, mark);
        if (next.offset > offset)
            break;
        mark = next;
    }
    return mark;
}

LineIndex::Mark LineIndex::BoundaryAtOrAfter(int32_t line, const Mark& from, int32_t offset) const
{
    const char* bytes = LineBytes(line);
    const int32_t length = LineLength(line);
    Mark mark = from;
    while (mark.byte < length && mark.offset < offset)
        mark = Step(bytes, length, mark);
    return mark;
}

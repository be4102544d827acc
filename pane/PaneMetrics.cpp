#include "pane/PaneMetrics.h"

#include <algorithm>
#include <utility>

void PaneMetrics::SetFont(int lineHeight, int averageCharWidth, int firstChar, const std::vector<int>& widths)
{
    // A degenerate font must not make later divisions by these fail.
    lineHeight_ = std::max(1, lineHeight);
    averageCharWidth_ = std::max(1, averageCharWidth);
    for (int byte = 0; byte < 256; ++byte) {
        const int index = byte - firstChar;
        const bool inTable = index >= 0 && index < static_cast<int>(widths.size());
        byteWidths_[static_cast<size_t>(byte)] = inTable ? widths[static_cast<size_t>(index)] : averageCharWidth_;
    }
    defaultTabWidth_ = 8 * averageCharWidth_;
    measured_.clear();
    RebuildTabStops();
}

void PaneMetrics::SetDefaultTabWidth(int width)
{
    defaultTabWidth_ = std::max(1, width);
    ++version_;
}

void PaneMetrics::SetTextKind(TextKind kind)
{
    kind_ = kind;
    ++version_;
}

void PaneMetrics::SetCharacterMeasure(CharacterMeasure measure)
{
    measure_ = std::move(measure);
    measured_.clear();
    ++version_;
}

void PaneMetrics::SetTabSize(int columns)
{
    if (columns <= 0)
        return;
    tabSize_ = columns;
    RebuildTabStops();
}

void PaneMetrics::RebuildTabStops()
{
    const int tabWidth = tabSize_ * averageCharWidth_;
    for (int i = 0; i < kTabStops; ++i)
        tabStops_[static_cast<size_t>(i)] = i * tabWidth;
    ++version_;
}

int PaneMetrics::ByteWidth(unsigned char byte) const
{
    return byteWidths_[byte];
}

PaneMetrics::Measured PaneMetrics::Measure(uint32_t character) const
{
    if (character < 0x80)
        return Measured{ByteWidth(static_cast<unsigned char>(character)), false};
    const auto known = measured_.find(character);
    if (known != measured_.end())
        return known->second;
    Measured measured = measure_ ? measure_(character) : Measured{averageCharWidth_, false};
    measured.width = std::max(0, measured.width);
    measured_.emplace(character, measured);
    return measured;
}

int PaneMetrics::NextTabStop(int offset) const
{
    const int tabWidth = std::max(1, tabSize_ * averageCharWidth_);
    return (std::max(offset, 0) / tabWidth + 1) * tabWidth;
}

int PaneMetrics::TabStopAfter(int offset) const
{
    const auto stop = std::upper_bound(tabStops_.begin(), tabStops_.end(), offset);
    if (stop != tabStops_.end())
        return *stop;
    return (std::max(offset, 0) / defaultTabWidth_ + 1) * defaultTabWidth_;
}

int PaneMetrics::NextOffset(const char* line, int length, int index, int offset, int& next) const
{
    if (kind_ == TextKind::Ascii) {
        next = index + 1;
        if (line[index] == '\t')
            return TabStopAfter(offset);
        return offset + ByteWidth(static_cast<unsigned char>(line[index]));
    }
    uint32_t character = 0;
    next = index + PaneText::CharacterAt(kind_, line + index, length - index, character);
    return character == '\t' ? NextTabStop(offset) : offset + CharacterWidth(character);
}

int PaneMetrics::ColumnOffset(const char* line, int length, int column) const
{
    return AdvanceOffset(line, length, 0, 0, column);
}

int PaneMetrics::AdvanceOffset(const char* line, int length, int from, int offset, int column) const
{
    const int end = std::min(column, length);
    int i = std::max(from, 0);
    if (kind_ == TextKind::Ascii) {
        // The loop a line of millions of bytes is walked with once: no call per byte.
        for (; i < end; ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            offset = byte == '\t' ? TabStopAfter(offset) : offset + byteWidths_[byte];
        }
        return offset;
    }
    while (i < end)
        offset = NextOffset(line, length, i, offset, i);
    return offset;
}

int PaneMetrics::ColumnFromOffset(const char* line, int length, int offset) const
{
    return ColumnFromOffset(line, length, 0, 0, offset);
}

int PaneMetrics::ColumnFromOffset(const char* line, int length, int from, int fromOffset, int offset) const
{
    if (offset <= 0)
        return 0;
    int left = fromOffset;
    for (int c = from; c < length;) {
        int next = c;
        const int right = NextOffset(line, length, c, left, next);
        if (right >= offset)
            return (left + right) / 2 >= offset ? c : next;
        left = right;
        c = next;
    }
    return length;
}

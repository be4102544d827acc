#include "pane/PaneMetrics.h"

#include <algorithm>
#include <utility>

void PaneMetrics::SetFont(int lineHeight, int averageCharWidth, int firstChar, std::vector<int> widths)
{
    // A degenerate font must not make later divisions by these fail.
    lineHeight_ = std::max(1, lineHeight);
    averageCharWidth_ = std::max(1, averageCharWidth);
    firstChar_ = firstChar;
    widths_ = std::move(widths);
    RebuildTabStops();
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
}

int PaneMetrics::ByteWidth(unsigned char byte) const
{
    const int index = static_cast<int>(byte) - firstChar_;
    if (index < 0 || index >= static_cast<int>(widths_.size()))
        return averageCharWidth_;
    return widths_[static_cast<size_t>(index)];
}

int PaneMetrics::NextOffset(const char* line, int index, int offset, const TabExtent& tabExtent) const
{
    if (line[index] == '\t')
        return tabExtent(line, index + 1);
    return offset + ByteWidth(static_cast<unsigned char>(line[index]));
}

int PaneMetrics::ColumnOffset(const char* line, int length, int column, const TabExtent& tabExtent) const
{
    return AdvanceOffset(line, length, 0, 0, column, tabExtent);
}

int PaneMetrics::AdvanceOffset(const char* line, int length, int from, int offset, int column,
                               const TabExtent& tabExtent) const
{
    const int end = std::min(column, length);
    for (int i = std::max(from, 0); i < end; ++i)
        offset = NextOffset(line, i, offset, tabExtent);
    return offset;
}

int PaneMetrics::ColumnFromOffset(const char* line, int length, int offset, const TabExtent& tabExtent) const
{
    if (offset <= 0)
        return 0;
    int left = 0;
    for (int c = 1; c <= length; ++c) {
        const int right = NextOffset(line, c - 1, left, tabExtent);
        if (right >= offset)
            return (left + right) / 2 >= offset ? c - 1 : c;
        left = right;
    }
    return length;
}

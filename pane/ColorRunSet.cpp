#include "pane/ColorRunSet.h"

#include <iterator>

void ColorRunSet::Reset(uint32_t colour)
{
    runs_.clear();
    runs_.emplace(0, colour);
}

void ColorRunSet::SetRange(int32_t start, int32_t end, uint32_t colour, int32_t textLength)
{
    if (textLength <= 0 || runs_.empty())
        return;
    if (start < -1 || start >= textLength || end < -1 || end >= textLength)
        return;
    if (end != -1 && start >= end)
        return;
    if (start == -1) {
        if (end == -1)
            return;
        start = 0;
    } else if (end == -1) {
        end = textLength - 1;
    }
    // [-1, 0) names no position at all; only the last position colours itself.
    if (start == end && end != textLength - 1)
        return;

    const uint32_t restore = end == textLength - 1 ? colour : ColourAt(end);
    runs_.erase(runs_.lower_bound(start), runs_.upper_bound(end));
    runs_.emplace(start, colour);
    runs_.emplace(end, restore);
}

uint32_t ColorRunSet::ColourAt(int32_t position) const
{
    auto after = runs_.upper_bound(position);
    if (after == runs_.begin())
        return runs_.empty() ? 0 : after->second;
    return std::prev(after)->second;
}

ColorRunSet::Run ColorRunSet::RunAt(int32_t position, int32_t textLength) const
{
    Run run;
    if (position < 0 || position >= textLength || runs_.empty())
        return run;
    auto after = runs_.upper_bound(position);
    run.colour = after == runs_.begin() ? after->second : std::prev(after)->second;
    run.length = after == runs_.end() ? textLength - 1 - position : after->first - position;
    return run;
}

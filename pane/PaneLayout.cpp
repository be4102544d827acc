#include "pane/PaneLayout.h"

#include <algorithm>

namespace {
// The scroll-bar request codes of the platform (SB_LINEUP ... SB_ENDSCROLL).
enum : int { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom };
}  // namespace

int32_t PaneLayout::FitCount(int32_t extent, int32_t unit)
{
    return unit > 0 ? extent / unit : 0;
}

int32_t PaneLayout::LineFromY(int32_t y, int32_t topLine, int32_t lineHeight, int32_t lineCount, int* side)
{
    const int32_t line = topLine + (lineHeight > 0 ? y / lineHeight : 0);
    const int32_t clamped = std::clamp(line, 0, std::max(0, lineCount - 1));
    if (side)
        *side = line < clamped ? -1 : (line > clamped ? 1 : 0);
    return clamped;
}

int32_t PaneLayout::ScrollTarget(int request, int32_t current, int32_t visible, int32_t count, int32_t position,
                                 int32_t track)
{
    switch (request) {
    case kLineUp: return current - 1;
    case kLineDown: return current + 1;
    case kPageUp: return current - visible;
    case kPageDown: return std::min(current + visible, count - visible);
    case kThumbPosition: return position;
    case kThumbTrack: return track;
    case kTop: return 0;
    case kBottom: return count - visible;
    default: return current;
    }
}

PaneLayout::ScrollPlan PaneLayout::CaretScroll(const CaretView& v, int32_t x, int32_t y, int32_t caretLine,
                                               bool quarterJump)
{
    ScrollPlan plan;
    const bool inside = x >= v.marginWidth && x < v.clientWidth && y >= 0 && y < v.clientHeight - v.lineHeight;
    if (inside)
        return plan;
    const int32_t jump = quarterJump ? v.visibleColumns / 4 : 0;
    const int32_t column = (v.horizontalOffset + x - v.marginWidth) / v.averageCharWidth;
    if (x <= v.marginWidth) {
        plan.horizontal = true;
        plan.horzPos = column - jump;
    }
    if (x >= v.clientWidth) {
        plan.horizontal = true;
        plan.horzPos = column + jump - v.visibleColumns;
    }
    if (y <= 0) {
        plan.vertical = true;
        plan.topLine = caretLine;
    }
    if (y + v.lineHeight >= v.clientHeight - v.lineHeight) {
        plan.vertical = true;
        plan.topLine = caretLine - v.visibleLines + 1;
    }
    return plan;
}

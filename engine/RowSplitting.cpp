#include "engine/RowSplitting.h"

#include "engine/ByteScan.h"

#include <algorithm>

namespace {

// One record per line of the display text: each line with its LF, the last
// one without. After normalisation every CR is followed by LF, so LF alone
// decides where a line ends. Room for `rows` records is reserved: the lines,
// counted before, and any Filler rows the alignment will add.
void SplitLines(const std::string& display, uint64_t rows, std::vector<PaneLine>& lines, int32_t& textSize,
                int32_t& maxLength)
{
    const char* const begin = display.data();
    const char* const end = begin + display.size();
    lines.reserve(static_cast<std::size_t>(rows));
    auto addLine = [&](std::size_t length) {
        lines.push_back(PaneLine{Same, textSize, static_cast<int32_t>(length)});
        textSize += static_cast<int32_t>(length);
        maxLength = std::max(maxLength, static_cast<int32_t>(length));
    };
    const char* start = begin;
    ByteScan::ForEach(begin, end, '\n', [&](const char* lf) {
        addLine(static_cast<std::size_t>(lf + 1 - start));
        start = lf + 1;
    });
    addLine(static_cast<std::size_t>(end - start));
}

struct SideRefs {
    std::string& block;
    std::vector<PaneLine>& lines;
    int32_t& lineCount;
    int32_t& textSize;
    int32_t& maxLength;
};

// The rows of one side, with room for `rows` (RowsOfText and any room for
// Filler rows); the block then keeps the text without its final LF.
void SplitSide(SideRefs side, uint64_t rows, StepTimes* times)
{
    if (side.block.empty()) {
        // No line to show: one Filler row keeps the pane's one empty row, with
        // no line number, and the rows of both sides lined up.
        side.lines.push_back(PaneLine{Filler, 0, 0});
        side.lineCount = 0;
        return;
    }
    side.block.pop_back();
    SplitLines(side.block, rows, side.lines, side.textSize, side.maxLength);
    side.lineCount = static_cast<int32_t>(side.lines.size());
    MarkStep(times, "rows");
}

int32_t DecimalDigits(int32_t number)
{
    int32_t digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}

SideRefs LeftSide(ComparisonState& state)
{
    return SideRefs{state.leftTextBlock, state.leftLines, state.leftLineCount, state.leftTextSize,
                    state.leftMaxLineLength};
}

SideRefs RightSide(ComparisonState& state)
{
    return SideRefs{state.rightTextBlock, state.rightLines, state.rightLineCount, state.rightTextSize,
                    state.rightMaxLineLength};
}

}  // namespace

void SplitBothSides(ComparisonState& state, uint64_t leftRows, uint64_t rightRows, StepTimes* times)
{
    SplitSide(LeftSide(state), leftRows, times);
    SplitSide(RightSide(state), rightRows, times);
    state.lineNumberWidth = DecimalDigits(std::max(state.leftLineCount, state.rightLineCount));
}

uint64_t RowsOfText(const std::string& text)
{
    return std::max<uint64_t>(ByteScan::Count(text.data(), text.data() + text.size(), '\n'), 1);
}

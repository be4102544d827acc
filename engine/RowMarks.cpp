#include "engine/RowMarks.h"

#include "engine/EngineError.h"
#include "engine/MemoryExhaustion.h"

#include <algorithm>

namespace {

bool IsFiller(const std::vector<PaneLine>& lines, int32_t row)
{
    return row < 0 || static_cast<size_t>(row) >= lines.size() || lines[static_cast<size_t>(row)].state == Filler;
}

std::vector<ByteRange> Whole(std::string_view text)
{
    if (text.empty())
        return {};
    return {ByteRange{0, static_cast<int32_t>(text.size())}};
}

void Add(std::vector<RowMarks>& marks, int32_t row, bool right, std::vector<ByteRange>&& ranges)
{
    if (!ranges.empty())
        marks.push_back(RowMarks{row, right, std::move(ranges)});
}

void MarkHunk(const ComparisonState& state, const DiffHunk& hunk, const RowText& leftRow, const RowText& rightRow,
              const LineRules& rules, std::vector<RowMarks>& marks)
{
    const int32_t rows = std::max(hunk.leftLast - hunk.leftFirst, hunk.rightLast - hunk.rightFirst) + 1;
    for (int32_t k = 0; k < rows; ++k) {
        const int32_t leftIndex = hunk.leftFirst + k;
        const int32_t rightIndex = hunk.rightFirst + k;
        const bool leftFiller = leftIndex > hunk.leftLast || IsFiller(state.leftLines, leftIndex);
        const bool rightFiller = rightIndex > hunk.rightLast || IsFiller(state.rightLines, rightIndex);
        if (leftFiller && rightFiller)
            continue;
        if (leftFiller || rightFiller) {
            Add(marks, leftFiller ? rightIndex : leftIndex, leftFiller,
                Whole(leftFiller ? rightRow(rightIndex) : leftRow(leftIndex)));
            continue;
        }
        InlineMarks pair = FindInlineDifferences(leftRow(leftIndex), rightRow(rightIndex), rules);
        Add(marks, leftIndex, false, std::move(pair.left));
        Add(marks, rightIndex, true, std::move(pair.right));
    }
}

void AppendRanges(std::string& out, const std::vector<ByteRange>& ranges)
{
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (i > 0)
            out += ',';
        out += std::to_string(ranges[i].start) + '-' + std::to_string(ranges[i].end);
    }
}

}  // namespace

int FindRowMarks(const ComparisonState& state, const RowText& leftRow, const RowText& rightRow, const LineRules& rules,
                 std::vector<RowMarks>& marks, MessageSink& messages)
{
    marks.clear();
    const bool marked = RanWithinMemory([&] {
        for (const DiffHunk& hunk : state.hunks) {
            if (hunk.leftKind == Changed && hunk.rightKind == Changed)
                MarkHunk(state, hunk, leftRow, rightRow, rules, marks);
        }
    });
    if (marked)
        return 0;
    marks.clear();
    ReportMemoryExhausted(messages);
    return -1;
}

std::string FormatRowMarks(const std::vector<RowMarks>& marks)
{
    std::string out;
    for (const RowMarks& row : marks) {
        out += "I " + std::to_string(row.row) + (row.right ? " R " : " L ");
        AppendRanges(out, row.ranges);
        out += '\n';
    }
    return out;
}

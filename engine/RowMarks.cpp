#include "engine/RowMarks.h"

#include "engine/EngineError.h"
#include "engine/MemoryExhaustion.h"

#include <algorithm>
#include <cstdint>

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

bool ChangesRows(const DiffHunk& hunk)
{
    return hunk.leftKind == Changed && hunk.rightKind == Changed;
}

// The pairs of a difference: its rows side by side, as many as its longer side has.
int32_t PairCount(const DiffHunk& hunk)
{
    return std::max(hunk.leftLast - hunk.leftFirst, hunk.rightLast - hunk.rightFirst) + 1;
}

// The k-th pair of a difference: the k-th row of each side.
void MarkPair(const ComparisonState& state, const DiffHunk& hunk, int32_t k, const RowText& leftRow,
              const RowText& rightRow, const LineRules& rules, std::vector<RowMarks>& marks)
{
    const int32_t leftIndex = hunk.leftFirst + k;
    const int32_t rightIndex = hunk.rightFirst + k;
    const bool leftFiller = leftIndex > hunk.leftLast || IsFiller(state.leftLines, leftIndex);
    const bool rightFiller = rightIndex > hunk.rightLast || IsFiller(state.rightLines, rightIndex);
    if (leftFiller && rightFiller)
        return;
    if (leftFiller || rightFiller) {
        Add(marks, leftFiller ? rightIndex : leftIndex, leftFiller,
            Whole(leftFiller ? rightRow(rightIndex) : leftRow(leftIndex)));
        return;
    }
    InlineMarks pair = FindInlineDifferences(leftRow(leftIndex), rightRow(rightIndex), rules);
    Add(marks, leftIndex, false, std::move(pair.left));
    Add(marks, rightIndex, true, std::move(pair.right));
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
    // Every row, none flagged as marked already.
    std::vector<bool> none;
    return FindRowMarksWithin(state, RowSpan{0, INT32_MAX}, none, leftRow, rightRow, rules, marks, messages);
}

int FindRowMarksWithin(const ComparisonState& state, RowSpan rows, std::vector<bool>& done, const RowText& leftRow,
                       const RowText& rightRow, const LineRules& rules, std::vector<RowMarks>& marks,
                       MessageSink& messages)
{
    marks.clear();
    std::vector<size_t> marked;
    const bool ran = RanWithinMemory([&] {
        // Differences lie in display order: the first that reaches the rows, then on while they start within them.
        auto hunk = std::lower_bound(state.hunks.begin(), state.hunks.end(), rows.first,
                                     [](const DiffHunk& h, int32_t row) { return h.leftFirst + PairCount(h) <= row; });
        for (; hunk != state.hunks.end() && hunk->leftFirst <= rows.last; ++hunk) {
            if (!ChangesRows(*hunk))
                continue;
            const int32_t last = std::min(PairCount(*hunk) - 1, rows.last - hunk->leftFirst);
            for (int32_t k = std::max(0, rows.first - hunk->leftFirst); k <= last; ++k) {
                const auto flag = static_cast<size_t>(hunk->leftFirst + k);
                if (flag < done.size() && done[flag])
                    continue;
                MarkPair(state, *hunk, k, leftRow, rightRow, rules, marks);
                marked.push_back(flag);
            }
        }
    });
    if (!ran) {
        marks.clear();
        ReportMemoryExhausted(messages);
        return -1;
    }
    for (size_t flag : marked) {
        if (flag < done.size())
            done[flag] = true;
    }
    return 0;
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

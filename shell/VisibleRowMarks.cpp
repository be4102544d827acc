#include "shell/VisibleRowMarks.h"

#include "engine/RowMarks.h"

#include <algorithm>

void VisibleRowMarks::Start(const ComparisonState& state, const LineRules& rules, COLORREF colour,
                            MessageSink& messages)
{
    state_ = &state;
    messages_ = &messages;
    rules_ = rules;
    colour_ = colour;
    done_.assign(static_cast<size_t>(std::max(left_.GetLineCount(), right_.GetLineCount())), false);
    left_.SetLinePreparer(this);
    right_.SetLinePreparer(this);
}

void VisibleRowMarks::Stop()
{
    state_ = nullptr;
    done_.clear();
    left_.SetLinePreparer(nullptr);
    right_.SetLinePreparer(nullptr);
}

void VisibleRowMarks::PrepareLines(int firstLine, int lastLine)
{
    if (!state_)
        return;
    std::vector<RowMarks> marks;
    if (FindRowMarksWithin(
            *state_, RowSpan{firstLine, lastLine}, done_, [this](int32_t row) { return left_.GetLineView(row); },
            [this](int32_t row) { return right_.GetLineView(row); }, rules_, marks, *messages_)
        < 0) {
        // Said once: the rows shown so far keep their marks, the others go without.
        Stop();
        return;
    }
    for (const RowMarks& row : marks) {
        CNewEdit& pane = row.right ? right_ : left_;
        const int start = pane.GetLineStart(row.row);
        for (const ByteRange& range : row.ranges)
            pane.SetRangeBackColor(start + range.start, start + range.end, colour_);
    }
}

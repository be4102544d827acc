// RowMarks: the marks inside the changed rows of a comparison, row against row.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/InlineDiff.h"
#include "engine/LineRules.h"
#include "engine/MessageSink.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The marked ranges of one display row of one side, byte offsets into its text.
struct RowMarks {
    int32_t row = 0;
    bool right = false;
    std::vector<ByteRange> ranges;
};

// The text of a display row of one side, without its line break.
using RowText = std::function<std::string_view(int32_t row)>;

// For every difference that changes rows, pairs the rows as they stand side
// by side (the k-th row of the left with the k-th of the right) and marks
// what differs inside them; a row that faces a Filler row is marked whole.
// Rows in display order, the left side of a row first; a row side without
// marks is left out. Returns 0, or -1 after "Virtual memory exhausted".
int FindRowMarks(const ComparisonState& state, const RowText& leftRow, const RowText& rightRow, const LineRules& rules,
                 std::vector<RowMarks>& marks, MessageSink& messages);

// The same for the row pairs among display rows `rows` only, for a window
// that marks the rows as they come into view: `done` holds a flag a display
// row (the row of a pair); pairs whose flag is set are left out, and the
// flags of the pairs marked now are set. Returns 0, or -1 after "Virtual
// memory exhausted" (then `marks` is empty and no flag is set).
int FindRowMarksWithin(const ComparisonState& state, RowSpan rows, std::vector<bool>& done, const RowText& leftRow,
                       const RowText& rightRow, const LineRules& rules, std::vector<RowMarks>& marks,
                       MessageSink& messages);

// One line a row side: "I <row> <L|R> <start>-<end>[,<start>-<end>...]".
std::string FormatRowMarks(const std::vector<RowMarks>& marks);

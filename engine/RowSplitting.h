// RowSplitting: the display rows of both sides, split from their normalised texts.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/StepTimes.h"

#include <cstdint>
#include <string>

// The rows of both sides from their normalised texts, with room for `leftRows` and `rightRows`
// (the rows and any Filler rows to come), and the common width of their line numbers. A block
// then keeps its text without the final LF; an empty one gives its side one Filler row.
void SplitBothSides(ComparisonState& state, uint64_t leftRows, uint64_t rightRows, StepTimes* times);

// The rows a normalised text will make: one a line, and an empty text its one Filler row.
uint64_t RowsOfText(const std::string& text);

// RowListing: a checking view of a built comparison, one line per display row and difference.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/PaneTexts.h"

#include <string>

// A checking view of the built comparison: every display row of the left side
// as "L <row> <state> <text>", then of the right side as "R ...", then every
// hunk as "H <leftFirst> <leftLast> <rightFirst> <rightLast> <leftKind>
// <rightKind>", one a line; states and kinds are the letters S, A, D, C, F and
// the text is the row's bytes without its line feed.
std::string FormatRows(const ComparisonState& state, const PaneTexts& texts);

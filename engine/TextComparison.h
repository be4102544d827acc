// TextComparison: the steps every text comparison takes before its rows are aligned.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/MessageSink.h"
#include "engine/StepTimes.h"

#include <cstdint>
#include <string>

// Writes the normalised copies of both files, compares them (the listing goes
// into the state), then takes the display texts back from the copies (rows,
// counts, line-number width), so that the comparison runs without the display
// texts in memory. The copies are deleted on every path. The same path named twice is identical
// without running the comparison. Returns -1 when a message was sent, 0 when
// the files are the same, 1 when they differ. A comparison that would hold
// more than `memoryLimit` bytes is refused before it is built (LoadPaneTexts).
// Each step's end is marked on `times` when it is given.
int CompareTextFiles(const std::string& leftPath, const std::string& rightPath, bool ignoreBlanks, bool ignoreCase,
                     ComparisonState& state, MessageSink& messages, uint64_t memoryLimit = UINT64_MAX,
                     StepTimes* times = nullptr);

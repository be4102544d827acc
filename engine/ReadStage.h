// ReadStage: sets aside the identical leading and trailing lines and classifies the lines between.
#pragma once

#include "engine/EngineFile.h"
#include "engine/LineRules.h"

// Finds the identical leading lines of the two buffers by a byte scan and
// sets prefixEnd and prefixLines of both files.
void FindIdenticalPrefix(EngineFile& left, EngineFile& right);

// Finds the identical trailing lines (only when both files end alike, with
// or without a line feed) and sets suffixBegin of both files.
void FindIdenticalSuffix(EngineFile& left, EngineFile& right);

// Fills lineStart, bufferedLines and equivs of both files; the class numbers
// are shared by the two. Returns the number of class numbers in use.
int32_t ClassifyLines(EngineFile& left, EngineFile& right, const LineRules& rules);

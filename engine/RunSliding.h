// RunSliding: moves each run of changed lines of a file to its canonical place.
#pragma once

#include "engine/EngineFile.h"

// A run of changed lines followed by a line equal to its first line can move
// down by one line without changing the result; runs are moved down as far
// as that holds while the other file has no change at that point, so that
// equal scripts come out the same whatever the search found first. A run
// may join the next run on the way.
void SlideChangeRuns(EngineFile& file, const EngineFile& other);

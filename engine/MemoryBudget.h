// MemoryBudget: whether the text comparison of two files fits in the memory at hand, decided before it is built.
#pragma once

#include "engine/MessageSink.h"

#include <cstdint>
#include <string>

// The memory a text comparison holds at its peak for two texts of `bytes`
// bytes and `lines` lines together, an upper bound whatever the differences:
// the larger of the engine's buffers and tables with the listing, and the
// listing with the display texts, their rows, the pane texts built in them
// and each pane's line table.
uint64_t TextComparisonPeak(uint64_t bytes, uint64_t lines);

// The most bytes two texts may hold together for their comparison to stay
// within `memoryLimit` bytes (as few lines as they can have): a reader stops
// there rather than read an endless or a growing input to the end.
uint64_t TextBytesWithin(uint64_t memoryLimit);

// Before anything is read, from the two sizes alone (each byte costs its share
// whatever the lines): false after "Insufficient memory!" was sent when a file
// is larger than a pane holds or even that share exceeds `memoryLimit` bytes.
// A file whose size cannot be read passes: loading it reports the error.
bool TextComparisonFits(const std::string& leftPath, const std::string& rightPath, uint64_t memoryLimit,
                        MessageSink& messages);

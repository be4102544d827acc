// DiscardStage: sets aside the lines that cannot match usefully before the search.
#pragma once

#include "engine/EngineFile.h"

#include <cstdint>
#include <vector>

// The lines of one file that take part in the search.
struct KeptLines {
    std::vector<int32_t> classes;  // class number of each kept line, in order
    std::vector<int32_t> realIndex;  // engine-line index of each kept line
};

// Marks changed the lines whose class does not occur in the other file, and
// runs of lines whose class occurs there too often (blank lines, braces),
// unless such a line sits among lines that are kept. Fills kept[f] with the
// remaining lines of file f. classCount is the number of class numbers.
void DiscardConfusingLines(EngineFile& left, EngineFile& right, int32_t classCount, KeptLines kept[2]);

// How often a class may occur in the other file before a line of a file
// with n engine lines becomes a candidate for setting aside; it grows with
// the square root of n (the values and why they are so: DiscardStage.cpp).
int32_t ConfusionThreshold(int32_t n);

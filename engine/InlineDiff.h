// InlineDiff: which characters of a changed row pair differ, so that they can be marked inside the rows.
#pragma once

#include "engine/LineRules.h"

#include <cstdint>
#include <string_view>
#include <vector>

// Bytes [start, end) of a row's text.
struct ByteRange {
    int32_t start = 0;
    int32_t end = 0;
    bool operator==(const ByteRange& other) const { return start == other.start && end == other.end; }
};

// The marked ranges of each side: ascending, apart, never inside a character.
struct InlineMarks {
    std::vector<ByteRange> left;
    std::vector<ByteRange> right;
};

// The differing ranges of two row texts (no line break) under the compare
// options. The texts are cut into tokens (runs of word characters, runs of
// white space, single other characters) and the fewest tokens that differ are
// found; inside each pair of differing token runs the characters both start
// and end with stay unmarked; an equal stretch of fewer than three characters
// between two marked ones is marked as well; a pair that has less than a
// third of its characters in common is marked whole. Above a budget of work
// the marks fall back to everything between the characters both rows start
// and end with. Under ignore blanks a difference of white space is not
// marked, under ignore case one of letter case.
// Throws std::bad_alloc only when not even the fallback's marks fit.
InlineMarks FindInlineDifferences(std::string_view left, std::string_view right, const LineRules& rules);

// ListingCommand: one command entry of a difference listing, read into its letter and line numbers.
#pragma once

#include "engine/DiffTypes.h"

#include <cstdint>
#include <string>

// A command such as "12a13,14\n": the left range, the letter and the right
// range. A single number stands for both first and last; an empty range
// (the left side of an addition, the right side of a deletion) is the line
// before the insertion or deletion point, held in both fields.
struct ListingCommand {
    char letter = 0;  // 'a', 'd' or 'c'
    int32_t leftFirst = 0;
    int32_t leftLast = 0;
    int32_t rightFirst = 0;
    int32_t rightLast = 0;
};

// True when the entry begins with a decimal digit, which marks a command entry;
// every other entry (lines, separator, missing line feed) is skipped by readers.
bool IsCommandEntry(const std::string& entry);

// Reads a command entry of the form  N[,N] letter N[,N]  with an optional
// final line feed. Returns false when the entry is not a well-formed command:
// no letter a, d or c, stray characters, a range whose last line precedes its
// first, a number too large, a line 0 where a line is needed, or a range on
// the side that an addition or deletion leaves empty.
bool ParseListingCommand(const std::string& entry, ListingCommand& command);

// The difference that a command describes, with 1-based line numbers. Both
// ranges of a change cover max(left lines, right lines) rows; the Filler side
// of an addition or deletion is keyed on the line after the insertion point.
DiffHunk HunkFromCommand(const ListingCommand& command);

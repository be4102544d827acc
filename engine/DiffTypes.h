// DiffTypes: the plain records that the engine hands to the rest of the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// State of a display row, or of one side of a difference.
enum LineState : int32_t {
    Same = 0,
    Added = 1,
    Deleted = 2,
    Changed = 3,
    Filler = 4,
};

// The normal-format difference listing, one text entry per listing line,
// stored from the difference nearest the end of the files to the first.
using DiffListing = std::vector<std::string>;

// One difference. Built from a listing command with 1-based line numbers;
// after alignment the ranges are 0-based display rows. A side whose kind is
// Filler takes its rows from the other side.
struct DiffHunk {
    int32_t leftFirst = 0;
    int32_t leftLast = 0;
    int32_t rightFirst = 0;
    int32_t rightLast = 0;
    int32_t leftKind = Same;
    int32_t rightKind = Same;
};

// The first and last display rows of one side of an aligned difference.
struct RowSpan {
    int32_t first = 0;
    int32_t last = 0;
};

// A Filler side lies on the same display rows as the lines of the other side.
inline RowSpan SideRows(const DiffHunk& hunk, bool right)
{
    const bool filler = (right ? hunk.rightKind : hunk.leftKind) == Filler;
    const bool onLeftRows = right ? filler : !filler;
    return onLeftRows ? RowSpan{hunk.leftFirst, hunk.leftLast} : RowSpan{hunk.rightFirst, hunk.rightLast};
}

// One row of a side: its state and where its bytes lie in the side's text block.
struct PaneLine {
    int32_t state = Same;
    int32_t offset = 0;
    int32_t length = 0;
};

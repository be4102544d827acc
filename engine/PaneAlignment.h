// PaneAlignment: aligns the rows of both sides with Filler rows and assembles the four pane texts.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/MessageSink.h"

#include <cstdint>
#include <string>

// The texts for the four panes of a comparison: the two text panes and their
// line-number gutters, one line per display row, a Filler row being an empty
// line; and the horizontal extent both text panes share.
struct PaneTexts {
    std::string leftText;
    std::string rightText;
    std::string leftGutter;
    std::string rightGutter;
    int32_t maxLineLength = 0;
};

// Walks the listing from its first entry (the difference nearest the end of
// the files) and for every command marks the states of the lines it names,
// inserts the Filler rows that give both sides of the difference the same
// rows, and appends its DiffHunk (1-based line numbers). A command that is
// malformed, names lines outside the files or below a difference already
// handled, or whose count of listed lines disagrees with its numbers, sends
// "Error in the patch!" and ends the walk with false; the commands before it
// keep their effect. Rows that no command reaches are made up at the end of
// the shorter side with Filler rows, so both sides always have the same number
// of rows (the comparison reads a file only up to a byte 0x1A).
bool AlignPanes(ComparisonState& state, MessageSink& messages);

// Reverses the hunks into file order, builds the four texts from the aligned
// rows, converts each hunk to 0-based display rows (a Filler side gets the
// rows of the other side) and releases the two text blocks of the state. Sends
// "Insufficient memory!" and returns false when a text cannot be allocated;
// a side already built keeps its texts.
bool BuildPaneTexts(ComparisonState& state, PaneTexts& texts, MessageSink& messages);

// A checking view of the built comparison: every display row of the left side
// as "L <row> <state> <text>", then of the right side as "R ...", then every
// hunk as "H <leftFirst> <leftLast> <rightFirst> <rightLast> <leftKind>
// <rightKind>", one a line; states and kinds are the letters S, A, D, C, F and
// the text is the row's bytes without its line feed.
std::string FormatRows(const ComparisonState& state, const PaneTexts& texts);

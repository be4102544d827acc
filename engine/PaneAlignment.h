// PaneAlignment: aligns the rows of both sides with Filler rows, as the listing says.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/MessageSink.h"

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

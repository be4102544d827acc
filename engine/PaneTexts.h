// PaneTexts: the four texts a comparison shows, built from the aligned rows.
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

// Reverses the hunks into file order, builds the four texts from the aligned
// rows, converts each hunk to 0-based display rows (a Filler side gets the
// rows of the other side) and releases the two text blocks of the state. Sends
// "Insufficient memory!" and returns false when a text cannot be allocated;
// a side already built keeps its texts.
bool BuildPaneTexts(ComparisonState& state, PaneTexts& texts, MessageSink& messages);

// ComparisonState: the texts, rows, listing and differences of one comparison in the main window.
#pragma once

#include "engine/DiffTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// Filled step by step: LoadPaneTexts (rows, counts, blocks), DiffFiles (the
// listing), AlignPanes (states, Filler rows, hunks), BuildPaneTexts (hunks in
// display rows; the two blocks released). A fresh comparison starts from a
// default-constructed state.
struct ComparisonState {
    std::vector<DiffHunk> hunks;

    // One record per line of each file, later one per display row.
    std::vector<PaneLine> leftLines;
    std::vector<PaneLine> rightLines;

    // The comparison's difference listing, last difference first.
    DiffListing listing;

    // Lines of each file: one per loaded row, except the Filler row of an empty file.
    int32_t leftLineCount = 0;
    int32_t rightLineCount = 0;
    int32_t leftTextSize = 0;
    int32_t rightTextSize = 0;
    // Longest line of each file in bytes, terminator included.
    int32_t leftMaxLineLength = 0;
    int32_t rightMaxLineLength = 0;
    // Digits of the line numbers, common to both sides: the gutters are
    // written with the pane texts, numbering the rows that are not Filler.
    int32_t lineNumberWidth = 0;

    // Rows of each side's copy once the copies are written: a side gets at
    // most as many Filler rows as the other has rows.
    uint64_t leftCopyRows = 0;
    uint64_t rightCopyRows = 0;

    // The display texts (normalised file without its final line feed);
    // c_str() supplies the terminating zero.
    std::string leftTextBlock;
    std::string rightTextBlock;
};

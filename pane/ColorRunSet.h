// ColorRunSet: the colour of every position of a pane text, as an ordered set of runs.
#pragma once

#include <cstdint>
#include <map>

class ColorRunSet {
public:
    // One run from the run's position up to the next run's position.
    struct Run {
        uint32_t colour = 0;
        int32_t length = 0;  // 0 at the last position and outside the text
    };

    // Leaves exactly one run, at position 0.
    void Reset(uint32_t colour);
    void Clear() { runs_.clear(); }

    // Colours [start, end) and leaves every other position as it was, except
    // that a range ending at the last position colours that position too.
    // -1 as start means 0, -1 as end means the last position; invalid ranges are ignored.
    void SetRange(int32_t start, int32_t end, uint32_t colour, int32_t textLength);

    // The colour of the run with the greatest position <= position.
    uint32_t ColourAt(int32_t position) const;
    // The run holding position: its colour and its length from position on.
    Run RunAt(int32_t position, int32_t textLength) const;

private:
    std::map<int32_t, uint32_t> runs_;
};

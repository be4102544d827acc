// EngineFile: one side of a comparison while DiffFiles runs: its text, lines and line classes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a file as the engine reads and compares them: a string, so that
// a caller that shows the file can take them over when the comparison ends.
using ByteBuffer = std::string;

// Positions are byte offsets into buffer. Engine line i (from 0) is line
// prefixLines + i + 1 of the file (from 1); it starts at lineStart[i] and its
// length is lineStart[i + 1] - lineStart[i], which counts its line feed
// except for a last line that had none.
struct EngineFile {
    std::string name;
    ByteBuffer buffer;  // content as read, plus an appended line feed when needed
    uint32_t size = 0;  // bytes in buffer, the appended line feed included
    bool incompleteLastLine = false;  // the content did not end with a line feed
    uint32_t prefixEnd = 0;  // first byte after the identical leading lines
    uint32_t suffixBegin = 0;  // first byte of the identical trailing lines
    int32_t prefixLines = 0;  // number of identical leading lines
    std::vector<uint32_t> lineStart;  // bufferedLines + 1 entries
    int32_t bufferedLines = 0;  // lines between prefixEnd and suffixBegin
    std::vector<int32_t> equivs;  // class number of each engine line
    // One flag per engine line with a zero flag before the first and after
    // the last: engine line i has its flag at changed[i + 1].
    std::vector<uint8_t> changed;

    const char* Line(int32_t i) const { return buffer.data() + lineStart[i]; }
    uint32_t LineLength(int32_t i) const { return lineStart[i + 1] - lineStart[i]; }
    bool IsChanged(int32_t i) const { return changed[i + 1] != 0; }
};

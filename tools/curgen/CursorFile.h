// CursorFile: a monochrome 32 x 32 cursor drawn as text, and its .cur encoding.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

class CursorFile {
public:
    static constexpr int kSize = 32;

    // Reads "hotspot X Y" and up to 32 rows of X (black), o (white) and . (transparent);
    // '#' lines are comments. Throws std::runtime_error on a malformed map.
    static CursorFile Parse(std::istream& in);
    // The .cur file: one entry of type 2 with the hotspot, a 1-bit image and its mask.
    std::vector<uint8_t> Encode() const;

    char Pixel(int x, int y) const { return rows_[static_cast<size_t>(y)][static_cast<size_t>(x)]; }

private:
    int hotX_ = 0;
    int hotY_ = 0;
    std::vector<std::string> rows_;
};

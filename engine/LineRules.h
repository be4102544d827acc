// LineRules: when two lines count as equal, and the hash that agrees with that.
#pragma once

#include <cstdint>

// The compare options as the read stage applies them. A line runs up to its
// line feed, which is never skipped and never part of the hash.
//
// Under either option a line that is well-formed UTF-8 with characters
// beyond ASCII is taken character by character: the no-break space U+00A0
// is blank, and ignore case folds letters by the engine's own table
// (CaseFolding). Any other line is taken byte by byte: the byte 0xA0 is
// blank and only ASCII letters fold.
struct LineRules {
    bool ignoreBlanks = false;
    bool ignoreCase = false;

    // TAB, LF, VT, FF, CR, space and the no-break space 0xA0.
    static bool IsBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0; }
    static unsigned char ToLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

    // One step of the line hash: rotate left by 7 and add the byte.
    static uint32_t Mix(uint32_t h, unsigned char c) { return ((h << 7) | (h >> 25)) + c; }

    // Mix over the bytes that take part under these rules (of a folded
    // character, the bytes of its folding).
    // lineFeed, when given, receives the position of the line feed that ends the line.
    uint32_t Hash(const char* line, const char** lineFeed = nullptr) const;
    // True when the two lines (lengths as the engine counts them) are equal
    // under these rules.
    bool Equal(const char* a, uint32_t lengthA, const char* b, uint32_t lengthB) const;
};

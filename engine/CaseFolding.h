// CaseFolding: the engine's own table of how letters beyond ASCII fold under ignore case.
#pragma once

#include <cstdint>
#include <string>

// The character that stands for the character and all its other cases:
// its simple case folding (one character to one character) for ASCII, the
// Latin-1 Supplement, Latin Extended-A, Greek and Coptic, Cyrillic and the
// Cyrillic Supplement; any other character is its own folding. The table is
// the engine's own, so that every build folds alike whatever its locale.
uint32_t FoldCase(uint32_t character);

// Whether two UTF-8 texts are equal once every character is folded as
// above; bytes that are no well-formed UTF-8 must match exactly.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// LineCharacters: the characters and words of one line, as the marks inside a changed row pair see them.
#pragma once

#include "engine/LineRules.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// What a character is for the tokens: part of a word (a letter or digit of
// any script, or '_'), white space (a blank of the line rules), or anything
// else, which is a token of its own.
enum class CharacterKind { Word, Blank, Other };

struct LineCharacter {
    // What is compared: the character, folded under ignore case; a byte that
    // is no well-formed UTF-8 stands for itself, apart from every character.
    uint32_t unit = 0;
    size_t length = 0;
    CharacterKind kind = CharacterKind::Other;
};

// A read-only walk over the characters of a line in UTF-8: a character is
// never split, and a byte that starts no well-formed sequence is a character
// of one byte. Positions are byte offsets into the line.
class LineCharacters {
public:
    LineCharacters(std::string_view line, const LineRules& rules) : line_(line), rules_(rules) {}

    size_t Size() const { return line_.size(); }
    std::string_view Text() const { return line_; }
    const LineRules& Rules() const { return rules_; }

    // The character that starts at `position` (< Size()). Most text is
    // ASCII, and a long line is walked a character at a time: a byte below
    // 0x80 is taken without decoding.
    LineCharacter At(size_t position) const
    {
        const auto byte = static_cast<unsigned char>(line_[position]);
        if (byte >= 0x80)
            return BeyondAsciiAt(position);
        return {rules_.ignoreCase ? LineRules::ToLower(byte) : byte, 1, AsciiKind(byte)};
    }
    // The start of the character that ends at `position` (> 0, a character boundary).
    size_t Previous(size_t position) const;

    // The start of the token that holds the character ending at `position`
    // (> 0), and the end of the token that holds the character starting at
    // `position` (< Size()): words and blanks are runs, any other character a token alone.
    size_t TokenStart(size_t position) const;
    size_t TokenEnd(size_t position) const;

    // Whether a character is left out when the two lines are compared.
    bool Skipped(const LineCharacter& c) const { return rules_.ignoreBlanks && c.kind == CharacterKind::Blank; }

private:
    static CharacterKind AsciiKind(unsigned char c)
    {
        if (LineRules::IsBlank(c))
            return CharacterKind::Blank;
        const bool word = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        return word ? CharacterKind::Word : CharacterKind::Other;
    }
    LineCharacter BeyondAsciiAt(size_t position) const;

    std::string_view line_;
    LineRules rules_;
};

// The characters in a stretch of a line: every byte that is not a UTF-8
// continuation byte counts one.
size_t CountCharacters(std::string_view text);

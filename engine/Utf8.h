// Utf8: reading and writing one character of UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The character that stands for input that cannot be decoded.
constexpr uint32_t kReplacementCharacter = 0xFFFD;

// Decodes the well-formed UTF-8 sequence at p, of which `available` bytes
// may be read (never more). Returns its length (1 to 4) and its character,
// or 0 when the bytes there are no complete well-formed sequence: a stray
// continuation byte, an overlong form, a surrogate, a value beyond U+10FFFF
// or a sequence cut short.
size_t DecodeUtf8(const unsigned char* p, size_t available, uint32_t& character);

// True when the n bytes at p, as far as they go, could begin a well-formed
// sequence that the end of the bytes cut short.
bool IsUtf8Prefix(const unsigned char* p, size_t n);

// The longest UTF-8 form of a character.
constexpr size_t kLongestUtf8 = 4;

// Writes the UTF-8 form of a Unicode scalar value to out (room for
// kLongestUtf8 bytes) and returns its length.
size_t EncodeUtf8(uint32_t character, char* out);

// Appends the UTF-8 form of a Unicode scalar value.
void AppendUtf8(std::string& out, uint32_t character);

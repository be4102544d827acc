// TextEncoding: the byte-order marks a file may start with, and its content decoded to UTF-8.
#pragma once

#include <cstddef>
#include <string>

// What the first bytes of a file say about its encoding. Without a mark a
// file is taken byte for byte, whatever its bytes are.
enum class ByteOrderMark { None, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The mark at the start of the n bytes (n may be less than a mark's length).
ByteOrderMark DetectByteOrderMark(const char* bytes, size_t n);

// The file's content as the engine and the panes work on it: UTF-16 after
// its mark decoded to UTF-8, a UTF-8 mark dropped, anything else unchanged.
// A lone surrogate and an odd last byte of UTF-16 each become U+FFFD.
void DecodeFileContent(std::string& content);

// BinaryFile: the text-or-binary test and the byte-for-byte comparison of two files.
#pragma once

#include "engine/MessageSink.h"

#include <cstdint>
#include <string>

// 1 when the first 512 bytes of the file look binary (a zero byte, or more
// than a third of odd bytes; the bytes of well-formed UTF-8 characters are
// not odd), 0 when they look like text (an empty file is text, and so is a
// file that starts with a UTF-16 byte-order mark), -1 after an error was shown.
int IsBinaryFile(const std::string& path, MessageSink& messages);

// Compares two files of the common size `size` block by block: 1 they
// differ, 0 they are identical, -1 after an error was shown.
int BinaryFilesDiffer(const std::string& a, const std::string& b, int64_t size, MessageSink& messages);

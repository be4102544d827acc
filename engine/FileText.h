// FileText: a file's whole content as text, and the normalised form that the panes and the comparison read.
#pragma once

#include "engine/MessageSink.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The largest text a pane holds, line feeds added: its positions are 32-bit.
constexpr uint64_t kLargestPaneText = INT32_MAX - 2;

// The whole content of the file, byte for byte, with `room` bytes more
// reserved for the text to grow into. A file that cannot be read sends
// "Could not open file %s to read!" and gives false; one larger than a pane
// holds or than `limit` bytes, by its size or as it is read, sends
// "Insufficient memory!" and gives false.
bool ReadFileText(const std::string& path, std::string& text, MessageSink& messages, std::size_t room = 0,
                  std::size_t limit = static_cast<std::size_t>(kLargestPaneText));

// A lone CR ends a line like LF; a CR LF pair stays; a zero byte shows and
// compares as a space. The text then ends with exactly one LF after its
// last line, as the comparison's copy needs.
void NormaliseText(std::string& text);

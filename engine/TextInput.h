// TextInput: reading an engine input whole, as the platform's text mode would deliver it.
#pragma once

#include "engine/EngineFile.h"
#include "engine/MessageSink.h"

#include <cstddef>
#include <string>
#include <vector>

// Reads the whole file into content (raw bytes), with room for `room` bytes
// more. A failure to query, open, read or close the file is shown as
// "name: system text" and gives false. Content too large for the engine's
// 32-bit positions throws std::bad_alloc.
bool ReadWholeFile(const std::string& name, ByteBuffer& content, MessageSink& messages, std::size_t room = 0);

// Text translation: the content ends at its first 0x1A byte and every CR LF
// pair becomes a single LF, so that CR LF and LF line ends compare equal.
void TranslateTextMode(ByteBuffer& content);

// Takes translated content as the file's buffer; a last line without line
// feed gets one appended and the file is marked incompleteLastLine.
void TakeContent(EngineFile& file, ByteBuffer&& content);

// DiffFiles: the engine's entry, comparing two text files line by line into a difference listing.
#pragma once

#include "engine/DiffTypes.h"
#include "engine/EngineFile.h"
#include "engine/MessageSink.h"

#include <cstddef>
#include <string>
#include <vector>

// What the engine hands back of the files it compared, for a caller that
// shows them: a side's bytes, exactly as its file holds them, when the text
// mode left them as they were (no CR LF pair, no 0x1A byte), with room for
// `room` more bytes; the caller need not read that file again. A side the
// text mode changed stays empty and not kept. A text given on entry is
// memory the engine reads that side into (its content is dropped): memory
// touched already costs less than a fresh buffer.
struct ComparedTexts {
    std::size_t room[2] = {0, 0};
    ByteBuffer text[2];
    bool kept[2] = {false, false};
};

// Compares the two files (read as the platform's text mode delivers them:
// CR LF as LF, nothing after a 0x1A byte) and appends the normal-format
// listing of the minimal set of differences, last difference first.
// Returns 0 when there is no difference (nothing appended), 1 when there
// are differences, -1 after an error was shown (the listing is not to be used).
// When `keep` is given, the texts go there as it says.
int DiffFiles(const std::string& leftName, const std::string& rightName, bool ignoreBlanks, bool ignoreCase,
              DiffListing& listing, MessageSink& messages, ComparedTexts* keep = nullptr);

// The same comparison on two contents already in memory, as raw bytes
// before text translation.
int DiffContents(ByteBuffer left, ByteBuffer right, bool ignoreBlanks, bool ignoreCase, DiffListing& listing,
                 MessageSink& messages);

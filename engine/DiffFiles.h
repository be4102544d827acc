// DiffFiles: the engine's entry, comparing two text files line by line into a difference listing.
#pragma once

#include "engine/DefaultInitAllocator.h"
#include "engine/DiffTypes.h"
#include "engine/MessageSink.h"

#include <string>
#include <vector>

// Compares the two files (read as the platform's text mode delivers them:
// CR LF as LF, nothing after a 0x1A byte) and appends the normal-format
// listing of the minimal set of differences, last difference first.
// Returns 0 when there is no difference (nothing appended), 1 when there
// are differences, -1 after an error was shown (the listing is not to be used).
int DiffFiles(const std::string& leftName, const std::string& rightName, bool ignoreBlanks, bool ignoreCase,
              DiffListing& listing, MessageSink& messages);

// The same comparison on two contents already in memory, as raw bytes
// before text translation.
int DiffContents(ByteBuffer left, ByteBuffer right, bool ignoreBlanks, bool ignoreCase, DiffListing& listing,
                 MessageSink& messages);

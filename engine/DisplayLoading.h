// DisplayLoading: reads the two files into normalised display texts, temporary copies and numbered rows.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/DiffFiles.h"
#include "engine/MessageSink.h"
#include "engine/StepTimes.h"

#include <cstdint>
#include <string>

// Reads both files, decodes them (UTF-16 after its byte-order mark to
// UTF-8, a UTF-8 mark dropped, anything else byte for byte), normalises them
// (a CR not followed by LF becomes LF, a zero byte becomes a space, a missing
// final LF is added to a file that is not empty), writes each normalised text
// to a fresh temporary copy for DiffFiles, and fills the rows, counts, blocks
// and line numbers of the state, which it resets first. An empty file has no lines: its copy is
// empty and its side holds one Filler row (an empty row without number).
// On success the copies exist under the returned names and the caller deletes
// them once DiffFiles has read them. On failure the message has been sent,
// both copies are already deleted, the names are empty and false is returned.
// A comparison whose peak would pass `memoryLimit` bytes is refused with
// "Insufficient memory!": from the sizes before reading, and from the bytes
// and lines once read, before any line table is made. Each step's end is
// marked on `times` when it is given.
bool LoadPaneTexts(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                   std::string& leftCopyName, std::string& rightCopyName, MessageSink& messages,
                   uint64_t memoryLimit = UINT64_MAX, StepTimes* times = nullptr);

// The same steps up to the copies, but the state keeps no text and no rows,
// so that the comparison of the copies runs without the display texts in
// memory; the state is reset first. The memory of the texts, emptied, goes
// to `spent` for the engine to read the copies into (ComparedTexts). On
// failure as LoadPaneTexts.
bool WriteComparisonCopies(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                           std::string& leftCopyName, std::string& rightCopyName, ByteBuffer (&spent)[2],
                           MessageSink& messages, uint64_t memoryLimit = UINT64_MAX, StepTimes* times = nullptr);

// Takes the display texts back from the copies that WriteComparisonCopies
// wrote for `state` (they hold exactly the normalised texts, whose rows it
// counted) and fills the rows, counts, blocks and line-number width as
// LoadPaneTexts does; the listing and hunks of the state stay. A side whose bytes the engine kept in `compared` takes
// them over instead of reading its copy again. The caller still deletes the
// copies. A copy that cannot be read sends "Could not open file %s to read!",
// one too large for memory "Insufficient memory!"; both give false.
bool ReadPaneTexts(const std::string& leftCopyName, const std::string& rightCopyName, ComparisonState& state,
                   MessageSink& messages, StepTimes* times = nullptr, ComparedTexts* compared = nullptr);

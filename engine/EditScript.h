// EditScript: the runs of changed lines as change records, and their normal-format listing.
#pragma once

#include "engine/DiffTypes.h"
#include "engine/EngineFile.h"

#include <cstdint>
#include <vector>

// One run of the edit script: `deleted` left lines from engine line line0
// are replaced by `inserted` right lines from engine line line1.
struct ChangeRecord {
    int32_t inserted = 0;
    int32_t deleted = 0;
    int32_t line0 = 0;
    int32_t line1 = 0;
};

// The script from the last change to the first: each record that the walk
// down both files finds is put in front of the ones found before it.
std::vector<ChangeRecord> BuildEditScript(const EngineFile& left, const EngineFile& right);

// Appends the listing entries of the script, in script order: a command
// such as "12a13,14\n", then "< " deleted lines, "---\n", "> " inserted
// lines, each line as read with its line feed; a line that had none is
// followed by the entry "\n\\ No newline at end of file\n".
void WriteListing(const std::vector<ChangeRecord>& script, const EngineFile& left, const EngineFile& right,
                  DiffListing& listing);

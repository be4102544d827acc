// UnifiedDiff: a comparison's difference listing written as a unified patch on the files' own lines.
#pragma once

#include "engine/DiffTypes.h"
#include "engine/FileStamp.h"
#include "engine/MessageSink.h"

#include <cstdint>
#include <string>
#include <vector>

// A file's own lines as a patch shows them: the file decoded as the
// comparison decodes it, except that a UTF-8 mark stays at the start of the
// first line, and its line ends as the comparison reads them (LF or CR LF;
// a lone CR ends a line as LF does), kept with each line.
struct PatchLines {
    std::string text;
    // Lines + 1 entries: line i is text[lineStart[i], lineStart[i + 1]).
    std::vector<size_t> lineStart;
    // The file's last line had no line end (the text holds none either).
    bool lastLineUnended = false;

    int32_t Count() const { return static_cast<int32_t>(lineStart.size()) - 1; }
};

// The lines of a file's content, taken as raw bytes.
PatchLines SplitPatchLines(std::string content);

// Reads the file and splits it; a file that cannot be read sends "Could not
// open file %s to read!" and gives false.
bool ReadPatchLines(const std::string& path, PatchLines& lines, MessageSink& messages);

// The name and time that head one side of the patch.
struct PatchSide {
    std::string name;
    FileStamp stamp;
};

// The time as `diff -u` writes it, in local time: "2026-12-10 01:06:07.123456789 +0100".
std::string PatchTimeText(const FileStamp& stamp);

// What the patch holds besides the files' lines.
struct PatchRequest {
    PatchSide left;
    PatchSide right;
    // Without an ignore option, lines the comparison matched whose own bytes
    // differ (their line ends) are written as changes too, so that the patch
    // turns the left file into the right one byte for byte. With one, matched
    // lines are the left file's, as `diff -u -i` shows them.
    bool exact = true;
};

// Writes the changes of the listing (stored last difference first), with
// three lines of context and hunks whose contexts meet joined, as `diff -u`
// writes them: "--- " and "+++ " lines, "@@ -l,n +l,n @@" hunks, lines
// marked ' ', '-' or '+', "\ No newline at end of file" after a line
// without line end. Empty when there is no change. False, with the patch
// empty, when the listing names lines the files do not have.
bool WriteUnifiedDiff(const DiffListing& listing, const PatchLines& left, const PatchLines& right,
                      const PatchRequest& request, std::string& patch);

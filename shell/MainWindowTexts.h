// MainWindowTexts: the sentences the main window shows: result, file information, binary outcomes, caret status.
#pragma once

#include <cstdint>
#include <string>

// Status part 0 after a comparison: "No differences found", "1 difference found", ...
std::string DifferenceCountText(int count);
// Status part 0 after a comparison the engine could not finish, whose error it has shown.
extern const char kComparisonFailedText[];

// Local time of a file as "3/07/98  9:05p": month, day, two-digit year, 12-hour clock.
std::string FileTimeText(int month, int day, int year, int hour, int minute);
// "Modified: %s, Size: %d bytes".
std::string FileInfoText(const std::string& timeText, int64_t sizeBytes);

// "The files %s and %s are identical".
std::string IdenticalFilesText(const std::string& left, const std::string& right);
// The message of a comparison in which at least one file is binary.
std::string BinaryOutcomeText(bool leftBinary, bool rightBinary, bool different, const std::string& left,
                              const std::string& right);

// Status part 1 from the gutter text of the caret's row: empty on a filler row.
std::string CaretStatusText(const std::string& gutterRowText, int column);

// DiffReport: the saved difference report: the listing in file order as CR LF text, written whole or not at all.
#pragma once

#include "engine/DiffTypes.h"

#include <string>

// The listing's blocks from the first difference to the last, each line ending in CR LF.
std::string DiffReportText(const DiffListing& listing);

// The text with every line feed that no carriage return precedes made CR LF, as a
// text-mode file writes it; line ends already CR LF stay as they are.
std::string WithCrLf(const std::string& text);

// Creates path (truncating a file of that name) and writes text into it. False when the file
// cannot be created or not be written completely; a partly written file is removed.
bool WriteWholeFile(const std::string& path, const std::string& text);

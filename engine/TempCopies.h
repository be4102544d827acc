// TempCopies: the temporary copies of the normalised texts that the comparison reads.
#pragma once

#include "engine/MessageSink.h"

#include <string>

// Creates a new, empty file "TMPxxxx.tmp" (four hex digits) in the system's
// temporary folder, exclusively, and returns its path. Sends "Could not get
// temp file name" and returns false when no such file can be made.
bool GetTempFilePath(std::string& path, MessageSink& messages);

// Writes text as the whole content of the copy; sends "Could not open file %s to write!" and
// gives false when it cannot.
bool WriteCopy(const std::string& copyName, const std::string& text, MessageSink& messages);

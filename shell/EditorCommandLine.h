// EditorCommandLine: the command line that starts the user's editor on one file.
#pragma once

#include <string>

// The editor command as the user wrote it, a blank and the path; a path that
// holds a blank is put in double quotes, unless it is quoted already, so that
// the editor gets it as one argument.
std::string EditorCommandLine(const std::string& editor, const std::string& path);

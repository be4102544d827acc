// CommandLine: the grammar of Tandrel's arguments: two file names and single-letter options.
#pragma once

#include "shell/AppSettings.h"
#include "shell/StartupArgs.h"

#include <string>
#include <vector>

// Reads args (the arguments after the program name) in order. Options only set flags:
// the compare options and skipInitialCompare in settings, the rest in startup. False when
// an argument is not usable; startup.badOption then holds it and later ones are not read.
bool ParseCommandLine(const std::vector<std::string>& args, StartupArgs& startup, AppSettings& settings);

// The decimal number at the start of text, read as the C library's atoi does (leading
// white space and a sign allowed, stops at the first non-digit, 0 without digits);
// values beyond the int range stop at its ends.
int ReadLeadingInteger(const char* text);

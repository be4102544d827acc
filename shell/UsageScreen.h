// UsageScreen: the console page that explains the command line, shown for /? and bad arguments.
#pragma once

#include <string>

// Every character of the page, from the first line feed to the key prompt.
std::string UsageText(const std::string& badOption);

// Allocates a console of the program's own, paints it black on white, prints the page
// in blue and waits for one key press.
void ShowUsage(const std::string& badOption);

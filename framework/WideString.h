// WideString: a text of the process's code page in UTF-16, for the wide GDI calls.
#pragma once

#include <string>

class WideString {
public:
    // The ANSI GDI calls read bytes in the code page of the selected font's
    // character set, not in the process's (UTF-8 with the program's manifest):
    // texts that may hold any character are drawn through the wide calls.
    static std::wstring FromProcessCodePage(const std::string& text);
};

// WideText: a pane's characters in UTF-16, the form the wide drawing and clipboard calls take.
#pragma once

#include "pane/PaneText.h"

#include <cstdint>
#include <string>

class WideText {
public:
    // The UTF-16 units of one character, written to units (room for two); returns how many.
    static int Encode(uint32_t character, wchar_t* units);
    // The characters of `length` bytes of a text of the given kind, each line break as CR LF.
    static std::wstring FromPaneBytes(TextKind kind, const char* bytes, int32_t length);
};

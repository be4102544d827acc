#include "pane/WideText.h"

int WideText::Encode(uint32_t character, wchar_t* units)
{
    if (character < 0x10000) {
        units[0] = static_cast<wchar_t>(character);
        return 1;
    }
    character -= 0x10000;
    units[0] = static_cast<wchar_t>(0xD800 + (character >> 10));
    units[1] = static_cast<wchar_t>(0xDC00 + (character & 0x3FF));
    return 2;
}

std::wstring WideText::FromPaneBytes(TextKind kind, const char* bytes, int32_t length)
{
    std::wstring wide;
    wide.reserve(static_cast<size_t>(length) + 16);
    for (int32_t i = 0; i < length;) {
        uint32_t character = 0;
        i += PaneText::CharacterAt(kind, bytes + i, length - i, character);
        if (character == '\n')
            wide.push_back(L'\r');
        wchar_t units[2];
        wide.append(units, static_cast<size_t>(Encode(character, units)));
    }
    return wide;
}

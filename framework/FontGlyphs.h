// FontGlyphs: whether the font selected into a device context has a glyph for every character of a text.
#pragma once

#include <windows.h>

// True when the font selected into dc draws each of the `count` UTF-16 units
// at `text` with a glyph of its own (not the box of a missing character); also
// true when the system cannot tell.
bool FontHasGlyphs(HDC dc, const wchar_t* text, int count);

#include "framework/FontGlyphs.h"

#include <algorithm>
#include <vector>

bool FontHasGlyphs(HDC dc, const wchar_t* text, int count)
{
    if (count <= 0)
        return true;
    std::vector<WORD> glyphs(static_cast<size_t>(count));
    if (GetGlyphIndicesW(dc, text, count, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return true;
    return std::find(glyphs.begin(), glyphs.end(), static_cast<WORD>(0xFFFF)) == glyphs.end();
}

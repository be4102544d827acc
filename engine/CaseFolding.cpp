#include "engine/CaseFolding.h"

#include "engine/Utf8.h"

#include <algorithm>
#include <iterator>

namespace {

// The characters first to last (every one, or every second from first where
// upper and lower case alternate) fold to the character delta places on.
struct FoldRange {
    uint32_t first;
    uint32_t last;
    int32_t delta;
    uint32_t every;
};

constexpr FoldRange kFoldRanges[] = {
    {0x0041, 0x005A, 32, 1},  // A-Z
    {0x00B5, 0x00B5, 0x03BC - 0x00B5, 1},  // micro sign: Greek mu
    {0x00C0, 0x00D6, 32, 1},  // À-Ö
    {0x00D8, 0x00DE, 32, 1},  // Ø-Þ
    {0x0100, 0x012E, 1, 2},  // Ā-Į
    {0x0132, 0x0136, 1, 2},  // Ĳ-Ķ (İ and ı have no one-character folding)
    {0x0139, 0x0147, 1, 2},  // Ĺ-Ň
    {0x014A, 0x0176, 1, 2},  // Ŋ-Ŷ
    {0x0178, 0x0178, 0x00FF - 0x0178, 1},  // Ÿ: ÿ
    {0x0179, 0x017D, 1, 2},  // Ź-Ž
    {0x017F, 0x017F, 's' - 0x017F, 1},  // long s
    {0x0370, 0x0372, 1, 2},  // Ͱ, Ͳ
    {0x0376, 0x0376, 1, 1},  // Ͷ
    {0x037F, 0x037F, 0x03F3 - 0x037F, 1},  // Ϳ
    {0x0386, 0x0386, 0x03AC - 0x0386, 1},  // Ά
    {0x0388, 0x038A, 0x03AD - 0x0388, 1},  // Έ-Ί
    {0x038C, 0x038C, 0x03CC - 0x038C, 1},  // Ό
    {0x038E, 0x038F, 0x03CD - 0x038E, 1},  // Ύ, Ώ
    {0x0391, 0x03A1, 32, 1},  // Α-Ρ
    {0x03A3, 0x03AB, 32, 1},  // Σ-Ϋ
    {0x03C2, 0x03C2, 1, 1},  // final sigma: σ
    {0x03CF, 0x03CF, 0x03D7 - 0x03CF, 1},  // Ϗ
    {0x03D0, 0x03D0, 0x03B2 - 0x03D0, 1},  // beta symbol
    {0x03D1, 0x03D1, 0x03B8 - 0x03D1, 1},  // theta symbol
    {0x03D5, 0x03D5, 0x03C6 - 0x03D5, 1},  // phi symbol
    {0x03D6, 0x03D6, 0x03C0 - 0x03D6, 1},  // pi symbol
    {0x03D8, 0x03EE, 1, 2},  // Ϙ-Ϯ
    {0x03F0, 0x03F0, 0x03BA - 0x03F0, 1},  // kappa symbol
    {0x03F1, 0x03F1, 0x03C1 - 0x03F1, 1},  // rho symbol
    {0x03F4, 0x03F4, 0x03B8 - 0x03F4, 1},  // capital theta symbol
    {0x03F5, 0x03F5, 0x03B5 - 0x03F5, 1},  // lunate epsilon symbol
    {0x03F7, 0x03F7, 1, 1},  // Ϸ
    {0x03F9, 0x03F9, 0x03F2 - 0x03F9, 1},  // capital lunate sigma
    {0x03FA, 0x03FA, 1, 1},  // Ϻ
    {0x03FD, 0x03FF, 0x037B - 0x03FD, 1},  // Ͻ-Ͽ
    {0x0400, 0x040F, 80, 1},  // Ѐ-Џ
    {0x0410, 0x042F, 32, 1},  // А-Я
    {0x0460, 0x0480, 1, 2},  // Ѡ-Ҁ
    {0x048A, 0x04BE, 1, 2},  // Ҋ-Ҿ
    {0x04C0, 0x04C0, 0x04CF - 0x04C0, 1},  // palochka
    {0x04C1, 0x04CD, 1, 2},  // Ӂ-Ӎ
    {0x04D0, 0x04FE, 1, 2},  // Ӑ-Ӿ
    {0x0500, 0x052E, 1, 2},  // Ԁ-Ԯ
};

// The text with every well-formed character folded; other bytes stay.
std::string FoldedText(const std::string& text)
{
    std::string folded;
    folded.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        uint32_t character = 0;
        const size_t length = DecodeUtf8(p, static_cast<size_t>(end - p), character);
        if (length == 0) {
            folded.push_back(static_cast<char>(*p++));
            continue;
        }
        AppendUtf8(folded, FoldCase(character));
        p += length;
    }
    return folded;
}

}  // namespace

uint32_t FoldCase(uint32_t character)
{
    // The last range that starts at or before the character.
    const FoldRange* range = std::upper_bound(std::begin(kFoldRanges), std::end(kFoldRanges), character,
                                              [](uint32_t c, const FoldRange& r) { return c < r.first; });
    if (range == std::begin(kFoldRanges))
        return character;
    --range;
    if (character > range->last || (character - range->first) % range->every != 0)
        return character;
    return static_cast<uint32_t>(static_cast<int32_t>(character) + range->delta);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return FoldedText(a) == FoldedText(b);
}

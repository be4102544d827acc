#include "engine/LineCharacters.h"

#include "engine/CaseFolding.h"
#include "engine/Utf8.h"

#include <algorithm>
#include <iterator>

namespace {

// A byte that is no UTF-8 is compared as this plus the byte: beyond every
// character, so that it equals no character.
constexpr uint32_t kByteUnit = 0x110000;

// Characters beyond ASCII that are punctuation, symbols or spaces rather
// than letters or digits: the blocks where text meets them. Every other
// character beyond ASCII counts as a letter, which is right for the letters
// of every script and keeps the table short.
struct CharacterRange {
    uint32_t first;
    uint32_t last;
};

constexpr CharacterRange kNonWordRanges[] = {
    {0x0080, 0x00A9},   {0x00AB, 0x00B4}, {0x00B6, 0x00B9}, {0x00BB, 0x00BF},  // Latin-1 signs (ª µ º are letters)
    {0x00D7, 0x00D7},   {0x00F7, 0x00F7},  // × ÷
    {0x037E, 0x037E},   {0x0387, 0x0387}, {0x0482, 0x0482},  // Greek and Cyrillic punctuation
    {0x055A, 0x055F},   {0x0589, 0x058A}, {0x05BE, 0x05BE}, {0x05C0, 0x05C0},
    {0x05C3, 0x05C3},   {0x05F3, 0x05F4}, {0x060C, 0x060D}, {0x061B, 0x061F},
    {0x066A, 0x066D},   {0x06D4, 0x06D4}, {0x0964, 0x0965}, {0x2000, 0x206F},  // general punctuation and spaces
    {0x20A0, 0x20CF},  // currency
    {0x2190, 0x2BFF},  // arrows, mathematics, technical, box drawing, shapes, dingbats
    {0x2E00, 0x2E7F},  // supplemental punctuation
    {0x3000, 0x3003},   {0x3008, 0x3020}, {0x3030, 0x3030}, {0x303D, 0x303D},  // CJK punctuation
    {0x30FB, 0x30FB},   {0xFE10, 0xFE1F}, {0xFE30, 0xFE6F}, {0xFF01, 0xFF0F},
    {0xFF1A, 0xFF20},   {0xFF3B, 0xFF3E}, {0xFF40, 0xFF40}, {0xFF5B, 0xFF65},  // fullwidth signs
    {0xFFF0, 0xFFFF},  // specials, the replacement character among them
    {0x1F000, 0x1FAFF},  // pictographs
};

// A character beyond ASCII.
bool IsWordCharacter(uint32_t c)
{
    const auto* const end = std::end(kNonWordRanges);
    const auto* range = std::lower_bound(std::begin(kNonWordRanges), end, c,
                                         [](const CharacterRange& r, uint32_t value) { return r.last < value; });
    return range == end || c < range->first;
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

}  // namespace

LineCharacter LineCharacters::BeyondAsciiAt(size_t position) const
{
    const auto* p = reinterpret_cast<const unsigned char*>(line_.data()) + position;
    LineCharacter c;
    uint32_t character = 0;
    c.length = DecodeUtf8(p, line_.size() - position, character);
    if (c.length == 0) {
        c.length = 1;
        c.kind = LineRules::IsBlank(*p) ? CharacterKind::Blank : CharacterKind::Other;
        c.unit = kByteUnit + *p;
        return c;
    }
    c.kind = character == 0xA0            ? CharacterKind::Blank
             : IsWordCharacter(character) ? CharacterKind::Word
                                          : CharacterKind::Other;
    c.unit = rules_.ignoreCase ? FoldCase(character) : character;
    return c;
}

size_t LineCharacters::Previous(size_t position) const
{
    // The nearest byte before that can lead a character: the character is
    // that sequence when it ends exactly here, else the last byte alone (a
    // byte of a broken sequence), as the forward walk reads them.
    const auto* p = reinterpret_cast<const unsigned char*>(line_.data());
    const size_t farthest = std::min(position, kLongestUtf8);
    for (size_t back = 1; back <= farthest; ++back) {
        const size_t lead = position - back;
        if (IsContinuation(p[lead]))
            continue;
        uint32_t character = 0;
        return DecodeUtf8(p + lead, line_.size() - lead, character) == back ? lead : position - 1;
    }
    return position - 1;
}

size_t LineCharacters::TokenStart(size_t position) const
{
    size_t start = Previous(position);
    const CharacterKind kind = At(start).kind;
    if (kind == CharacterKind::Other)
        return start;
    while (start > 0) {
        const size_t before = Previous(start);
        if (At(before).kind != kind)
            break;
        start = before;
    }
    return start;
}

size_t LineCharacters::TokenEnd(size_t position) const
{
    const LineCharacter first = At(position);
    size_t end = position + first.length;
    if (first.kind == CharacterKind::Other)
        return end;
    while (end < line_.size()) {
        const LineCharacter next = At(end);
        if (next.kind != first.kind)
            break;
        end += next.length;
    }
    return end;
}

size_t CountCharacters(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        count += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    return count;
}

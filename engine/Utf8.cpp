#include "engine/Utf8.h"

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length a lead byte announces and the range its second byte must lie
// in so that the sequence is neither overlong, a surrogate nor beyond
// U+10FFFF; 0 for a byte that cannot lead.
struct LeadRule {
    size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

LeadRule RuleFor(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4, 0x80, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// How many bytes after the lead, up to `available` in all, fit the rule.
size_t FittingBytes(const unsigned char* p, size_t available, const LeadRule& rule)
{
    size_t n = 1;
    if (n < available && n < rule.length && p[1] >= rule.secondLow && p[1] <= rule.secondHigh) {
        ++n;
        while (n < available && n < rule.length && IsContinuation(p[n]))
            ++n;
    }
    return n;
}

}  // namespace

size_t DecodeUtf8(const unsigned char* p, size_t available, uint32_t& character)
{
    if (available == 0)
        return 0;
    if (p[0] < 0x80) {
        character = p[0];
        return 1;
    }
    const LeadRule rule = RuleFor(p[0]);
    if (rule.length == 0 || FittingBytes(p, available, rule) != rule.length)
        return 0;
    uint32_t value = p[0] & (0xFFu >> (rule.length + 1));
    for (size_t i = 1; i < rule.length; ++i)
        value = value << 6 | (p[i] & 0x3Fu);
    character = value;
    return rule.length;
}

bool IsUtf8Prefix(const unsigned char* p, size_t n)
{
    if (n == 0 || p[0] < 0x80)
        return false;
    const LeadRule rule = RuleFor(p[0]);
    return rule.length > n && FittingBytes(p, n, rule) == n;
}

size_t EncodeUtf8(uint32_t character, char* out)
{
    if (character < 0x80) {
        out[0] = static_cast<char>(character);
        return 1;
    }
    // The bits of the lead byte, then six bits a continuation byte.
    const size_t length = character < 0x800 ? 2 : character < 0x10000 ? 3 : 4;
    const unsigned leadMarks[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (size_t i = length - 1; i > 0; --i) {
        out[i] = static_cast<char>(0x80 | (character & 0x3F));
        character >>= 6;
    }
    out[0] = static_cast<char>(leadMarks[length] | character);
    return length;
}

void AppendUtf8(std::string& out, uint32_t character)
{
    char bytes[kLongestUtf8];
    out.append(bytes, EncodeUtf8(character, bytes));
}

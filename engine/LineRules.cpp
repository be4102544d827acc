#include "engine/LineRules.h"

#include "engine/CaseFolding.h"
#include "engine/Utf8.h"

#include <cstring>

namespace {

// A byte of a line that is not UTF-8 text, above 0x7F, is read as this plus
// the byte: beyond every character, so that it equals no character.
constexpr uint32_t kByteUnit = 0x110000;
// The line feed that ends every line is no continuation byte, so it stops
// the decoding of a character there: no read goes past the line.
constexpr size_t kLongestCharacter = kLongestUtf8;

// True when the line from p on is well-formed UTF-8.
bool RestIsUtf8(const unsigned char* p)
{
    while (*p != '\n') {
        uint32_t character = 0;
        size_t length = DecodeUtf8(p, kLongestCharacter, character);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

// Reads a line as the rules see it: unit by unit (characters or bytes),
// blanks skipped under ignore blanks, folded under ignore case.
class LineReader {
public:
    LineReader(const char* line, const LineRules& rules)
        : p_(reinterpret_cast<const unsigned char*>(line)),
          rules_(rules)
    {
    }

    // The next unit that takes part; the line feed at the end, again and again.
    uint32_t Next()
    {
        for (;;) {
            uint32_t unit = *p_;
            if (unit == '\n')
                return unit;
            bool blank = false;
            if (unit < 0x80 || !InCharacters()) {
                ++p_;
                blank = LineRules::IsBlank(static_cast<unsigned char>(unit));
                if (rules_.ignoreCase)
                    unit = LineRules::ToLower(static_cast<unsigned char>(unit));
                if (unit >= 0x80)
                    unit += kByteUnit;
            } else {
                p_ += DecodeUtf8(p_, kLongestCharacter, unit);
                blank = unit == 0xA0;
                if (rules_.ignoreCase)
                    unit = FoldCase(unit);
            }
            if (!(rules_.ignoreBlanks && blank))
                return unit;
        }
    }

    const char* Position() const { return reinterpret_cast<const char*>(p_); }

private:
    // Decided at the first byte beyond ASCII: everything before it was ASCII.
    bool InCharacters()
    {
        if (characters_ == Undecided)
            characters_ = RestIsUtf8(p_) ? Yes : No;
        return characters_ == Yes;
    }

    enum Decision { Undecided, Yes, No };
    const unsigned char* p_;
    const LineRules& rules_;
    Decision characters_ = Undecided;
};

// Mixes a unit as the bytes that stand for it: an ASCII character or a
// byte as itself, any other character as its UTF-8 form.
uint32_t MixUnit(uint32_t h, uint32_t unit)
{
    if (unit < 0x80)
        return LineRules::Mix(h, static_cast<unsigned char>(unit));
    if (unit >= kByteUnit)
        return LineRules::Mix(h, static_cast<unsigned char>(unit - kByteUnit));
    char bytes[kLongestUtf8];
    size_t length = EncodeUtf8(unit, bytes);
    for (size_t i = 0; i < length; ++i)
        h = LineRules::Mix(h, static_cast<unsigned char>(bytes[i]));
    return h;
}

}  // namespace

uint32_t LineRules::Hash(const char* line, const char** lineFeed) const
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(line);
    uint32_t h = 0;
    if (!ignoreBlanks && !ignoreCase) {
        for (; *p != '\n'; ++p)
            h = Mix(h, *p);
        if (lineFeed)
            *lineFeed = reinterpret_cast<const char*>(p);
        return h;
    }
    LineReader reader(line, *this);
    for (uint32_t unit; (unit = reader.Next()) != '\n';)
        h = MixUnit(h, unit);
    if (lineFeed)
        *lineFeed = reader.Position();
    return h;
}

bool LineRules::Equal(const char* a, uint32_t lengthA, const char* b, uint32_t lengthB) const
{
    if (lengthA == lengthB && std::memcmp(a, b, lengthA) == 0)
        return true;
    if (!ignoreBlanks && !ignoreCase)
        return false;
    LineReader p(a, *this);
    LineReader q(b, *this);
    for (;;) {
        uint32_t c = p.Next();
        if (c != q.Next())
            return false;
        if (c == '\n')
            break;
    }
    if (ignoreBlanks)
        return true;
    // The line feed counts: a last line without one (its length stops short
    // of the line feed the engine holds after it) differs from a line with one.
    bool endedA = lengthA > static_cast<uint32_t>(p.Position() - a);
    bool endedB = lengthB > static_cast<uint32_t>(q.Position() - b);
    return endedA == endedB;
}

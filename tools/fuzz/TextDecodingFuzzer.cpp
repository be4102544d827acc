// libFuzzer target for reading text: the decoding of a file's content after
// its byte-order mark, the reading of single UTF-8 characters, and the line
// rules that fold and skip characters.
//
// Every input is taken as a file's content; its decoded form must be what the
// mark says, and UTF-16 must come out as well-formed UTF-8 that encodes back
// to the same units wherever nothing had to be replaced. The same input, cut
// into two lines, must compare alike both ways round, and lines that the
// rules find equal must hash alike.

#include "engine/LineRules.h"
#include "engine/TextEncoding.h"
#include "engine/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "decoding fault: %s\n", what);
    std::abort();
}

// The characters of well-formed UTF-8 text; fails on anything else.
std::vector<uint32_t> Characters(const std::string& text)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text.data());
    std::vector<uint32_t> characters;
    for (size_t i = 0; i < text.size();) {
        uint32_t character = 0;
        size_t length = DecodeUtf8(p + i, text.size() - i, character);
        if (length == 0)
            Fail("decoded UTF-16 is not well-formed UTF-8");
        characters.push_back(character);
        i += length;
    }
    return characters;
}

std::string Utf16(const std::vector<uint32_t>& characters, bool bigEndian)
{
    std::string out;
    auto unit = [&](uint32_t u) {
        out += static_cast<char>(bigEndian ? u >> 8 : u & 0xFF);
        out += static_cast<char>(bigEndian ? u & 0xFF : u >> 8);
    };
    for (uint32_t c : characters) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

void CheckDecodedContent(const std::string& content)
{
    std::string decoded = content;
    DecodeFileContent(decoded);
    ByteOrderMark mark = DetectByteOrderMark(content.data(), content.size());
    if (mark == ByteOrderMark::None && decoded != content)
        Fail("content without a mark changed");
    if (mark == ByteOrderMark::Utf8 && decoded != content.substr(3))
        Fail("a UTF-8 mark is not simply dropped");
    if (mark != ByteOrderMark::Utf16LittleEndian && mark != ByteOrderMark::Utf16BigEndian)
        return;
    std::vector<uint32_t> characters = Characters(decoded);
    bool replaced = false;
    for (uint32_t c : characters)
        replaced = replaced || c == kReplacementCharacter;
    if (characters.size() > content.size() / 2)
        Fail("more characters than UTF-16 units");
    if (!replaced && Utf16(characters, mark == ByteOrderMark::Utf16BigEndian) != content.substr(2))
        Fail("decoded UTF-16 does not encode back to the same units");
}

// Each sequence the reader accepts is the one way to write its character,
// and a sequence cut short is a prefix and nothing more.
void CheckCharacterReading(const unsigned char* data, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        uint32_t character = 0;
        size_t length = DecodeUtf8(data + i, size - i, character);
        if (length > size - i)
            Fail("a character longer than the bytes available");
        if (length > 0) {
            std::string again;
            AppendUtf8(again, character);
            if (again != std::string(reinterpret_cast<const char*>(data + i), length))
                Fail("an accepted sequence that is not the character's own form");
            for (size_t cut = 1; cut < length; ++cut) {
                if (!IsUtf8Prefix(data + i, cut) || DecodeUtf8(data + i, cut, character) != 0)
                    Fail("a cut sequence is not a prefix");
            }
        } else if (IsUtf8Prefix(data + i, size - i) && size - i > 4) {
            Fail("a prefix longer than any character");
        }
    }
}

// Byte 0 holds the options and where the first line ends; each line is held
// with a line feed after it, as the engine holds its lines.
void CheckLineRules(const unsigned char* data, size_t size)
{
    if (size == 0)
        return;
    LineRules rules{(data[0] & 1) != 0, (data[0] & 2) != 0};
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    for (char& c : rest) {
        if (c == '\n')
            c = ' ';
    }
    size_t cut = rest.empty() ? 0 : (data[0] >> 2) % (rest.size() + 1);
    std::string a = rest.substr(0, cut) + '\n';
    std::string b = rest.substr(cut) + '\n';
    uint32_t lengthA = static_cast<uint32_t>(a.size());
    uint32_t lengthB = static_cast<uint32_t>(b.size());
    bool equal = rules.Equal(a.c_str(), lengthA, b.c_str(), lengthB);
    if (equal != rules.Equal(b.c_str(), lengthB, a.c_str(), lengthA))
        Fail("line comparison depends on the order");
    if (!rules.Equal(a.c_str(), lengthA, a.c_str(), lengthA)
        || !rules.Equal(a.c_str(), lengthA - 1, a.c_str(), lengthA - 1))
        Fail("a line differs from itself");
    const char* lineFeed = nullptr;
    uint32_t hashA = rules.Hash(a.c_str(), &lineFeed);
    if (lineFeed != a.c_str() + a.size() - 1)
        Fail("the hash did not stop at the line feed");
    if (equal && hashA != rules.Hash(b.c_str()))
        Fail("equal lines hash differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckDecodedContent(std::string(reinterpret_cast<const char*>(data), size));
    CheckCharacterReading(data, size);
    CheckLineRules(data, size);
    return 0;
}

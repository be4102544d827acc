#include "engine/TextEncoding.h"

#include "engine/Utf8.h"

#include <cstdint>

namespace {

constexpr size_t kUtf8MarkLength = 3;
constexpr size_t kUtf16MarkLength = 2;

bool StartsWith(const char* bytes, size_t n, const char* mark, size_t length)
{
    if (n < length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (bytes[i] != mark[i])
            return false;
    return true;
}

bool IsHighSurrogate(uint32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(uint32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The UTF-16 code units of the content after the mark, read in the mark's
// byte order and written out as UTF-8.
std::string DecodeUtf16(const std::string& content, bool bigEndian)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(content.data());
    const size_t units = (content.size() - kUtf16MarkLength) / 2;
    auto unitAt = [&](size_t i) -> uint32_t {
        const unsigned char* p = bytes + kUtf16MarkLength + 2 * i;
        return bigEndian ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
    };
    std::string text;
    // Room for one and a half UTF-8 bytes a unit (Latin, Greek and Cyrillic
    // text take one or two); text of three-byte characters grows the string.
    text.reserve(units + units / 2 + 4);
    for (size_t i = 0; i < units; ++i) {
        const uint32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(unitAt(i + 1))) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(text, kReplacementCharacter);
        } else {
            AppendUtf8(text, unit);
        }
    }
    if ((content.size() - kUtf16MarkLength) % 2 != 0)
        AppendUtf8(text, kReplacementCharacter);
    return text;
}

}  // namespace

ByteOrderMark DetectByteOrderMark(const char* bytes, size_t n)
{
    if (StartsWith(bytes, n, "\xEF\xBB\xBF", kUtf8MarkLength))
        return ByteOrderMark::Utf8;
    if (StartsWith(bytes, n, "\xFF\xFE", kUtf16MarkLength))
        return ByteOrderMark::Utf16LittleEndian;
    if (StartsWith(bytes, n, "\xFE\xFF", kUtf16MarkLength))
        return ByteOrderMark::Utf16BigEndian;
    return ByteOrderMark::None;
}

void DecodeFileContent(std::string& content)
{
    switch (DetectByteOrderMark(content.data(), content.size())) {
    case ByteOrderMark::Utf8: content.erase(0, kUtf8MarkLength); break;
    case ByteOrderMark::Utf16LittleEndian: content = DecodeUtf16(content, false); break;
    case ByteOrderMark::Utf16BigEndian: content = DecodeUtf16(content, true); break;
    case ByteOrderMark::None: break;
    }
}

#include "engine/BinaryFile.h"

#include "engine/EngineError.h"
#include "engine/InputFile.h"
#include "engine/TextEncoding.h"
#include "engine/Utf8.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr size_t kSniffSize = 512;
constexpr size_t kBlockSize = 8192;

void ReportOpenFailure(MessageSink& messages, const std::string& path)
{
    ReportEngineError(messages, "Could not open file " + path + " to read", errno);
}

// A read that yields nothing has either failed, and the system says why, or
// met the end of a file that was expected to hold more.
void ReportReadFailure(MessageSink& messages, const std::string& path, const InputFile& file)
{
    const std::string subject = "Could not read from file " + path;
    if (file.Failed())
        ReportEngineError(messages, subject, errno);
    else
        ReportEngineFailure(messages, subject, "Unexpected end of file");
}

// Control characters that ordinary text uses: BS, TAB, LF, FF, CR and ESC.
bool IsTextControl(unsigned char c)
{
    return c == 0x08 || c == 0x09 || c == 0x0A || c == 0x0C || c == 0x0D || c == 0x1B;
}

// The length of the UTF-8 character at bytes[i], or 0 when none starts
// there. A character that the end of the sample cuts short counts whole.
size_t Utf8CharacterAt(const unsigned char* bytes, size_t i, size_t n)
{
    uint32_t character = 0;
    size_t length = DecodeUtf8(bytes + i, n - i, character);
    if (length == 0 && IsUtf8Prefix(bytes + i, n - i))
        length = n - i;
    return length;
}

// Counts the odd bytes; a zero byte counts as n odd bytes, so it alone makes
// the sample binary. The bytes of a well-formed UTF-8 character are text.
size_t CountOddBytes(const unsigned char* bytes, size_t n)
{
    size_t odd = 0;
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = bytes[i];
        if (c == 0)
            return odd + n;
        if (c >= 0x80) {
            size_t length = Utf8CharacterAt(bytes, i, n);
            if (length > 0)
                i += length - 1;
            else
                ++odd;
        } else if (c < 0x20 && !IsTextControl(c)) {
            ++odd;
        }
    }
    return odd;
}

bool StartsWithUtf16Mark(const unsigned char* bytes, size_t n)
{
    ByteOrderMark mark = DetectByteOrderMark(reinterpret_cast<const char*>(bytes), n);
    return mark == ByteOrderMark::Utf16LittleEndian || mark == ByteOrderMark::Utf16BigEndian;
}

}  // namespace

int IsBinaryFile(const std::string& path, MessageSink& messages)
{
    InputFile file;
    if (!file.Open(path)) {
        ReportOpenFailure(messages, path);
        return -1;
    }
    unsigned char sample[kSniffSize];
    errno = 0;
    size_t n = file.Read(reinterpret_cast<char*>(sample), kSniffSize);
    if (n == 0 && file.Failed()) {
        ReportReadFailure(messages, path, file);
        return -1;
    }
    // UTF-16 text is full of zero bytes, and its mark says what it is.
    if (StartsWithUtf16Mark(sample, n))
        return 0;
    // An empty file is text: nothing in it is odd.
    return 3 * CountOddBytes(sample, n) > n ? 1 : 0;
}

int BinaryFilesDiffer(const std::string& a, const std::string& b, int64_t size, MessageSink& messages)
{
    InputFile fileA;
    if (!fileA.Open(a)) {
        ReportOpenFailure(messages, a);
        return -1;
    }
    InputFile fileB;
    if (!fileB.Open(b)) {
        ReportOpenFailure(messages, b);
        return -1;
    }
    char blockA[kBlockSize];
    char blockB[kBlockSize];
    for (int64_t offset = 0; offset < size; offset += static_cast<int64_t>(kBlockSize)) {
        errno = 0;
        size_t readA = fileA.Read(blockA, kBlockSize);
        if (readA == 0) {
            ReportReadFailure(messages, a, fileA);
            return -1;
        }
        errno = 0;
        size_t k = fileB.Read(blockB, kBlockSize);
        if (k == 0) {
            ReportReadFailure(messages, b, fileB);
            return -1;
        }
        // A file that yields a different amount than the other no longer has
        // the common size: it differs, and no unread byte is compared.
        if (readA != k || std::memcmp(blockA, blockB, k) != 0)
            return 1;
    }
    return 0;
}

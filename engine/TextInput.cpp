#include "engine/TextInput.h"

#include "engine/ByteScan.h"
#include "engine/EngineError.h"
#include "engine/InputFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

constexpr size_t kFirstRead = 8192;
// Positions are 32-bit: room for the content, an appended line feed and an end.
constexpr uint64_t kLargestContent = UINT32_MAX - 2;

}  // namespace

bool ReadWholeFile(const std::string& name, ByteBuffer& content, MessageSink& messages, std::size_t room)
{
    struct stat status;
    if (stat(name.c_str(), &status) != 0) {
        ReportEngineError(messages, name, errno);
        return false;
    }
    InputFile file;
    if (!file.Open(name)) {
        ReportEngineError(messages, name, errno);
        return false;
    }
    // A regular file comes in one read; other files (pipes, devices) fill a buffer that
    // doubles whenever it is full. Positions are 32-bit: what does not fit is memory exhausted.
    const uint64_t expected = S_ISREG(status.st_mode) ? static_cast<uint64_t>(status.st_size) : kFirstRead;
    if (expected <= kLargestContent)
        content.reserve(static_cast<size_t>(expected) + 1 + room);
    if (!file.ReadAll(content, expected, kLargestContent))
        throw std::bad_alloc();
    if (file.Failed()) {
        ReportEngineError(messages, name, errno);
        return false;
    }
    if (!file.Close()) {
        ReportEngineError(messages, name, errno);
        return false;
    }
    return true;
}

void TranslateTextMode(ByteBuffer& content)
{
    if (content.empty())
        return;
    char* bytes = content.data();
    size_t end = static_cast<size_t>(ByteScan::Find(bytes, bytes + content.size(), 0x1A) - bytes);
    // Bytes before the first CR stay where they are; after it, the stretches
    // between two CRs move down as a whole.
    size_t out = static_cast<size_t>(ByteScan::Find(bytes, bytes + end, '\r') - bytes);
    size_t in = out;
    while (in < end) {
        const size_t cr = static_cast<size_t>(ByteScan::Find(bytes + in + 1, bytes + end, '\r') - bytes);
        // bytes[in] is a CR: it goes only when a line feed follows it.
        const size_t from = in + 1 < end && bytes[in + 1] == '\n' ? in + 1 : in;
        std::memmove(bytes + out, bytes + from, cr - from);
        out += cr - from;
        in = cr;
    }
    content.resize(out);
}

void TakeContent(EngineFile& file, ByteBuffer&& content)
{
    if (content.size() > kLargestContent)
        throw std::bad_alloc();
    file.buffer = std::move(content);
    file.incompleteLastLine = !file.buffer.empty() && file.buffer.back() != '\n';
    if (file.incompleteLastLine)
        file.buffer.push_back('\n');
    file.size = static_cast<uint32_t>(file.buffer.size());
}

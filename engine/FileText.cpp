#include "engine/FileText.h"

#include "engine/ByteScan.h"
#include "engine/InputFile.h"
#include "engine/MemoryExhaustion.h"

#include <algorithm>

namespace {

constexpr std::size_t kLargestText = static_cast<std::size_t>(kLargestPaneText);
// What is read first of a file whose size says nothing (a pipe, a device).
constexpr std::size_t kReadChunk = 1 << 16;

}  // namespace

bool ReadFileText(const std::string& path, std::string& text, MessageSink& messages, std::size_t room,
                  std::size_t limit)
{
    InputFile file;
    if (!file.Open(path)) {
        messages.ShowMessage("Could not open file " + path + " to read!");
        return false;
    }
    const uint64_t expected = file.RegularSize(kReadChunk);
    text.reserve(static_cast<std::size_t>(std::min<uint64_t>(expected, limit)) + 1 + room);
    if (!file.ReadAll(text, expected, std::min(limit, kLargestText))) {
        messages.ShowMessage(kInsufficientMemory);
        return false;
    }
    if (file.Failed()) {
        messages.ShowMessage("Could not open file " + path + " to read!");
        return false;
    }
    return true;
}

// A CR LF file has a CR on every line: listed in one scan, not found one
// call at a time. An empty file stays empty: it has no lines, and the
// comparison reads none, as `diff` does.
void NormaliseText(std::string& text)
{
    char* const begin = &text[0];
    char* const end = begin + text.size();
    ByteScan::ForEach(begin, end, '\r', [&](const char* cr) {
        if (cr + 1 == end || cr[1] != '\n')
            begin[cr - begin] = '\n';
    });
    for (char* zero = ByteScan::Find(begin, end, '\0'); zero != end; zero = ByteScan::Find(zero + 1, end, '\0')) {
        *zero = ' ';
    }
    if (!text.empty() && text.back() != '\n')
        text.push_back('\n');
}

#include "engine/ReadStage.h"

#include "engine/EquivClassTable.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

constexpr size_t kChunk = 256;

// Length of the common start of a and b (at most n bytes).
size_t CommonStart(const char* a, const char* b, size_t n)
{
    size_t i = 0;
    while (n - i >= kChunk && std::memcmp(a + i, b + i, kChunk) == 0)
        i += kChunk;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// Length of the common end of the n bytes that end at aEnd and at bEnd.
size_t CommonEnd(const char* aEnd, const char* bEnd, size_t n)
{
    size_t i = 0;
    while (n - i >= kChunk && std::memcmp(aEnd - i - kChunk, bEnd - i - kChunk, kChunk) == 0)
        i += kChunk;
    while (i < n && aEnd[-1 - static_cast<std::ptrdiff_t>(i)] == bEnd[-1 - static_cast<std::ptrdiff_t>(i)])
        ++i;
    return i;
}

int32_t CountLineFeeds(const char* from, const char* to)
{
    int32_t count = 0;
    while (from < to) {
        const void* found = std::memchr(from, '\n', static_cast<size_t>(to - from));
        if (!found)
            break;
        ++count;
        from = static_cast<const char*>(found) + 1;
    }
    return count;
}

bool AtLineStart(const EngineFile& file, uint32_t position)
{
    return position == 0 || file.buffer[position - 1] == '\n';
}

} // namespace

void FindIdenticalPrefix(EngineFile& left, EngineFile& right)
{
    uint32_t p = static_cast<uint32_t>(
        CommonStart(left.buffer.data(), right.buffer.data(), std::min(left.size, right.size)));
    // A last line without line feed belongs to the identical lines only when
    // both files end that way.
    bool leftPast = p > left.size - (left.incompleteLastLine ? 1 : 0);
    bool rightPast = p > right.size - (right.incompleteLastLine ? 1 : 0);
    if (leftPast != rightPast)
        --p;
    while (p > 0 && left.buffer[p - 1] != '\n')
        --p;
    for (EngineFile* file : {&left, &right}) {
        file->prefixEnd = p;
        file->prefixLines = CountLineFeeds(file->buffer.data(), file->buffer.data() + p);
    }
}

void FindIdenticalSuffix(EngineFile& left, EngineFile& right)
{
    left.suffixBegin = left.size;
    right.suffixBegin = right.size;
    if (left.incompleteLastLine != right.incompleteLastLine)
        return;
    // The walk stops where either file would enter its identical prefix.
    uint32_t room = std::min(left.size, right.size) - left.prefixEnd;
    uint32_t tail = static_cast<uint32_t>(CommonEnd(left.buffer.data() + left.size,
                                                    right.buffer.data() + right.size, room));
    uint32_t begin0 = left.size - tail;
    uint32_t begin1 = right.size - tail;
    if (!AtLineStart(left, begin0) || !AtLineStart(right, begin1)) {
        const void* lineFeed = std::memchr(left.buffer.data() + begin0, '\n', left.size - begin0);
        uint32_t step = lineFeed
            ? static_cast<uint32_t>(static_cast<const char*>(lineFeed) - (left.buffer.data() + begin0)) + 1
            : left.size - begin0;
        begin0 += step;
        begin1 += step;
    }
    left.suffixBegin = begin0;
    right.suffixBegin = begin1;
}

int32_t ClassifyLines(EngineFile& left, EngineFile& right, const LineRules& rules)
{
    int64_t expected = 0;
    for (EngineFile* file : {&left, &right}) {
        const char* base = file->buffer.data();
        file->bufferedLines = CountLineFeeds(base + file->prefixEnd, base + file->suffixBegin);
        expected += file->bufferedLines;
    }
    EquivClassTable table(expected, rules);
    for (EngineFile* file : {&left, &right}) {
        const char* base = file->buffer.data();
        int32_t n = file->bufferedLines;
        file->lineStart.resize(static_cast<size_t>(n) + 1);
        file->equivs.resize(static_cast<size_t>(n));
        uint32_t position = file->prefixEnd;
        for (int32_t i = 0; i < n; ++i) {
            const char* line = base + position;
            const char* lineFeed = nullptr;
            uint32_t hash = rules.Hash(line, lineFeed);
            uint32_t next = position + static_cast<uint32_t>(lineFeed - line) + 1;
            // A last line that had no line feed does not count the appended one.
            uint32_t length = next - position;
            if (next == file->size && file->incompleteLastLine)
                --length;
            file->lineStart[i] = position;
            file->equivs[i] = table.Classify(line, length, hash);
            position = next;
        }
        uint32_t end = file->suffixBegin;
        if (end == file->size && file->incompleteLastLine)
            --end;
        file->lineStart[n] = end;
    }
    return table.Size();
}

#include "engine/ReadStage.h"

#include "engine/BothSides.h"
#include "engine/ByteScan.h"
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

bool AtLineStart(const EngineFile& file, uint32_t position)
{
    return position == 0 || file.buffer[position - 1] == '\n';
}

}  // namespace

void FindIdenticalPrefix(EngineFile& left, EngineFile& right)
{
    uint32_t p =
        static_cast<uint32_t>(CommonStart(left.buffer.data(), right.buffer.data(), std::min(left.size, right.size)));
    // A last line without line feed belongs to the identical lines only when
    // both files end that way.
    bool leftPast = p > left.size - (left.incompleteLastLine ? 1 : 0);
    bool rightPast = p > right.size - (right.incompleteLastLine ? 1 : 0);
    if (leftPast != rightPast)
        --p;
    while (p > 0 && left.buffer[p - 1] != '\n')
        --p;
    // The prefix is the same bytes in both files: its lines are counted once.
    const auto lines = static_cast<int32_t>(ByteScan::Count(left.buffer.data(), left.buffer.data() + p, '\n'));
    for (EngineFile* file : {&left, &right}) {
        file->prefixEnd = p;
        file->prefixLines = lines;
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
    uint32_t tail =
        static_cast<uint32_t>(CommonEnd(left.buffer.data() + left.size, right.buffer.data() + right.size, room));
    uint32_t begin0 = left.size - tail;
    uint32_t begin1 = right.size - tail;
    if (!AtLineStart(left, begin0) || !AtLineStart(right, begin1)) {
        const char* from = left.buffer.data() + begin0;
        const char* end = left.buffer.data() + left.size;
        const char* lineFeed = ByteScan::Find(from, end, '\n');
        uint32_t step = static_cast<uint32_t>(lineFeed - from) + (lineFeed < end ? 1 : 0);
        begin0 += step;
        begin1 += step;
    }
    left.suffixBegin = begin0;
    right.suffixBegin = begin1;
}

namespace {

// Finds the start of every line from position up to the identical trailing
// lines, plus the end of the last of them, and hashes each line on the way:
// its hash waits in its equivs entry until the line is classified.
void FindAndHashLines(EngineFile& file, const LineRules& rules, uint32_t position)
{
    const char* base = file.buffer.data();
    while (position < file.suffixBegin) {
        file.lineStart.push_back(position);
        const char* lineFeed = nullptr;
        file.equivs.push_back(static_cast<int32_t>(rules.Hash(base + position, &lineFeed)));
        position = static_cast<uint32_t>(lineFeed - base) + 1;
    }
    file.bufferedLines = static_cast<int32_t>(file.lineStart.size());
    // A last line that had no line feed does not count the appended one.
    if (position == file.size && file.incompleteLastLine)
        --position;
    file.lineStart.push_back(position);
}

// Replaces the hash waiting in each equivs entry with the line's class. The
// bucket of the line kFar lines ahead is fetched into the cache, and the first
// class of the chain of the line kNear ahead, while this line is classified.
void ClassifyFile(EngineFile& file, EquivClassTable& table)
{
    constexpr int32_t kFar = 16, kNear = 8, kRing = 32;
    uint32_t buckets[kRing];
    const int32_t lines = file.bufferedLines;
    for (int32_t i = 0; i < std::min(kFar, lines); ++i)
        buckets[i] = table.BucketOf(static_cast<uint32_t>(file.equivs[i]));
    for (int32_t i = 0; i < lines; ++i) {
        if (i + kFar < lines) {
            uint32_t far = table.BucketOf(static_cast<uint32_t>(file.equivs[i + kFar]));
            buckets[(i + kFar) % kRing] = far;
            table.FetchBucket(far);
        }
        if (i + kNear < lines)
            table.FetchChain(buckets[(i + kNear) % kRing]);
        uint32_t hash = static_cast<uint32_t>(file.equivs[i]);
        file.equivs[i] = table.Classify(file.Line(i), file.LineLength(i), hash, buckets[i % kRing]);
    }
}

}  // namespace

int32_t ClassifyLines(EngineFile& left, EngineFile& right, const LineRules& rules)
{
    EngineFile* const files[2] = {&left, &right};
    // The two files are hashed at once; only the classes are shared.
    OnBothSides([&](int side) {
        EngineFile& file = *files[side];
        file.lineStart.clear();
        file.equivs.clear();
        // Room for lines of 8 bytes on average; shorter lines grow the arrays.
        size_t guess = (file.suffixBegin - file.prefixEnd) / 8 + 1;
        file.lineStart.reserve(guess + 1);
        file.equivs.reserve(guess);
        FindAndHashLines(file, rules, file.prefixEnd);
    });
    EquivClassTable table(static_cast<int64_t>(left.bufferedLines) + right.bufferedLines, rules);
    for (EngineFile* file : files)
        ClassifyFile(*file, table);
    return table.Size();
}

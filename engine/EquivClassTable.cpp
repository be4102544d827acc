#include "engine/EquivClassTable.h"

#include <stdexcept>

namespace {

// The largest prime below each power of two from 2^9 to 2^31.
constexpr int32_t kPrimes[] = {
    509,      1021,     2039,      4093,      8191,      16381,      32749,      65521,
    131071,   262139,   524287,    1048573,   2097143,   4194301,    8388593,    16777213,
    33554393, 67108859, 134217689, 268435399, 536870909, 1073741789, 2147483647,
};

}  // namespace

int32_t EquivClassTable::BucketCount(int64_t capacity)
{
    for (int32_t prime : kPrimes) {
        if (prime >= capacity / 3)
            return prime;
    }
    throw std::length_error("line class table beyond the largest bucket count");
}

EquivClassTable::EquivClassTable(int64_t expectedLines, const LineRules& rules) : rules_(rules)
{
    int64_t capacity = expectedLines + 1;
    bucketCount_ = static_cast<uint32_t>(BucketCount(capacity));
    buckets_.assign(bucketCount_, 0);
    links_.reserve(static_cast<size_t>(capacity));
    texts_.reserve(static_cast<size_t>(capacity));
    links_.push_back(Link{0, 0});
    texts_.push_back(Text{nullptr, 0});
}

int32_t EquivClassTable::Classify(const char* line, uint32_t length, uint32_t h, uint32_t bucket)
{
    int32_t& head = buckets_[bucket];
    for (int32_t i = head; i != 0; i = links_[i].next) {
        if (links_[i].hash != h)
            continue;
        const Text& c = texts_[i];
        // Skipped blanks, and letters whose folding is shorter or longer in
        // UTF-8 (long s is s), make lines of different lengths equal.
        if ((c.length == length || rules_.ignoreBlanks || rules_.ignoreCase)
            && rules_.Equal(c.text, c.length, line, length))
            return i;
    }
    links_.push_back(Link{head, h});
    texts_.push_back(Text{line, length});
    head = Size() - 1;
    return head;
}

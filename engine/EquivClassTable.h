// EquivClassTable: numbers lines by equivalence class, shared by both files of a comparison.
#pragma once

#include "engine/LineRules.h"

#include <cstdint>
#include <vector>

// Chained hashing: a prime number of buckets, about a third of the expected
// line count, each the head of a chain of classes linked by index. Class 0
// is reserved; real classes count from 1 in order of first appearance.
class EquivClassTable {
public:
    EquivClassTable(int64_t expectedLines, const LineRules& rules);

    // The class of the line (length as the engine counts it, hash as the
    // rules compute it), creating a new class when no earlier line is equal.
    int32_t Classify(const char* line, uint32_t length, uint32_t hash)
    {
        return Classify(line, length, hash, BucketOf(hash));
    }
    // The same, for a caller that already knows the line's bucket.
    int32_t Classify(const char* line, uint32_t length, uint32_t hash, uint32_t bucket);
    // Number of class numbers in use, the reserved class 0 included.
    int32_t Size() const { return static_cast<int32_t>(links_.size()); }

    uint32_t BucketOf(uint32_t hash) const { return hash % bucketCount_; }
    // Cache hints for a line classified soon: a big table misses the cache on
    // nearly every lookup, first in the bucket and then in the chain.
    void FetchBucket(uint32_t bucket) const { __builtin_prefetch(&buckets_[bucket]); }
    void FetchChain(uint32_t bucket) const { __builtin_prefetch(&links_[buckets_[bucket]]); }

    // The bucket count for a table of the given initial capacity: the first
    // prime of the list that is not less than a third of it.
    static int32_t BucketCount(int64_t capacity);

private:
    // A chain is walked on hashes alone; the text of a class is read only
    // when its hash matches, so the links are kept apart and dense.
    struct Link {
        int32_t next;
        uint32_t hash;
    };
    struct Text {
        const char* text;
        uint32_t length;
    };

    LineRules rules_;
    std::vector<Link> links_;
    std::vector<Text> texts_;
    uint32_t bucketCount_ = 0;
    std::vector<int32_t> buckets_;
};

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
    int32_t Classify(const char* line, uint32_t length, uint32_t hash);
    // Number of class numbers in use, the reserved class 0 included.
    int32_t Size() const { return static_cast<int32_t>(classes_.size()); }

    // The bucket count for a table of the given initial capacity: the first
    // prime of the list that is not less than a third of it.
    static int32_t BucketCount(int64_t capacity);

private:
    struct EquivClass {
        int32_t next;
        uint32_t hash;
        const char* text;
        uint32_t length;
    };

    LineRules rules_;
    std::vector<EquivClass> classes_;
    uint32_t bucketCount_ = 0;
    std::vector<int32_t> buckets_;
};

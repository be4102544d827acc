// FileStamp: a file's size and last write time, as a comparison saw them.
#pragma once

#include <cstdint>

// The last write time counts from 1970-01-01 00:00 UTC; each front end reads
// it from its own system, at the finest step that system keeps.
struct FileStamp {
    int64_t size = 0;
    int64_t seconds = 0;
    int32_t nanoseconds = 0;

    bool operator==(const FileStamp& other) const
    {
        return size == other.size && seconds == other.seconds && nanoseconds == other.nanoseconds;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

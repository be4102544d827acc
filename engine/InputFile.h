// InputFile: an open file that the engine reads, closed on every path.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens path read-only in binary mode; false (errno set) when it cannot.
    bool Open(const std::string& path);
    // Reads up to count bytes; returns how many arrived (0 at the end or on error).
    size_t Read(char* into, size_t count);
    bool Failed() const;
    // The size of the open file when it is a regular one; `otherwise` for anything else (a pipe,
    // a device), whose size says nothing. The status is the 64-bit one: a file of 2 GiB or more
    // reads as its size.
    uint64_t RegularSize(uint64_t otherwise) const;
    // The size that the 64-bit status of the file at `path` gives, and whether
    // it is a regular file, whose size is what reading it gives; false when
    // there is no status.
    static bool StatusSize(const std::string& path, uint64_t& size, bool* regular = nullptr);
    // Reads to the end rather than trusting a size, so that files that are not regular load too.
    // The buffer starts at `expected` + 1 bytes, so that a regular file meets its end in the first
    // read, and doubles when full. More than `limit` bytes are refused as soon as they are known
    // (an expected size beyond it refuses before reading; an endless device or a file that grows
    // stops there, not when memory runs out): false, and the buffer emptied. Failed() tells a read
    // error; the buffer holds what was read.
    template <typename Buffer>
    bool ReadAll(Buffer& buffer, uint64_t expected, uint64_t limit);
    // Closes the file; false (errno set) when closing failed.
    bool Close();

private:
    std::FILE* file_ = nullptr;
};

template <typename Buffer>
bool InputFile::ReadAll(Buffer& buffer, uint64_t expected, uint64_t limit)
{
    uint64_t used = 0;
    if (expected <= limit) {
        buffer.resize(static_cast<size_t>(expected + 1));
        for (;;) {
            if (used == buffer.size()) {
                if (used > limit)
                    break;
                buffer.resize(static_cast<size_t>(std::min(used * 2, limit + 1)));
            }
            const size_t got = Read(&buffer[static_cast<size_t>(used)], static_cast<size_t>(buffer.size() - used));
            if (got == 0)
                break;
            used += got;
        }
    }
    if (expected > limit || used > limit) {
        buffer = Buffer();
        return false;
    }
    buffer.resize(static_cast<size_t>(used));
    return true;
}

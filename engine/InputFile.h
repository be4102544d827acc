// InputFile: an open file that the engine reads, closed on every path.
#pragma once

#include <cstddef>
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
    // Closes the file; false (errno set) when closing failed.
    bool Close();

private:
    std::FILE* file_ = nullptr;
};

// CSharedFile: a file in moveable, shareable global memory, for handing data to the clipboard or a drop target.
#pragma once

#include <windows.h>

#include <cstddef>

class CSharedFile {
public:
    static constexpr size_t kGrowBy = 4096;

    CSharedFile() = default;
    ~CSharedFile();
    CSharedFile(const CSharedFile&) = delete;
    CSharedFile& operator=(const CSharedFile&) = delete;

    // Appends bytes, growing the block in steps of kGrowBy; throws std::bad_alloc.
    void Write(const void* data, size_t size);
    // Hands the block over to the caller; the file is empty afterwards.
    HGLOBAL Detach();

private:
    void Reserve(size_t size);

    HGLOBAL memory_ = nullptr;
    size_t capacity_ = 0;
    size_t length_ = 0;
};

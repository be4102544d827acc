#include "framework/CSharedFile.h"

#include <cstring>
#include <new>

namespace {
constexpr UINT kFlags = GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT;
}

CSharedFile::~CSharedFile()
{
    if (memory_)
        GlobalFree(memory_);
}

void CSharedFile::Reserve(size_t size)
{
    if (size <= capacity_ && memory_)
        return;
    const size_t capacity = (size / kGrowBy + 1) * kGrowBy;
    HGLOBAL grown = memory_ ? GlobalReAlloc(memory_, capacity, kFlags) : GlobalAlloc(kFlags, capacity);
    if (!grown)
        throw std::bad_alloc();
    memory_ = grown;
    capacity_ = capacity;
}

void CSharedFile::Write(const void* data, size_t size)
{
    Reserve(length_ + size);
    if (size == 0)
        return;
    void* block = GlobalLock(memory_);
    if (!block)
        throw std::bad_alloc();
    std::memcpy(static_cast<char*>(block) + length_, data, size);
    GlobalUnlock(memory_);
    length_ += size;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL block = memory_;
    memory_ = nullptr;
    capacity_ = length_ = 0;
    return block;
}

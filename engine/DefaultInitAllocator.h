// DefaultInitAllocator: an allocator whose containers leave new bytes uninitialised.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

// A file's content is read straight into its buffer: filling the buffer with
// zeros first would only write every byte twice.
template <typename T>
class DefaultInitAllocator : public std::allocator<T> {
public:
    template <typename U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };

    DefaultInitAllocator() = default;
    template <typename U>
    DefaultInitAllocator(const DefaultInitAllocator<U>& other) noexcept : std::allocator<T>(other)
    {
    }

    template <typename U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// The bytes of a file as the engine reads and compares them.
using ByteBuffer = std::vector<char, DefaultInitAllocator<char>>;

// ByteScan: finds the occurrences of one byte in a block eight bytes at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Some run-time libraries test memchr byte by byte; these functions test a
// whole 64-bit word at once, and ForEach reports every match of a word
// without a call per match, which matters when a million line feeds are to
// be found.
namespace ByteScan {

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;

// The high bit of exactly those bytes of `word` that equal `byte`.
inline uint64_t MatchMask(uint64_t word, unsigned char byte)
{
    const uint64_t x = word ^ (kOnes * byte);
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool kWordwise = true;
#else
constexpr bool kWordwise = false;
#endif

// Where in [from, end) the first byte equal to `byte` lies; end if none does.
inline const char* FindWordwise(const char* from, const char* end, char byte)
{
    if (kWordwise) {
        for (; end - from >= 8; from += 8) {
            uint64_t word;
            std::memcpy(&word, from, 8);
            const uint64_t mask = MatchMask(word, static_cast<unsigned char>(byte));
            if (mask != 0)
                return from + (__builtin_ctzll(mask) >> 3);
        }
    }
    for (; from < end; ++from) {
        if (*from == byte)
            return from;
    }
    return end;
}

// The same through the C library's memchr where it is known to be fast, the
// word-wise test where it may not be (the Windows run-time under Wine tests
// byte by byte).
inline const char* Find(const char* from, const char* end, char byte)
{
#ifdef _WIN32
    return FindWordwise(from, end, byte);
#else
    const void* found = std::memchr(from, byte, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
#endif
}

inline char* Find(char* from, char* end, char byte)
{
    return const_cast<char*>(Find(static_cast<const char*>(from), static_cast<const char*>(end), byte));
}

// Calls found(p) for every p in [begin, end) where *p equals `byte`, in
// order. `found` may change the byte at p, but no byte after it.
template <typename Found>
void ForEach(const char* begin, const char* end, char byte, Found&& found)
{
    const char* p = begin;
    if (kWordwise) {
        for (; end - p >= 8; p += 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            for (uint64_t mask = MatchMask(word, static_cast<unsigned char>(byte)); mask != 0; mask &= mask - 1)
                found(p + (__builtin_ctzll(mask) >> 3));
        }
    }
    for (; p < end; ++p) {
        if (*p == byte)
            found(p);
    }
}

// How many bytes of [begin, end) equal `byte`.
inline std::size_t Count(const char* begin, const char* end, char byte)
{
    std::size_t count = 0;
    if (kWordwise) {
        for (; end - begin >= 8; begin += 8) {
            uint64_t word;
            std::memcpy(&word, begin, 8);
            // One bit per matching byte, summed into the top byte.
            count += static_cast<std::size_t>(((MatchMask(word, static_cast<unsigned char>(byte)) >> 7) * kOnes) >> 56);
        }
    }
    for (; begin < end; ++begin)
        count += *begin == byte ? 1 : 0;
    return count;
}

}  // namespace ByteScan

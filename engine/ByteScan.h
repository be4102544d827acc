// ByteScan: finds the occurrences of one byte in a block 64 bytes at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Some run-time libraries test memchr byte by byte; these functions test 64
// bytes at a time (with SSE2 where the processor has it, else eight 64-bit
// words), and ForEach reports every match of a block without a call per
// match, which matters when a million line feeds are to be found.
namespace ByteScan {

constexpr std::ptrdiff_t kBlock = 64;
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

// Bit i set exactly where p[i] equals `byte`, for the kBlock bytes at p,
// from eight 64-bit words (for processors without SSE2).
inline uint64_t WordwiseBlockMask(const char* p, char byte)
{
    uint64_t mask = 0;
    for (int i = 0; i < 8; ++i) {
        uint64_t word;
        std::memcpy(&word, p + 8 * i, 8);
        // The eight high bits gathered into the top byte, the first byte's lowest.
        const uint64_t bits = ((MatchMask(word, static_cast<unsigned char>(byte)) >> 7) * 0x0102040810204080ull) >> 56;
        mask |= bits << (8 * i);
    }
    return mask;
}

// The same mask, from four 16-byte compares where the processor has SSE2.
inline uint64_t BlockMask(const char* p, char byte)
{
#ifdef __SSE2__
    const __m128i pattern = _mm_set1_epi8(byte);
    uint64_t mask = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        mask |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, pattern))))
                << (16 * i);
    }
    return mask;
#else
    return WordwiseBlockMask(p, byte);
#endif
}

// Bit i set exactly where p[i] is above 0x7F, for the kBlock bytes at p, from
// eight 64-bit words.
inline uint64_t WordwiseHighBlockMask(const char* p)
{
    uint64_t mask = 0;
    for (int i = 0; i < 8; ++i) {
        uint64_t word;
        std::memcpy(&word, p + 8 * i, 8);
        const uint64_t bits = (((word & ~kLow7) >> 7) * 0x0102040810204080ull) >> 56;
        mask |= bits << (8 * i);
    }
    return mask;
}

// The same mask, from the sign bits of four 16-byte loads where the processor has SSE2.
inline uint64_t HighBlockMask(const char* p)
{
#ifdef __SSE2__
    uint64_t mask = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        mask |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(bytes))) << (16 * i);
    }
    return mask;
#else
    return WordwiseHighBlockMask(p);
#endif
}

// Where in [from, end) the first byte equal to `byte` lies; end if none does.
inline const char* FindWordwise(const char* from, const char* end, char byte)
{
    if (kWordwise) {
        for (; end - from >= kBlock; from += kBlock) {
            const uint64_t mask = BlockMask(from, byte);
            if (mask != 0)
                return from + __builtin_ctzll(mask);
        }
    }
    for (; from < end; ++from) {
        if (*from == byte)
            return from;
    }
    return end;
}

// The same through the C library's memchr where it is known to be fast, the
// block-wise test where it may not be (the Windows run-time under Wine tests
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
        for (; end - p >= kBlock; p += kBlock) {
            for (uint64_t mask = BlockMask(p, byte); mask != 0; mask &= mask - 1)
                found(p + __builtin_ctzll(mask));
        }
    }
    for (; p < end; ++p) {
        if (*p == byte)
            found(p);
    }
}

// The number of bits set, inline: without a popcount instruction the
// compiler's own calls a library routine.
inline unsigned BitCount(uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<unsigned>((x * kOnes) >> 56);
}

// How many bytes of [begin, end) equal `byte`.
inline std::size_t Count(const char* begin, const char* end, char byte)
{
    std::size_t count = 0;
    if (kWordwise) {
        for (; end - begin >= kBlock; begin += kBlock)
            count += BitCount(BlockMask(begin, byte));
    }
    for (; begin < end; ++begin)
        count += *begin == byte ? 1 : 0;
    return count;
}

}  // namespace ByteScan

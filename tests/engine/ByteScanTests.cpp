// The word-wise byte scans against a plain walk over every byte, on blocks of
// every length and alignment with bytes that differ from the one sought by a
// single bit, and the masks of bytes above 0x7F likewise.
#include "engine/ByteScan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Blocks of lengths 0..40 and, fewer of them, up to 200 (past three 64-byte
// blocks) from an alphabet of near misses of '\n' (0x0A): 0x0B, 0x08, 0x8A,
// 0x0A with the high bit, 0x00, 0xFF, plus the byte itself.
std::vector<std::string> Blocks()
{
    const std::string alphabet("\n\x0B\x08\x8A\x00\xFF\x09\n", 8);
    std::mt19937 random(7);
    std::vector<std::string> blocks;
    for (int length = 0; length <= 200; ++length) {
        for (int round = 0; round < (length <= 40 ? 30 : 3); ++round) {
            std::string block;
            for (int i = 0; i < length; ++i)
                block.push_back(alphabet[random() % (round % 3 == 0 ? 7 : alphabet.size())]);
            blocks.push_back(block);
        }
    }
    return blocks;
}

TEST(ByteScan, FindsCountsAndListsEveryByteAsAWalkOverTheBlockDoes)
{
    for (const std::string& block : Blocks()) {
        // Every start offset, so that words begin at every alignment.
        for (std::size_t offset = 0; offset <= block.size(); ++offset) {
            const char* begin = block.data() + offset;
            const char* end = block.data() + block.size();
            if (end - begin >= ByteScan::kBlock) {
                uint64_t high = 0;
                for (int i = 0; i < ByteScan::kBlock; ++i)
                    high |= static_cast<unsigned char>(begin[i]) > 0x7F ? uint64_t{1} << i : 0;
                EXPECT_EQ(ByteScan::HighBlockMask(begin), high) << "offset " << offset;
                EXPECT_EQ(ByteScan::WordwiseHighBlockMask(begin), high) << "offset " << offset;
            }
            for (char byte : {'\n', '\0', static_cast<char>(0xFF), 'x'}) {
                std::vector<const char*> expected;
                for (const char* p = begin; p < end; ++p) {
                    if (*p == byte)
                        expected.push_back(p);
                }
                std::vector<const char*> listed;
                ByteScan::ForEach(begin, end, byte, [&](const char* p) { listed.push_back(p); });
                SCOPED_TRACE(::testing::Message() << "length " << block.size() << " offset " << offset << " byte "
                                                  << static_cast<int>(byte));
                EXPECT_EQ(listed, expected);
                EXPECT_EQ(ByteScan::Count(begin, end, byte), expected.size());
                const char* first = expected.empty() ? end : expected.front();
                EXPECT_EQ(ByteScan::FindWordwise(begin, end, byte), first);
                EXPECT_EQ(ByteScan::Find(begin, end, byte), first);
                if (end - begin >= ByteScan::kBlock) {
                    uint64_t mask = 0;
                    for (const char* p : expected)
                        mask |= p - begin < ByteScan::kBlock ? uint64_t{1} << (p - begin) : 0;
                    EXPECT_EQ(ByteScan::BlockMask(begin, byte), mask);
                    EXPECT_EQ(ByteScan::WordwiseBlockMask(begin, byte), mask);
                }
            }
        }
    }
}

}  // namespace

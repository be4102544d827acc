// Ignore case beyond ASCII: letters of UTF-8 lines fold as Unicode's own data
// (written once by Python into a fixture) says; other lines fold ASCII only.
#include "EngineTestFiles.h"

#include "engine/CaseFolding.h"
#include "engine/DiffFiles.h"
#include "engine/LineRules.h"
#include "engine/Utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Every character of the folded blocks and the character it folds to.
std::map<uint32_t, uint32_t> FixtureFolding()
{
    std::ifstream in(TANDREL_ENGINE_FIXTURES "/case-folding.txt");
    std::map<uint32_t, uint32_t> folding;
    for (std::string row; std::getline(in, row);) {
        if (row.empty() || row[0] == '#')
            continue;
        uint32_t character = 0, folded = 0;
        std::istringstream(row) >> std::hex >> character >> folded;
        folding[character] = folded;
    }
    return folding;
}

std::string Utf8(uint32_t character)
{
    std::string text;
    AppendUtf8(text, character);
    return text;
}

// Equal both ways round, and equal lines hash alike.
bool EqualLines(const LineRules& rules, const std::string& a, const std::string& b)
{
    const bool equal =
        rules.Equal(a.c_str(), static_cast<uint32_t>(a.size()), b.c_str(), static_cast<uint32_t>(b.size()));
    EXPECT_EQ(equal,
              rules.Equal(b.c_str(), static_cast<uint32_t>(b.size()), a.c_str(), static_cast<uint32_t>(a.size())));
    if (equal) {
        EXPECT_EQ(rules.Hash(a.c_str()), rules.Hash(b.c_str()));
    }
    return equal;
}

TEST(IgnoreCase, FoldsEveryLetterOfTheBlocksAsUnicodeDataSays)
{
    const std::map<uint32_t, uint32_t> folding = FixtureFolding();
    ASSERT_GT(folding.size(), 700u);
    const LineRules rules{false, true};
    for (const auto& [a, foldedA] : folding) {
        for (const auto& [b, foldedB] : folding) {
            if (b < a)
                continue;
            const bool equal = EqualLines(rules, "<" + Utf8(a) + ">\n", "<" + Utf8(b) + ">\n");
            ASSERT_EQ(equal, foldedA == foldedB) << std::hex << "U+" << a << " against U+" << b;
        }
    }
}

// The histories' comparison agrees with the line comparison's folding, in
// words of several characters and with bytes that are no UTF-8 beside them.
TEST(IgnoreCase, TextsCompareAsTheirCharactersFold)
{
    const std::map<uint32_t, uint32_t> folding = FixtureFolding();
    for (const auto& [a, foldedA] : folding) {
        for (const auto& [b, foldedB] : folding) {
            const std::string left = "x" + Utf8(a) + "\xFF" + Utf8(b);
            const std::string right = "X" + Utf8(foldedA) + "\xFF" + Utf8(foldedB);
            ASSERT_TRUE(EqualIgnoringCase(left, right)) << std::hex << "U+" << a << " U+" << b;
            ASSERT_EQ(EqualIgnoringCase(Utf8(a), Utf8(b)), foldedA == foldedB) << std::hex << "U+" << a << " U+" << b;
        }
    }
    EXPECT_FALSE(EqualIgnoringCase("\xFF", "\xFE"));
    EXPECT_FALSE(EqualIgnoringCase("abc", "abcd"));
}

struct LinePair {
    const char* what;
    bool ignoreBlanks;
    std::string a;
    std::string b;
    bool equal;
};

TEST(IgnoreCase, LinesThatAreNotUtf8FoldAsciiOnly)
{
    const LinePair cases[] = {
        {"UTF-8 letters", false, "ÉCOLE Ωμέγα ЁЖИК\n", "école ωΜΈΓΑ ёжик\n", true},
        {"final sigma", false, "ΟΔΟΣ\n", "οδος\n", true},
        {"no folding to more letters", false, "STRASSE\n", "straße\n", false},
        {"dotted capital I", false, "İ\n", "i\n", false},
        {"Windows-1252 letters", false,
         "\xC9"
         "cole\n",
         "\xE9"
         "cole\n",
         false},
        {"ASCII in a Windows-1252 line", false, "\xC9X\n", "\xC9x\n", true},
        {"a UTF-8 line cut at its end", false, "É\xC3\n", "é\xC3\n", false},
        {"a cut sequence, ASCII folded", false, "É\xC3X\n", "É\xC3x\n", true},
        {"a lone surrogate", false, "É\xED\xA0\x80\n", "é\xED\xA0\x80\n", false},
        {"overlong", false, "\xC1\x81\n", "\xC1\xA1\n", false},
        {"valid against invalid", false, "é\n", "\xE9\n", false},
        {"UTF-8 no-break space is blank", true,
         "a\xC2\xA0"
         "B\n",
         "ab\n", true},
        {"byte 0xA0 is blank outside UTF-8", true,
         "a\xA0"
         "B\n",
         "ab\n", true},
        {"0xA0 inside a UTF-8 letter is no blank", true, "à\n", "\xC3\n", false},
        {"blanks and case", true, "Ё Ж\tΣ\n", "ёжσ\n", true},
    };
    for (const LinePair& c : cases) {
        EXPECT_EQ(EqualLines(LineRules{c.ignoreBlanks, true}, c.a, c.b), c.equal) << c.what;
    }
}

// A last line without line feed is held with one after it, outside its
// length: under ignore case it still differs from the line with one, and a
// shorter folding (long s is s) does not make it equal.
TEST(IgnoreCase, ALastLineWithoutLineFeedDiffersFromOneWithIt)
{
    const LineRules rules{false, true};
    const std::string unended = "ſ\n";
    EXPECT_FALSE(rules.Equal(unended.c_str(), 2, "S\n", 2));
    EXPECT_FALSE(rules.Equal("S\n", 2, unended.c_str(), 2));
    EXPECT_TRUE(rules.Equal(unended.c_str(), 2, "S\n", 1));
    EXPECT_TRUE(rules.Equal(unended.c_str(), 3, "S\n", 2));
    EXPECT_TRUE(LineRules({true, true}).Equal(unended.c_str(), 2, "S\n", 2));
}

// Random lines of letters from the blocks against the same lines with every
// letter written in a random one of its cases: identical under ignore case,
// whatever the encoding of the letters, and different without it.
TEST(IgnoreCase, TextInOtherCasesIsIdentical)
{
    const std::map<uint32_t, uint32_t> folding = FixtureFolding();
    std::map<uint32_t, std::vector<uint32_t>> cases;
    for (const auto& [character, folded] : folding)
        cases[folded].push_back(character);
    std::vector<uint32_t> letters;
    for (const auto& [folded, members] : cases)
        if (members.size() > 1)
            letters.push_back(folded);
    std::mt19937 random(1301);
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    for (int pair = 0; pair < 200; ++pair) {
        std::string left, right;
        for (size_t line = pick(8); line > 0; --line) {
            for (size_t length = pick(12); length > 0; --length) {
                const std::vector<uint32_t>& members = cases[letters[pick(letters.size())]];
                left += Utf8(members[pick(members.size())]);
                right += Utf8(members[pick(members.size())]);
            }
            left += '\n';
            right += '\n';
        }
        CollectedMessages messages;
        DiffListing listing;
        EXPECT_EQ(DiffContents(ByteBuffer(left.begin(), left.end()), ByteBuffer(right.begin(), right.end()), false,
                               true, listing, messages),
                  0)
            << left << "against\n"
            << right;
        DiffListing caseListing;
        EXPECT_EQ(DiffContents(ByteBuffer(left.begin(), left.end()), ByteBuffer(right.begin(), right.end()), false,
                               false, caseListing, messages),
                  left == right ? 0 : 1);
        if (HasFailure())
            return;
    }
}

}  // namespace

// Marks inside a changed row pair: a table of pairs with their marks written
// in brackets, and generated similar pairs checked by what marks must mean.
#include "engine/InlineDiff.h"
#include "engine/LineRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// A text with its marks in brackets, taken apart.
struct Marked {
    std::string text;
    std::vector<ByteRange> ranges;
};

Marked Unbracket(const std::string& bracketed)
{
    Marked m;
    for (const char c : bracketed) {
        if (c == '[')
            m.ranges.push_back({static_cast<int32_t>(m.text.size()), 0});
        else if (c == ']')
            m.ranges.back().end = static_cast<int32_t>(m.text.size());
        else
            m.text += c;
    }
    return m;
}

std::string Bracket(const std::string& text, const std::vector<ByteRange>& ranges)
{
    std::string out;
    size_t next = 0;
    for (const ByteRange& r : ranges) {
        out += text.substr(next, static_cast<size_t>(r.start) - next) + '[';
        out += text.substr(static_cast<size_t>(r.start), static_cast<size_t>(r.end - r.start)) + ']';
        next = static_cast<size_t>(r.end);
    }
    return out + text.substr(std::min(next, text.size()));
}

LineRules Rules(const std::string& options)
{
    LineRules rules;
    rules.ignoreBlanks = options.find('b') != std::string::npos;
    rules.ignoreCase = options.find('i') != std::string::npos;
    return rules;
}

struct Case {
    const char* what;
    const char* options;
    const char* left;  // marks in brackets
    const char* right;
};

const Case kCases[] = {
    {"a word renamed", "", "int [count] = 0;", "int [total] = 0;"},
    {"one letter changed", "", "the colo[u]r is red", "the color is red"},
    {"an argument added at the end", "", "computeSum(values, count);", "computeSum(values, count[, true]);"},
    {"a word inserted in the middle", "", "a quick fox", "a quick [brown ]fox"},
    {"white space only", "", "a = b", "a [ ]= b"},
    {"white space only, ignoring blanks", "b", "a = b;[x]", "a  =  b;[y]"},
    {"tabs against spaces", "", "[\t]x = 1", "[    ]x = 1"},
    {"tabs against spaces, ignoring blanks", "b", "\tx = [1]", "    x = [2]"},
    {"tabs between words", "", "a\t[b]\tc", "a\t[B]\tc"},
    {"case only", "", "[H]ello there", "[h]ello there"},
    {"case only, ignoring case", "i", "Hello [t]here", "hello [w]here"},
    {"accented Latin", "", "caf[\xC3\xA9] cr[\xC3\xA8]me", "caf[e] cr[e]me"},
    {"Greek", "",
     "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7[\xCE\xBC]\xCE\xAD\xCF\x81\xCE\xB1 \xCE\xBA\xCF\x8C\xCF\x83\xCE\xBC\xCE\xB5",
     "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7[\xCF\x83\xCF\x80]\xCE\xAD\xCF\x81\xCE\xB1 "
     "\xCE\xBA\xCF\x8C\xCF\x83\xCE\xBC\xCE\xB5"},
    {"Greek, ignoring case", "i", "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91 [x]",
     "\xCF\x83\xCE\xBF\xCF\x86\xCE\xB9\xCE\xB1 [y]"},
    {"Cyrillic", "", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, [\xD0\xBC\xD0\xB8\xD1\x80]",
     "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, [\xD0\xB4\xD1\x80\xD1\x83\xD0\xB3]"},
    {"CJK", "", "\xE4\xBB\x8A\xE5\xA4\xA9\xE5\xA4\xA9\xE6\xB0\x94[\xE5\xBE\x88]\xE5\xA5\xBD",
     "\xE4\xBB\x8A\xE5\xA4\xA9\xE5\xA4\xA9\xE6\xB0\x94[\xE4\xB8\x8D]\xE5\xA5\xBD"},
    {"a character is never split", "", "x[\xC3\xA9]y", "x[\xC3\xA8]y"},
    {"a cut character against a whole one", "", "x[\xC3]", "x[\xC3\xA9]"},
    {"invalid UTF-8 bytes are characters of their own", "", "a[\xFF] b", "a[\xFE] b"},
    {"a line that is the start of the other", "", "abc def", "abc def[ ghi]"},
    {"two unrelated lines", "", "[the quick brown fox]", "[lorem ipsum dolor]"},
    {"an empty line against a full one", "", "", "[something]"},
    {"an equal stretch of two characters is marked", "", "f(a[1,b1])", "f(a[2,b2])"},
    {"an equal stretch of three characters is not", "", "f(a[1], b[1])", "f(a[2], b[2])"},
    {"rows equal under the options", "bi", "A  b", "a b"},
};

TEST(InlineDiff, MarksEachCaseOfTheTable)
{
    for (const Case& c : kCases) {
        const Marked left = Unbracket(c.left), right = Unbracket(c.right);
        const InlineMarks marks = FindInlineDifferences(left.text, right.text, Rules(c.options));
        EXPECT_EQ(c.left, Bracket(left.text, marks.left)) << c.what;
        EXPECT_EQ(c.right, Bracket(right.text, marks.right)) << c.what;
    }
}

// Everything outside the ranges.
std::string Unmarked(const std::string& text, const std::vector<ByteRange>& ranges)
{
    std::string out;
    size_t next = 0;
    for (const ByteRange& r : ranges) {
        out += text.substr(next, static_cast<size_t>(r.start) - next);
        next = static_cast<size_t>(r.end);
    }
    return out + text.substr(next);
}

bool EqualUnder(const LineRules& rules, std::string a, std::string b)
{
    a += '\n';
    b += '\n';
    return rules.Equal(a.c_str(), static_cast<uint32_t>(a.size() - 1), b.c_str(), static_cast<uint32_t>(b.size() - 1));
}

// Ascending, apart, inside the text and on character boundaries of well-formed UTF-8.
void ExpectWellFormed(const std::string& text, const std::vector<ByteRange>& ranges, const std::string& where)
{
    int32_t previousEnd = -1;
    for (const ByteRange& r : ranges) {
        EXPECT_LT(previousEnd, r.start) << where;
        EXPECT_LT(r.start, r.end) << where;
        EXPECT_LE(static_cast<size_t>(r.end), text.size()) << where;
        for (const int32_t edge : {r.start, r.end}) {
            if (static_cast<size_t>(edge) < text.size()) {
                EXPECT_NE(0x80, static_cast<unsigned char>(text[static_cast<size_t>(edge)]) & 0xC0) << where;
            }
        }
        previousEnd = r.end;
    }
}

// Pieces lines are made of: words of several scripts, white space, punctuation.
const std::vector<std::string> kPieces = {"alpha",
                                          "beta",
                                          "Gamma",
                                          "x",
                                          "count_2",
                                          "42",
                                          " ",
                                          "  ",
                                          "\t",
                                          ",",
                                          "(",
                                          ")",
                                          ";",
                                          "=",
                                          ".",
                                          "\xCE\xB1\xCE\xB2",
                                          "\xCE\x91\xCE\x92",
                                          "\xD0\xB4\xD0\xB0",
                                          "\xD0\x94\xD0\x90",
                                          "\xE4\xBB\x8A\xE5\xA4\xA9",
                                          "caf\xC3\xA9",
                                          "CAF\xC3\x89",
                                          "\xC2\xA0"};

class PairMaker {
public:
    explicit PairMaker(unsigned seed) : random_(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Line(int pieces)
    {
        std::string line;
        for (int i = 0; i < pieces; ++i)
            line += kPieces[static_cast<size_t>(Pick(static_cast<int>(kPieces.size())))];
        return line;
    }

    // The line with a few pieces inserted, deleted or replaced at piece boundaries.
    std::string Edited(std::string line, int edits)
    {
        for (int e = 0; e < edits; ++e) {
            const size_t at = BoundaryAt(line);
            const int kind = Pick(3);
            if (kind != 0 && at < line.size())
                line.erase(at, NextBoundary(line, at) - at);
            if (kind != 1)
                line.insert(at, kPieces[static_cast<size_t>(Pick(static_cast<int>(kPieces.size())))]);
        }
        return line;
    }

    // A character boundary at random.
    size_t BoundaryAt(const std::string& line)
    {
        size_t at = static_cast<size_t>(Pick(static_cast<int>(line.size()) + 1));
        while (at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80)
            ++at;
        return at;
    }

    static size_t NextBoundary(const std::string& line, size_t at)
    {
        do
            ++at;
        while (at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80);
        return at;
    }

private:
    std::mt19937 random_;
};

TEST(InlineDiff, RemovingTheMarksLeavesEqualTextsUnderTheOptions)
{
    PairMaker maker(22);
    for (const char* options : {"", "b", "i", "bi"}) {
        const LineRules rules = Rules(options);
        for (int n = 0; n < 1500; ++n) {
            const std::string left = maker.Line(1 + maker.Pick(30));
            const std::string right = maker.Edited(left, 1 + maker.Pick(4));
            const InlineMarks marks = FindInlineDifferences(left, right, rules);
            const std::string where = std::string("options '") + options + "': [" + left + "] [" + right + "]";
            ExpectWellFormed(left, marks.left, where);
            ExpectWellFormed(right, marks.right, where);
            EXPECT_TRUE(EqualUnder(rules, Unmarked(left, marks.left), Unmarked(right, marks.right))) << where;
        }
    }
}

TEST(InlineDiff, OneCharacterChangedMarksOnlyAFewCharacters)
{
    PairMaker maker(7);
    const LineRules exact;
    for (int n = 0; n < 3000; ++n) {
        const std::string left = maker.Line(12 + maker.Pick(20));
        std::string right = left;
        const size_t at = maker.BoundaryAt(left);
        const int kind = maker.Pick(3);
        if (kind != 0 && at < right.size())
            right.erase(at, PairMaker::NextBoundary(right, at) - at);
        if (kind != 1)
            right.insert(at, std::string(1, "aZ_ 9;."[maker.Pick(7)]));
        const InlineMarks marks = FindInlineDifferences(left, right, exact);
        int32_t marked = 0;
        for (const auto* side : {&marks.left, &marks.right}) {
            for (const ByteRange& r : *side)
                marked += r.end - r.start;
        }
        EXPECT_LE(marked, 2 * 4) << "[" << left << "] [" << right << "]";
        EXPECT_EQ(Unmarked(left, marks.left), Unmarked(right, marks.right)) << "[" << left << "] [" << right << "]";
    }
}

// `words` words "wN " with the words at the given indexes replaced on the right side.
std::pair<std::string, std::string> WordsWithChanges(int words, const std::vector<int>& changed)
{
    std::string left, right;
    for (int i = 0; i < words; ++i) {
        const std::string word = "w" + std::to_string(i);
        left += word + ' ';
        const bool change = std::find(changed.begin(), changed.end(), i) != changed.end();
        right += (change ? "CHANGED" : word) + ' ';
    }
    return {left, right};
}

TEST(InlineDiff, PairsBeyondTheBudgetAreMarkedBetweenTheirCommonEnds)
{
    // Thousands of changed words between long equal stretches: more
    // differences than the alignment looks for.
    std::string same, many, other;
    for (int i = 0; i < 5000; ++i)
        same += "word" + std::to_string(i) + ' ';
    for (int i = 0; i < 3000; ++i) {
        many += "a" + std::to_string(i) + ' ';
        other += "b" + std::to_string(i) + ' ';
    }
    const auto [shortLeft, shortRight] = WordsWithChanges(40'000, {10'000, 30'000});
    const auto [longLeft, longRight] = WordsWithChanges(200'000, {60'000, 140'000});
    struct Case {
        std::string left, right;
        size_t marksASide;  // 1: from the first difference to the last
    } const cases[] = {
        {same + many + same, same + other + same, 1},
        {shortLeft, shortRight, 2},  // under 1 MiB between the changes: each word marked alone
        {longLeft, longRight, 1},  // over it
    };
    for (const Case& c : cases) {
        const InlineMarks marks = FindInlineDifferences(c.left, c.right, LineRules());
        ASSERT_EQ(c.marksASide, marks.left.size()) << c.left.size();
        ASSERT_EQ(c.marksASide, marks.right.size());
        // The marks lie between the first difference and the last, and cover both.
        const size_t first = std::mismatch(c.left.begin(), c.left.end(), c.right.begin()).first - c.left.begin();
        const size_t last =
            c.left.size() - (std::mismatch(c.left.rbegin(), c.left.rend(), c.right.rbegin()).first - c.left.rbegin());
        EXPECT_EQ(static_cast<int32_t>(first), marks.left.front().start);
        EXPECT_EQ(static_cast<int32_t>(last), marks.left.back().end);
        EXPECT_EQ(Unmarked(c.left, marks.left), Unmarked(c.right, marks.right));
    }
}

TEST(InlineDiff, BadInputGetsMarksInsideTheRows)
{
    const std::string nul("a\0b c", 5), nul2("a\0b d", 5);
    const std::vector<std::pair<std::string, std::string>> pairs = {{"\xC3", "\xC3\xA9"},
                                                                    {"\xE2\x82", "\xE2\x82\xAC"},
                                                                    {"x\r", "x"},
                                                                    {nul, nul2},
                                                                    {"\x80\x80\x80", "\x80\x81"},
                                                                    {"", ""},
                                                                    {"\xF4\x90\x80\x80 z", "z"}};
    for (const auto& [left, right] : pairs) {
        for (const char* options : {"", "bi"}) {
            const InlineMarks marks = FindInlineDifferences(left, right, Rules(options));
            for (const auto& [text, ranges] : {std::make_pair(left, marks.left), std::make_pair(right, marks.right)}) {
                for (const ByteRange& r : ranges) {
                    EXPECT_LT(r.start, r.end);
                    EXPECT_LE(static_cast<size_t>(r.end), text.size());
                }
            }
        }
    }
}

}  // namespace

// Differential tests: the engine's listing on many generated file pairs,
// checked by applying it as a patch and against the system's `diff --minimal`.

#include "engine/ComparisonState.h"
#include "engine/DiffFiles.h"
#include "engine/ListingOrder.h"
#include "engine/TextComparison.h"
#include "EngineTestFiles.h"
#include "tests/support/PairGenerator.h"
#include "tests/support/TextLines.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Options = PairOptions;

struct Block {
    char letter = 0;
    int leftFirst = 0, leftLast = 0, rightFirst = 0, rightLast = 0;
    std::vector<std::string> deleted;
    std::vector<std::string> inserted;
};

void ParseRange(const std::string& text, int& first, int& last)
{
    size_t comma = text.find(',');
    first = std::stoi(text.substr(0, comma));
    last = comma == std::string::npos ? first : std::stoi(text.substr(comma + 1));
}

// The listing's blocks in file order (the listing holds the last one first).
std::vector<Block> BlocksInFileOrder(const DiffListing& listing)
{
    std::vector<Block> blocks;
    for (const std::string& entry : listing) {
        if (std::isdigit(static_cast<unsigned char>(entry[0]))) {
            Block block;
            size_t letter = entry.find_first_of("acd");
            block.letter = entry[letter];
            ParseRange(entry.substr(0, letter), block.leftFirst, block.leftLast);
            ParseRange(entry.substr(letter + 1), block.rightFirst, block.rightLast);
            blocks.push_back(block);
        } else if (entry == "\n\\ No newline at end of file\n") {
            std::vector<std::string>& lines =
                blocks.back().inserted.empty() ? blocks.back().deleted : blocks.back().inserted;
            EXPECT_NE(lines.back().back(), '\n') << "only a line without line feed is marked";
        } else if (entry.compare(0, 2, "< ") == 0) {
            blocks.back().deleted.push_back(entry.substr(2));
        } else if (entry.compare(0, 2, "> ") == 0) {
            blocks.back().inserted.push_back(entry.substr(2));
        } else {
            EXPECT_EQ(entry, "---\n");
        }
    }
    return std::vector<Block>(blocks.rbegin(), blocks.rend());
}

// Applies the listing to the left lines, checking every number and every
// deleted line on the way; returns the lines it produces.
std::vector<std::string> ApplyListing(const std::vector<std::string>& left, const std::vector<Block>& blocks)
{
    std::vector<std::string> out;
    size_t next = 0;  // next left line to copy, 0-based
    for (const Block& block : blocks) {
        bool removes = block.letter != 'a';
        bool adds = block.letter != 'd';
        EXPECT_EQ(block.deleted.size(), removes ? size_t(block.leftLast - block.leftFirst + 1) : 0u);
        EXPECT_EQ(block.inserted.size(), adds ? size_t(block.rightLast - block.rightFirst + 1) : 0u);
        size_t copyUpTo = removes ? size_t(block.leftFirst - 1) : size_t(block.leftFirst);
        EXPECT_GE(copyUpTo, next) << "blocks out of order";
        for (; next < copyUpTo && next < left.size(); ++next)
            out.push_back(left[next]);
        EXPECT_EQ(adds ? size_t(block.rightFirst - 1) : size_t(block.rightFirst), out.size());
        for (const std::string& line : block.deleted) {
            EXPECT_LT(next, left.size());
            if (next < left.size()) {
                EXPECT_EQ(line, left[next]);
            }
            ++next;
        }
        out.insert(out.end(), block.inserted.begin(), block.inserted.end());
    }
    for (; next < left.size(); ++next)
        out.push_back(left[next]);
    return out;
}

int CountChangedLines(const std::vector<Block>& blocks)
{
    int count = 0;
    for (const Block& block : blocks)
        count += static_cast<int>(block.deleted.size() + block.inserted.size());
    return count;
}

// Lines deleted and inserted by `diff --minimal` under the same rules:
// ignoring all blanks is diff's -w, ignoring case its -i.
int DiffMinimalChangedLines(const std::string& left, const std::string& right, Options options)
{
    std::string flags = "--minimal";
    if (options.ignoreBlanks)
        flags += " -w";
    if (options.ignoreCase)
        flags += " -i";
    std::string output;
    if (!SystemDiff(left, right, output, flags))
        return -1;
    return ChangedLineCount(output);
}

void CheckGeneratedPairs(Options options, unsigned firstSeed, int pairs)
{
    TempFolder files;
    // diff's -w has no notion of a missing last line feed or of 0x1A: with
    // blanks ignored the files end in a line feed and carry no 0x1A.
    bool plainEnds = options.ignoreBlanks;
    for (unsigned seed = firstSeed; seed < firstSeed + static_cast<unsigned>(pairs); ++seed) {
        PairGenerator generator(seed, options);
        int alphabet = 2 + generator.Pick(7);
        std::vector<std::string> leftLines = generator.Lines(generator.Pick(40), alphabet);
        std::vector<std::string> rightLines = generator.Edit(leftLines, generator.Pick(6), alphabet);
        bool crlf = generator.Chance(3);
        std::string leftRaw = generator.Bytes(leftLines, crlf, !plainEnds, !plainEnds);
        std::string rightRaw = generator.Bytes(rightLines, !crlf, !plainEnds, !plainEnds);
        std::string leftPath = files.Write("left", leftRaw);
        std::string rightPath = files.Write("right", rightRaw);

        DiffListing listing;
        CollectedMessages messages;
        int result = DiffFiles(leftPath, rightPath, options.ignoreBlanks, options.ignoreCase, listing, messages);
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_TRUE(messages.texts.empty());
        ASSERT_GE(result, 0);
        EXPECT_EQ(result == 0, listing.empty());

        std::vector<std::string> left = LinesOf(Translated(leftRaw));
        std::vector<std::string> right = LinesOf(Translated(rightRaw));
        std::vector<Block> blocks = BlocksInFileOrder(listing);
        std::vector<std::string> patched = ApplyListing(left, blocks);
        ASSERT_EQ(patched.size(), right.size());
        for (size_t i = 0; i < right.size(); ++i) {
            EXPECT_EQ(Canonical(patched[i], options), Canonical(right[i], options)) << "line " << i + 1;
        }
        if (!options.ignoreBlanks && !options.ignoreCase) {
            EXPECT_EQ(patched, right);
        }

        std::string leftText = files.Write("left.txt", Translated(leftRaw));
        std::string rightText = files.Write("right.txt", Translated(rightRaw));
        EXPECT_EQ(CountChangedLines(blocks), DiffMinimalChangedLines(leftText, rightText, options));
        if (::testing::Test::HasFailure())
            return;
    }
}

// Longer files (300 to 3,000 lines), where the threshold for frequent lines
// is 10 or more. With every class kept under 10 occurrences no line is set
// aside provisionally, and the script must be as short as diff's minimal
// one. With frequent lines (blank lines, braces) among runs of unmatched
// lines, such a line may be set aside although it could match: the listing
// still patches, and may only be longer than the minimal one.
std::vector<std::string> LongerLines(std::mt19937& random, int count, bool frequentLines, std::vector<int>& uses)
{
    static const char* const kFrequent[] = {"", "{", "}", "    }"};
    std::vector<std::string> lines;
    int classes = std::max(1, count / 6);
    uses.assign(static_cast<size_t>(classes), 0);
    while (static_cast<int>(lines.size()) < count) {
        unsigned roll = random() % 10;
        if (frequentLines && roll < 4) {
            lines.push_back(kFrequent[random() % 4]);
        } else if (roll < 7) {
            int c = static_cast<int>(random() % static_cast<unsigned>(classes));
            if (uses[static_cast<size_t>(c)] >= 8)
                continue;
            ++uses[static_cast<size_t>(c)];
            lines.push_back("w" + std::to_string(c));
        } else {
            lines.push_back("u" + std::to_string(random()));
        }
    }
    return lines;
}

void CheckLongerPairs(bool frequentLines, unsigned firstSeed, int pairs)
{
    TempFolder files;
    for (unsigned seed = firstSeed; seed < firstSeed + static_cast<unsigned>(pairs); ++seed) {
        std::mt19937 random(seed);
        std::vector<int> uses;
        std::vector<std::string> left =
            LongerLines(random, 300 + static_cast<int>(random() % 2700), frequentLines, uses);
        std::vector<std::string> right;
        for (size_t i = 0; i < left.size(); ++i) {
            unsigned roll = random() % 100;
            if (roll < 3)
                continue;  // deleted
            if (roll < 6) {
                for (unsigned k = random() % 4; k > 0; --k)
                    right.push_back("new" + std::to_string(random()));
            } else if (roll < 8) {
                // a copy of a line from elsewhere, kept under the threshold
                size_t from = random() % left.size();
                if (left[from][0] != 'w' || uses[static_cast<size_t>(std::stoi(left[from].substr(1)))]++ < 9)
                    right.push_back(left[from]);
            }
            right.push_back(left[i]);
        }
        std::string leftText, rightText;
        for (const std::string& line : left)
            leftText += line + "\n";
        for (const std::string& line : right)
            rightText += line + "\n";
        std::string leftPath = files.Write("left", leftText);
        std::string rightPath = files.Write("right", rightText);

        SCOPED_TRACE("seed " + std::to_string(seed));
        DiffListing listing;
        CollectedMessages messages;
        ASSERT_EQ(DiffFiles(leftPath, rightPath, false, false, listing, messages), leftText == rightText ? 0 : 1);
        std::vector<Block> blocks = BlocksInFileOrder(listing);
        EXPECT_EQ(ApplyListing(LinesOf(leftText), blocks), LinesOf(rightText));
        int minimal = DiffMinimalChangedLines(leftPath, rightPath, Options{false, false});
        if (frequentLines) {
            EXPECT_GE(CountChangedLines(blocks), minimal);
        } else {
            EXPECT_EQ(CountChangedLines(blocks), minimal);
        }
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(DiffAgainstDiff, PlainComparisonPatchesAndIsMinimal)
{
    CheckGeneratedPairs(Options{false, false}, 1, 1500);
}

TEST(DiffAgainstDiff, IgnoringBlanksPatchesAndIsMinimal)
{
    CheckGeneratedPairs(Options{true, false}, 100001, 600);
}

TEST(DiffAgainstDiff, IgnoringCasePatchesAndIsMinimal)
{
    CheckGeneratedPairs(Options{false, true}, 200001, 600);
}

TEST(DiffAgainstDiff, IgnoringBothPatchesAndIsMinimal)
{
    CheckGeneratedPairs(Options{true, true}, 300001, 600);
}

TEST(DiffAgainstDiff, LongerFilesWithoutFrequentLinesAreMinimal)
{
    CheckLongerPairs(false, 400001, 150);
}

TEST(DiffAgainstDiff, LongerFilesWithFrequentLinesPatch)
{
    CheckLongerPairs(true, 500001, 150);
}

// A file as the program reads it: CR LF as LF, as in text mode, and a line
// feed after the last line of a file that is not empty.
std::string AsTheProgramReadsIt(const std::string& raw)
{
    std::string text = Translated(raw);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return text;
}

std::string FileContent(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The listing of the whole comparison (loading, normalised copies, engine) in
// file order, as Save Diff writes it and difflist prints it, is a patch that
// GNU patch applies to the left file as the program reads it, giving the
// right file read the same way. Where either file is empty the listing is
// exactly what diff writes for the two (0a1,N or 1,Nd0, or nothing).
TEST(DiffAgainstDiff, SavedListingPatchesTheLeftFileIntoTheRightOne)
{
    TempFolder files;
    const std::string patched = files.Write("patched", "");
    const std::string rejects = files.Write("rejects", "");
    int pairsWithAnEmptyFile = 0;
    for (unsigned seed = 600001; seed < 600401; ++seed) {
        PairGenerator generator(seed, Options{false, false});
        const auto [leftRaw, rightRaw] = generator.WholeComparisonPair(seed);
        SCOPED_TRACE("seed " + std::to_string(seed));

        ComparisonState state;
        CollectedMessages messages;
        int result = CompareTextFiles(files.Write("left", leftRaw), files.Write("right", rightRaw), false, false, state,
                                      messages);
        ASSERT_EQ(messages.texts, std::vector<std::string>{});
        ASSERT_GE(result, 0);
        const std::string listing = ListingInFileOrder(state.listing);
        EXPECT_EQ(result == 0, listing.empty());

        const std::string leftText = AsTheProgramReadsIt(leftRaw);
        const std::string rightText = AsTheProgramReadsIt(rightRaw);
        const std::string leftRead = files.Write("left.read", leftText);
        const std::string rightRead = files.Write("right.read", rightText);
        if (listing.empty()) {
            EXPECT_EQ(leftText, rightText);
        } else {
            const std::string listingPath = files.Write("listing", listing);
            std::string complaints;
            ASSERT_TRUE(CommandOutput(
                "patch -s -o '" + patched + "' -r '" + rejects + "' '" + leftRead + "' < '" + listingPath + "' 2>&1",
                complaints));
            EXPECT_EQ(complaints, "");
            EXPECT_EQ(FileContent(patched), rightText);
        }
        if (leftText.empty() || rightText.empty()) {
            ++pairsWithAnEmptyFile;
            std::string diffListing;
            ASSERT_TRUE(SystemDiff(leftRead, rightRead, diffListing));
            EXPECT_EQ(listing, diffListing);
        }
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_GT(pairsWithAnEmptyFile, 240);
}

}  // namespace

// The unified patch written from the comparison's listing, against `diff -u` and `patch`.

#include "engine/ComparisonState.h"
#include "engine/TextComparison.h"
#include "engine/UnifiedDiff.h"
#include "EngineTestFiles.h"
#include "tests/support/PairGenerator.h"
#include "tests/support/TextLines.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

std::string FileContent(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

PatchSide SideOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0);
    return PatchSide{path,
                     FileStamp{status.st_size, status.st_mtim.tv_sec, static_cast<int32_t>(status.st_mtim.tv_nsec)}};
}

// The whole comparison of two files, then its patch on their own lines.
std::string UnifiedOf(const std::string& leftPath, const std::string& rightPath, PairOptions options)
{
    ComparisonState state;
    CollectedMessages messages;
    EXPECT_GE(CompareTextFiles(leftPath, rightPath, options.ignoreBlanks, options.ignoreCase, state, messages), 0);
    PatchLines left, right;
    EXPECT_TRUE(ReadPatchLines(leftPath, left, messages));
    EXPECT_TRUE(ReadPatchLines(rightPath, right, messages));
    EXPECT_EQ(messages.texts, std::vector<std::string>{});
    PatchRequest request{SideOf(leftPath), SideOf(rightPath), !options.ignoreBlanks && !options.ignoreCase};
    std::string patch;
    EXPECT_TRUE(WriteUnifiedDiff(state.listing, left, right, request, patch));
    return patch;
}

// The lines a unified patch deletes and inserts, by their 1-based numbers,
// read from its hunk headers and marks.
struct ChangedLines {
    std::vector<int> deleted, inserted;
    bool operator==(const ChangedLines& other) const { return deleted == other.deleted && inserted == other.inserted; }
};

ChangedLines ChangedLinesOf(const std::string& patch)
{
    ChangedLines changed;
    int left = 0, right = 0;
    for (const std::string& line : LinesOf(patch)) {
        if (line.compare(0, 3, "@@ ") == 0) {
            left = std::atoi(line.c_str() + 4);
            right = std::atoi(line.c_str() + line.find('+') + 1);
            // A range of no lines names the line before it.
            left += line.find(",0 +") != std::string::npos;
            right += line.find(",0 @@") != std::string::npos;
        } else if (line.compare(0, 3, "---") == 0 || line.compare(0, 3, "+++") == 0 || line[0] == '\\') {
        } else if (line[0] == '-') {
            changed.deleted.push_back(left++);
        } else if (line[0] == '+') {
            changed.inserted.push_back(right++);
        } else {
            ++left;
            ++right;
        }
    }
    return changed;
}

// Applies the patch to the left file with GNU patch, without fuzz; what it
// complains about comes back in `complaints`.
std::string Patched(TempFolder& files, const std::string& leftPath, const std::string& patch, std::string& complaints)
{
    const std::string patched = files.Write("patched", "");
    const std::string rejects = files.Write("rejects", "");
    const std::string patchPath = files.Write("patch", patch);
    EXPECT_TRUE(CommandOutput(
        "patch -s -F0 -o '" + patched + "' -r '" + rejects + "' '" + leftPath + "' < '" + patchPath + "' 2>&1",
        complaints));
    return FileContent(patched);
}

// Pairs as the whole comparison meets them: three in five with an empty file,
// lines of one side ending in LF or CR LF at random, last lines with and
// without line feed. The patch is empty exactly for equal files; GNU patch turns the left
// file into the right one byte for byte; where the patch changes the same
// lines as `diff -u --minimal`, it is that output byte for byte, headers
// included.
TEST(UnifiedDiff, PatchesTheLeftFileIntoTheRightOneAsDiffWritesIt)
{
    TempFolder files;
    int sameAsDiff = 0;
    for (unsigned seed = 700001; seed < 700251; ++seed) {
        PairGenerator generator(seed, PairOptions{false, false});
        const auto [leftRaw, rightRaw] = generator.WholeComparisonPair(seed);
        const std::string leftPath = files.Write("left", leftRaw);
        const std::string rightPath = files.Write("right", rightRaw);
        SCOPED_TRACE("seed " + std::to_string(seed));

        const std::string patch = UnifiedOf(leftPath, rightPath, PairOptions{false, false});
        EXPECT_EQ(patch.empty(), leftRaw == rightRaw);
        if (!patch.empty()) {
            std::string complaints;
            EXPECT_EQ(Patched(files, leftPath, patch, complaints), rightRaw);
            EXPECT_EQ(complaints, "");
        }
        std::string diffOutput;
        ASSERT_TRUE(SystemDiff(leftPath, rightPath, diffOutput, "-u --minimal"));
        if (ChangedLinesOf(patch) == ChangedLinesOf(diffOutput)) {
            ++sameAsDiff;
            EXPECT_EQ(patch, diffOutput);
        }
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_GT(sameAsDiff, 125);
}

// With an ignore option, matched lines stay context, taken from the left
// file: the patch applies without fuzz (its context and deleted lines are the
// left file's own), and gives the right file up to what the options ignore.
TEST(UnifiedDiff, UnderIgnoreOptionsKeepsTheFilesOwnLines)
{
    TempFolder files;
    for (const PairOptions options : {PairOptions{true, false}, PairOptions{false, true}, PairOptions{true, true}}) {
        for (unsigned seed = 800001; seed < 800061; ++seed) {
            PairGenerator generator(seed, options);
            const int alphabet = 2 + generator.Pick(7);
            const std::vector<std::string> leftLines = generator.Lines(1 + generator.Pick(30), alphabet);
            std::vector<std::string> rightLines = generator.Edit(leftLines, generator.Pick(6), alphabet);
            for (std::string& line : rightLines)
                line = generator.Chance(2) ? line : generator.Line(alphabet);
            const std::string leftRaw = generator.Bytes(leftLines, false, false, false);
            const std::string rightRaw = generator.Bytes(rightLines, false, false, false);
            const std::string leftPath = files.Write("left", leftRaw);
            SCOPED_TRACE("seed " + std::to_string(seed));

            const std::string patch = UnifiedOf(leftPath, files.Write("right", rightRaw), options);
            std::string complaints;
            const std::string patched = patch.empty() ? leftRaw : Patched(files, leftPath, patch, complaints);
            EXPECT_EQ(complaints, "");
            const std::vector<std::string> patchedLines = LinesOf(patched);
            ASSERT_EQ(patchedLines.size(), rightLines.size());
            for (size_t i = 0; i < rightLines.size(); ++i)
                EXPECT_EQ(Canonical(patchedLines[i], options), Canonical(rightLines[i] + "\n", options));
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

// The header's time is the one `diff -u` writes, in the local time of the
// zone in force: zones east and west of UTC, half hours, summer time, and
// times before 1970 and far ahead.
TEST(UnifiedDiff, HeaderTimesAreThoseDiffWrites)
{
    struct Case {
        const char* zone;
        time_t seconds;
        long nanoseconds;
    };
    const Case cases[] = {
        {"UTC0", 0, 0},
        {"UTC0", 1796259967, 123456789},
        {"EST5EDT,M3.2.0,M11.1.0", 1783000000, 5},
        {"EST5EDT,M3.2.0,M11.1.0", 1796259967, 999999999},
        {"IST-5:30", 1796259967, 100},
        {"NPT-5:45", -86400 * 400 - 1, 0},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 4102444800, 7},
    };
    TempFolder files;
    const std::string leftPath = files.Write("old", "a\n");
    const std::string rightPath = files.Write("new", "b\n");
    const char* savedZone = std::getenv("TZ");
    const std::string saved = savedZone ? savedZone : "";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.seconds));
        setenv("TZ", c.zone, 1);
        tzset();
        const timespec times[2] = {{c.seconds, c.nanoseconds}, {c.seconds, c.nanoseconds}};
        ASSERT_EQ(utimensat(AT_FDCWD, leftPath.c_str(), times, 0), 0);
        std::string diffOutput;
        ASSERT_TRUE(SystemDiff(leftPath, rightPath, diffOutput, "-u"));
        EXPECT_EQ(UnifiedOf(leftPath, rightPath, PairOptions{false, false}), diffOutput);
    }
    if (savedZone)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

// Lines as the comparison numbers them, each with its own end: a lone CR
// ends a line as LF (and is written as one), a UTF-8 mark stays on the
// first line, UTF-16 is decoded, a missing last line end is remembered.
TEST(UnifiedDiff, SplitsTheFilesOwnLines)
{
    struct Case {
        std::string content;
        std::vector<std::string> lines;
        bool lastLineUnended;
    };
    const Case cases[] = {
        {"", {}, false},
        {"a", {"a"}, true},
        {"a\r\nb\n", {"a\r\n", "b\n"}, false},
        {"a\rb", {"a\n", "b"}, true},
        {"a\r", {"a\n"}, false},
        {"\xEF\xBB\xBFx\ny", {"\xEF\xBB\xBFx\n", "y"}, true},
        {std::string("\xFF\xFEx\0\n\0", 6), {"x\n"}, false},
    };
    for (const Case& c : cases) {
        const PatchLines lines = SplitPatchLines(c.content);
        std::vector<std::string> got;
        for (int32_t i = 0; i < lines.Count(); ++i)
            got.push_back(lines.text.substr(lines.lineStart[i], lines.lineStart[i + 1] - lines.lineStart[i]));
        EXPECT_EQ(got, c.lines) << c.content;
        EXPECT_EQ(lines.lastLineUnended, c.lastLineUnended) << c.content;
    }
}

// A listing that names lines the files do not have (they changed since the
// comparison) gives no patch.
TEST(UnifiedDiff, RefusesAListingThatDoesNotFitTheFiles)
{
    const PatchLines left = SplitPatchLines("a\nb\n");
    const PatchLines right = SplitPatchLines("a\nc\n");
    const DiffListing listings[] = {
        {"3c3\n", "< x\n", "---\n", "> y\n"},
        {"2d2\n", "< b\n"},
        {"2,3c2\n", "< b\n", "< x\n", "---\n", "> c\n"},
        {"2x2\n"},
    };
    for (const DiffListing& listing : listings) {
        std::string patch = "old";
        EXPECT_FALSE(WriteUnifiedDiff(listing, left, right, PatchRequest{}, patch)) << listing[0];
        EXPECT_EQ(patch, "");
    }
}

}  // namespace

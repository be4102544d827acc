// Tests of the edit script and the listing: whole listings as golden
// entries, their file order, and the unwinding when memory runs out.

#include "engine/DiffFiles.h"
#include "engine/ListingCommand.h"
#include "engine/ListingOrder.h"
#include "EngineTestFiles.h"
#include "tests/support/MemoryExhaustion.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

const char kNoNewline[] = "\n\\ No newline at end of file\n";

int Compare(const std::string& left, const std::string& right, DiffListing& listing)
{
    CollectedMessages messages;
    int result = DiffContents(ByteBuffer(left.begin(), left.end()), ByteBuffer(right.begin(), right.end()), false,
                              false, listing, messages);
    EXPECT_TRUE(messages.texts.empty());
    return result;
}

struct ListingCase {
    const char* what;
    std::string left;
    std::string right;
    DiffListing listing;
};

TEST(DiffListing, WritesEachDifferenceInNormalForm)
{
    const ListingCase cases[] = {
        {"identical", "a\nb\n", "a\nb\n", {}},
        {"one changed line", "a\nb\nc\n", "a\nx\nc\n", {"2c2\n", "< b\n", "---\n", "> x\n"}},
        {"two lines added after line 5",
         NumberedLines("l", 1, 8),
         NumberedLines("l", 1, 5) + "X\nY\n" + NumberedLines("l", 6, 8),
         {"5a6,7\n", "> X\n", "> Y\n"}},
        {"left lines 3 and 4 deleted",
         NumberedLines("l", 1, 6),
         NumberedLines("l", 1, 2) + NumberedLines("l", 5, 6),
         {"3,4d2\n", "< l3\n", "< l4\n"}},
        {"one line changed into three, after two added at the top",
         NumberedLines("l", 1, 9) + "old\n" + NumberedLines("l", 11, 12),
         "n1\nn2\n" + NumberedLines("l", 1, 9) + "X\nY\nZ\n" + NumberedLines("l", 11, 12),
         {"10c12,14\n", "< old\n", "---\n", "> X\n", "> Y\n", "> Z\n", "0a1,2\n", "> n1\n", "> n2\n"}},
        {"differences near the top and the bottom, bottom first",
         NumberedLines("l", 1, 20),
         "top\n" + NumberedLines("l", 2, 19) + "bottom\n",
         {"20c20\n", "< l20\n", "---\n", "> bottom\n", "1c1\n", "< l1\n", "---\n", "> top\n"}},
        {"last line cut by 0x1A and deleted",
         "a\nb\x1a"
         "ignored\n",
         "a\n",
         {"2d1\n", "< b", kNoNewline}},
        {"last line without line feed added", "a\n", "a\nb", {"1a2\n", "> b", kNoNewline}},
        {"both last lines without line feed", "a\nb", "a\nc", {"2c2\n", "< b", kNoNewline, "---\n", "> c", kNoNewline}},
        {"only the line feed differs", "a", "a\n", {"1c1\n", "< a", kNoNewline, "---\n", "> a\n"}},
        {"everything added", "", "x\ny\n", {"0a1,2\n", "> x\n", "> y\n"}},
        {"everything deleted", "x\ny\n", "", {"1,2d0\n", "< x\n", "< y\n"}},
        {"CR LF lines are listed as read", "a\r\nb\r\n", "a\r\nc\r\n", {"2c2\n", "< b\n", "---\n", "> c\n"}},
        {"an inserted empty line", "a\n\nb\n", "a\n\n\nb\n", {"2a3\n", "> \n"}},
    };
    for (const ListingCase& c : cases) {
        DiffListing listing;
        EXPECT_EQ(Compare(c.left, c.right, listing), c.listing.empty() ? 0 : 1) << c.what;
        EXPECT_EQ(listing, c.listing) << c.what;
    }
}

TEST(DiffListing, CommandsBecomeHunks)
{
    const struct {
        std::string left, right;
        DiffHunk hunk;
    } cases[] = {
        {NumberedLines("l", 1, 8),
         NumberedLines("l", 1, 5) + "X\nY\n" + NumberedLines("l", 6, 8),
         {6, 7, 6, 7, Filler, Added}},
        {NumberedLines("l", 1, 6), NumberedLines("l", 1, 2) + NumberedLines("l", 5, 6), {3, 4, 3, 4, Deleted, Filler}},
        {NumberedLines("l", 1, 12),
         "n1\nn2\n" + NumberedLines("l", 1, 9) + "X\nY\nZ\n" + NumberedLines("l", 11, 12),
         {10, 12, 12, 14, Changed, Changed}},
    };
    for (const auto& c : cases) {
        DiffListing listing;
        ASSERT_EQ(Compare(c.left, c.right, listing), 1);
        ListingCommand command;
        ASSERT_TRUE(ParseListingCommand(listing.front(), command)) << listing.front();
        DiffHunk hunk = HunkFromCommand(command);
        EXPECT_EQ((std::vector<int32_t>{hunk.leftFirst, hunk.leftLast, hunk.rightFirst, hunk.rightLast, hunk.leftKind,
                                        hunk.rightKind}),
                  (std::vector<int32_t>{c.hunk.leftFirst, c.hunk.leftLast, c.hunk.rightFirst, c.hunk.rightLast,
                                        c.hunk.leftKind, c.hunk.rightKind}))
            << listing.front();
    }
}

TEST(DiffListing, LineNumbersCountFromTheFileStart)
{
    // The identical leading lines are set aside before the search, but the
    // listing numbers lines as they stand in the files.
    std::string common = NumberedLines("l", 1, 5000);
    DiffListing listing;
    EXPECT_EQ(Compare(common + "x\n" + common, common + "y\n" + common, listing), 1);
    EXPECT_EQ(listing, (DiffListing{"5001c5001\n", "< x\n", "---\n", "> y\n"}));
}

TEST(ListingInFileOrder, PutsTheBlocksFromFirstToLast)
{
    const DiffListing listing = {"9d8\n", "< z",   kNoNewline, "4a4,5\n", "> p\n",
                                 "> q\n", "1c1\n", "< a\n",    "---\n",   "> b\n"};
    EXPECT_EQ(ListingInFileOrder(listing),
              "1c1\n< a\n---\n> b\n4a4,5\n> p\n> q\n9d8\n< z\n\\ No newline at end of file\n");
    EXPECT_EQ(ListingInFileOrder(DiffListing{}), "");
}

TEST(DiffFilesKeep, HandsBackExactlyTheSidesItsTextModeLeftAsTheyWere)
{
    struct Case {
        const char* left;
        const char* right;
        bool leftKept, rightKept;
    } const cases[] = {
        {"a\nb\n", "a\nc\n", true, true},
        {"a\r\nb\n", "a\nb\n", false, true},  // a CR LF pair turned into LF
        {"a\nb\n",
         "a\n\x1A"
         "b\n",
         true, false},  // the text ends at 0x1A
        {"a\rb\n", "a\n", true, true},  // a lone CR stays
        {"a\nb", "a\n", false, true},  // a last line feed added
        {"", "x\n", true, true},
        {"same\n", "same\n", true, true},
    };
    TempFolder files;
    for (const Case& c : cases) {
        const std::string left = files.Write("left", c.left), right = files.Write("right", c.right);
        ComparedTexts keep;
        keep.room[0] = 7;
        keep.room[1] = 3;
        // The left side is read into memory handed in, which still holds something else.
        keep.text[0].assign(64, 'z');
        const char* const handed = keep.text[0].data();
        DiffListing listing;
        CollectedMessages messages;
        ASSERT_GE(DiffFiles(left, right, false, false, listing, messages, &keep), 0) << c.left;
        const std::string texts[2] = {c.left, c.right};
        const bool kept[2] = {c.leftKept, c.rightKept};
        for (int f = 0; f < 2; ++f) {
            EXPECT_EQ(kept[f], keep.kept[f]) << c.left << " | " << c.right << " side " << f;
            if (!keep.kept[f])
                continue;
            EXPECT_EQ(texts[f], keep.text[f]) << f;
            EXPECT_GE(keep.text[f].capacity(), texts[f].size() + keep.room[f]) << "no room to grow in place";
            if (f == 0) {
                EXPECT_EQ(keep.text[f].data(), handed) << "the memory handed in is read into";
            }
        }
    }
}

TEST(ListingInFileOrder, MatchesDiffOnAPlainCase)
{
    TempFolder files;
    std::string left = files.Write("left", "a\nb\nc\nd\ne\nf\ng\n");
    std::string right = files.Write("right", "a\nB\nc\ne\nf\nf2\ng\nh");
    DiffListing listing;
    CollectedMessages messages;
    ASSERT_EQ(DiffFiles(left, right, false, false, listing, messages), 1);
    std::string expected;
    ASSERT_TRUE(SystemDiff(left, right, expected));
    EXPECT_EQ(ListingInFileOrder(listing), expected);
}

// Runs body in a child process whose address space is limited to `extra`
// bytes beyond what it uses now; returns the child's exit status.
template <typename Body>
int RunWithLittleMemory(size_t extra, Body body)
{
    pid_t child = fork();
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        struct rlimit limit;
        limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + extra;
        setrlimit(RLIMIT_AS, &limit);
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(DiffFiles, ReportsMemoryExhaustionOnceAndUnwinds)
{
    SKIP_WHERE_ALLOCATION_FAILURE_ENDS_THE_PROGRAM();
    TempFolder files;
    std::string lines = NumberedLines("l", 1, 400000);  // about 3 MB, 400,000 lines
    std::string left = files.Write("left", lines);
    std::string right = files.Write("right", NumberedLines("r", 1, 400000));
    int status = RunWithLittleMemory(8u << 20, [&] {
        DiffListing listing;
        CollectedMessages messages;
        int result = DiffFiles(left, right, false, false, listing, messages);
        bool reported =
            messages.texts == std::vector<std::string>{"Virtual memory exhausted: Cannot allocate memory\n"};
        return result == -1 && reported ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST(DiffFiles, ReportsAbsurdSizesAsMemoryExhaustion)
{
    // A sparse file larger than the engine can hold: no allocation is tried.
    TempFolder files;
    std::string huge = files.Write("huge", "");
    ASSERT_EQ(truncate(huge.c_str(), 5LL << 30), 0);
    std::string small = files.Write("small", "a\n");
    DiffListing listing;
    CollectedMessages messages;
    EXPECT_EQ(DiffFiles(small, huge, false, false, listing, messages), -1);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Virtual memory exhausted: Cannot allocate memory\n"});
    truncate(huge.c_str(), 0);
}

}  // namespace

// Loading the two files for display: normalisation, temporary copies, rows,
// line numbers, and every failure leaving the temporary folder clean.
#include "DisplayTestSupport.h"

#include "engine/DisplayLoading.h"
#include "engine/MemoryBudget.h"
#include "engine/PaneAlignment.h"
#include "engine/TempCopies.h"
#include "engine/TextComparison.h"
#include "tests/support/MemoryExhaustion.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <set>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Strings = std::vector<std::string>;

class DisplayLoading : public testing::Test {
protected:
    // Every test ends with nothing of its own left in the temporary folder.
    void TearDown() override { EXPECT_EQ(folders.TempEntries(), Strings{}); }

    // Loads the two contents; returns the copies' contents and deletes them.
    bool Load(const std::string& left, const std::string& right, std::string& leftCopy, std::string& rightCopy)
    {
        std::string leftName;
        std::string rightName;
        const bool loaded = LoadPaneTexts(folders.WriteInput("left", left), folders.WriteInput("right", right), state,
                                          leftName, rightName, messages);
        if (!loaded)
            return false;
        leftCopy = ReadWholeFile(leftName);
        rightCopy = ReadWholeFile(rightName);
        EXPECT_EQ(std::remove(leftName.c_str()), 0);
        EXPECT_EQ(std::remove(rightName.c_str()), 0);
        return true;
    }

    DisplayFolders folders;
    ComparisonState state;
    CollectedMessages messages;
};

// The rows that the records of a side cut from its text block.
Strings RowsOf(const std::vector<PaneLine>& lines, const std::string& block)
{
    Strings rows;
    for (const PaneLine& line : lines) {
        EXPECT_EQ(line.state, Same);
        rows.push_back(block.substr(line.offset, line.length));
    }
    return rows;
}

struct LoadCase {
    std::string file;
    std::string copy;
    Strings rows;
};

std::string Join(const Strings& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row;
    return text;
}

size_t Longest(const Strings& rows)
{
    size_t longest = 0;
    for (const std::string& row : rows)
        longest = std::max(longest, row.size());
    return longest;
}

const LoadCase kLoadCases[] = {
    {"a\nb\n", "a\nb\n", {"a\n", "b"}},
    {"a\nb", "a\nb\n", {"a\n", "b"}},
    {"a\r\nb\r\n", "a\r\nb\r\n", {"a\r\n", "b\r"}},
    {"a\r\nb", "a\r\nb\n", {"a\r\n", "b"}},
    {"a\rb\rc", "a\nb\nc\n", {"a\n", "b\n", "c"}},
    {"a\rb\r", "a\nb\n", {"a\n", "b"}},
    {std::string("a\0b\n", 4), "a b\n", {"a b"}},
    {std::string("\0", 1), " \n", {" "}},
    {std::string("x\r\0", 3), "x\n \n", {"x\n", " "}},
    {"abc", "abc\n", {"abc"}},
    {"a\n\n", "a\n\n", {"a\n", ""}},
    {"\n", "\n", {""}},
    {"\r", "\n", {""}},
    {"\r\n", "\r\n", {"\r"}},
    {"x\r\r\n", "x\n\r\n", {"x\n", "\r"}},
    {"long line\nx\n\n\ty", "long line\nx\n\n\ty\n", {"long line\n", "x\n", "\n", "\ty"}},
};

void ExpectSide(const LoadCase& c, const std::string& copy, const std::vector<PaneLine>& lines,
                const std::string& block, int32_t lineCount, int32_t textSize, int32_t maxLength)
{
    EXPECT_EQ(copy, c.copy);
    EXPECT_EQ(RowsOf(lines, block), c.rows);
    EXPECT_EQ(block, Join(c.rows));
    EXPECT_EQ(static_cast<size_t>(lineCount), c.rows.size());
    EXPECT_EQ(static_cast<size_t>(textSize), block.size());
    EXPECT_EQ(static_cast<size_t>(maxLength), Longest(c.rows));
}

TEST_F(DisplayLoading, NormalisesCopiesAndSplitsRowsOnEitherSide)
{
    const LoadCase other{"other\r\nside", "other\r\nside\n", {"other\r\n", "side"}};
    for (const LoadCase& c : kLoadCases) {
        SCOPED_TRACE(testing::PrintToString(c.file));
        std::string leftCopy;
        std::string rightCopy;
        ASSERT_TRUE(Load(c.file, other.file, leftCopy, rightCopy));
        ExpectSide(c, leftCopy, state.leftLines, state.leftTextBlock, state.leftLineCount, state.leftTextSize,
                   state.leftMaxLineLength);
        ExpectSide(other, rightCopy, state.rightLines, state.rightTextBlock, state.rightLineCount, state.rightTextSize,
                   state.rightMaxLineLength);
        ASSERT_TRUE(Load(other.file, c.file, leftCopy, rightCopy));
        ExpectSide(c, rightCopy, state.rightLines, state.rightTextBlock, state.rightLineCount, state.rightTextSize,
                   state.rightMaxLineLength);
        ExpectSide(other, leftCopy, state.leftLines, state.leftTextBlock, state.leftLineCount, state.leftTextSize,
                   state.leftMaxLineLength);
    }
    EXPECT_EQ(messages.texts, Strings{});
}

// A comparison writes the copies, compares them and only then takes the
// display texts back from them: the same texts and rows as loading keeps.
TEST_F(DisplayLoading, ComparingTakesTheTextsBackFromTheCopies)
{
    const LoadCase other{"other\r\nside", "other\r\nside\n", {"other\r\n", "side"}};
    for (const LoadCase& c : kLoadCases) {
        SCOPED_TRACE(testing::PrintToString(c.file));
        const std::string left = folders.WriteInput("left", c.file);
        const std::string right = folders.WriteInput("right", other.file);
        ASSERT_EQ(CompareTextFiles(left, right, false, false, state, messages), 1);
        ExpectSide(c, c.copy, state.leftLines, state.leftTextBlock, state.leftLineCount, state.leftTextSize,
                   state.leftMaxLineLength);
        ExpectSide(other, other.copy, state.rightLines, state.rightTextBlock, state.rightLineCount, state.rightTextSize,
                   state.rightMaxLineLength);
        EXPECT_EQ(state.lineNumberWidth, 1);
        EXPECT_FALSE(state.listing.empty());
        ASSERT_EQ(CompareTextFiles(left, left, false, false, state, messages), 0);
        ExpectSide(c, c.copy, state.rightLines, state.rightTextBlock, state.rightLineCount, state.rightTextSize,
                   state.rightMaxLineLength);
        EXPECT_TRUE(state.listing.empty());
    }
    EXPECT_EQ(messages.texts, Strings{});
    const std::string gone = folders.InputFolder() + "/gone";
    EXPECT_FALSE(ReadPaneTexts(gone, gone, state, messages));
    EXPECT_EQ(messages.texts, Strings{"Could not open file " + gone + " to read!"});
}

std::string Numbers(int count, int width)
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        const std::string digits = std::to_string(i);
        text += std::string(width - digits.size(), ' ') + digits + "\n";
    }
    return text;
}

// The numbered lines of a gutter: its Filler rows are its empty lines.
std::string GutterNumbers(const std::string& gutter)
{
    std::string numbered;
    for (std::size_t start = 0; start < gutter.size();) {
        const std::size_t end = gutter.find('\n', start);
        if (end > start)
            numbered += gutter.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return numbered;
}

TEST_F(DisplayLoading, NumbersBothSidesInTheWidthOfTheLongerFile)
{
    struct NumberCase {
        int left, right, width;
    };
    const NumberCase cases[] = {{1, 1, 1},      {9, 10, 2},     {10, 9, 2},   {9, 9, 1},
                                {999, 1000, 4}, {1000, 999, 4}, {99, 100, 3}, {1, 12345, 5}};
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + " against " + std::to_string(c.right));
        std::string leftCopy;
        std::string rightCopy;
        ASSERT_TRUE(Load(NumberedLines("line ", 1, c.left), NumberedLines("line ", 1, c.right), leftCopy, rightCopy));
        EXPECT_EQ(state.lineNumberWidth, c.width);
        PaneTexts texts;
        ASSERT_TRUE(AlignPanes(state, messages) && BuildPaneTexts(state, texts, messages));
        EXPECT_EQ(GutterNumbers(texts.leftGutter), Numbers(c.left, c.width));
        EXPECT_EQ(GutterNumbers(texts.rightGutter), Numbers(c.right, c.width));
        EXPECT_EQ(texts.leftGutter.size() - GutterNumbers(texts.leftGutter).size(), c.right - std::min(c.left, c.right))
            << "one empty line a Filler row";
    }
}

TEST_F(DisplayLoading, OneLineWithoutLineFeedGetsOneNumber)
{
    std::string leftCopy;
    std::string rightCopy;
    ASSERT_TRUE(Load("only", "\n", leftCopy, rightCopy));
    PaneTexts texts;
    ASSERT_TRUE(AlignPanes(state, messages) && BuildPaneTexts(state, texts, messages));
    EXPECT_EQ(texts.leftGutter, "1\n");
    EXPECT_EQ(texts.rightGutter, "1\n");
    EXPECT_EQ(state.leftLineCount, 1);
    EXPECT_EQ(state.rightLineCount, 1);
}

// An empty file has no lines: its copy stays empty, so that the comparison
// reads no line, and its side holds one Filler row, with no text and no number.
TEST_F(DisplayLoading, AnEmptyFileIsOneFillerRowAndAnEmptyCopy)
{
    const auto isFiller = [](const PaneLine& line) { return line.state == Filler; };
    std::string leftCopy;
    std::string rightCopy;
    ASSERT_TRUE(Load("", NumberedLines("line ", 1, 12), leftCopy, rightCopy));
    EXPECT_EQ(leftCopy, "");
    EXPECT_EQ(rightCopy, NumberedLines("line ", 1, 12));
    ASSERT_EQ(state.leftLines.size(), 1u);
    EXPECT_TRUE(isFiller(state.leftLines[0]));
    EXPECT_EQ(state.leftLineCount, 0);
    EXPECT_EQ(state.leftTextSize, 0);
    EXPECT_EQ(state.leftTextBlock, "");
    EXPECT_EQ(state.lineNumberWidth, 2);
    PaneTexts texts;
    ASSERT_TRUE(AlignPanes(state, messages) && BuildPaneTexts(state, texts, messages));
    EXPECT_EQ(texts.leftGutter, std::string(12, '\n'));
    EXPECT_EQ(texts.rightGutter, Numbers(12, 2));
    ASSERT_TRUE(Load("", "", leftCopy, rightCopy));
    EXPECT_EQ(leftCopy + rightCopy, "");
    EXPECT_EQ(state.lineNumberWidth, 1);
    EXPECT_EQ(state.leftLines.size() + state.rightLines.size(), 2u);
    EXPECT_TRUE(isFiller(state.rightLines[0]));
}

TEST_F(DisplayLoading, ReloadingStartsFromAnEmptyState)
{
    std::string leftCopy;
    std::string rightCopy;
    state.listing.push_back("1c1\n");
    state.hunks.push_back(DiffHunk{});
    ASSERT_TRUE(Load(NumberedLines("line ", 1, 30), NumberedLines("line ", 1, 3), leftCopy, rightCopy));
    ASSERT_TRUE(Load("x\n", "y\n", leftCopy, rightCopy));
    EXPECT_EQ(state.leftLines.size(), 1u);
    EXPECT_EQ(state.lineNumberWidth, 1);
    EXPECT_TRUE(state.listing.empty());
    EXPECT_TRUE(state.hunks.empty());
}

TEST_F(DisplayLoading, ReadsAPipeToItsEnd)
{
    const std::string fifo = folders.InputFolder() + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string content = NumberedLines("line ", 1, 20000);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << content; });
    std::string leftName;
    std::string rightName;
    const bool loaded = LoadPaneTexts(fifo, folders.WriteInput("right", "x"), state, leftName, rightName, messages);
    writer.join();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(ReadWholeFile(leftName), content);
    EXPECT_EQ(state.leftLineCount, 20000);
    std::remove(leftName.c_str());
    std::remove(rightName.c_str());
}

// An endless input, on either side: the read stops at what the budget allows,
// not at the end of the input or of memory. The writer counts what it got rid
// of before the reader closed the pipe: that bound is the point.
TEST_F(DisplayLoading, AnEndlessInputIsRefusedOnceItPassesTheBudget)
{
    std::signal(SIGPIPE, SIG_IGN);
    const uint64_t memoryLimit = 8u << 20;
    const uint64_t allowed = TextBytesWithin(memoryLimit);
    ASSERT_GT(allowed, 0u);
    ASSERT_LE(TextComparisonPeak(allowed + 2, 2), memoryLimit);
    const uint64_t endless = 64u << 20;  // far beyond the budget; the test ends even if it is read whole
    for (const bool left : {true, false}) {
        SCOPED_TRACE(left ? "left" : "right");
        const std::string fifo = folders.InputFolder() + "/endless";
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        uint64_t written = 0;
        std::thread writer([&] {
            std::FILE* out = std::fopen(fifo.c_str(), "wb");
            const std::string block(1 << 16, 'z');
            while (out && written < endless && std::fwrite(block.data(), 1, block.size(), out) == block.size())
                written += block.size();
            if (out)
                std::fclose(out);
        });
        const std::string other = folders.WriteInput("other", "x\n");
        std::string leftName, rightName;
        CollectedMessages sink;
        const bool loaded =
            LoadPaneTexts(left ? fifo : other, left ? other : fifo, state, leftName, rightName, sink, memoryLimit);
        writer.join();
        EXPECT_FALSE(loaded);
        EXPECT_EQ(sink.texts, Strings{"Insufficient memory!"});
        // What the budget allows, and what the pipe and the stream buffered beyond it.
        EXPECT_LE(written, allowed + (1u << 20));
        std::remove(fifo.c_str());
        std::remove(other.c_str());
    }
}

// Each failure shows its one message, returns false, empties the names and
// deletes both copies (the fixture checks the folder).
TEST_F(DisplayLoading, AFileThatCannotBeReadIsReportedAndNothingIsLeft)
{
    const std::string present = folders.WriteInput("present", "a\n");
    const std::string missing = folders.InputFolder() + "/missing";
    const std::string directory = folders.InputFolder();
    // Regular files that open but cannot be read (address 0 is not mapped):
    // two regular files are read at once, yet only the left failure is told.
    const std::string memory = "/proc/self/mem";
    const std::string sameMemory = "/proc/" + std::to_string(getpid()) + "/mem";
    struct FailCase {
        std::string left, right, message;
    };
    const FailCase cases[] = {
        {missing, present, "Could not open file " + missing + " to read!"},
        {present, missing, "Could not open file " + missing + " to read!"},
        {directory, present, "Could not open file " + directory + " to read!"},
        {present, directory, "Could not open file " + directory + " to read!"},
        {memory, present, "Could not open file " + memory + " to read!"},
        {present, memory, "Could not open file " + memory + " to read!"},
        {memory, sameMemory, "Could not open file " + memory + " to read!"},
        {sameMemory, memory, "Could not open file " + sameMemory + " to read!"},
    };
    for (const FailCase& c : cases) {
        CollectedMessages sink;
        std::string leftName = "stale";
        std::string rightName = "stale";
        EXPECT_FALSE(LoadPaneTexts(c.left, c.right, state, leftName, rightName, sink));
        EXPECT_EQ(sink.texts, Strings{c.message});
        EXPECT_EQ(leftName, "");
        EXPECT_EQ(rightName, "");
        EXPECT_EQ(folders.TempEntries(), Strings{});
        std::string oneName;
        EXPECT_FALSE(LoadPaneTexts(c.left, c.right, state, oneName, oneName, sink));
        EXPECT_EQ(folders.TempEntries(), Strings{}) << "one string for both names";
    }
}

TEST_F(DisplayLoading, NoTemporaryFolderMeansNoTemporaryName)
{
    const std::string present = folders.WriteInput("present", "a\n");
    setenv("TMPDIR", (folders.TempPath() + "/absent").c_str(), 1);
    std::string leftName;
    std::string rightName;
    EXPECT_FALSE(LoadPaneTexts(present, present, state, leftName, rightName, messages));
    EXPECT_EQ(messages.texts, Strings{"Could not get temp file name"});
    std::string path = "stale";
    CollectedMessages sink;
    EXPECT_FALSE(GetTempFilePath(path, sink));
    EXPECT_EQ(sink.texts, Strings{"Could not get temp file name"});
    setenv("TMPDIR", folders.TempPath().c_str(), 1);
}

TEST_F(DisplayLoading, TemporaryNamesAreFreshEmptyFilesInTheTemporaryFolder)
{
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        std::string path;
        ASSERT_TRUE(GetTempFilePath(path, messages));
        const std::string folder = folders.TempPath() + "/";
        ASSERT_EQ(path.compare(0, folder.size(), folder), 0) << path;
        const std::string name = path.substr(folder.size());
        EXPECT_EQ(name.size(), 11u) << name;
        EXPECT_EQ(name.compare(0, 3, "TMP"), 0) << name;
        EXPECT_EQ(name.substr(7), ".tmp") << name;
        EXPECT_EQ(name.find_first_not_of("0123456789ABCDEF", 3), 7u) << name;
        EXPECT_TRUE(names.insert(path).second) << "name given twice: " << path;
        EXPECT_EQ(ReadWholeFile(path), "");
    }
    EXPECT_EQ(folders.TempEntries().size(), 50u);
    for (const std::string& path : names)
        std::remove(path.c_str());
}

// A child process whose address space is capped a little above what it uses.
void LimitAddressSpace()
{
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (rlim_t(256) << 20);
    const rlimit capped{limit, limit};
    setrlimit(RLIMIT_AS, &capped);
}

// The child processes below end with 7 when everything was as expected.
constexpr int kAsExpected = 7;

int LoadWithCappedMemory(const std::string& left, const std::string& right)
{
    LimitAddressSpace();
    ComparisonState state;
    std::string leftName;
    std::string rightName;
    CollectedMessages sink;
    const bool loaded = LoadPaneTexts(left, right, state, leftName, rightName, sink);
    return !loaded && sink.texts == Strings{"Insufficient memory!"} && rightName.empty() ? kAsExpected : 1;
}

int LoadWithCappedFileSize(const std::string& left, const std::string& right, const std::string& tempFolder)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{8, 8};
    setrlimit(RLIMIT_FSIZE, &small);
    ComparisonState state;
    std::string leftName;
    std::string rightName;
    CollectedMessages sink;
    const bool loaded = LoadPaneTexts(left, right, state, leftName, rightName, sink);
    if (loaded || sink.texts.size() != 1)
        return 1;
    const std::string prefix = "Could not open file " + tempFolder + "/TMP";
    const std::string suffix = ".tmp to write!";
    const std::string& message = sink.texts[0];
    const bool named = message.compare(0, prefix.size(), prefix) == 0
                       && message.size() == prefix.size() + 4 + suffix.size()
                       && message.compare(prefix.size() + 4, suffix.size(), suffix) == 0;
    return named ? kAsExpected : 1;
}

int BuildWithCappedMemory(ComparisonState state)
{
    LimitAddressSpace();
    PaneTexts texts;
    CollectedMessages sink;
    const bool built = BuildPaneTexts(state, texts, sink);
    const bool leftKept = texts.leftText == "a\nb" && texts.leftGutter == "1\n2\n";
    return !built && sink.texts == Strings{"Insufficient memory!"} && leftKept && texts.rightText.empty() ? kAsExpected
                                                                                                          : 1;
}

TEST_F(DisplayLoading, AFileTooLargeForMemoryIsReportedAndNothingIsLeft)
{
    SKIP_WHERE_ALLOCATION_FAILURE_ENDS_THE_PROGRAM();
    GTEST_FLAG_SET(death_test_style, "fast");
    const std::string large = folders.WriteInput("large", "");
    ASSERT_EQ(truncate(large.c_str(), off_t(1) << 30), 0);
    const std::string small = folders.WriteInput("small", "a\n");
    EXPECT_EXIT(_exit(LoadWithCappedMemory(small, large)), testing::ExitedWithCode(kAsExpected), "");
}

TEST_F(DisplayLoading, ACopyThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    const std::string small = folders.WriteInput("small", "a\n");
    const std::string large = folders.WriteInput("large", "more than the largest file allowed\n");
    // Both copies fail when both are large, but one message is told.
    for (const std::string& left : {small, large}) {
        EXPECT_EXIT(_exit(LoadWithCappedFileSize(left, large, folders.TempPath())),
                    testing::ExitedWithCode(kAsExpected), "");
    }
}

TEST_F(DisplayLoading, PaneTextsThatCannotBeAllocatedAreReported)
{
    SKIP_WHERE_ALLOCATION_FAILURE_ENDS_THE_PROGRAM();
    GTEST_FLAG_SET(death_test_style, "fast");
    std::string leftCopy;
    std::string rightCopy;
    ASSERT_TRUE(Load("a\nb\n", "a\nb\n", leftCopy, rightCopy));
    state.rightTextSize = 2000000000;
    EXPECT_EXIT(_exit(BuildWithCappedMemory(state)), testing::ExitedWithCode(kAsExpected), "");
}

}  // namespace

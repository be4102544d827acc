// Tests of the read stage: text translation, identical leading and trailing
// lines, line hashing and the classes of lines under the compare options.

#include "engine/DiffFiles.h"
#include "engine/EquivClassTable.h"
#include "engine/LineRules.h"
#include "engine/ReadStage.h"
#include "engine/TextInput.h"
#include "EngineTestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

ByteBuffer Bytes(const std::string& text)
{
    return ByteBuffer(text.begin(), text.end());
}

TEST(TranslateTextMode, DeliversWhatTextModeReads)
{
    const struct {
        std::string raw;
        std::string read;
    } cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\rb\r", "a\rb\r"},
        {"a\r\r\nb", "a\r\nb"},
        {"abc\x1a"
         "def\n",
         "abc"},
        {"\x1a"
         "abc",
         ""},
        {"a\r\x1a\nb", "a\r"},
        {"a\r\n\r\n", "a\n\n"},
        {"\xa0\x00\r\n"s, "\xa0\x00\n"s},
    };
    for (const auto& c : cases) {
        ByteBuffer content = Bytes(c.raw);
        TranslateTextMode(content);
        EXPECT_EQ(std::string(content.begin(), content.end()), c.read) << c.raw;
    }
}

TEST(LineRules, HashRotatesLeftBySevenAndAdds)
{
    LineRules plain;
    EXPECT_EQ(plain.Hash("\n"), 0u);
    EXPECT_EQ(plain.Hash("a\n"), 97u);
    EXPECT_EQ(plain.Hash("ab\n"), 97u * 128 + 98);
    // Five bytes after it turn the first one by 35 bits: its top bits come
    // back in at the bottom (0xff ends up as 0x7f8), and the sums carry.
    // The value is worked out apart from the code, not by the same loop.
    EXPECT_EQ(plain.Hash("\xff"
                         "bcdef\n"),
              0x2c793ae4u);
    EXPECT_NE(plain.Hash("\xff"
                         "bcdef\n"),
              plain.Hash("bcdef\xff\n"));
    LineRules blanks{true, false};
    EXPECT_EQ(blanks.Hash(" a\t\xa0 b\r\n"), plain.Hash("ab\n"));
    LineRules caseless{false, true};
    EXPECT_EQ(caseless.Hash("AbC\n"), plain.Hash("abc\n"));
}

struct ClassCase {
    const char* what;
    bool ignoreBlanks;
    bool ignoreCase;
    std::vector<std::string> lines;  // each ends at its line feed
    std::vector<int32_t> classes;
};

TEST(EquivClassTable, NumbersLinesByClass)
{
    const ClassCase cases[] = {
        {"blanks kept", false, false, {"a b\n", "ab\n", "ab\t\n"}, {1, 2, 3}},
        {"blanks ignored", true, false, {"a b\n", "ab\n", "ab\t\n"}, {1, 1, 1}},
        {"no-break space is a blank",
         true,
         false,
         {"a\xa0"
          "b\n",
          "ab\n", "a\vb\f\r\n"},
         {1, 1, 1}},
        {"case kept", false, false, {"Text\n", "TEXT\n", "Text\n"}, {1, 2, 1}},
        {"case ignored", false, true, {"Text\n", "TEXT\n", "text\n", "Texts\n"}, {1, 1, 1, 2}},
        {"both ignored", true, true, {"T e x t\n", "TEXT\n", "te xt\t\n", "tex\n"}, {1, 1, 1, 2}},
        {"case folding is ASCII only", false, true, {"\xc4\n", "\xe4\n"}, {1, 2}},
        {"empty and blank lines", true, false, {"\n", " \t\n", "x\n"}, {1, 1, 2}},
        {"empty and blank lines, blanks kept", false, false, {"\n", " \t\n", "\n"}, {1, 2, 1}},
    };
    for (const ClassCase& c : cases) {
        EquivClassTable table(static_cast<int64_t>(c.lines.size()), LineRules{c.ignoreBlanks, c.ignoreCase});
        std::vector<int32_t> classes;
        for (const std::string& line : c.lines)
            classes.push_back(table.Classify(line.c_str(), static_cast<uint32_t>(line.size()),
                                             LineRules{c.ignoreBlanks, c.ignoreCase}.Hash(line.c_str())));
        EXPECT_EQ(classes, c.classes) << c.what;
    }
}

TEST(EquivClassTable, LastLineWithoutLineFeedIsEqualOnlyWhenBlanksAreIgnored)
{
    // The buffer holds an appended line feed, but the length does not count it.
    const std::string open = "abc\n";
    const std::string closed = "abc\n";
    for (bool blanks : {false, true}) {
        EquivClassTable table(2, LineRules{blanks, false});
        int32_t first = table.Classify(closed.c_str(), 4, LineRules{blanks, false}.Hash(closed.c_str()));
        int32_t second = table.Classify(open.c_str(), 3, LineRules{blanks, false}.Hash(open.c_str()));
        EXPECT_EQ(first == second, blanks);
    }
}

TEST(EquivClassTable, ChoosesThePrimeNearAThirdOfTheCapacity)
{
    EXPECT_EQ(EquivClassTable::BucketCount(1), 509);
    EXPECT_EQ(EquivClassTable::BucketCount(3 * 509), 509);
    EXPECT_EQ(EquivClassTable::BucketCount(3 * 509 + 3), 1021);
    EXPECT_EQ(EquivClassTable::BucketCount(3000001), 1048573);
    EXPECT_EQ(EquivClassTable::BucketCount(6442450941LL), 2147483647);
    EXPECT_THROW(EquivClassTable::BucketCount(6442450944LL), std::length_error);
}

struct EdgeCase {
    const char* what;
    std::string left;
    std::string right;
    int32_t prefixLines;
    uint32_t leftSuffix;  // suffixBegin of the left file
    uint32_t rightSuffix;  // suffixBegin of the right file
};

TEST(ReadStage, SetsAsideIdenticalLeadingAndTrailingLines)
{
    const EdgeCase cases[] = {
        {"one changed line in the middle", "a\nb\nc\n", "a\nx\nc\n", 1, 4, 4},
        {"change inside a line", "abc\ndef\nghi\n", "abc\ndXf\nghi\n", 1, 8, 8},
        {"identical files", "a\nb\n", "a\nb\n", 2, 4, 4},
        {"insertion at the end", "a\nb\n", "a\nb\nc\n", 2, 4, 6},
        {"insertion at the start", "b\nc\n", "a\nb\nc\n", 0, 0, 2},
        {"shared tail inside a line", "xa\nz\n", "ya\nz\n", 0, 3, 3},
        {"repeated lines: the tail may not enter the prefix", "a\na\n", "a\na\na\n", 2, 4, 6},
        {"left ends without line feed", "a\nb", "a\nb\n", 1, 4, 4},
        {"right ends without line feed", "a\nb\n", "a\nb", 1, 4, 4},
        {"both end without line feed", "a\nb", "a\nb", 2, 4, 4},
        {"both without line feed, different last lines", "a\nb", "a\nc", 1, 4, 4},
        {"empty against text", "", "a\n", 0, 0, 2},
        {"both empty", "", "", 0, 0, 0},
    };
    for (const EdgeCase& c : cases) {
        EngineFile left, right;
        TakeContent(left, Bytes(c.left));
        TakeContent(right, Bytes(c.right));
        FindIdenticalPrefix(left, right);
        FindIdenticalSuffix(left, right);
        EXPECT_EQ(left.prefixLines, c.prefixLines) << c.what;
        EXPECT_EQ(right.prefixLines, c.prefixLines) << c.what;
        EXPECT_EQ(left.suffixBegin, c.leftSuffix) << c.what;
        EXPECT_EQ(right.suffixBegin, c.rightSuffix) << c.what;
    }
}

TEST(ReadStage, EngineLinesSpanPrefixToSuffix)
{
    EngineFile left, right;
    TakeContent(left, Bytes("same\nold\nx"));
    TakeContent(right, Bytes("same\nnew\nnewer\nx\n"));
    FindIdenticalPrefix(left, right);
    FindIdenticalSuffix(left, right);
    int32_t classes = ClassifyLines(left, right, LineRules{});
    EXPECT_EQ(classes, 6);  // the reserved class 0, old, x, new, newer, x with its line feed
    EXPECT_EQ(left.prefixLines, 1);
    ASSERT_EQ(left.bufferedLines, 2);
    EXPECT_EQ(left.lineStart, (std::vector<uint32_t>{5, 9, 10}));
    EXPECT_EQ(left.LineLength(1), 1u);  // the appended line feed does not count
    EXPECT_EQ(right.lineStart, (std::vector<uint32_t>{5, 9, 15, 17}));
    EXPECT_EQ(left.equivs, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(right.equivs, (std::vector<int32_t>{3, 4, 5}));
}

struct ReadCase {
    const char* what;
    std::string left;
    std::string right;
    bool ignoreBlanks;
    bool ignoreCase;
    int expected;
};

TEST(DiffFiles, ComparesUnderTheOptions)
{
    const ReadCase cases[] = {
        {"CR LF against LF", "abc\r\ndef\r\n", "abc\ndef\n", false, false, 0},
        {"lone CR is not a line end", "abc\rdef\n", "abc\ndef\n", false, false, 1},
        {"0x1A ends the compared text",
         "abc\n\x1a"
         "left\n",
         "abc\n\x1a"
         "right\n",
         false, false, 0},
        {"0x1A against the end of the file",
         "abc\n\x1a"
         "more\n",
         "abc\n", false, false, 0},
        {"blanks differ", "a b\n", "ab\t\n", false, false, 1},
        {"blanks ignored", "a b\n", "ab\t\n", true, false, 0},
        {"no-break space ignored",
         "a\xa0"
         "b\n",
         "ab\n", true, false, 0},
        {"case differs", "Text\n", "TEXT\n", false, false, 1},
        {"case ignored", "Text\n", "TEXT\n", false, true, 0},
        {"missing last line feed counts", "x\nabc", "x\nabc\n", false, false, 1},
        {"missing last line feed with case ignored", "x\nabc", "x\nABC\n", false, true, 1},
        {"missing last line feed with blanks ignored", "x\nabc", "x\nabc\n", true, false, 0},
        {"empty files", "", "", false, false, 0},
        {"empty against blank line with blanks ignored", "", "\n", true, false, 1},
    };
    TempFolder files;
    for (const ReadCase& c : cases) {
        DiffListing listing;
        CollectedMessages messages;
        int result = DiffFiles(files.Write("l", c.left), files.Write("r", c.right), c.ignoreBlanks, c.ignoreCase,
                               listing, messages);
        EXPECT_EQ(result, c.expected) << c.what;
        EXPECT_EQ(listing.empty(), c.expected == 0) << c.what;
        EXPECT_TRUE(messages.texts.empty()) << c.what;
    }
}

TEST(DiffFiles, ReportsInputsThatCannotBeRead)
{
    TempFolder files;
    std::string present = files.Write("present", "a\n");
    std::string missing = files.PathOf("missing");
    std::string folder = files.PathOf("");
    const struct {
        std::string left, right, message;
    } cases[] = {
        {missing, present, missing + ": No such file or directory\n"},
        {present, missing, missing + ": No such file or directory\n"},
        {present, folder, folder + ": Is a directory\n"},
        // Both files are read at once, but a person hears of the left one's failure only.
        {missing, folder, missing + ": No such file or directory\n"},
        {folder, missing, folder + ": Is a directory\n"},
    };
    for (const auto& c : cases) {
        DiffListing listing;
        CollectedMessages messages;
        EXPECT_EQ(DiffFiles(c.left, c.right, false, false, listing, messages), -1);
        EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
        EXPECT_TRUE(listing.empty());
    }
}

TEST(DiffFiles, ReadsFromPipes)
{
    // Not a regular file: read by a buffer that doubles, past its first 8192 bytes.
    const std::string text = NumberedLines("line ", 0, 2999);
    TempFolder files;
    std::string fifo = files.PathOf("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string copy = files.Write("copy", text + "extra\n");
    pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        std::FILE* out = std::fopen(fifo.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        _exit(0);
    }
    DiffListing listing;
    CollectedMessages messages;
    int result = DiffFiles(fifo, copy, false, false, listing, messages);
    waitpid(writer, nullptr, 0);
    unlink(fifo.c_str());
    EXPECT_EQ(result, 1);
    EXPECT_EQ(listing, (DiffListing{"3000a3001\n", "> extra\n"}));
}

}  // namespace

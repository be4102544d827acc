// Tests of the text-or-binary test and the byte comparison of two files.

#include "engine/BinaryFile.h"
#include "engine/EngineError.h"
#include "EngineTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

std::string Repeat(char c, size_t n)
{
    return std::string(n, c);
}

struct SniffCase {
    const char* what;
    std::string bytes;
    int expected;
};

TEST(IsBinaryFile, JudgesTheFirst512Bytes)
{
    const SniffCase cases[] = {
        {"plain text with TAB, CR, LF, FF, BS and ESC", "int x;\tx = 1;\r\n\f\b\x1b[0m\n", 0},
        {"one zero byte", "text\0more text"s, 1},
        {"a zero byte as the only byte", std::string(1, '\0'), 1},
        {"171 high bytes among 512", Repeat('\x80', 171) + Repeat('a', 341), 1},
        {"170 high bytes among 512", Repeat('\xff', 170) + Repeat('a', 342), 0},
        {"other control bytes count as odd", Repeat('\x01', 34) + Repeat('a', 66), 1},
        {"33 odd bytes among 100", Repeat('\x1a', 33) + Repeat('a', 67), 0},
        {"exactly a third odd", Repeat('\x1a', 3) + Repeat('a', 6), 0},
        {"a zero byte after the first 512 bytes", Repeat('a', 512) + std::string(1, '\0'), 0},
        {"high bytes after the first 512 bytes", Repeat('a', 512) + Repeat('\x90', 600), 0},
        {"DEL is text", Repeat('\x7f', 10), 0},
        {"only backspaces", Repeat('\b', 10), 0},
        {"only tabs", Repeat('\t', 10), 0},
        {"only line feeds", Repeat('\n', 10), 0},
        {"only form feeds", Repeat('\f', 10), 0},
        {"only carriage returns", Repeat('\r', 10), 0},
        {"only escapes", Repeat('\x1b', 10), 0},
        {"only vertical tabs", Repeat('\v', 10), 1},
        {"an empty file", "", 0},
    };
    TempFolder files;
    for (const SniffCase& c : cases) {
        CollectedMessages messages;
        EXPECT_EQ(IsBinaryFile(files.Write("sample", c.bytes), messages), c.expected) << c.what;
        EXPECT_TRUE(messages.texts.empty()) << c.what;
    }
}

// Text in UTF-8 is text however many of its bytes are above 0x7F; bytes that
// form no UTF-8 character still count as odd. A UTF-16 mark makes text.
TEST(IsBinaryFile, TakesUtf8CharactersAndUtf16MarksAsText)
{
    std::string cyrillic;
    while (cyrillic.size() < 600)
        cyrillic += "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 ";
    std::string windows1251;
    while (windows1251.size() < 600)
        windows1251 += "\xCF\xF0\xE8\xE2\xE5\xF2 ";
    const SniffCase cases[] = {
        {"Cyrillic in UTF-8, cut by the end of the sample", cyrillic, 0},
        {"the same letters in Windows-1251", windows1251, 1},
        {"a character of four bytes", Repeat('a', 10) + "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 0},
        {"overlong forms", Repeat('a', 10) + Repeat('\xC0', 4) + Repeat('\x80', 4), 1},
        {"encoded surrogates", "a\xED\xA0\x80\xED\xA0\x80", 1},
        {"beyond U+10FFFF", "a\xF4\x90\x80\x80", 1},
        {"a lead byte without its continuation", "a\xC3(\xC3(", 1},
        {"a sequence cut short by the end of a short file", "abcdefg\xE2\x82", 0},
        {"a UTF-8 mark alone", "\xEF\xBB\xBF", 0},
        {"a UTF-16 LE mark alone", "\xFF\xFE", 0},
        {"a UTF-16 BE mark alone", "\xFE\xFF", 0},
        {"UTF-16 LE text", "\xFF\xFEt\0e\0x\0t\0"s, 0},
        {"UTF-16 BE text", "\xFE\xFF\0t\0e\0x\0t"s, 0},
        {"UTF-16 without a mark", "t\0e\0x\0t\0"s, 1},
    };
    TempFolder files;
    for (const SniffCase& c : cases) {
        CollectedMessages messages;
        EXPECT_EQ(IsBinaryFile(files.Write("sample", c.bytes), messages), c.expected) << c.what;
    }
}

TEST(IsBinaryFile, ReportsFilesThatCannotBeJudged)
{
    TempFolder files;
    CollectedMessages messages;
    std::string missing = files.PathOf("missing");
    EXPECT_EQ(IsBinaryFile(missing, messages), -1);
    // A folder opens but cannot be read.
    std::string folder = files.PathOf("");
    EXPECT_EQ(IsBinaryFile(folder, messages), -1);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[0], "Could not open file " + missing + " to read: No such file or directory\n");
    EXPECT_EQ(messages.texts[1], "Could not read from file " + folder + ": Is a directory\n");
}

// The system's text for "no error" never ends a message: a failure that the
// system did not report says what happened instead.
TEST(EngineError, AFailureWithoutErrorNumberSaysWhatHappened)
{
    TempFolder files;
    std::string empty = files.Write("empty", "");
    std::string present = files.Write("present", "abc");
    CollectedMessages messages;
    // Files that were measured at 3 bytes and read nothing: they ended early.
    EXPECT_EQ(BinaryFilesDiffer(empty, present, 3, messages), -1);
    EXPECT_EQ(BinaryFilesDiffer(present, empty, 3, messages), -1);
    ReportEngineError(messages, "subject", 0);
    const std::vector<std::string> expected = {
        "Could not read from file " + empty + ": Unexpected end of file\n",
        "Could not read from file " + empty + ": Unexpected end of file\n",
        "subject: Unknown error\n",
    };
    EXPECT_EQ(messages.texts, expected);
    for (const std::string& text : messages.texts)
        EXPECT_EQ(text.find(std::strerror(0)), std::string::npos) << text;
}

struct PairCase {
    const char* what;
    std::string a;
    std::string b;
    int expected;
};

TEST(BinaryFilesDiffer, ComparesBlockByBlock)
{
    std::string big(20000, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 % 251);
    std::string bigLate = big;
    bigLate[17000] ^= 1;
    std::string bigEarly = big;
    bigEarly[3] ^= 0x40;
    const PairCase cases[] = {
        {"identical", "abc\0def"s, "abc\0def"s, 0},
        {"last byte differs", "abcdef", "abcdeg", 1},
        {"first byte differs", "xbcdef", "abcdef", 1},
        {"identical over three blocks", big, big, 0},
        {"differs in the third block", big, bigLate, 1},
        {"differs in the first block", bigEarly, big, 1},
        {"exactly one block, last byte", big.substr(0, 8192), bigLate.substr(0, 8191) + "x", 1},
    };
    TempFolder files;
    for (const PairCase& c : cases) {
        CollectedMessages messages;
        std::string a = files.Write("a", c.a);
        std::string b = files.Write("b", c.b);
        EXPECT_EQ(BinaryFilesDiffer(a, b, static_cast<int64_t>(c.a.size()), messages), c.expected) << c.what;
        EXPECT_TRUE(messages.texts.empty()) << c.what;
    }
}

TEST(BinaryFilesDiffer, FileShorterThanTheCommonSizeDiffers)
{
    // The sizes were equal when the caller asked; a file that has shrunk
    // since then must not have stale buffer bytes compared.
    TempFolder files;
    CollectedMessages messages;
    std::string shortFile = files.Write("short", std::string(100, 'a'));
    std::string longFile = files.Write("long", std::string(200, 'a'));
    EXPECT_EQ(BinaryFilesDiffer(shortFile, longFile, 200, messages), 1);
    EXPECT_EQ(BinaryFilesDiffer(longFile, shortFile, 200, messages), 1);
    EXPECT_TRUE(messages.texts.empty());
}

TEST(BinaryFilesDiffer, ReportsThePathThatFailed)
{
    TempFolder files;
    std::string present = files.Write("present", "abc");
    std::string missing = files.PathOf("missing");
    std::string folder = files.PathOf("");
    CollectedMessages messages;
    EXPECT_EQ(BinaryFilesDiffer(missing, present, 3, messages), -1);
    EXPECT_EQ(BinaryFilesDiffer(present, missing, 3, messages), -1);
    EXPECT_EQ(BinaryFilesDiffer(folder, present, 3, messages), -1);
    EXPECT_EQ(BinaryFilesDiffer(present, folder, 3, messages), -1);
    const std::vector<std::string> expected = {
        "Could not open file " + missing + " to read: No such file or directory\n",
        "Could not open file " + missing + " to read: No such file or directory\n",
        "Could not read from file " + folder + ": Is a directory\n",
        "Could not read from file " + folder + ": Is a directory\n",
    };
    EXPECT_EQ(messages.texts, expected);
}

TEST(BinaryFilesDiffer, TwoEmptyFilesAreIdentical)
{
    TempFolder files;
    CollectedMessages messages;
    EXPECT_EQ(BinaryFilesDiffer(files.Write("a", ""), files.Write("b", ""), 0, messages), 0);
    EXPECT_TRUE(messages.texts.empty());
}

}  // namespace

// Files with byte-order marks and in other encodings: how they are classified,
// decoded for the comparison, listed and shown in rows.
#include "DisplayTestSupport.h"
#include "EngineTestFiles.h"

#include "engine/BinaryFile.h"
#include "engine/ListingOrder.h"
#include "engine/RowListing.h"
#include "engine/TextEncoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

using Strings = std::vector<std::string>;

const std::string kFixtures = TANDREL_ENGINE_FIXTURES "/encodings/";

std::string Fixture(const std::string& name)
{
    return ReadWholeFile(kFixtures + name);
}

std::string Listing(const PipelineRun& run)
{
    return ListingInFileOrder(run.state.listing);
}

TEST(Encodings, EveryFixtureIsText)
{
    const char* names[] = {"greeting.utf8.txt",    "greeting.utf8-mark.txt", "greeting.utf16le.txt",
                           "greeting.utf16be.txt", "latin.cp1252.txt",       "latin.utf8.txt",
                           "invalid.utf8.txt"};
    for (const char* name : names) {
        CollectedMessages messages;
        EXPECT_EQ(IsBinaryFile(kFixtures + name, messages), 0) << name;
        EXPECT_EQ(messages.texts, Strings{}) << name;
    }
}

// A file with a mark compares identical to the same text in UTF-8 without
// one, and both sides show the same rows.
TEST(Encodings, EveryEncodingOfAFileComparesIdenticalToItsUtf8Form)
{
    const std::string utf8 = Fixture("greeting.utf8.txt");
    for (const char* name : {"greeting.utf8-mark.txt", "greeting.utf16le.txt", "greeting.utf16be.txt"}) {
        SCOPED_TRACE(name);
        DisplayFolders folders;
        PipelineRun run;
        RunPipeline(folders, Fixture(name), utf8, false, false, run);
        ASSERT_TRUE(run.built);
        EXPECT_EQ(run.messages.texts, Strings{});
        EXPECT_EQ(run.compared, 0);
        EXPECT_EQ(run.texts.leftText, run.texts.rightText);
        EXPECT_EQ(run.texts.leftGutter, run.texts.rightGutter);
        EXPECT_EQ(run.state.leftMaxLineLength, run.state.rightMaxLineLength);
    }
}

// The rows hold the decoded text: the mark is gone, the characters are UTF-8.
TEST(Encodings, RowsOfAUtf16FileAreItsUtf8Lines)
{
    DisplayFolders folders;
    PipelineRun run;
    RunPipeline(folders, Fixture("greeting.utf16be.txt"), "plain ASCII line\n", false, false, run);
    ASSERT_TRUE(run.built);
    EXPECT_EQ(Listing(run),
              "1,3d0\n< Grüße aus Köln\n< Καλημέρα κόσμε, ΣΟΦΊΑ\n< Привет, мир! ЁЖИК\n"
              "5d1\n< Łódź, Žluťoučký kůň\n");
    EXPECT_EQ(FormatRows(run.state, run.texts),
              "L 0 D Grüße aus Köln\nL 1 D Καλημέρα κόσμε, ΣΟΦΊΑ\nL 2 D Привет, мир! ЁЖИК\n"
              "L 3 S plain ASCII line\r\nL 4 D Łódź, Žluťoučký kůň\n"
              "R 0 F \nR 1 F \nR 2 F \nR 3 S plain ASCII line\nR 4 F \n"
              "H 0 2 0 2 D F\nH 4 4 4 4 D F\n");
}

// Bytes that are not UTF-8, and UTF-8 without a mark, are compared and
// shown byte for byte, as diff compares them.
TEST(Encodings, OtherFilesAreComparedByteForByte)
{
    TempFolder files;
    const struct {
        const char* left;
        const char* right;
    } pairs[] = {
        {"latin.cp1252.txt", "latin.utf8.txt"},
        {"invalid.utf8.txt", "latin.cp1252.txt"},
        {"latin.utf8.txt", "invalid.utf8.txt"},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.left + " against "s + pair.right);
        DisplayFolders folders;
        PipelineRun run;
        RunPipeline(folders, Fixture(pair.left), Fixture(pair.right), false, false, run);
        ASSERT_TRUE(run.built);
        // diff on the texts as the program reads them: the last line ended.
        std::string left = Fixture(pair.left), right = Fixture(pair.right);
        for (std::string* text : {&left, &right})
            if (text->back() != '\n')
                *text += '\n';
        std::string expected;
        ASSERT_TRUE(SystemDiff(files.Write("left", left), files.Write("right", right), expected));
        EXPECT_EQ(Listing(run), expected);
    }
    DisplayFolders folders;
    PipelineRun run;
    RunPipeline(folders, Fixture("invalid.utf8.txt"), Fixture("invalid.utf8.txt"), false, false, run);
    EXPECT_EQ(run.compared, 0);
    EXPECT_EQ(run.texts.leftText, "cut \xC3\nstray \x80 byte\nend \xE2\x82");
}

struct DecodeCase {
    const char* what;
    std::string content;
    std::string text;
};

// What cannot be decoded becomes U+FFFD, one for each unit at fault.
TEST(Encodings, DecodesMarkedContentAndReplacesWhatCannotBeDecoded)
{
    const std::string fffd = "\xEF\xBF\xBD";
    const DecodeCase cases[] = {
        {"no mark", "a\xC3\n\xFF", "a\xC3\n\xFF"},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", ""},
        {"UTF-8 mark, then bytes that are not UTF-8", "\xEF\xBB\xBF\xC3(\xE2\x82", "\xC3(\xE2\x82"},
        {"a UTF-8 mark later in the text", "a\xEF\xBB\xBF", "a\xEF\xBB\xBF"},
        {"half a UTF-8 mark", "\xEF\xBB", "\xEF\xBB"},
        {"UTF-16 LE mark alone", "\xFF\xFE", ""},
        {"UTF-16 BE mark alone", "\xFE\xFF", ""},
        {"UTF-16 LE",
         "\xFF\xFE"
         "a\0\r\0\n\0\xE9\0\xA9\x03\x16\x04"s,
         "a\r\n\xC3\xA9\xCE\xA9\xD0\x96"},
        {"UTF-16 BE", "\xFE\xFF\0a\x20\xAC"s, "a\xE2\x82\xAC"},
        {"a zero unit", "\xFF\xFE\0\0"s, "\0"s},
        {"a surrogate pair", "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80"},
        {"a surrogate pair, BE", "\xFE\xFF\xDB\xFF\xDF\xFF"s, "\xF4\x8F\xBF\xBF"},
        {"a lone high surrogate at the end",
         "\xFF\xFE"
         "a\0\x3D\xD8"s,
         "a" + fffd},
        {"a lone high surrogate before a letter",
         "\xFF\xFE\x3D\xD8"
         "b\0"s,
         fffd + "b"},
        {"two high surrogates, then a low one", "\xFF\xFE\x3D\xD8\x3D\xD8\x00\xDE"s, fffd + "\xF0\x9F\x98\x80"},
        {"a lone low surrogate",
         "\xFF\xFE\x00\xDE"
         "c\0"s,
         fffd + "c"},
        {"an odd last byte",
         "\xFF\xFE"
         "a\0b"s,
         "a" + fffd},
        {"an odd byte alone after the mark",
         "\xFF\xFE"
         "b"s,
         fffd},
        {"a high surrogate and an odd byte", "\xFE\xFF\xD8\x3D\xDE"s, fffd + fffd},
    };
    for (const DecodeCase& c : cases) {
        std::string content = c.content;
        DecodeFileContent(content);
        EXPECT_EQ(content, c.text) << c.what;
    }
}

// A mark alone is an empty file: no lines, nothing to compare.
TEST(Encodings, AMarkAloneIsAnEmptyFile)
{
    for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        DisplayFolders folders;
        PipelineRun run;
        RunPipeline(folders, mark, "", false, false, run);
        ASSERT_TRUE(run.built);
        EXPECT_EQ(run.compared, 0);
        EXPECT_EQ(run.state.leftLineCount, 0);
        EXPECT_EQ(FormatRows(run.state, run.texts), "L 0 F \nR 0 F \n");
    }
}

// Random text with letters beyond ASCII, written in UTF-8 with and without
// a mark and, by iconv, in UTF-16 in both byte orders: every encoding of a
// file compares identical to its UTF-8 form, and the listing and rows of any
// two encodings of two files are those of their UTF-8 forms.
class EncodedText {
public:
    explicit EncodedText(unsigned seed) : random_(seed) {}

    std::string Text(int lines)
    {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += Line() + (Pick(4) == 0 ? "\r\n" : "\n");
        if (!text.empty() && Pick(3) == 0)
            text.pop_back();
        return text;
    }

    // The text with some lines replaced, dropped or added.
    std::string Edited(const std::string& text)
    {
        std::string edited;
        for (size_t start = 0; start < text.size();) {
            size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
            switch (Pick(6)) {
            case 0: break;
            case 1: edited += Line() + "\n"; break;
            case 2: edited += text.substr(start, end - start) + Line() + "\n"; break;
            default: edited += text.substr(start, end - start);
            }
            start = end;
        }
        return edited;
    }

    unsigned Pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(random_); }

private:
    std::string Line()
    {
        static const char* const kWords[] = {"Straße", "ÉCOLE", "über", "ŁÓDŹ", "ĳssel", "Σοφία", "ΛΌΓΟΣ",
                                             "ПРИВЕТ", "ёлка",  "Ђак",  "ok",   "x",     "😀",     "€"};
        std::string line;
        for (unsigned n = Pick(4); n > 0; --n)
            line += kWords[Pick(std::size(kWords))] + " "s;
        return line;
    }

    std::mt19937 random_;
};

std::string Encoded(TempFolder& files, const std::string& utf8, unsigned encoding)
{
    switch (encoding) {
    case 1: return "\xEF\xBB\xBF" + utf8;
    case 2:
    case 3: {
        std::string utf16;
        const char* to = encoding == 2 ? "UTF-16LE" : "UTF-16BE";
        EXPECT_TRUE(CommandOutput("iconv -f UTF-8 -t "s + to + " '" + files.Write("utf8", utf8) + "'", utf16));
        EXPECT_EQ(utf16.size() % 2, 0u);
        return (encoding == 2 ? "\xFF\xFE" : "\xFE\xFF") + utf16;
    }
    default: return utf8;
    }
}

TEST(Encodings, ListingsBetweenEncodingsAreTheUtf8Listings)
{
    TempFolder files;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        EncodedText generator(seed);
        const std::string left = generator.Text(static_cast<int>(generator.Pick(12)));
        const std::string right = generator.Edited(left);
        const unsigned leftEncoding = generator.Pick(4);
        const unsigned rightEncoding = generator.Pick(4);
        const bool ignoreCase = generator.Pick(2) == 0;
        DisplayFolders folders;
        PipelineRun utf8;
        RunPipeline(folders, left, right, false, ignoreCase, utf8);
        PipelineRun encoded;
        RunPipeline(folders, Encoded(files, left, leftEncoding), Encoded(files, right, rightEncoding), false,
                    ignoreCase, encoded);
        PipelineRun itself;
        RunPipeline(folders, Encoded(files, left, leftEncoding), left, false, false, itself);
        ASSERT_TRUE(utf8.built && encoded.built && itself.built);
        EXPECT_EQ(encoded.compared, utf8.compared);
        EXPECT_EQ(Listing(encoded), Listing(utf8));
        EXPECT_EQ(FormatRows(encoded.state, encoded.texts), FormatRows(utf8.state, utf8.texts));
        EXPECT_EQ(itself.compared, 0);
        EXPECT_EQ(itself.texts.leftText, itself.texts.rightText);
        EXPECT_EQ(IsBinaryFile(files.Write("encoded", Encoded(files, left, leftEncoding)), encoded.messages), 0);
        EXPECT_EQ(encoded.messages.texts, Strings{});
        if (HasFailure())
            return;
    }
}

}  // namespace

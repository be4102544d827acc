// Files in UTF-16 and with a UTF-8 mark in the real main window: taken as
// text, compared as their UTF-8 form, their information line still telling
// the size on disk.
#include "MainWindowFixture.h"
#include "framework/WideString.h"

#include <string>
#include <vector>

namespace {

class EncodedFiles : public MainWindowFixture {};

TEST_F(EncodedFiles, AUtf16FileComparesIdenticalToItsUtf8Form)
{
    // "Grüße\nΣοφία\n" in UTF-8, then in UTF-16 LE with its mark.
    const std::string utf8 =
        "Gr\xC3\xBC\xC3\x9F"
        "e\n\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1\n";
    const std::string utf16 =
        std::string("\xFF\xFEG\0r\0\xFC\0\xDF\0e\0\n\0\xA3\x03\xBF\x03\xC6\x03\xAF\x03\xB1\x03\n\0", 26);
    const std::string left = WriteFile("utf16.txt", utf16);
    const std::string right = WriteFile("utf8.txt", "\xEF\xBB\xBF" + utf8);
    CTandrelDialog& d = Open(left, right);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"The files " + left + " and " + right + " are identical"});
    EXPECT_TRUE(Compared(d));
    EXPECT_EQ(StatusText(0), "No differences found");
    // The pane holds the UTF-8 text, without the mark.
    std::string row;
    LeftTextPane(d).GetLineText(1, row);
    EXPECT_EQ(row, "\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1");
    RightTextPane(d).GetLineText(0, row);
    EXPECT_EQ(row,
              "Gr\xC3\xBC\xC3\x9F"
              "e");
    EXPECT_NE(TipAt(d, CentreOf(d, LeftLabel(d))).find(", Size: 26 bytes"), std::string::npos);
    EXPECT_NE(TipAt(d, CentreOf(d, RightLabel(d))).find(", Size: 22 bytes"), std::string::npos);
}

TEST_F(EncodedFiles, IgnoreCaseFoldsGreekAndCyrillic)
{
    settings.options.ignoreCase = 1;
    const std::string left = WriteFile("left.txt", "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x8A\xCE\x91 \xD0\x81\xD0\x96\n");
    const std::string right = WriteFile("right.txt", "\xCF\x83\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1 \xD1\x91\xD0\xB6\n");
    CTandrelDialog& d = Open(left, right);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"The files " + left + " and " + right + " are identical"});
    EXPECT_TRUE(Compared(d));
    EXPECT_EQ(StatusText(0), "No differences found");
}

TEST_F(EncodedFiles, FileNamesInAnyScriptOpenThroughTheProgramsCodePage)
{
    // The manifest linked into the program and into this test makes UTF-8 the ANSI code page.
    ASSERT_EQ(GetACP(), 65001u);
    // "заметки_中.txt": no single-byte code page has all of its characters.
    const std::string name = "\xD0\xB7\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB8_\xE4\xB8\xAD.txt";
    const std::string left = WriteFile(name, "one\ntwo\n");
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(WideString::FromProcessCodePage(left).c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_TRUE(std::wstring(found.cFileName) == L"\u0437\u0430\u043C\u0435\u0442\u043A\u0438_\u4E2D.txt");

    CTandrelDialog& d = Open(left, WriteFile("right.txt", "one\n2\n"));
    EXPECT_TRUE(Compared(d));
    EXPECT_EQ(StatusText(0), "1 difference found");
    std::string row;
    LeftTextPane(d).GetLineText(1, row);
    EXPECT_EQ(row, "two");
    EXPECT_NE(TipAt(d, CentreOf(d, LeftLabel(d))).find(", Size: 8 bytes"), std::string::npos);
}

}  // namespace

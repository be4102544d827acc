// Find and Copy over characters beyond ASCII: folding beyond ASCII, matches between characters, the clipboard in Unicode.
#include "PaneHarness.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>
#include <vector>

namespace {

struct FindCase {
    const char* name;
    std::string text;
    std::string sought;  // UTF-8, as the Find dialog gives it
    int matchCase;
    int forward;
    // The text's own bytes of each match that successive searches find, in
    // order; then one more search finds nothing.
    std::vector<std::string> matches;
};

const std::string kUtf8 =
    "Caf\xC3\xA9 CAF\xC3\x89 caf\xC3\xA9\n"  // Café CAFÉ café
    "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 "  // Αθήνα
    "\xCE\x91\xCE\x98\xCE\x89\xCE\x9D\xCE\x91\n"  // ΑΘΉΝΑ
    "\xE2\x82\xAC"
    "uro \xE2\x82\xAC"
    "URO \xD0\x96\xD1\x83\xD0\xBA\n";  // €uro €URO Жук
const std::string kWindows1252 = "Caf\xE9 CAF\xC9 caf\xE9\n";

const std::vector<FindCase> kFinds = {
    {"match case finds only the same letters", kUtf8, "caf\xC3\xA9", 1, 1, {"caf\xC3\xA9"}},
    {"ignore case folds accented Latin", kUtf8, "caf\xC3\xA9", 0, 1, {"Caf\xC3\xA9", "CAF\xC3\x89", "caf\xC3\xA9"}},
    {"ignore case folds Greek with its accents",
     kUtf8,
     "\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",
     0,
     1,
     {"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\x91\xCE\x98\xCE\x89\xCE\x9D\xCE\x91"}},
    {"match case keeps Greek apart", kUtf8, "\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", 1, 1, {}},
    {"ignore case folds Cyrillic", kUtf8, "\xD0\xB6\xD0\xA3\xD0\x9A", 0, 1, {"\xD0\x96\xD1\x83\xD0\xBA"}},
    {"a sign beyond ASCII before folded letters",
     kUtf8,
     "\xE2\x82\xAC"
     "URO",
     0,
     1,
     {"\xE2\x82\xAC"
      "uro",
      "\xE2\x82\xAC"
      "URO"}},
    {"backward from the end, folded", kUtf8, "CAF\xC3\x89", 0, 0, {"caf\xC3\xA9", "CAF\xC3\x89", "Caf\xC3\xA9"}},
    {"a part of a character is never a match", kUtf8, "\xA9", 1, 1, {}},
    {"Windows-1252 text by a UTF-8 word, match case", kWindows1252, "CAF\xC3\x89", 1, 1, {"CAF\xC9"}},
    {"Windows-1252 text by a UTF-8 word, ignore case",
     kWindows1252,
     "caf\xC3\xA9",
     0,
     1,
     {"Caf\xE9", "CAF\xC9", "caf\xE9"}},
};

TEST(NewEditFindCharacters, EachSearchFindsTheNextMatchOfItsRule)
{
    for (const FindCase& c : kFinds) {
        SCOPED_TRACE(c.name);
        PaneHarness h;
        h.SetText(c.text);
        h.Focus();
        if (!c.forward)
            h.Key(VK_END, {VK_CONTROL});
        size_t from = c.forward ? 0 : std::string::npos;
        for (const std::string& match : c.matches) {
            const size_t at = c.forward ? c.text.find(match, from) : c.text.rfind(match, from);
            ASSERT_NE(at, std::string::npos);
            ASSERT_EQ(h.Pane().Find(c.sought.c_str(), c.forward, c.matchCase), 1) << match;
            EXPECT_EQ(std::min(h.Pane().GetAnchor(), h.Pane().GetSelectionEnd()), static_cast<int>(at));
            EXPECT_EQ(std::max(h.Pane().GetAnchor(), h.Pane().GetSelectionEnd()), static_cast<int>(at + match.size()));
            from = c.forward ? at + match.size() : at - 1;
        }
        EXPECT_EQ(h.Pane().Find(c.sought.c_str(), c.forward, c.matchCase), 0);
    }
}

// Cells of the fixed-pitch font: Ж0 у1 к2 3 c4 a5 f6 é7 8 €9 5:10 11 n12 a13 ï14 v15 e16.
const std::string kWords =
    "\xD0\x96\xD1\x83\xD0\xBA caf\xC3\xA9 \xE2\x82\xAC"
    "5 na\xC3\xAFve";

struct WordCase {
    const char* name;
    int cell;  // double-clicked on the left part of this cell
    const char* selected;
};

TEST(NewEditWordsAndDrags, DoubleClickSelectsWholeWordsOfAnyScript)
{
    const std::vector<WordCase> cases = {
        {"inside a Cyrillic word", 1, "\xD0\x96\xD1\x83\xD0\xBA"},
        {"on the accented letter that ends a word", 7, "caf\xC3\xA9"},
        {"on a sign beyond ASCII", 9, ""},
        {"on a letter with a diaeresis", 14, "na\xC3\xAFve"},
    };
    for (const WordCase& c : cases) {
        SCOPED_TRACE(c.name);
        PaneHarness h;
        h.SetText(kWords);
        h.Focus();
        h.Mouse(WM_LBUTTONDBLCLK, c.cell * h.CharWidth() + 2, 2);
        EXPECT_EQ(h.Pane().GetSelectedText(), c.selected);
    }
}

TEST(NewEditWordsAndDrags, ADragSelectsFromBoundaryToBoundary)
{
    PaneHarness h;
    h.SetText(kWords);
    h.Focus();
    const int cw = h.CharWidth();
    h.Mouse(WM_LBUTTONDOWN, cw + 2, 2, MK_LBUTTON);  // the left part of у: the boundary before it
    for (int x = cw + 2; x <= 8 * cw - 2; x += 3)
        h.Mouse(WM_MOUSEMOVE, x, 2, MK_LBUTTON);
    h.Mouse(WM_LBUTTONUP, 8 * cw - 2, 2);  // the right part of é: the boundary after it
    EXPECT_EQ(h.Pane().GetSelectedText(), "\xD1\x83\xD0\xBA caf\xC3\xA9");
    EXPECT_EQ(h.CaretColumn(), 8);
}

std::wstring ReadUnicodeClipboard(HWND owner, std::string& bytes)
{
    std::wstring text;
    bytes.clear();
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(block)))
            text.assign(units, wcsnlen(units, GlobalSize(block) / sizeof(wchar_t)));
        GlobalUnlock(block);
    }
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(block)))
            bytes.assign(chars, strnlen(chars, GlobalSize(block)));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

struct CopyCase {
    const char* name;
    std::string text;
    std::wstring unicode;  // what CF_UNICODETEXT gives after Select All and Copy
    std::string bytes;  // what CF_TEXT gives
};

TEST(NewEditCopyCharacters, TheClipboardGivesTheCharactersAsShownAndTheBytesAsBefore)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    const std::vector<CopyCase> cases = {
        {"UTF-8", "Caf\xC3\xA9\n\xD0\x96\xD1\x83\xD0\xBA \xF0\x9D\x84\x9E",
         L"Caf\u00E9\r\n\u0416\u0443\u043A \U0001D11E", "Caf\xC3\xA9\r\n\xD0\x96\xD1\x83\xD0\xBA \xF0\x9D\x84\x9E"},
        {"Windows-1252", "caf\xE9\n\x80 5", L"caf\u00E9\r\n\u20AC 5", "caf\xE9\r\n\x80 5"},
        {"ASCII", "one\ntwo", L"one\r\ntwo", "one\r\ntwo"},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.name);
        PaneHarness h;
        h.SetText(c.text);
        h.Pane().SelectAll();
        h.Pane().CopySelection();
        std::string bytes;
        EXPECT_TRUE(ReadUnicodeClipboard(h.Parent(), bytes) == c.unicode);
        EXPECT_EQ(bytes, c.bytes);
    }
    OleFlushClipboard();
    OleUninitialize();
}

}  // namespace

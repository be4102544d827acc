// Find in both directions with the case rules, the clipboard text of the selection, and the pane's own commands.
#include "PaneHarness.h"
#include "framework/CMenu.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

namespace {

struct Selection {
    int lo;
    int hi;
    bool operator==(const Selection& other) const { return lo == other.lo && hi == other.hi; }
};

Selection SelectionOf(CNewEdit& pane)
{
    return Selection{std::min(pane.GetAnchor(), pane.GetSelectionEnd()),
                     std::max(pane.GetAnchor(), pane.GetSelectionEnd())};
}

std::ostream& operator<<(std::ostream& out, const Selection& s)
{
    return out << "[" << s.lo << ", " << s.hi << ")";
}

class NewEditFind : public ::testing::Test {
protected:
    PaneHarness h;
    void SetUp() override
    {
        // Positions: "one two one" 0-10, break 11; "Two three" 12-20, break 21.
        h.SetText("one two one\nTwo three");
        h.Focus();
    }
};

TEST_F(NewEditFind, ForwardFromTheCaretThenFromEachMatch)
{
    EXPECT_EQ(h.Pane().Find("one", 1, 1), 1);
    EXPECT_EQ(SelectionOf(h.Pane()), (Selection{0, 3}));
    EXPECT_EQ(h.Pane().GetCaretPosition(), 3);
    EXPECT_EQ(h.Pane().Find("one", 1, 1), 1);
    EXPECT_EQ(SelectionOf(h.Pane()), (Selection{8, 11}));
    EXPECT_EQ(h.Pane().Find("one", 1, 1), 0);
    EXPECT_EQ(SelectionOf(h.Pane()), (Selection{8, 11}));  // a failed search changes nothing
    EXPECT_EQ(h.Pane().GetCaretPosition(), 11);
}

TEST_F(NewEditFind, FromACaretInMidTextBothWays)
{
    // The caret at 6, inside "two", by a key and by a click: forward finds the
    // second "one", backward the first, never the match at 0 going forward.
    const int cw = h.CharWidth();
    for (bool byClick : {false, true}) {
        for (int direction : {1, 0}) {
            h.Pane().SetSelection(-1, -1);
            if (byClick) {
                h.Mouse(WM_LBUTTONDOWN, 6 * cw + 1, 2, MK_LBUTTON);
                h.Mouse(WM_LBUTTONUP, 6 * cw + 1, 2);
            } else {
                for (int i = 0; i < 6; ++i)
                    h.Key(VK_RIGHT);
            }
            ASSERT_EQ(h.Pane().GetCaretPosition(), 6) << (byClick ? "click" : "keys");
            EXPECT_EQ(h.Pane().Find("one", direction, 1), 1);
            EXPECT_EQ(SelectionOf(h.Pane()), direction ? (Selection{8, 11}) : (Selection{0, 3}))
                << (byClick ? "click, " : "keys, ") << (direction ? "forward" : "backward");
        }
    }
}

TEST_F(NewEditFind, BackwardFromTheSelectionStart)
{
    h.Pane().SetSelection(8, 11);
    EXPECT_EQ(h.Pane().Find("one", 0, 1), 1);
    EXPECT_EQ(SelectionOf(h.Pane()), (Selection{0, 3}));
    EXPECT_EQ(h.Pane().Find("one", 0, 1), 0);
}

TEST_F(NewEditFind, BackwardAtPositionZeroFailsAtOnce)
{
    EXPECT_EQ(h.Pane().Find("o", 0, 0), 0);
    EXPECT_EQ(h.Pane().GetAnchor(), -1);
}

TEST_F(NewEditFind, BackwardBeginsWhereTheStringStillFits)
{
    h.Pane().SetSelection(19, 20);  // the last 'e' of "three"
    EXPECT_EQ(h.Pane().Find("three", 0, 1), 1);
    EXPECT_EQ(SelectionOf(h.Pane()), (Selection{16, 21}));
    EXPECT_EQ(h.Pane().Find("a string longer than the whole text", 0, 1), 0);
}

TEST_F(NewEditFind, CaseRules)
{
    EXPECT_EQ(h.Pane().Find("TWO", 1, 0), 1);
    EXPECT_EQ(SelectionOf(h.Pane()), (Selection{4, 7}));
    h.Pane().MoveCaretToPosition(0, CaretFollow::QuarterJump);
    h.Pane().ClearSelection();
    EXPECT_EQ(h.Pane().Find("Two", 1, 1), 1);
    EXPECT_EQ(SelectionOf(h.Pane()), (Selection{12, 15}));
    EXPECT_EQ(h.Pane().Find("TWO", 1, 1), 0);
}

TEST_F(NewEditFind, NeverAcrossALineBreak)
{
    EXPECT_EQ(h.Pane().Find("oneTwo", 1, 0), 0);
    EXPECT_EQ(h.Pane().Find("one Two", 1, 1), 0);  // "one two" at 0 differs in case
    h.SetText("abc\ndef");
    EXPECT_EQ(h.Pane().Find("C D", 1, 0), 0);
    EXPECT_EQ(h.Pane().Find("c\nd", 1, 1), 1);  // a break in the string matches the break
}

TEST(NewEditFindView, MatchIsScrolledIntoView)
{
    PaneHarness h(40, 10);
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += std::string(80, '.') + "\n";
    text += std::string(70, '.') + "needle" + "\n";
    h.SetText(text);
    EXPECT_EQ(h.Pane().Find("needle", 1, 1), 1);
    const int line = 60;
    EXPECT_LE(h.Pane().GetTopLine(), line);
    EXPECT_GT(h.Pane().GetTopLine() + h.Pane().GetVisibleLines(), line);
    EXPECT_LE(h.Pane().GetHorzPos(), 70);
    EXPECT_GE(h.Pane().GetHorzPos() + h.Pane().GetVisibleColumns(), 76);
    EXPECT_EQ(h.CaretLine(), line);
    EXPECT_EQ(h.CaretColumn(), 76);
}

// The clipboard's CF_TEXT block: its bytes up to the zero, and whether the zero is there.
struct ClipboardText {
    std::string text;
    bool terminated = false;
};

ClipboardText ReadClipboard(HWND owner)
{
    ClipboardText result;
    if (!OpenClipboard(owner))
        return result;
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        const auto* bytes = static_cast<const char*>(GlobalLock(block));
        const size_t size = GlobalSize(block);
        if (bytes) {
            const size_t length = strnlen(bytes, size);
            result.text.assign(bytes, length);
            result.terminated = length < size;
        }
        GlobalUnlock(block);
    }
    CloseClipboard();
    return result;
}

class NewEditClipboard : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override
    {
        OleFlushClipboard();
        OleUninitialize();
    }
};

TEST_F(NewEditClipboard, ThreeLineSelectionHasTwoCrLfPairsAndAZero)
{
    PaneHarness h;
    h.SetText("abc\ndef\nghi\n");
    h.Focus();
    h.Pane().SetSelection(1, 10);
    h.Key('C', {VK_CONTROL});
    const ClipboardText clip = ReadClipboard(h.Parent());
    EXPECT_EQ(clip.text, "bc\r\ndef\r\ngh");
    EXPECT_TRUE(clip.terminated);
}

TEST_F(NewEditClipboard, SelectAllThenCopyIsTheWholeTextWithoutTheFinalBreak)
{
    PaneHarness h;
    h.SetText("one\r\ntwo\nthree");
    h.Pane().SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
    h.Pane().SendMessage(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_EQ(ReadClipboard(h.Parent()).text, "one\r\ntwo\r\nthree");
}

TEST_F(NewEditClipboard, NothingSelectedCopiesAnEmptyText)
{
    PaneHarness h;
    h.SetText("abc");
    h.Pane().SetSelection(0, 2);
    h.Pane().CopySelection();
    ASSERT_EQ(ReadClipboard(h.Parent()).text, "ab");
    h.Pane().ClearSelection();
    h.Key('C', {VK_CONTROL});
    const ClipboardText clip = ReadClipboard(h.Parent());
    EXPECT_EQ(clip.text, "");
    EXPECT_TRUE(clip.terminated);
}

TEST(NewEditClipboardWithoutOle, CopyGoesToThePlainClipboard)
{
    PaneHarness h;
    h.SetText("alpha\nbeta");
    h.Pane().SetSelection(3, 8);
    h.Key('C', {VK_CONTROL});
    const ClipboardText clip = ReadClipboard(h.Parent());
    EXPECT_EQ(clip.text, "ha\r\nbe");
    EXPECT_TRUE(clip.terminated);
}

TEST(NewEditContextMenu, CopyIsGreyWhileNothingIsSelected)
{
    PaneHarness h;
    h.SetText("abc def");
    CMenu menu(IDR_PANE_MENU);
    ASSERT_TRUE(menu.Valid());
    HMENU popup = menu.SubMenu(0);
    h.Pane().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_TRUE(GetMenuState(popup, ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(popup, ID_EDIT_SELECT_ALL, MF_BYCOMMAND) & MF_GRAYED);
    h.Pane().SetSelection(0, 3);
    h.Pane().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_FALSE(GetMenuState(popup, ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
    char label[32] = {};
    GetMenuStringA(popup, ID_EDIT_COPY, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ(label, "&Copy");
    GetMenuStringA(popup, ID_EDIT_SELECT_ALL, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ(label, "&Select All");
}

}  // namespace

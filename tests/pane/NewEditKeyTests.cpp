// Every key of the pane's key table, with the edge rules and the beeps, driven by WM_KEYDOWN with modifier state.
#include "PaneHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Line starts: 0, 18, 20, 36; the last position (the final break) is 39.
const char kText[] = "alpha beta, gamma\nx\nthird line here\nend";

struct KeyCase {
    const char* name;
    int caret;  // caret position before the key
    int anchor, end;  // selection before the key (-1 -1: none)
    UINT key;
    std::vector<int> modifiers;
    int line, column;  // caret after the key
    int expectAnchor, expectEnd;
    int beeps;
};

const int S = VK_SHIFT;
const int C = VK_CONTROL;

const std::vector<KeyCase> kCases = {
    {"up on line 0 goes to column 0", 5, -1, -1, VK_UP, {}, 0, 0, -1, -1, 0},
    {"up at column 0 of line 0 beeps", 0, -1, -1, VK_UP, {}, 0, 0, -1, -1, 1},
    {"down on the last line goes to its end", 37, -1, -1, VK_DOWN, {}, 3, 3, -1, -1, 0},
    {"down at the end of the last line beeps", 39, -1, -1, VK_DOWN, {}, 3, 3, -1, -1, 1},
    {"down keeps x: past a short line's end", 10, -1, -1, VK_DOWN, {}, 1, 1, -1, -1, 0},
    {"ctrl+down acts as down", 10, -1, -1, VK_DOWN, {C}, 1, 1, -1, -1, 0},
    {"right at the end of the text beeps", 39, -1, -1, VK_RIGHT, {}, 3, 3, -1, -1, 1},
    {"left at position 0 beeps", 0, -1, -1, VK_LEFT, {}, 0, 0, -1, -1, 1},
    {"left at column 0 goes to the previous line's end", 18, -1, -1, VK_LEFT, {}, 0, 17, -1, -1, 0},
    {"right at a line's end goes to the next line", 17, -1, -1, VK_RIGHT, {}, 1, 0, -1, -1, 0},
    {"right clears the selection", 2, 2, 6, VK_RIGHT, {}, 0, 3, -1, -1, 0},
    {"ctrl+left at position 0 beeps", 0, -1, -1, VK_LEFT, {C}, 0, 0, -1, -1, 1},
    {"ctrl+left from inside a word goes to its start", 8, -1, -1, VK_LEFT, {C}, 0, 6, -1, -1, 0},
    {"ctrl+left from a word start goes to the previous word", 6, -1, -1, VK_LEFT, {C}, 0, 0, -1, -1, 0},
    {"ctrl+right stops after a word before comma and space", 6, -1, -1, VK_RIGHT, {C}, 0, 10, -1, -1, 0},
    {"ctrl+right from there lands on the next word", 10, -1, -1, VK_RIGHT, {C}, 0, 12, -1, -1, 0},
    {"ctrl+right over a single space lands on the next word", 0, -1, -1, VK_RIGHT, {C}, 0, 6, -1, -1, 0},
    {"ctrl+shift+right moves and clears", 0, 0, 3, VK_RIGHT, {C, S}, 0, 6, -1, -1, 0},
    {"ctrl+right at the last position beeps", 39, -1, -1, VK_RIGHT, {C}, 3, 3, -1, -1, 1},
    {"shift+right starts a selection at the caret", 2, -1, -1, VK_RIGHT, {S}, 0, 3, 2, 3, 0},
    {"shift+left extends an existing selection", 4, 2, 4, VK_LEFT, {S}, 0, 3, 2, 3, 0},
    {"shift+up anchors at the old caret", 23, -1, -1, VK_UP, {S}, 1, 1, 23, 19, 0},
    {"shift+page up anchors at the old caret", 23, -1, -1, VK_PRIOR, {S}, 0, 3, 23, 3, 0},
    {"page down goes down a page less one line", 2, -1, -1, VK_NEXT, {}, 3, 2, -1, -1, 0},
    {"home goes to column 0", 25, 20, 23, VK_HOME, {}, 2, 0, -1, -1, 0},
    {"ctrl+home goes to the start", 25, -1, -1, VK_HOME, {C}, 0, 0, -1, -1, 0},
    {"shift+home selects to the line start", 25, -1, -1, VK_HOME, {S}, 2, 0, 20, 25, 0},
    {"shift+home keeps a selection starting before the line", 22, 5, 22, VK_HOME, {S}, 2, 0, 5, 22, 0},
    {"ctrl+shift+home selects to the start", 25, -1, -1, VK_HOME, {C, S}, 0, 0, 0, 25, 0},
    {"end goes to the line end", 21, -1, -1, VK_END, {}, 2, 15, -1, -1, 0},
    {"ctrl+end goes to the last position", 3, -1, -1, VK_END, {C}, 3, 3, -1, -1, 0},
    {"shift+end selects to the line end", 25, -1, -1, VK_END, {S}, 2, 15, 25, 35, 0},
    {"ctrl+shift+end selects to the last position", 25, -1, -1, VK_END, {C, S}, 3, 3, 25, 39, 0},
    {"ctrl+a selects everything but the final break", 7, -1, -1, 'A', {C}, 3, 3, 0, 39, 0},
    {"a without ctrl does nothing", 7, -1, -1, 'A', {}, 0, 7, -1, -1, 0},
};

TEST(NewEditKeys, EveryKeyOfTheTable)
{
    PaneHarness h;
    for (const KeyCase& c : kCases) {
        SCOPED_TRACE(c.name);
        h.SetText(kText);
        h.Focus();
        CNewEdit& pane = h.Pane();
        pane.MoveCaretToPosition(c.caret, CaretFollow::QuarterJump);
        if (c.anchor != -1)
            pane.SetSelection(c.anchor, c.end);
        pane.MoveCaretToPosition(c.caret, CaretFollow::QuarterJump);
        PaneHarness::TakeBeeps();

        h.Key(c.key, c.modifiers);

        EXPECT_EQ(h.CaretLine(), c.line);
        EXPECT_EQ(h.CaretColumn(), c.column);
        EXPECT_EQ(pane.GetAnchor(), c.expectAnchor);
        EXPECT_EQ(pane.GetSelectionEnd(), c.expectEnd);
        EXPECT_EQ(PaneHarness::TakeBeeps(), c.beeps);
    }
}

TEST(NewEditKeys, UpThenUpAgainMovesThenBeeps)
{
    PaneHarness h;
    h.SetText(kText);
    h.Focus();
    h.Pane().MoveCaretToPosition(4, CaretFollow::QuarterJump);
    h.Key(VK_UP);
    EXPECT_EQ(PaneHarness::TakeBeeps(), 0);
    EXPECT_EQ(h.CaretColumn(), 0);
    h.Key(VK_UP);
    EXPECT_EQ(PaneHarness::TakeBeeps(), 1);
}

TEST(NewEditKeys, KeysInAnEmptyPaneDoNothing)
{
    PaneHarness h;
    h.Focus();
    h.Key(VK_DOWN);
    h.Key(VK_LEFT, {C});
    h.Key('A', {C});
    EXPECT_EQ(PaneHarness::TakeBeeps(), 0);
    EXPECT_EQ(h.Pane().GetAnchor(), -1);
    EXPECT_EQ(h.CaretLine(), 0);
}

TEST(NewEditKeys, EndOnALongLineScrollsAQuarterPastTheCaret)
{
    PaneHarness h(40, 10);
    h.SetText(std::string(100, 'w') + "\nshort");
    h.Focus();
    h.Key(VK_END);
    // 100 + 40 / 4 - 40 columns
    EXPECT_EQ(h.Pane().GetHorzPos(), 70);
    EXPECT_EQ(h.CaretColumn(), 100);
    EXPECT_EQ(h.Pane().GetCaretPoint().x, 30 * h.CharWidth());
}

TEST(NewEditKeys, DialogCodeAsksForArrowsAllKeysAndCharacters)
{
    PaneHarness h;
    const LRESULT code = h.Pane().SendMessage(WM_GETDLGCODE);
    EXPECT_EQ(code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS),
              DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS);
}

}  // namespace

// Tests of the compare flow in the real main window: outcomes, messages, rows, texts and colours.
#include "MainWindowFixture.h"

#include "framework/CWaitCursor.h"
#include "framework/ClientDC.h"
#include "framework/ObjectSelection.h"
#include "resources/resource.h"

#include <algorithm>
#include <map>

namespace {

class CompareFlow : public MainWindowFixture {};

std::string PaneRow(CNewEdit& pane, int row)
{
    std::string text;
    pane.GetLineText(row, text);
    return text;
}

TEST_F(CompareFlow, TextFilesFillThePanesListAndStatus)
{
    const std::string left = WriteFile("left.txt", "a\nb\nc\nd\n");
    const std::string right = WriteFile("right.txt", "a\nc\nd\nX\n");
    CTandrelDialog& d = Open(left, right);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Compared(d));
    EXPECT_EQ(StatusText(0), "2 differences found");
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"Diff 1: Delete line 2 (left file)",
                                                       "Diff 2: Add line 4 (right file) after line 4 (left file)"}));
    EXPECT_EQ(DiffList(d).GetCurSel(), 0);
    ASSERT_EQ(DifferenceCount(d), 2);
    // The first difference is row 1 alone, deleted on the left; the second is row 4, added on the right.
    CNewEdit& l = LeftTextPane(d);
    CNewEdit& r = RightTextPane(d);
    EXPECT_EQ(l.GetTextColorAt(l.GetLineStart(1)), settings.deletedColor);
    EXPECT_NE(l.GetTextColorAt(l.GetLineStart(2)), settings.deletedColor);
    EXPECT_EQ(r.GetTextColorAt(r.GetLineStart(4)), settings.addedColor);
    // Row against row: the deleted b faces a filler row, the added X faces one too.
    EXPECT_EQ(PaneRow(LeftTextPane(d), 1), "b");
    EXPECT_EQ(PaneRow(RightTextPane(d), 1), "");
    EXPECT_EQ(PaneRow(RightTextPane(d), 4), "X");
    EXPECT_EQ(PaneRow(LeftTextPane(d), 4), "");
    EXPECT_EQ(PaneRow(LeftGutter(d), 1), "2");
    EXPECT_EQ(PaneRow(RightGutter(d), 1), "");
    EXPECT_EQ(LeftLabel(d).Text(), left);
    EXPECT_EQ(RightLabel(d).Text(), right);
    const std::string leftTip = TipAt(d, CentreOf(d, LeftLabel(d)));
    EXPECT_EQ(leftTip.rfind("Modified: ", 0), 0u) << leftTip;
    EXPECT_NE(leftTip.find(", Size: 8 bytes"), std::string::npos) << leftTip;
}

TEST_F(CompareFlow, TheListScrollsSidewaysAsFarAsItsWidestSentence)
{
    std::string right = NumberedLines("line", 1, 30);
    right.replace(right.find("line3\n"), 6, "three\n");
    right += "x\ny\nz\n";
    CTandrelDialog& d = Open(WriteFile("left.txt", NumberedLines("line", 1, 30)), WriteFile("right.txt", right));
    const std::vector<std::string> entries = ListEntries();
    ASSERT_EQ(entries.size(), 2u);
    ClientDC dc(DiffList(d).m_hWnd);
    ObjectSelection font(dc, reinterpret_cast<HFONT>(DiffList(d).SendMessage(WM_GETFONT)));
    int widest = 0;
    for (const std::string& entry : entries) {
        SIZE size{};
        ::GetTextExtentPoint32A(dc, entry.c_str(), static_cast<int>(entry.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    EXPECT_GT(widest, 100);
    EXPECT_EQ(DiffList(d).GetHorizontalExtent(), widest);
}

TEST_F(CompareFlow, DifferencesAreColouredRowByRow)
{
    settings.addedColor = RGB(0, 128, 64);
    settings.deletedColor = RGB(255, 0, 0);
    settings.changedColor = RGB(0, 0, 255);
    settings.diffBackgroundColor = RGB(192, 192, 192);
    // The rows' own colours, without the marks inside changed rows.
    settings.showInlineDifferences = 0;
    const std::string left = WriteFile("left.txt", "same\nold\nsame\ngone\nsame\n");
    const std::string right = WriteFile("right.txt", "same\nnew\nsame\nsame\nadded\n");
    CTandrelDialog& d = Open(left, right);
    CNewEdit& l = LeftTextPane(d);
    CNewEdit& r = RightTextPane(d);
    struct Row {
        CNewEdit* pane;
        int row;
        COLORREF text;
        COLORREF back;
    };
    const COLORREF plainBack = r.GetBackColorAt(r.GetLineStart(0));
    const COLORREF plainText = r.GetTextColorAt(r.GetLineStart(0));
    ASSERT_NE(plainBack, settings.diffBackgroundColor);
    const Row rows[] = {
        {&l, 0, plainText, plainBack},
        {&l, 1, RGB(0, 0, 255), RGB(192, 192, 192)},  // changed
        {&r, 1, RGB(0, 0, 255), RGB(192, 192, 192)},
        {&l, 3, RGB(255, 0, 0), RGB(192, 192, 192)},  // deleted
        {&r, 2, plainText, plainBack},
    };
    for (const Row& row : rows) {
        const int at = row.pane->GetLineStart(row.row);
        EXPECT_EQ(row.pane->GetTextColorAt(at), row.text) << row.row;
        EXPECT_EQ(row.pane->GetBackColorAt(at), row.back) << row.row;
    }
    // The added line and the filler row facing the deleted one carry the difference background.
    int addedRow = -1;
    for (int i = 0; i < r.GetLineCount(); ++i) {
        std::string text;
        r.GetLineText(i, text);
        if (text == "added")
            addedRow = i;
    }
    ASSERT_GE(addedRow, 0);
    EXPECT_EQ(r.GetTextColorAt(r.GetLineStart(addedRow)), RGB(0, 128, 64));
    EXPECT_EQ(r.GetBackColorAt(r.GetLineStart(3)), RGB(192, 192, 192));
}

TEST_F(CompareFlow, IdenticalFilesSayThatAndShowBothTexts)
{
    const std::string left = WriteFile("left.txt", "one\ntwo\n");
    const std::string right = WriteFile("right.txt", "one\ntwo\n");
    const int copiesBefore = TemporaryCopies();
    CTandrelDialog& d = Open(left, right);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"The files " + left + " and " + right + " are identical"});
    EXPECT_TRUE(Compared(d));
    EXPECT_EQ(DifferenceCount(d), 0);
    EXPECT_EQ(StatusText(0), "No differences found");
    EXPECT_FALSE(DiffList(d).IsWindowEnabled());
    EXPECT_EQ(PaneRow(RightTextPane(d), 1), "two");
    EXPECT_EQ(TemporaryCopies(), copiesBefore);
}

TEST_F(CompareFlow, TheSamePathTwiceIsIdenticalWithoutLeavingCopies)
{
    const std::string path = WriteFile("self.txt", "x\ny\n");
    const int copiesBefore = TemporaryCopies();
    CTandrelDialog& d = Open(path, path);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"The files " + path + " and " + path + " are identical"});
    EXPECT_EQ(PaneRow(LeftTextPane(d), 0), "x");
    EXPECT_EQ(TemporaryCopies(), copiesBefore);
}

// An empty file is text with no lines: against a one-line file it is one
// addition or deletion, its pane keeps as many rows as the other one, the
// row facing the other file's line is a filler row in the difference
// background, and neither row of the empty side has a number.
TEST_F(CompareFlow, AnEmptyFileAgainstOneLineIsOneDifferenceRowAgainstRow)
{
    settings.diffBackgroundColor = RGB(192, 192, 192);
    struct Case {
        std::string left, right, sentence;
    };
    const Case cases[] = {
        {"", "only\n", "Diff 1: Add line 1 (right file) after line 0 (left file)"},
        {"only\n", "", "Diff 1: Delete line 1 (left file)"},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        CTandrelDialog& d = Open(WriteFile("left.txt", c.left), WriteFile("right.txt", c.right));
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(Compared(d));
        EXPECT_EQ(StatusText(0), "1 difference found");
        EXPECT_EQ(ListEntries(), std::vector<std::string>{c.sentence});
        CNewEdit& full = c.left.empty() ? RightTextPane(d) : LeftTextPane(d);
        CNewEdit& empty = c.left.empty() ? LeftTextPane(d) : RightTextPane(d);
        CNewEdit& fullGutter = c.left.empty() ? RightGutter(d) : LeftGutter(d);
        CNewEdit& emptyGutter = c.left.empty() ? LeftGutter(d) : RightGutter(d);
        EXPECT_EQ(empty.GetLineCount(), full.GetLineCount());
        EXPECT_EQ(PaneRow(full, 0), "only");
        EXPECT_EQ(PaneRow(fullGutter, 0), "1");
        for (int row = 0; row < full.GetLineCount(); ++row) {
            EXPECT_EQ(PaneRow(empty, row), "") << row;
            EXPECT_EQ(PaneRow(emptyGutter, row), "") << row;
        }
        EXPECT_EQ(empty.GetBackColorAt(empty.GetLineStart(0)), RGB(192, 192, 192));
        EXPECT_EQ(full.GetBackColorAt(full.GetLineStart(0)), RGB(192, 192, 192));
        Close();
    }
}

TEST_F(CompareFlow, TwoEmptyFilesAreIdentical)
{
    const std::string left = WriteFile("left.txt", "");
    const std::string right = WriteFile("right.txt", "");
    CTandrelDialog& d = Open(left, right);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"The files " + left + " and " + right + " are identical"});
    EXPECT_TRUE(Compared(d));
    EXPECT_EQ(StatusText(0), "No differences found");
}

TEST_F(CompareFlow, BinaryOutcomesHaveTheirFourMessages)
{
    const std::string binaryA = std::string("\x01\x00\x02\x00", 4);
    const std::string binaryB = std::string("\x01\x00\x03\x00", 4);
    struct Case {
        std::string left, right, expected;
    };
    const std::string L = "L.bin";
    const std::string R = "R.bin";
    const Case cases[] = {
        {binaryA, binaryA, "Binary files %L and %R are identical"},
        {binaryA, binaryB, "Binary files %L and %R are different"},
        {binaryA, binaryA + "more", "Binary files %L and %R are different"},
        {"text", binaryA, "File %R is binary, and is different from the file %L"},
        {binaryA, "text", "File %L is binary, and is different from the file %R"},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        const std::string left = WriteFile(L, c.left);
        const std::string right = WriteFile(R, c.right);
        std::string expected = c.expected;
        expected.replace(expected.find("%L"), 2, left);
        expected.replace(expected.find("%R"), 2, right);
        CTandrelDialog& d = Open(left, right);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{expected});
        EXPECT_FALSE(Compared(d));
        EXPECT_EQ(LeftTextPane(d).GetTextLength(), 0);
        EXPECT_EQ(StatusText(0), "No differences found");
        EXPECT_EQ(LeftLabel(d).Text(), "");
        Close();
    }
}

// Watches the cursor of another thread's input while that thread works.
class CursorWatch {
public:
    explicit CursorWatch(DWORD uiThread)
        : uiThread_(uiThread),
          thread_(::CreateThread(nullptr, 0, Run, this, 0, nullptr))
    {
        ::WaitForSingleObject(ready_, INFINITE);
    }
    ~CursorWatch()
    {
        stop_ = 1;
        ::WaitForSingleObject(thread_, INFINITE);
        ::CloseHandle(thread_);
        ::CloseHandle(ready_);
    }
    CursorWatch(const CursorWatch&) = delete;
    CursorWatch& operator=(const CursorWatch&) = delete;

    // Polls of the cursor so far, and those that found the wait cursor.
    LONG Polls() const { return polls_; }
    LONG WaitPolls() const { return waitPolls_; }

private:
    static DWORD WINAPI Run(LPVOID self)
    {
        auto& watch = *static_cast<CursorWatch*>(self);
        // Sharing the window thread's input state shares its cursor.
        ::AttachThreadInput(::GetCurrentThreadId(), watch.uiThread_, TRUE);
        const HCURSOR wait = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
        ::SetEvent(watch.ready_);
        while (!watch.stop_) {
            if (::GetCursor() == wait)
                ++watch.waitPolls_;
            ++watch.polls_;
            ::Sleep(1);
        }
        ::AttachThreadInput(::GetCurrentThreadId(), watch.uiThread_, FALSE);
        return 0;
    }

    DWORD uiThread_;
    HANDLE ready_ = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    volatile LONG stop_ = 0;
    volatile LONG polls_ = 0;
    volatile LONG waitPolls_ = 0;
    HANDLE thread_;
};

TEST_F(CompareFlow, TheCursorStaysBusyWhileLargeBinaryFilesAreComparedByteByByte)
{
    // Two equal binary files large enough that comparing their bytes takes a
    // while; classifying them reads only their first bytes.
    const std::string bytes = std::string("\x01\x00", 2) + std::string(64 << 20, 'x');
    const std::string left = WriteFile("L.bin", bytes);
    const std::string right = WriteFile("R.bin", bytes);
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    std::vector<bool> busyAtMessage;
    messages.AnswerWith([&](const MessageBoxRecorder::Shown&) {
        busyAtMessage.push_back(CWaitCursor::IsShown());
        return IDOK;
    });
    LONG polls = 0, waitPolls = 0;
    {
        CursorWatch watch(::GetCurrentThreadId());
        Open(left, right);
        polls = watch.Polls();
        waitPolls = watch.WaitPolls();
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Binary files " + left + " and " + right + " are identical"});
    // Classifying alone shows it for a poll or two; the byte comparison, most of the window's start.
    EXPECT_GE(waitPolls * 20, polls) << waitPolls << " of " << polls << " polls found the busy cursor";
    EXPECT_EQ(busyAtMessage, std::vector<bool>{false});
}

TEST_F(CompareFlow, ForceTextComparesBinaryFilesAsText)
{
    settings.options.forceText = 1;
    const std::string left = WriteFile("L.bin", std::string("a\n\x01\x00\n", 5));
    const std::string right = WriteFile("R.bin", std::string("a\n\x02\x00\n", 5));
    CTandrelDialog& d = Open(left, right);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Compared(d));
    EXPECT_EQ(StatusText(0), "1 difference found");
}

TEST_F(CompareFlow, TextTooLargeToHoldIsRefusedFromItsSizeBeforeItIsRead)
{
    // Four GiB and two bytes, taking no room on disk: cut to 32 bits its size would read as 2.
    const std::string big = WriteFile("big.txt", "");
    HANDLE file = ::CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = (1LL << 32) + 2;
    ASSERT_TRUE(::SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && ::SetEndOfFile(file));
    ::CloseHandle(file);
    settings.options.forceText = 1;
    const int copiesBefore = TemporaryCopies();
    CTandrelDialog& d = Open(big, WriteFile("small.txt", "x\n"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Insufficient memory!"});
    EXPECT_FALSE(Compared(d));
    EXPECT_EQ(StatusText(0), "The comparison failed");
    EXPECT_EQ(TemporaryCopies(), copiesBefore);
}

TEST_F(CompareFlow, AMissingFileLeavesAnEmptyWindow)
{
    const std::string right = WriteFile("right.txt", "x\n");
    CTandrelDialog& d = Open(folder + "\\missing.txt", right);
    ASSERT_EQ(messages.shown.size(), 1u);  // the engine's own message, once
    EXPECT_FALSE(Compared(d));
    // A comparison that failed has no outcome to tell.
    EXPECT_EQ(StatusText(0), "The comparison failed");
    EXPECT_EQ(LeftLabel(d).Text(), "");
    EXPECT_EQ(RightLabel(d).Text(), "");
    EXPECT_FALSE(Frame(d).IsWindowEnabled());
    std::map<UINT, bool> enabled;
    for (const CMainToolbar::ButtonSpec& spec : CMainToolbar::Buttons())
        if (spec.command != 0)
            enabled[spec.command] = Toolbar(d).IsButtonEnabled(spec.command);
    for (const auto& [command, on] : enabled) {
        const bool expected = command == ID_COMPARE_NEW_PAIR || command == ID_EXIT || command == ID_ABOUT;
        EXPECT_EQ(on, expected) << command;
    }
}

TEST_F(CompareFlow, ReCompareByItsKeyDoesNothingAfterAFailedComparison)
{
    const std::string left = WriteFile("L.bin", std::string("\x01\x00\x02", 3));
    const std::string right = WriteFile("R.bin", std::string("\x01\x00\x03", 3));
    bool buttonEnabled = true;
    std::vector<Step> steps = {{false, [&](CTandrelDialog& d) {
                                    buttonEnabled = Toolbar(d).IsButtonEnabled(ID_RECOMPARE);
                                    BYTE keys[256] = {};
                                    ::GetKeyboardState(keys);
                                    keys[VK_CONTROL] = 0x80;
                                    ::SetKeyboardState(keys);
                                    PreTranslate(d, WM_KEYDOWN, 'R', 0);
                                    keys[VK_CONTROL] = 0;
                                    ::SetKeyboardState(keys);
                                    // A restart would end this window before the exit arrives.
                                    PostCommand(d, ID_EXIT);
                                }}};
    RunModal(left, right, std::move(steps));
    EXPECT_FALSE(buttonEnabled);
    EXPECT_EQ(windowsShown, 1) << "the key restarted the comparison";
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Binary files " + left + " and " + right + " are different"});
}

TEST_F(CompareFlow, SkippedFirstComparisonShowsNothing)
{
    settings.skipInitialCompare = true;
    const std::string left = WriteFile("left.txt", "a\n");
    const std::string right = WriteFile("right.txt", "b\n");
    CTandrelDialog& d = Open(left, right);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(settings.skipInitialCompare);  // consumed
    EXPECT_EQ(StatusText(0), "No differences found");
    EXPECT_EQ(LeftTextPane(d).GetTextLength(), 0);
}

}  // namespace

// Changed on disk: a shown file that changes between two activations of the main window is told of once.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "resources/resource.h"

#include <deque>

namespace {

class ChangedOnDisk : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        messages.AnswerWith([this](const MessageBoxRecorder::Shown& box) {
            kinds.push_back(box.caption + (box.type & MB_YESNO ? ", Yes/No" : ", OK")
                            + ((box.type & MB_ICONMASK) == MB_ICONQUESTION ? ", question" : ""));
            if (answers.empty())
                return IDOK;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }

    // The window comes back to the front, as after a click on it.
    static void Activate(CTandrelDialog& d)
    {
        d.SendMessage(WM_ACTIVATE, WA_CLICKACTIVE, 0);
        PumpMessages();
    }

    std::deque<int> answers;
    std::vector<std::string> kinds;
};

// Sets the file's last write time to the given FILETIME value, leaving its content.
void SetWriteTime(const std::string& path, uint64_t fileTime)
{
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const FILETIME time{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &time));
    ::CloseHandle(file);
}

}  // namespace

TEST_F(ChangedOnDisk, TellsEachChangeOnceAndComparesAgainOnlyOnYes)
{
    const std::string question = " has changed on disk. Compare again?";
    struct Case {
        const char* name;
        // What happens to the files between the activations (they hold "a\n" and "b\n").
        std::function<void(const std::string& left, const std::string& right)> change;
        std::vector<int> answers;
        // The texts told at the first and at the second activation (after the same change again).
        std::vector<std::string> first;
        std::vector<std::string> second;
        bool comparesAgain;
    };
    const std::string left = folder + "\\left.txt";
    const std::string right = folder + "\\right.txt";
    const Case cases[] = {
        {"nothing changed", [](const std::string&, const std::string&) {}, {}, {}, {}, false},
        {"right edited, Yes",
         [this](const std::string&, const std::string&) { WriteFile("right.txt", "b\nc\n"); },
         {IDYES},
         {"The file " + right + question},
         {},
         true},
        {"right edited, No, edited again",
         [this](const std::string&, const std::string&) { WriteFile("right.txt", "b\nc\n"); },
         {IDNO, IDNO},
         {"The file " + right + question},
         {"The file " + right + question},
         false},
        {"both edited: one question",
         [this](const std::string&, const std::string&) {
             WriteFile("left.txt", "a\nx\n");
             WriteFile("right.txt", "b\ny\n");
         },
         {IDNO, IDNO},
         {"The file " + left + question},
         {"The file " + left + question},
         false},
        {"left deleted",
         [](const std::string& l, const std::string&) { ::DeleteFileA(l.c_str()); },
         {},
         {"The file " + left + " is no longer on disk."},
         {},
         false},
        {"right replaced by a folder",
         [](const std::string&, const std::string& r) {
             ::DeleteFileA(r.c_str());
             ::CreateDirectoryA(r.c_str(), nullptr);
         },
         {},
         {right + " is a folder, not a file!"},
         {},
         false},
        {"a time stamp in the future, same bytes",
         [](const std::string&, const std::string& r) {
             SetWriteTime(r, 157469184000000000ull);  // 2100-01-01
         },
         {IDNO},
         {"The file " + right + question},
         {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::RemoveDirectoryA(right.c_str());
        CTandrelDialog& d = Open(WriteFile("left.txt", "a\n"), WriteFile("right.txt", "b\n"));
        answers.assign(c.answers.begin(), c.answers.end());
        messages.shown.clear();
        kinds.clear();
        Activate(d);
        EXPECT_TRUE(messages.shown.empty()) << "nothing changed yet";
        c.change(left, right);
        Activate(d);
        EXPECT_EQ(messages.Texts(), c.first);
        for (const std::string& kind : kinds)
            EXPECT_TRUE(kind == "Tandrel, Yes/No, question" || kind == "Tandrel, OK") << kind;
        // Outside a modal run a restart ends the window at once.
        EXPECT_EQ(d.m_hWnd == nullptr, c.comparesAgain);
        if (c.comparesAgain)
            continue;
        EXPECT_TRUE(Compared(d)) << "the window keeps its comparison";
        messages.shown.clear();
        Activate(d);
        EXPECT_TRUE(messages.shown.empty()) << "told once";
        c.change(left, right);
        Activate(d);
        EXPECT_EQ(messages.Texts(), c.second) << "a further change";
    }
    ::RemoveDirectoryA(right.c_str());
}

// Yes compares again in a new window, which shows the new text at the same place.
TEST_F(ChangedOnDisk, YesShowsTheNewTextKeepingThePosition)
{
    const std::string left = WriteFile("left.txt", NumberedLines("line", 1, 200));
    const std::string right = WriteFile("right.txt", NumberedLines("line", 1, 200) + "last\n");
    int topBefore = -1, topAfter = -2;
    std::string lastRow;
    answers = {IDYES};
    std::vector<Step> steps = {{false,
                                [&](CTandrelDialog& d) {
                                    LeftTextPane(d).SetTopLine(120);
                                    topBefore = LeftTextPane(d).GetTopLine();
                                    WriteFile("right.txt", NumberedLines("line", 1, 200) + "new last line\n");
                                    Activate(d);
                                }},
                               {true, [&](CTandrelDialog& d) {
                                    topAfter = LeftTextPane(d).GetTopLine();
                                    RightTextPane(d).GetLineText(200, lastRow);
                                    Command(d, ID_EXIT);
                                }}};
    RunModal(left, right, std::move(steps));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"The file " + right + " has changed on disk. Compare again?"});
    EXPECT_EQ(lastRow, "new last line");
    EXPECT_EQ(topAfter, topBefore);
    EXPECT_GT(topBefore, 0);
}

// Nothing is told while a Re-Compare is already on its way, nor in a window without a comparison.
TEST_F(ChangedOnDisk, TellsNothingWhileReCompareIsPendingOrNothingIsShown)
{
    CTandrelDialog& d = Open(WriteFile("left.txt", "a\n"), WriteFile("right.txt", "b\n"));
    Command(d, ID_RECOMPARE);
    WriteFile("right.txt", "b\nc\n");
    messages.shown.clear();
    Activate(d);
    EXPECT_TRUE(messages.shown.empty());

    CTandrelDialog& failed = Open(WriteFile("left.txt", "a\n"), folder + "\\missing.txt");
    WriteFile("missing.txt", "now here\n");
    messages.shown.clear();
    Activate(failed);
    EXPECT_TRUE(messages.shown.empty());
}

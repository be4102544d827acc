// Files dropped on the main window, and the external editor started on either file.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "resources/resource.h"

#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

// A real drop block as the shell makes it: the names one after the other, each ending in a NUL,
// and a second NUL after the last. The window that receives it frees it.
HDROP DropOf(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += name + '\0';
    list += '\0';
    HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size());
    ::GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

class DropAndEditor : public MainWindowFixture {
protected:
    // The answer the question about more than two files gets.
    void AnswerQuestionsWith(int button)
    {
        messages.AnswerWith(
            [button](const MessageBoxRecorder::Shown& box) { return (box.type & MB_YESNO) ? button : IDOK; });
    }
    static void Drop(CTandrelDialog& d, const std::vector<std::string>& names)
    {
        d.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(names)));
    }
};

}  // namespace

TEST_F(DropAndEditor, DroppedFilesSetThePairToCompare)
{
    const std::string a = WriteFile("a.txt", "a\nb\n"), b = WriteFile("b.txt", "a\nc\n"), c = WriteFile("c.txt", "c\n");
    const std::string left = WriteFile("left.txt", "1\n"), right = WriteFile("right.txt", "2\n");
    std::vector<std::string> many(10000, c);
    many[0] = b;
    many[1] = a;
    const std::string question = "Do you want to compare first two of 3 dropped files?";
    const std::string refusal = folder + " is a folder, not a file!";
    const struct Case {
        const char* name;
        std::vector<std::vector<std::string>> drops;
        int answer;
        bool recompare;  // pressed after the drops
        std::string leftLabel, rightLabel;
        const char* state;  // "compared": in a new window; else the status of the same window
        std::vector<std::string> messages;
    } cases[] = {
        {"one file goes left", {{a}}, IDOK, false, a, right, "waiting", {}},
        {"one file twice fills left, then right", {{a}, {b}}, IDOK, false, a, b, "waiting", {}},
        {"one file twice, then Re-Compare", {{a}, {b}}, IDOK, true, a, b, "compared", {}},
        {"two files are compared at once", {{a, b}}, IDOK, false, a, b, "compared", {}},
        {"three files, Yes: the first two", {{b, a, c}}, IDYES, false, b, a, "compared", {question}},
        {"three files, No: nothing changes", {{a, b, c}}, IDNO, false, left, right, "unchanged", {question}},
        {"ten thousand files, Yes",
         {many},
         IDYES,
         false,
         b,
         a,
         "compared",
         {"Do you want to compare first two of 10000 dropped files?"}},
        {"a folder is refused", {{folder}}, IDOK, false, left, right, "unchanged", {refusal}},
        {"a file and a folder are refused", {{a, folder}}, IDOK, false, left, right, "unchanged", {refusal}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelMainWindowTest");
        AnswerQuestionsWith(t.answer);
        std::string leftLabel, rightLabel, state;
        auto look = [&](CTandrelDialog& d, const std::string& seen) {
            leftLabel = LeftLabel(d).GetWindowText();
            rightLabel = RightLabel(d).GetWindowText();
            state = seen;
            // Posted: a restart asked for by mistake would end the window first and show a second one.
            PostCommand(d, ID_EXIT);
        };
        std::vector<Step> steps = {
            {false, [&](CTandrelDialog& d) {
                 for (const auto& names : t.drops)
                     Drop(d, names);
                 if (t.recompare)
                     Command(d, ID_RECOMPARE);
                 if (std::string(t.state) == "compared")
                     return;  // the window restarts on the new pair; the next step looks at it
                 // Waiting for Re-Compare: only it leads on, nothing can be navigated.
                 const bool waiting = Toolbar(d).IsButtonEnabled(ID_RECOMPARE) && !DiffList(d).IsWindowEnabled()
                                      && !Frame(d).IsWindowEnabled() && !Toolbar(d).IsButtonEnabled(ID_NEXT_DIFFERENCE)
                                      && StatusText(0) == "Press Recompare button to compare dropped file(s)";
                 look(d, waiting ? "waiting" : StatusText(0) == "1 difference found" ? "unchanged" : StatusText(0));
             }}};
        if (std::string(t.state) == "compared") {
            steps.push_back({true, [&](CTandrelDialog& d) { look(d, DifferenceCount(d) == 1 ? "compared" : "?"); }});
        }
        RunModal(left, right, std::move(steps));
        EXPECT_EQ(windowsShown, std::string(t.state) == "compared" ? 2 : 1);
        EXPECT_EQ(state, t.state);
        EXPECT_EQ(leftLabel, t.leftLabel);
        EXPECT_EQ(rightLabel, t.rightLabel);
        EXPECT_EQ(messages.Texts(), t.messages);
        messages.shown.clear();
        // Every name that took a side heads that side's recent list.
        EXPECT_EQ(app.GetProfileString("Recent Left Files", "File 0", ""), t.leftLabel == left ? "" : t.leftLabel);
    }
}

// A path with a blank comes in double quotes, one argument for any editor; the command
// stays as the user wrote it.
TEST_F(DropAndEditor, TheEditorGetsItsCommandAndThePathAsOneArgument)
{
    char module[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string standIn = module;
    standIn = standIn.substr(0, standIn.find_last_of('\\') + 1) + "record_command_line.exe";
    const std::string record = folder + "\\command-line.txt";
    ::SetEnvironmentVariableA("TANDREL_EDITOR_RECORD", record.c_str());
    const std::string left = WriteFile("left file.txt", "a\n"), right = WriteFile("right.txt", "b\n");
    const struct Case {
        std::string editor;
        UINT command;
        std::string commandLine;  // empty: the editor does not start
    } cases[] = {
        {standIn, ID_EDIT_LEFT_FILE, standIn + " \"" + left + "\""},
        {standIn + " /x", ID_EDIT_RIGHT_FILE, standIn + " /x " + right},
        {folder + "\\no-such-editor.exe", ID_EDIT_LEFT_FILE, ""},
    };
    CTandrelDialog& d = Open(left, right);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editor);
        ::DeleteFileA(record.c_str());
        messages.shown.clear();
        settings.editor = c.editor;
        Command(d, c.command);
        std::string seen;
        for (int waited = 0; waited < 100 && !c.commandLine.empty() && seen.empty(); ++waited) {
            ::Sleep(100);
            std::ifstream in(record, std::ios::binary);
            std::getline(in, seen, '\0');
        }
        EXPECT_EQ(seen, c.commandLine);
        EXPECT_EQ(messages.Texts(), c.commandLine.empty() ? std::vector<std::string>{"Could not start editor!"}
                                                          : std::vector<std::string>{});
    }
    ::SetEnvironmentVariableA("TANDREL_EDITOR_RECORD", nullptr);
}

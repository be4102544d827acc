// Find from the main window: the dialog Ctrl+F opens, the searches it asks for in the active pane, and its close.
#include "MainWindowFixture.h"
#include "tests/support/windows/PixelProbe.h"
#include "TestWindows.h"

#include "resources/resource.h"
#include "tests/support/windows/DialogScript.h"

namespace {

class FindFlow : public MainWindowFixture {
protected:
    HWND OpenFind(CTandrelDialog& d)
    {
        Command(d, ID_FIND);
        PumpMessages();
        return FindDialogOf(d);
    }
};

// True when the pane draws its selection: the picture changes once the selection is cleared.
bool SelectionDrawn(CNewEdit& pane)
{
    RECT client{};
    pane.GetClientRect(&client);
    PixelProbe withSelection(client.right, client.bottom), without(client.right, client.bottom);
    withSelection.Draw([&](HDC dc) { pane.DoPaint(dc); });
    const int anchor = pane.GetAnchor(), end = pane.GetSelectionEnd();
    pane.ClearSelection();
    without.Draw([&](HDC dc) { pane.DoPaint(dc); });
    pane.SetSelection(anchor, end);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (withSelection.At(x, y) != without.At(x, y))
                return true;
    return false;
}

std::string Selected(CNewEdit& pane)
{
    int lo = 0, hi = 0;
    pane.GetSelectionBounds(lo, hi);
    std::string line;
    pane.GetLineText(pane.LineFromPosition(lo), line);
    const int start = lo - pane.GetLineStart(pane.LineFromPosition(lo));
    return hi > lo ? line.substr(static_cast<size_t>(start), static_cast<size_t>(hi - lo)) : std::string();
}

}  // namespace

TEST_F(FindFlow, FindNextSearchesTheActivePaneAsTheDialogSays)
{
    CTandrelDialog& d =
        Open(WriteFile("left.txt", "alpha\nBeta\ngamma\n"), WriteFile("right.txt", "alpha\nbeta\ndelta\nBeta\n"));
    HWND find = OpenFind(d);
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(::IsWindowVisible(find));
    EXPECT_EQ(::GetWindow(find, GW_OWNER), d.m_hWnd);
    const struct Case {
        bool rightPane;
        const char* text;
        bool matchCase;
        int direction;  // the radio button
        const char* selected;
        const char* message;
    } cases[] = {
        {false, "", false, IDC_FIND_DOWN, "", "No search string defined!"},
        {false, "gamma", false, IDC_FIND_DOWN, "gamma", nullptr},
        {true, "gamma", false, IDC_FIND_DOWN, "", "Search string not found!"},
        {true, "BETA", false, IDC_FIND_DOWN, "beta", nullptr},
        {true, "Beta", true, IDC_FIND_DOWN, "Beta", nullptr},
        {true, "ALPHA", true, IDC_FIND_DOWN, "", "Search string not found!"},
        {false, "alpha", false, IDC_FIND_UP, "", "Search string not found!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        messages.shown.clear();
        CNewEdit& pane = c.rightPane ? RightTextPane(d) : LeftTextPane(d);
        d.SendMessage(CFileLabel::kClickedMessage,
                      reinterpret_cast<WPARAM>((c.rightPane ? RightLabel(d) : LeftLabel(d)).m_hWnd));
        pane.SetSelection(0, 0);
        DialogScript::SetText(find, IDC_FIND_TEXT, c.text);
        ::CheckDlgButton(find, IDC_FIND_MATCH_CASE, c.matchCase ? BST_CHECKED : BST_UNCHECKED);
        ::CheckRadioButton(find, IDC_FIND_UP, IDC_FIND_DOWN, c.direction);
        ::SendMessageA(find, WM_COMMAND, IDC_FIND_NEXT, 0);
        PumpMessages();
        EXPECT_EQ(Selected(pane), c.selected);
        // The dialog keeps the keyboard, so Enter searches again and Esc closes it; the
        // match stays drawn as selected meanwhile.
        if (*c.text != '\0') {
            EXPECT_TRUE(::IsChild(find, ::GetFocus()));
        }
        EXPECT_EQ(SelectionDrawn(pane), *c.selected != '\0');
        EXPECT_EQ(messages.Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        // F3 and Shift+F3 go on with what the dialog asked for last.
        messages.shown.clear();
        pane.SetSelection(0, 0);
        Command(d, c.direction == IDC_FIND_DOWN ? ID_FIND_NEXT : ID_FIND_PREVIOUS);
        PumpMessages();
        EXPECT_EQ(Selected(pane), c.selected);
        EXPECT_EQ(messages.Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(FindFlow, AWordBeyondAsciiTypedInTheDialogIsFoundAndStored)
{
    // "Жук" and "жук"; the dialog holds "ЖУК" as its edit control has it, in UTF-16.
    CTandrelDialog& d = Open(WriteFile("left.txt", "\xD0\x96\xD1\x83\xD0\xBA\nx \xD0\xB6\xD1\x83\xD0\xBA\n"),
                             WriteFile("right.txt", "y\n"));
    HWND find = OpenFind(d);
    ASSERT_NE(find, nullptr);
    d.SendMessage(CFileLabel::kClickedMessage, reinterpret_cast<WPARAM>(LeftLabel(d).m_hWnd));
    LeftTextPane(d).SetSelection(0, 0);
    ::SetDlgItemTextW(find, IDC_FIND_TEXT, L"\u0416\u0423\u041A");
    const struct Case {
        bool matchCase;
        int start;  // the selection searched from
        const char* selected;
    } cases[] = {
        {false, 0, "\xD0\x96\xD1\x83\xD0\xBA"},
        {false, 6, "\xD0\xB6\xD1\x83\xD0\xBA"},
        {true, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        messages.shown.clear();
        LeftTextPane(d).SetSelection(c.start, c.start);
        ::CheckDlgButton(find, IDC_FIND_MATCH_CASE, c.matchCase ? BST_CHECKED : BST_UNCHECKED);
        ::SendMessageA(find, WM_COMMAND, IDC_FIND_NEXT, 0);
        PumpMessages();
        EXPECT_EQ(Selected(LeftTextPane(d)), c.selected);
        EXPECT_EQ(messages.shown.size(), *c.selected ? 0u : 1u);
    }
    ::SendMessageA(find, WM_COMMAND, IDCANCEL, 0);
    PumpMessages();
    // The stored string says the same characters to any program that reads the registry.
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TandrelMainWindowTest\\Tandrel\\Recent Find Strings", 0,
                              KEY_READ, &key),
              ERROR_SUCCESS);
    wchar_t stored[16] = {};
    DWORD size = sizeof stored - sizeof(wchar_t);
    EXPECT_EQ(::RegQueryValueExW(key, L"String 0", nullptr, nullptr, reinterpret_cast<BYTE*>(stored), &size),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
    EXPECT_TRUE(std::wstring(stored) == L"\u0416\u0423\u041A");
}

// The box of one of the dialog's handlers runs a message loop, in which a Cancel of the
// dialog can arrive: the dialog goes only once that handler has returned.
TEST_F(FindFlow, ACancelWhileTheDialogsBoxIsUpDeletesItAfterItsHandler)
{
    CTandrelDialog& d = Open(WriteFile("left.txt", "one\n"), WriteFile("right.txt", "two\n"));
    HWND find = OpenFind(d);
    ASSERT_NE(find, nullptr);
    DialogScript::SetText(find, IDC_FIND_TEXT, "");
    bool aliveUnderTheBox = false;
    messages.AnswerWith([&](const MessageBoxRecorder::Shown&) {
        ::PostMessageA(find, WM_COMMAND, IDCANCEL, 0);
        PumpMessages();
        aliveUnderTheBox = ::IsWindow(find);
        return IDOK;
    });
    ::SendMessageA(find, WM_COMMAND, IDC_FIND_NEXT, 0);
    PumpMessages();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No search string defined!"});
    EXPECT_TRUE(aliveUnderTheBox) << "deleted under its own handler";
    EXPECT_EQ(FindDialogOf(d), nullptr);
    EXPECT_FALSE(::IsWindow(find));
}

TEST_F(FindFlow, CancelStoresTheStringAndTheNextFindStartsAfresh)
{
    CTandrelDialog& d = Open(WriteFile("left.txt", "one\ntwo\n"), WriteFile("right.txt", "one\n2\n"));
    HWND find = OpenFind(d);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(OpenFind(d), find) << "a second Find shows the same dialog";
    DialogScript::SetText(find, IDC_FIND_TEXT, "two");
    ::CheckDlgButton(find, IDC_FIND_MATCH_CASE, BST_CHECKED);
    ::CheckRadioButton(find, IDC_FIND_UP, IDC_FIND_DOWN, IDC_FIND_UP);
    ::SendMessageA(find, WM_COMMAND, IDCANCEL, 0);
    PumpMessages();
    EXPECT_EQ(FindDialogOf(d), nullptr);
    EXPECT_FALSE(::IsWindow(find));
    EXPECT_EQ(app.GetProfileString("Recent Find Strings", "String 0", ""), "two");

    HWND again = OpenFind(d);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(DialogScript::Text(again, IDC_FIND_TEXT), "two");
    EXPECT_EQ(::IsDlgButtonChecked(again, IDC_FIND_MATCH_CASE), BST_UNCHECKED);
    EXPECT_EQ(::IsDlgButtonChecked(again, IDC_FIND_DOWN), BST_CHECKED);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FindFlow, ANewComparisonForgetsTheOpenDialogWithoutStoringIt)
{
    const std::string left = WriteFile("left.txt", "one\ntwo\n");
    const std::string right = WriteFile("right.txt", "one\n2\n");
    bool dialogAfterRestart = true;
    std::vector<Step> steps = {
        {false,
         [&](CTandrelDialog& d) {
             DialogScript::SetText(OpenFind(d), IDC_FIND_TEXT, "typed");
             Command(d, ID_RECOMPARE);
         }},
        {true,
         [&](CTandrelDialog& d) {
             dialogAfterRestart = FindDialogOf(d) != nullptr;
             OpenFind(d);
             Command(d, ID_EXIT);
         }},
    };
    RunModal(left, right, std::move(steps));
    EXPECT_FALSE(dialogAfterRestart);
    EXPECT_EQ(app.GetProfileString("Recent Find Strings", "String 0", ""), "");
}

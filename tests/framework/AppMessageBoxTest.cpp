// The application's message box on the screen: whose it is, what it leaves usable, and its size.
#include "framework/AppMessageBox.h"
#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "FrameworkTestIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

// What a real box looked like while it was up; the box is then answered with OK.
struct SeenBox {
    HWND box = nullptr;
    HWND owner = nullptr;
    RECT rect{};
    std::string text;
    bool mainEnabled = true;
};

SeenBox* g_seen = nullptr;
HWND g_main = nullptr;

BOOL CALLBACK FindBox(HWND hwnd, LPARAM found)
{
    char className[16] = "";
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)
        && ::GetDlgItem(hwnd, 0xFFFF)) {  // the static text of a message box
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK LookAtBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box || !g_seen)
        return;
    ::KillTimer(nullptr, timer);
    g_seen->box = box;
    g_seen->owner = ::GetWindow(box, GW_OWNER);
    ::GetWindowRect(box, &g_seen->rect);
    char text[4096] = "";
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_seen->text = text;
    g_seen->mainEnabled = g_main && ::IsWindowEnabled(g_main);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Shows text in a real box and reports how it looked.
SeenBox ShowRealBox(const std::string& text)
{
    SeenBox seen;
    g_seen = &seen;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, LookAtBox);
    EXPECT_EQ(AppMessageBox(text), IDOK);
    ::KillTimer(nullptr, timer);
    g_seen = nullptr;
    return seen;
}

std::string WithoutLineBreaks(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

// A modal dialog of the test template that runs one step once it is up, then ends.
class StepDialog : public CDialog {
public:
    explicit StepDialog(CWnd* parent, std::function<void(StepDialog&)> step)
        : CDialog(IDD_TEST_FIELDS, parent),
          m_step(std::move(step))
    {
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_APP);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP) {
            m_step(*this);
            EndDialog(IDOK);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    std::function<void(StepDialog&)> m_step;
};

class AppMessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            main.CreateEx(0, nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
        app.m_pMainWnd = &main;
        g_main = main.m_hWnd;
    }
    void TearDown() override { g_main = nullptr; }

    CWinApp app;
    CWnd main;
};

}  // namespace

// A path of 301 characters made a box twice as wide as a small screen, its ends out of sight.
TEST_F(AppMessageBoxTest, ALongPathIsBrokenSoThatTheBoxFitsASmallScreen)
{
    const std::string paths[] = {
        "C:\\" + std::string(297, 'x') + ".txt",
        "C:\\folder\\" + std::string(120, 'W') + "\\" + std::string(120, 'm') + ".txt",
        "Z:\\tmp\\" +
            [] {
                std::string chinese;
                for (int i = 0; i < 150; ++i)
                    chinese += "\xE4\xB8\xAD";  // 中
                return chinese;
            }(),
    };
    for (const std::string& path : paths) {
        const std::string text = "File name " + path + " is too long!";
        const SeenBox seen = ShowRealBox(text);
        ASSERT_TRUE(seen.box) << path;
        EXPECT_LE(seen.rect.right - seen.rect.left, 1024) << path;
        EXPECT_EQ(WithoutLineBreaks(seen.text), text);
    }
    // A short message stays on one line.
    EXPECT_EQ(ShowRealBox("File C:\\a.txt does not exist!").text, "File C:\\a.txt does not exist!");
}

// Inside a modal dialog the box belongs to the dialog, and the main window stays disabled.
TEST_F(AppMessageBoxTest, ABoxRaisedInAModalDialogIsTheDialogs)
{
    SeenBox seen;
    HWND dialogWindow = nullptr;
    bool mainEnabledAfter = true;
    StepDialog dialog(&main, [&](StepDialog& d) {
        dialogWindow = d.m_hWnd;
        ::SetActiveWindow(d.m_hWnd);
        seen = ShowRealBox("Please enter a file name!");
        mainEnabledAfter = main.IsWindowEnabled();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_TRUE(seen.box);
    EXPECT_EQ(seen.owner, dialogWindow);
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_FALSE(mainEnabledAfter) << "the dialog is still open";
    EXPECT_TRUE(main.IsWindowEnabled());
}

// A box of a modeless window (the Find dialog) is that window's, and the main window takes
// no input while it is up; a box with no window active is the main window's.
TEST_F(AppMessageBoxTest, ABoxOfAModelessWindowDisablesTheMainWindowToo)
{
    CWnd modeless;
    ASSERT_TRUE(modeless.CreateEx(0, nullptr, "Find", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 200, 100, main.m_hWnd,
                                  nullptr));
    ::SetActiveWindow(modeless.m_hWnd);
    SeenBox seen = ShowRealBox("Search string not found!");
    ASSERT_TRUE(seen.box);
    EXPECT_EQ(seen.owner, modeless.m_hWnd);
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_TRUE(modeless.IsWindowEnabled());

    ::SetActiveWindow(main.m_hWnd);
    bool modelessEnabled = true;
    HWND owner = nullptr;
    const MessageBoxHandler previous =
        SetMessageBoxHandler([&](HWND boxOwner, const std::string&, const std::string&, UINT) {
            owner = boxOwner;
            modelessEnabled = modeless.IsWindowEnabled() != FALSE;
            return IDOK;
        });
    AppMessageBox("Search string not found!");
    SetMessageBoxHandler(previous);
    EXPECT_EQ(owner, main.m_hWnd);
    EXPECT_FALSE(modelessEnabled);
    EXPECT_TRUE(modeless.IsWindowEnabled());
}

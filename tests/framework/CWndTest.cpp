// Window objects: attachment, dispatch, default handling, subclassing and the end of a window's life.
#include "tests/support/windows/MessageBoxRecorder.h"
#include "framework/CWnd.h"
#include "tests/support/windows/MessagePump.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const UINT WM_TEST_ECHO = WM_APP + 1;
const UINT WM_TEST_THROW = WM_APP + 2;

// Records what reaches it and answers a few messages of its own.
class RecordingWnd : public CWnd {
public:
    std::vector<UINT> seen;
    std::vector<std::string> events;
    UINT lastCommand = 0;
    UINT lastNotify = 0;
    std::vector<UINT_PTR> timers;
    bool deleteOnNcDestroy = false;
    bool* deletedFlag = nullptr;

    ~RecordingWnd() override
    {
        if (deletedFlag) {
            *deletedFlag = true;
        }
    }

    using CWnd::StaticWindowProc;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        switch (message) {
        case WM_CREATE: events.push_back(m_hWnd ? "create-attached" : "create-detached"); return 0;
        case WM_TEST_ECHO: return static_cast<LRESULT>(wParam * 2 + static_cast<WPARAM>(lParam));
        case WM_TEST_THROW: throw std::runtime_error("handler failed");
        case WM_TIMER: timers.push_back(wParam); return 0;
        case WM_NCDESTROY: events.push_back("ncdestroy"); break;
        default: break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    bool OnCommand(UINT id, UINT notifyCode, HWND) override
    {
        if (id == 77) {
            lastCommand = id;
            lastNotify = notifyCode;
            return true;
        }
        return false;
    }

    void PostNcDestroy() override
    {
        events.push_back(m_hWnd ? "post-attached" : "post-detached");
        if (deleteOnNcDestroy) {
            delete this;
        }
    }
};

bool Contains(const std::vector<UINT>& list, UINT value)
{
    for (UINT item : list) {
        if (item == value) {
            return true;
        }
    }
    return false;
}

class CWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "recorder", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200, nullptr, nullptr));
    }

    RecordingWnd wnd;
};

TEST_F(CWndTest, ObjectIsAttachedBeforeCreationMessagesAndMapped)
{
    ASSERT_NE(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    ASSERT_FALSE(wnd.seen.empty());
    EXPECT_TRUE(Contains(wnd.seen, WM_NCCREATE));
    EXPECT_EQ(wnd.events.front(), "create-attached");
    EXPECT_EQ(wnd.GetWindowText(), "recorder");
    EXPECT_EQ(wnd.GetStyle() & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
}

TEST_F(CWndTest, SentMessageReachesHandlerAndReturnsItsResult)
{
    EXPECT_EQ(wnd.SendMessage(WM_TEST_ECHO, 20, 2), 42);
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_TEST_ECHO, 5, 1), 11);
}

// WM_SETTEXT passes through the window procedure to the default one, which
// keeps the text; reading it back sizes the buffer from the text's length,
// so an empty and a long text come back whole.
TEST_F(CWndTest, UnhandledMessagesFallThroughToDefaultProcedure)
{
    for (const std::string& text : {std::string(), std::string(5000, 'x') + "end"}) {
        wnd.SetWindowText(text);
        EXPECT_EQ(wnd.GetWindowText(), text);
    }
    EXPECT_TRUE(Contains(wnd.seen, WM_SETTEXT));
}

TEST_F(CWndTest, CommandsGoToOnCommandAndOthersToDefault)
{
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, MAKEWPARAM(77, 3), 0), 0);
    EXPECT_EQ(wnd.lastCommand, 77u);
    EXPECT_EQ(wnd.lastNotify, 3u);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(78, 0), 0);
    EXPECT_EQ(wnd.lastCommand, 77u);
}

TEST_F(CWndTest, PostedMessageArrivesThroughTheQueue)
{
    const size_t before = wnd.seen.size();
    ASSERT_TRUE(wnd.PostMessage(WM_TEST_ECHO, 1, 1));
    EXPECT_FALSE(
        Contains(std::vector<UINT>(wnd.seen.begin() + static_cast<long>(before), wnd.seen.end()), WM_TEST_ECHO));
    EXPECT_TRUE(PumpUntil([&] { return Contains(wnd.seen, WM_TEST_ECHO); }));
}

TEST_F(CWndTest, RegisteredMessagesAreSharedByName)
{
    const UINT first = CWnd::RegisterMessage("Tandrel.Test.Registered");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(CWnd::RegisterMessage("Tandrel.Test.Registered"), first);
    EXPECT_NE(CWnd::RegisterMessage("Tandrel.Test.Other"), first);
    wnd.SendMessage(first, 0, 0);
    EXPECT_TRUE(Contains(wnd.seen, first));
}

TEST_F(CWndTest, TimerFiresWithItsIdUntilKilled)
{
    ASSERT_NE(wnd.SetTimer(5, 10), 0u);
    ASSERT_TRUE(PumpUntil([&] { return !wnd.timers.empty(); }));
    EXPECT_EQ(wnd.timers.front(), 5u);
    EXPECT_TRUE(wnd.KillTimer(5));
    EXPECT_FALSE(wnd.KillTimer(5));
}

TEST_F(CWndTest, ShowMoveFocusAndEnable)
{
    wnd.ShowWindow(SW_SHOW);
    EXPECT_TRUE(wnd.IsWindowVisible());
    RecordingWnd child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, wnd.m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(33))));
    EXPECT_EQ(child.GetParent(), wnd.m_hWnd);
    EXPECT_EQ(child.GetDlgCtrlID(), 33);
    EXPECT_EQ(wnd.GetDlgItem(33), child.m_hWnd);

    child.MoveWindow(RECT{5, 6, 125, 56});
    RECT client{};
    child.GetClientRect(&client);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 50);

    child.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), child.m_hWnd);
    EXPECT_TRUE(Contains(child.seen, WM_SETFOCUS));

    child.EnableWindow(FALSE);
    EXPECT_FALSE(child.IsWindowEnabled());
    child.EnableWindow(TRUE);
    EXPECT_TRUE(child.IsWindowEnabled());
}

TEST_F(CWndTest, InvalidateThenUpdatePaints)
{
    wnd.ShowWindow(SW_SHOW);
    wnd.UpdateWindow();
    wnd.seen.clear();
    RECT part{1, 1, 20, 20};
    wnd.InvalidateRect(&part, FALSE);
    RECT dirty{};
    EXPECT_TRUE(::GetUpdateRect(wnd.m_hWnd, &dirty, FALSE));
    wnd.UpdateWindow();
    EXPECT_TRUE(Contains(wnd.seen, WM_PAINT));
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, &dirty, FALSE));
    wnd.Invalidate();
    EXPECT_TRUE(::GetUpdateRect(wnd.m_hWnd, &dirty, FALSE));
}

TEST_F(CWndTest, ExceptionInHandlerIsReportedNotPropagated)
{
    MessageBoxRecorder boxes;
    const LRESULT result = wnd.SendMessage(WM_TEST_THROW);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"handler failed"});
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
}

TEST_F(CWndTest, ReportThatFailsInTurnStaysInsideTheWindowProcedure)
{
    int attempts = 0;
    MessageBoxRecorder boxes;
    boxes.AnswerWith([&](const MessageBoxRecorder::Shown&) -> int {
        ++attempts;
        throw std::bad_alloc();
    });
    const LRESULT result = wnd.SendMessage(WM_TEST_THROW);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(attempts, 1);
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
}

TEST(CWndLifetime, PostNcDestroyIsTheLastCallAfterDetaching)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr));
    HWND hwnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));
    ASSERT_GE(wnd.events.size(), 2u);
    EXPECT_EQ(wnd.events[wnd.events.size() - 2], "ncdestroy");
    EXPECT_EQ(wnd.events.back(), "post-detached");
}

TEST(CWndLifetime, ObjectMayDeleteItselfInPostNcDestroy)
{
    bool deleted = false;
    auto* wnd = new RecordingWnd;
    wnd->deleteOnNcDestroy = true;
    wnd->deletedFlag = &deleted;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr));
    ::DestroyWindow(wnd->m_hWnd);
    EXPECT_TRUE(deleted);
}

TEST(CWndLifetime, DestroyingTheObjectDestroysItsWindow)
{
    HWND hwnd = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr));
        hwnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(CWndSubclass, SystemControlMessagesPassThroughTheObject)
{
    RecordingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    HWND edit =
        ::CreateWindowExA(0, "EDIT", "abc", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(9)), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    const LONG_PTR original = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);

    RecordingWnd control;
    ASSERT_TRUE(control.SubclassDlgItem(9, &parent));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &control);
    EXPECT_FALSE(RecordingWnd().SubclassWindow(edit));
    control.SetWindowText("typed");
    EXPECT_TRUE(Contains(control.seen, WM_SETTEXT));
    EXPECT_EQ(control.GetWindowText(), "typed");  // the edit control's own procedure still ran
    EXPECT_EQ(control.SendMessage(WM_TEST_ECHO, 1, 0), 2);

    EXPECT_EQ(control.UnsubclassWindow(), edit);
    EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
}

TEST(CWndSubclass, CreatingWithASystemClassSubclassesIt)
{
    RecordingWnd button;
    ASSERT_TRUE(button.CreateEx(0, "BUTTON", "Go", WS_OVERLAPPED, 0, 0, 80, 30, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(button.m_hWnd), &button);
    EXPECT_EQ(button.SendMessage(WM_TEST_ECHO, 3, 0), 6);
    EXPECT_EQ(button.GetWindowText(), "Go");
}

TEST(CWndClass, RegisteredClassCreatesAttachedWindowsAndRefusesForeignOnes)
{
    ASSERT_TRUE(CWnd::RegisterWindowClass("TandrelTestClass"));
    EXPECT_TRUE(CWnd::RegisterWindowClass("TandrelTestClass"));
    EXPECT_FALSE(CWnd::RegisterWindowClass("BUTTON"));
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "TandrelTestClass", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(static_cast<WNDPROC>(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(wnd.m_hWnd, GWLP_WNDPROC))),
              &RecordingWnd::StaticWindowProc);
    EXPECT_EQ(wnd.events.front(), "create-attached");
    // A window of the class that no object claims runs on the default procedure.
    HWND stray = ::CreateWindowExA(0, "TandrelTestClass", "stray", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(stray, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(stray), nullptr);
    ::DestroyWindow(stray);
}

}  // namespace

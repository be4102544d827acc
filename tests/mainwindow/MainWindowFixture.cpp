#include "MainWindowFixture.h"

#include "TestWindows.h"

#include "resources/resource.h"

#include <commctrl.h>

void MainWindowFixture::SetUp()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelMainWindowTest");
    app.SetRegistryKey(kCompany);
    app.m_appName = "Tandrel";
    // Settings the pictures and row arithmetic of the tests rely on.
    settings.showLineNumbers = 1;
    settings.windowX = 0;
    settings.windowY = 0;
    settings.windowCX = 800;
    settings.windowCY = 600;
}

void MainWindowFixture::TearDown()
{
    Close();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelMainWindowTest");
}

std::string MainWindowFixture::WriteFile(const std::string& name, const std::string& content)
{
    return temp_.Write(name, content);
}

CTandrelDialog& MainWindowFixture::Open(const std::string& left, const std::string& right)
{
    Close();
    dialog = std::make_unique<CTandrelDialog>(settings);
    dialog->SetPaths(left, right);
    EXPECT_TRUE(dialog->Create());
    PumpMessages();
    return *dialog;
}

void MainWindowFixture::Close()
{
    if (dialog && dialog->m_hWnd)
        dialog->DestroyWindow();
    dialog.reset();
    PumpMessages();
}

std::string MainWindowFixture::StatusText(int part)
{
    return StatusBar(*dialog).GetText(part);
}

std::vector<std::string> MainWindowFixture::ListEntries()
{
    std::vector<std::string> entries;
    for (int i = 0; i < DiffList(*dialog).GetCount(); ++i)
        entries.push_back(DiffList(*dialog).GetLBText(i));
    return entries;
}

int MainWindowFixture::TemporaryCopies()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof(temp), temp);
    int count = 0;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((std::string(temp) + "TMP*.tmp").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            ++count;
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    return count;
}

namespace {

// The script a modal run is performing; the thread timer's procedure reads it.
struct Script {
    CTandrelDialog* dialog = nullptr;
    std::vector<MainWindowFixture::Step> steps;
    std::function<void(CTandrelDialog&)> watch;
    size_t next = 0;
    HWND lastWindow = nullptr;
    int windowsShown = 0;
};
Script* activeScript = nullptr;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Script* script = activeScript;
    if (!script)
        return;
    CTandrelDialog& d = *script->dialog;
    // Only a window that has finished initialising is shown.
    if (!d.m_hWnd || !d.IsWindowVisible())
        return;
    if (script->watch)
        script->watch(d);
    const bool newWindow = d.m_hWnd != script->lastWindow;
    if (script->next >= script->steps.size()) {
        if (newWindow) {
            ++script->windowsShown;
            script->lastWindow = d.m_hWnd;
            ::PostMessageA(d.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_EXIT, 0), 0);
        }
        return;
    }
    MainWindowFixture::Step& step = script->steps[script->next];
    if (step.newWindow && !newWindow)
        return;
    if (newWindow)
        ++script->windowsShown;
    script->lastWindow = d.m_hWnd;
    ++script->next;
    step.action(d);
}

}  // namespace

INT_PTR MainWindowFixture::RunModal(const std::string& left, const std::string& right, std::vector<Step> steps,
                                    int autoStepSeconds, std::function<void(CTandrelDialog&)> watch)
{
    Close();
    dialog = std::make_unique<CTandrelDialog>(settings);
    dialog->SetPaths(left, right);
    dialog->SetAutoStepSeconds(autoStepSeconds);
    Script script;
    script.dialog = dialog.get();
    script.steps = std::move(steps);
    script.watch = std::move(watch);
    activeScript = &script;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, ScriptTimer);
    const INT_PTR result = dialog->DoModal();
    ::KillTimer(nullptr, timer);
    activeScript = nullptr;
    windowsShown = script.windowsShown;
    EXPECT_EQ(script.next, script.steps.size()) << "not every step ran";
    return result;
}

void MainWindowFixture::Command(CTandrelDialog& d, UINT id)
{
    d.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void MainWindowFixture::PostCommand(CTandrelDialog& d, UINT id)
{
    ::PostMessageA(d.m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

BOOL MainWindowFixture::PreTranslate(CTandrelDialog& d, UINT message, WPARAM wParam, LPARAM lParam, HWND target)
{
    MSG msg{};
    msg.hwnd = target ? target : LeftTextPane(d).m_hWnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return static_cast<CDialog&>(d).PreTranslateMessage(&msg);
}

namespace {

struct TipSearch {
    HWND owner;
    HWND toolbarTips;
    HWND found;
};

BOOL CALLBACK FindTip(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TipSearch*>(data);
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    if (std::string(name) == TOOLTIPS_CLASSA && ::GetWindow(window, GW_OWNER) == search->owner
        && window != search->toolbarTips) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The tooltip control the main window owns for its areas (not the toolbar's).
HWND AreaTipWindow(CTandrelDialog& d)
{
    TipSearch search{d.m_hWnd, Toolbar(d).GetToolTips(), nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::string MainWindowFixture::TipAt(CTandrelDialog& d, POINT point)
{
    HWND tips = AreaTipWindow(d);
    if (!tips)
        return "<no tooltip control>";
    PreTranslate(d, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), d.m_hWnd);
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    if (::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0) != 1
        || !::SendMessageA(tips, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)))
        return "<no tool>";
    char text[256] = {};
    info.lpszText = text;
    ::SendMessageA(tips, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

POINT MainWindowFixture::CentreOf(CTandrelDialog& d, CWnd& child)
{
    RECT r{};
    child.GetWindowRect(&r);
    ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

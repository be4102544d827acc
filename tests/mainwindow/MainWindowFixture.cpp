#include "MainWindowFixture.h"

#include "TestWindows.h"

#include <fstream>

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
    previousHandler_ = SetMessageBoxHandler([this](HWND, const std::string& text, const std::string&, UINT) {
        messages.push_back(text);
        return IDOK;
    });
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof(temp), temp);
    folder = std::string(temp) + "tandrel-mainwindow-" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(folder.c_str(), nullptr);
}

void MainWindowFixture::TearDown()
{
    Close();
    SetMessageBoxHandler(previousHandler_);
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            ::DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelMainWindowTest");
}

std::string MainWindowFixture::WriteFile(const std::string& name, const std::string& content)
{
    const std::string path = folder + "\\" + name;
    std::ofstream out(path, std::ios::binary);
    out << content;
    return path;
}

std::string MainWindowFixture::Lines(const std::string& prefix, int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += prefix + std::to_string(i) + "\n";
    return text;
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
    size_t next = 0;
    HWND lastWindow = nullptr;
};
Script* activeScript = nullptr;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Script* script = activeScript;
    if (!script || script->next >= script->steps.size())
        return;
    CTandrelDialog& d = *script->dialog;
    // Only a window that has finished initialising is shown.
    if (!d.m_hWnd || !d.IsWindowVisible())
        return;
    MainWindowFixture::Step& step = script->steps[script->next];
    if (step.newWindow && d.m_hWnd == script->lastWindow)
        return;
    script->lastWindow = d.m_hWnd;
    ++script->next;
    step.action(d);
}

}  // namespace

INT_PTR MainWindowFixture::RunModal(const std::string& left, const std::string& right, std::vector<Step> steps,
                                    int autoStepSeconds)
{
    Close();
    dialog = std::make_unique<CTandrelDialog>(settings);
    dialog->SetPaths(left, right);
    dialog->SetAutoStepSeconds(autoStepSeconds);
    Script script;
    script.dialog = dialog.get();
    script.steps = std::move(steps);
    activeScript = &script;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, ScriptTimer);
    const INT_PTR result = dialog->DoModal();
    ::KillTimer(nullptr, timer);
    activeScript = nullptr;
    EXPECT_EQ(script.next, script.steps.size()) << "not every step ran";
    return result;
}

void MainWindowFixture::Command(CTandrelDialog& d, UINT id)
{
    d.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
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

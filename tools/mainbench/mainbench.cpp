// mainbench [--inline on|off] LEFT RIGHT [STEPS]: opens the real main window on two
// files, with the marks inside changed rows shown or not (shown by default), and prints how
// long it took until the comparison was painted, step by step, and the peak
// memory; then how long each Next Difference, Previous Difference and page of
// scrolling takes until the window is painted again (STEPS of each; by
// default every difference and 1,000 pages). It does all this four times in one run,
// with the difference map hidden, shown, hidden and shown, so that the two can be set
// side by side, each measured early and late in the run.
#include "engine/StepTimes.h"
#include "framework/AppMessageBox.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"
#include "shell/AppSettings.h"
#include "shell/CTandrelDialog.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}

BOOL CALLBACK FindLeftTextPane(HWND window, LPARAM found)
{
    if (::GetDlgCtrlID(window) != IDC_LEFT_TEXT_PANE)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The left text pane, found by its control id as any caller outside the window would.
CNewEdit& LeftTextPane(CWnd& mainWindow)
{
    HWND pane = nullptr;
    ::EnumChildWindows(mainWindow.m_hWnd, FindLeftTextPane, reinterpret_cast<LPARAM>(&pane));
    return *dynamic_cast<CNewEdit*>(CWnd::FromHandlePermanent(pane));
}

void DispatchPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PaintEverything(HWND window)
{
    DispatchPending();
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// What a person sees after a step: its messages handled and everything the
// step made invalid painted, in every child window.
void PaintWhatChanged(HWND window)
{
    DispatchPending();
    ::RedrawWindow(window, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Runs `step` `count` times, painting after each, and prints the median and
// the slowest time of one step with its repaint; `prepare`, when given, runs
// and paints untimed before each step.
void TimeSteps(const char* what, HWND window, int count, const std::function<void()>& step,
               const std::function<void()>& prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        if (prepare) {
            prepare();
            PaintWhatChanged(window);
        }
        const LARGE_INTEGER before = Now();
        step();
        PaintWhatChanged(window);
        times.push_back(Seconds(before, Now()));
    }
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    std::printf("%s with repaint: %.2f ms median, %.2f ms at most (%d steps)\n", what, 1000.0 * times[times.size() / 2],
                1000.0 * times.back(), count);
}

// The peak of the process's private memory and of its working set, and the working set now.
void PrintPeakMemory()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        return;
    const double mib = 1024.0 * 1024.0;
    std::printf("peak memory: %.0f MiB private, %.0f MiB working set (now %.0f MiB)\n",
                static_cast<double>(counters.PeakPagefileUsage) / mib,
                static_cast<double>(counters.PeakWorkingSetSize) / mib,
                static_cast<double>(counters.WorkingSetSize) / mib);
}

// Keys on a pane as a person presses them; End and Page Down start from the
// line's start, Home from its end, so that each one moves.
void TimeKeys(HWND window, HWND pane, int count)
{
    const auto key = [pane](UINT code) {
        return [pane, code] {
            ::SendMessageA(pane, WM_KEYDOWN, code, 0);
            ::SendMessageA(pane, WM_KEYUP, code, 0);
        };
    };
    TimeSteps("End key", window, count, key(VK_END), key(VK_HOME));
    TimeSteps("Home key", window, count, key(VK_HOME), key(VK_END));
    TimeSteps("Right key", window, count, key(VK_RIGHT));
    TimeSteps("Page Down key", window, count, key(VK_NEXT), key(VK_HOME));
}

// Opens a window on the pair with the map shown or hidden and the marks inside changed rows
// on or off, and times it as a person would use it.
int RunOnce(const char* left, const char* right, int steps, bool mapShown, bool showInline)
{
    std::printf("== difference map %s\n", mapShown ? "shown" : "hidden");
    const LARGE_INTEGER start = Now();
    StepTimes times;
    AppSettings settings;
    settings.windowCX = 1000;
    settings.windowCY = 700;
    settings.showInlineDifferences = showInline ? 1 : 0;
    settings.showDifferenceMap = mapShown ? 1 : 0;
    CTandrelDialog dialog(settings);
    dialog.SetPaths(left, right);
    dialog.SetStepTimes(&times);
    if (!dialog.Create()) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    times.Mark("window after the comparison");
    dialog.ShowWindow(SW_SHOW);
    PaintEverything(dialog.m_hWnd);
    times.Mark("first paint");
    dialog.SetStepTimes(nullptr);
    const LARGE_INTEGER shown = Now();
    // One entry of the difference list per difference.
    const int count = static_cast<int>(::SendDlgItemMessageA(dialog.m_hWnd, IDC_DIFF_LIST, CB_GETCOUNT, 0, 0));
    std::printf("rows %d, differences %d\n", LeftTextPane(dialog).GetLineCount(), count);
    std::printf("start to first painted comparison: %.2f s\n", Seconds(start, shown));
    PrintPeakMemory();
    std::fputs(times.Report().c_str(), stdout);

    auto command = [&dialog](int id) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); };
    const int walk = steps < 0 ? count - 1 : std::min(steps, count - 1);
    TimeSteps("Next Difference", dialog.m_hWnd, walk, [&] { command(ID_NEXT_DIFFERENCE); });
    TimeSteps("Previous Difference", dialog.m_hWnd, walk, [&] { command(ID_PREVIOUS_DIFFERENCE); });
    HWND pane = LeftTextPane(dialog).m_hWnd;
    TimeSteps("Page Down", dialog.m_hWnd, steps < 0 ? 1000 : steps,
              [pane] { ::SendMessageA(pane, WM_VSCROLL, SB_PAGEDOWN, 0); });
    ::SetFocus(pane);
    TimeKeys(dialog.m_hWnd, pane, steps < 0 ? 200 : steps);
    PrintPeakMemory();
    dialog.DestroyWindow();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Without --map the pair opens four times, the map hidden and shown in turn.
    std::vector<bool> mapRuns = {false, true, false, true};
    bool showInline = true;
    for (; argc > 2 && std::strncmp(argv[1], "--", 2) == 0; argc -= 2, argv += 2) {
        if (std::strcmp(argv[1], "--inline") == 0)
            showInline = std::strcmp(argv[2], "off") != 0;
        else if (std::strcmp(argv[1], "--map") == 0)
            mapRuns = {std::strcmp(argv[2], "hidden") != 0};
        else
            argc = 0;
    }
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: mainbench [--inline on|off] [--map shown|hidden] LEFT RIGHT [STEPS]\n");
        return 2;
    }
    CWinApp app;
    app.SetRegistryKey("TandrelBenchmark");
    app.m_appName = "Tandrel";
    SetMessageBoxHandler([](HWND, const std::string& text, const std::string&, UINT) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return IDOK;
    });
    const int steps = argc == 4 ? std::atoi(argv[3]) : -1;
    int status = 0;
    for (bool mapShown : mapRuns)
        status = status != 0 ? status : RunOnce(argv[1], argv[2], steps, mapShown, showInline);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelBenchmark");
    return status;
}

// mainbench [--inline on|off] [--map shown|hidden] LEFT RIGHT [STEPS]: opens the real
// main window on two files, with the marks inside changed rows shown or not (shown by
// default), and prints how long it took until the comparison was painted, step by step,
// and the peak memory; then how long each Next Difference, Previous Difference, page of
// scrolling and key takes until the window is painted again (STEPS of each; by default
// every difference and 1,000 pages). Without --map it does all this six times in one
// run, the map hidden and shown at first in turn, and within each window the map is
// hidden and shown in turn every few steps; it ends with the medians of every kind of
// step pooled over each setting, side by side.
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
#include <map>
#include <string>
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

// The times in milliseconds of every step of one kind, over the windows of one setting.
using StepPool = std::map<std::string, std::vector<double>>;

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The mean of the middle 80 %: some steps take one of two times (a scroll
// that moves the text or one that paints it anew), and a median of such
// steps jumps between the two as their shares shift a little.
double TrimmedMean(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t cut = times.size() / 10;
    double sum = 0;
    for (size_t i = cut; i < times.size() - cut; ++i)
        sum += times[i];
    return sum / static_cast<double>(times.size() - 2 * cut);
}

// The window whose steps are timed, and the pools of the times with the map
// hidden and shown. When the map alternates, it is hidden or shown anew every
// kBlock steps (untimed), so that both settings meet the same stretch of the
// run: the machine's own drift is larger than what the map costs.
struct Bench {
    static constexpr int kBlock = 10;
    CTandrelDialog& dialog;
    AppSettings& settings;
    bool alternate;
    StepPool* pools;
};

void ShowMap(Bench& bench, bool shown)
{
    if ((bench.settings.showDifferenceMap != 0) == shown)
        return;
    OptionValues values = bench.settings;
    values.showDifferenceMap = shown ? 1 : 0;
    bench.dialog.ApplyOptions(values);
    PaintEverything(bench.dialog.m_hWnd);
}

// Runs `step` `count` times, painting after each, adds the times to the
// pool of the map's setting and prints for each setting the median and the
// slowest time of one step with its repaint; `prepare`, when given, runs and
// paints untimed before each step.
void TimeSteps(const char* what, Bench& bench, int count, const std::function<void()>& step,
               const std::function<void()>& prepare = {})
{
    const HWND window = bench.dialog.m_hWnd;
    std::vector<double> times[2];
    for (int i = 0; i < count; ++i) {
        if (bench.alternate && i % Bench::kBlock == 0)
            ShowMap(bench, (i / Bench::kBlock) % 2 != 0);
        if (prepare) {
            prepare();
            PaintWhatChanged(window);
        }
        const LARGE_INTEGER before = Now();
        step();
        PaintWhatChanged(window);
        times[bench.settings.showDifferenceMap != 0].push_back(1000.0 * Seconds(before, Now()));
    }
    for (int shown = 0; shown < 2; ++shown) {
        if (times[shown].empty())
            continue;
        auto& pool = bench.pools[shown][what];
        pool.insert(pool.end(), times[shown].begin(), times[shown].end());
        std::printf("%s, map %s, with repaint: %.2f ms median, %.2f ms at most (%zu steps)\n", what,
                    shown ? "shown" : "hidden", Median(times[shown]),
                    *std::max_element(times[shown].begin(), times[shown].end()), times[shown].size());
    }
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
void TimeKeys(Bench& bench, HWND pane, int count)
{
    const auto key = [pane](UINT code) {
        return [pane, code] {
            ::SendMessageA(pane, WM_KEYDOWN, code, 0);
            ::SendMessageA(pane, WM_KEYUP, code, 0);
        };
    };
    TimeSteps("End key", bench, count, key(VK_END), key(VK_HOME));
    TimeSteps("Home key", bench, count, key(VK_HOME), key(VK_END));
    TimeSteps("Right key", bench, count, key(VK_RIGHT));
    TimeSteps("Page Down key", bench, count, key(VK_NEXT), key(VK_HOME));
}

// Opens a window on the pair with the map shown or hidden (at first, when it
// alternates) and the marks inside changed rows on or off, and times it as a
// person would use it.
int RunOnce(const char* left, const char* right, int steps, bool mapShown, bool alternate, bool showInline,
            StepPool pools[2])
{
    std::printf("== difference map %s%s\n", mapShown ? "shown" : "hidden", alternate ? " at first" : "");
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
    // The comparison is on the screen once every window has painted what the
    // show made invalid; painting it all again would time a second paint.
    PaintWhatChanged(dialog.m_hWnd);
    times.Mark("first paint");
    dialog.SetStepTimes(nullptr);
    const LARGE_INTEGER shown = Now();
    // One entry of the difference list per difference.
    const int count = static_cast<int>(::SendDlgItemMessageA(dialog.m_hWnd, IDC_DIFF_LIST, CB_GETCOUNT, 0, 0));
    std::printf("rows %d, differences %d\n", LeftTextPane(dialog).GetLineCount(), count);
    std::printf("start to first painted comparison: %.2f s\n", Seconds(start, shown));
    StepPool& pool = pools[mapShown];
    pool["Opening"].push_back(1000.0 * Seconds(start, shown));
    // Writing the copies and the engine wait on the disk and vary most from window to
    // window; the steps the map takes part in are seen one by one.
    for (const StepTimes::Step& step : times.Steps())
        pool[std::string("Opening, ") + step.name].push_back(1000.0 * step.seconds);
    PrintPeakMemory();
    std::fputs(times.Report().c_str(), stdout);

    // What the measurement itself costs: a step that changes nothing.
    Bench bench{dialog, settings, alternate, pools};
    TimeSteps("No step", bench, steps < 0 ? 1000 : steps, [] {});
    auto command = [&dialog](int id) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); };
    const int walk = steps < 0 ? count - 1 : std::min(steps, count - 1);
    TimeSteps("Next Difference", bench, walk, [&] { command(ID_NEXT_DIFFERENCE); });
    TimeSteps("Previous Difference", bench, walk, [&] { command(ID_PREVIOUS_DIFFERENCE); });
    HWND pane = LeftTextPane(dialog).m_hWnd;
    TimeSteps("Page Down", bench, steps < 0 ? 1000 : steps,
              [pane] { ::SendMessageA(pane, WM_VSCROLL, SB_PAGEDOWN, 0); });
    ::SetFocus(pane);
    TimeKeys(bench, pane, steps < 0 ? 200 : steps);
    PrintPeakMemory();
    dialog.DestroyWindow();
    return 0;
}

// Every kind of step side by side over all windows with the map hidden and shown.
void PrintPooled(const StepPool& hidden, const StepPool& shown)
{
    std::printf("== pooled over the windows, map hidden / shown\n");
    for (const auto& [what, times] : hidden) {
        const auto other = shown.find(what);
        if (other == shown.end())
            continue;
        const double off = TrimmedMean(times), on = TrimmedMean(other->second);
        std::printf(
            "%s: middle 80 %% mean %.2f ms / %.2f ms, shown / hidden %.3f; median %.2f ms / %.2f ms (%zu / %zu "
            "steps)\n",
            what.c_str(), off, on, on / off, Median(times), Median(other->second), times.size(), other->second.size());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // Without --map the pair opens six times, the map hidden and shown in turn.
    std::vector<bool> mapRuns = {false, true, false, true, false, true};
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
    StepPool pools[2];  // map hidden, shown
    for (bool mapShown : mapRuns)
        status =
            status != 0 ? status : RunOnce(argv[1], argv[2], steps, mapShown, mapRuns.size() > 1, showInline, pools);
    if (status == 0 && mapRuns.size() > 1)
        PrintPooled(pools[0], pools[1]);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelBenchmark");
    return status;
}

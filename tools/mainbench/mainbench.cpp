// mainbench LEFT RIGHT: opens the real main window on two files and prints how
// long it took until the comparison was painted, then how long each Next
// Difference step takes until the window is painted again.
#include "framework/AppMessageBox.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"
#include "shell/AppSettings.h"
#include "shell/CTandrelDialog.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

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

void PaintEverything(HWND window)
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mainbench LEFT RIGHT\n");
        return 2;
    }
    const LARGE_INTEGER start = Now();
    CWinApp app;
    app.SetRegistryKey("TandrelBenchmark");
    app.m_appName = "Tandrel";
    SetMessageBoxHandler([](HWND, const std::string& text, const std::string&, UINT) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return IDOK;
    });
    AppSettings settings;
    settings.windowCX = 1000;
    settings.windowCY = 700;
    CTandrelDialog dialog(settings);
    dialog.SetPaths(argv[1], argv[2]);
    if (!dialog.Create()) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    dialog.ShowWindow(SW_SHOW);
    PaintEverything(dialog.m_hWnd);
    const LARGE_INTEGER shown = Now();
    const int count = static_cast<int>(dialog.Hunks().size());
    std::printf("rows %d, differences %d\n", dialog.LeftTextPane().GetLineCount(), count);
    std::printf("start to first painted comparison: %.2f s\n", Seconds(start, shown));

    double slowest = 0;
    const LARGE_INTEGER walk = Now();
    for (int i = 1; i < count; ++i) {
        const LARGE_INTEGER before = Now();
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(ID_NEXT_DIFFERENCE, 0), 0);
        PaintEverything(dialog.m_hWnd);
        slowest = std::max(slowest, Seconds(before, Now()));
    }
    if (count > 1) {
        std::printf("Next Difference with repaint: %.2f ms on average, %.2f ms at most\n",
                    1000.0 * Seconds(walk, Now()) / (count - 1), 1000.0 * slowest);
    }
    dialog.DestroyWindow();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TandrelBenchmark");
    return 0;
}

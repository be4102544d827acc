// panebench [LINES] [utf8]: times the pane on a large generated text (default 1,000,000 lines):
// SetText, painting one screen at the top, the middle and the end, paging, and a search.
// With utf8 every line also holds accented and Cyrillic letters.
#include "framework/CWnd.h"
#include "framework/ClientDC.h"
#include "framework/GdiObject.h"
#include "framework/MemoryDC.h"
#include "framework/ObjectSelection.h"
#include "pane/CNewEdit.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Lines of 20 to 80 bytes, some with tabs, numbered so that every line differs.
std::string MakeText(int lines, bool utf8)
{
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 56);
    for (int i = 0; i < lines; ++i) {
        text += "line ";
        text += std::to_string(i);
        text += (i % 7 == 0) ? "\tindented\t" : " plain text ";
        if (utf8)
            text += "caf\xC3\xA9 \xD0\x96\xD1\x83\xD0\xBA ";
        text.append(static_cast<size_t>(10 + (i * 37) % 50), static_cast<char>('a' + i % 26));
        text += '\n';
    }
    text += "needle at the very end";
    return text;
}

double PaintOnce(CNewEdit& pane, HDC dc)
{
    const double start = Now();
    pane.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    return Now() - start;
}

}  // namespace

int main(int argc, char** argv)
{
    const int lines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const bool utf8 = argc > 2 && std::string(argv[2]) == "utf8";
    const std::string text = MakeText(lines, utf8);

    CWnd parent;
    parent.CreateEx(0, nullptr, "panebench", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr);
    CNewEdit pane;
    pane.Create(WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, RECT{0, 0, 800, 600}, parent.m_hWnd, 1);

    double start = Now();
    pane.SetText(text.data(), static_cast<int>(text.size()));
    const double setText = Now() - start;

    MemoryDC dc;
    {
        ClientDC screen(nullptr);
        GdiBitmap bitmap(CreateCompatibleBitmap(screen, 800, 600));
        ObjectSelection selected(dc, bitmap);
        const double top = PaintOnce(pane, dc);
        pane.SetTopLine(pane.GetLineCount() / 2);
        const double middle = PaintOnce(pane, dc);
        pane.SetTopLine(pane.GetLineCount() - pane.GetVisibleLines());
        const double end = PaintOnce(pane, dc);

        pane.SetTopLine(0);
        start = Now();
        for (int i = 0; i < 100; ++i)
            pane.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
        const double pages = (Now() - start) / 100;

        pane.MoveCaretToPosition(0, CaretFollow::QuarterJump);
        start = Now();
        const int found = pane.Find("needle", 1, 1);
        const double find = Now() - start;

        std::printf("lines %d, bytes %zu\n", pane.GetLineCount(), text.size());
        std::printf("SetText          %8.1f ms\n", setText);
        std::printf("paint top        %8.2f ms\n", top);
        std::printf("paint middle     %8.2f ms\n", middle);
        std::printf("paint end        %8.2f ms\n", end);
        std::printf("page down (each) %8.2f ms\n", pages);
        std::printf("find at the end  %8.1f ms (%s)\n", find, found ? "found" : "not found");
    }
    pane.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}

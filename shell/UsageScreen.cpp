#include "shell/UsageScreen.h"

#include "TandrelVersion.h"

#include <windows.h>

#include <conio.h>

#include <cstdio>

namespace {

const WORD kScreenAttribute = 0xF0;  // black on white
const WORD kTextAttribute = 0xF1;  // blue on white

const char* const kUsageLines[] = {
    "Usage: Tandrel [Filename1] [Filename2] [Options]",
    "   Filename1, Filename2 are names of files to be compared",
    "   Options are any of:",
    "      /i    ignore case",
    "      /b    ignore blanks in lines",
    "      /t    treat both files as text files",
    "      /n    don't show initial \"Comapare Files\" dialog",
    "      /aN   scroll trough all differences with N second delay",
    "            and exit after the last difference",
    "      /?,/h print this screen",
    "   NOTE: if options /i, /b, or /t are not set, the last",
    "         used options remain in effect",
};

HANDLE OpenConsoleOutput()
{
    return ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
}

bool RunningUnderWine()
{
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

// A console of the program's own. On Windows the program, being windowed, has none
// and gets a new one with a window. Under Wine a program started from a terminal is
// already attached to that terminal, while a new console may have no window anyone
// sees: there the terminal is the console to use.
HANDLE OwnConsole()
{
    if (RunningUnderWine()) {
        HANDLE current = OpenConsoleOutput();
        DWORD mode = 0;
        if (current != INVALID_HANDLE_VALUE && ::GetConsoleMode(current, &mode)) {
            return current;
        }
        if (current != INVALID_HANDLE_VALUE) {
            ::CloseHandle(current);
        }
    }
    ::FreeConsole();
    if (!::AllocConsole()) {
        return INVALID_HANDLE_VALUE;
    }
    return OpenConsoleOutput();
}

void PaintScreen(HANDLE output)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!::GetConsoleScreenBufferInfo(output, &info)) {
        return;
    }
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    DWORD written = 0;
    ::FillConsoleOutputAttribute(output, kScreenAttribute, cells, COORD{0, 0}, &written);
    ::SetConsoleTextAttribute(output, kTextAttribute);
}

// Connects the C library's standard output to the console: text mode, unbuffered.
bool ConnectStandardOutput()
{
    if (!std::freopen("CONOUT$", "w", stdout)) {
        return false;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    return true;
}

}  // namespace

std::string UsageText(const std::string& badOption)
{
    std::string text = "\r\nTandrel - Visual File Comparison Tool\r\n" TANDREL_VERSION_LINE "\r\n\r\n";
    if (!badOption.empty()) {
        text += "Error: unrecognized option: " + badOption + "\r\n\n";
    }
    for (const char* line : kUsageLines) {
        text += line;
        text += "\r\n";
    }
    text += "\r\n";
    text += "Press any key to continue...\r\n";
    return text;
}

void ShowUsage(const std::string& badOption)
{
    HANDLE output = OwnConsole();
    if (output == INVALID_HANDLE_VALUE) {
        return;
    }
    ::SetStdHandle(STD_OUTPUT_HANDLE, output);
    PaintScreen(output);
    // Written as plain text: the bad option may hold '%' and is never a format.
    const std::string text = UsageText(badOption);
    if (ConnectStandardOutput()) {
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    } else {
        DWORD written = 0;
        ::WriteConsoleA(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
    _getch();
}

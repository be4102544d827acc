// The usage screen: its exact text, and the real program showing it on a console of its own,
// painted and waiting for one key, then saving the settings.
#include "ShellTestSupport.h"
#include "TandrelVersion.h"
#include "shell/UsageScreen.h"

#include <string>
#include <vector>

namespace {

// The page as a person sees it, one entry per screen row from the top.
const std::vector<std::string> kPageTop = {
    "",
    "Tandrel - Visual File Comparison Tool",
    TANDREL_VERSION_LINE,
    "",
};
const std::vector<std::string> kPageBottom = {
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
    "",
    "Press any key to continue...",
};

std::string JoinCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

TEST(UsageText, WithoutAnErrorLine)
{
    EXPECT_EQ(UsageText(""), JoinCrLf(kPageTop) + JoinCrLf(kPageBottom));
}

TEST(UsageText, BadOptionIsPrintedAsTyped)
{
    EXPECT_EQ(UsageText("/q%s%n%%"),
              JoinCrLf(kPageTop) + "Error: unrecognized option: /q%s%n%%\r\n\n" + JoinCrLf(kPageBottom));
}

// The program's path in Windows form (the build tree is reached through drive Z:).
std::string ProgramPath()
{
    std::string path = std::string("Z:") + TANDREL_EXE_PATH;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

// The rows of the attached console's screen, trailing blanks removed.
std::vector<std::string> ScreenRows(HANDLE output, SHORT width, SHORT rows)
{
    std::vector<std::string> screen;
    for (SHORT y = 0; y < rows; ++y) {
        std::string row(static_cast<size_t>(width), ' ');
        DWORD read = 0;
        ::ReadConsoleOutputCharacterA(output, &row[0], static_cast<DWORD>(width), COORD{0, y}, &read);
        row.resize(read);
        row.erase(row.find_last_not_of(' ') + 1);
        screen.push_back(row);
    }
    return screen;
}

WORD AttributeAt(HANDLE output, SHORT x, SHORT y)
{
    WORD attribute = 0;
    DWORD read = 0;
    ::ReadConsoleOutputAttribute(output, &attribute, 1, COORD{x, y}, &read);
    return attribute;
}

void PressKey(HANDLE input, char key)
{
    INPUT_RECORD records[2] = {};
    for (int i = 0; i < 2; ++i) {
        records[i].EventType = KEY_EVENT;
        records[i].Event.KeyEvent.bKeyDown = i == 0;
        records[i].Event.KeyEvent.wRepeatCount = 1;
        records[i].Event.KeyEvent.wVirtualKeyCode = static_cast<WORD>(::VkKeyScanA(key) & 0xFF);
        records[i].Event.KeyEvent.uChar.AsciiChar = key;
    }
    DWORD written = 0;
    ::WriteConsoleInputA(input, records, 2, &written);
}

// The started program, ended on every way out of a test: a failed check must not leave
// it behind waiting for its key.
struct StartedProgram {
    PROCESS_INFORMATION info{};

    StartedProgram() = default;
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram()
    {
        if (!info.hProcess) {
            return;
        }
        if (::WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(info.hProcess, 1);
        }
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
    }
};

using UsageScreenProgram = ProgramKeyTest;

TEST_F(UsageScreenProgram, ShowsThePageOnItsOwnConsoleEndsOnOneKeyAndSavesSettings)
{
    std::string commandLine = "\"" + ProgramPath() + "\" /i /q%s";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    StartedProgram program;
    const PROCESS_INFORMATION& process = program.info;
    ASSERT_TRUE(::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                                 &startup, &program.info))
        << ProgramPath();
    ::FreeConsole();

    // The program allocates its console itself; wait (by a count of tries) until it can be joined
    // and the page is complete.
    std::vector<std::string> screen;
    CONSOLE_SCREEN_BUFFER_INFO info{};
    HANDLE output = INVALID_HANDLE_VALUE;
    for (int tries = 0; tries < 400; ++tries) {
        if (output == INVALID_HANDLE_VALUE && ::AttachConsole(process.dwProcessId)) {
            output = ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        }
        // The page is complete once the cursor stands below the prompt.
        if (output != INVALID_HANDLE_VALUE && ::GetConsoleScreenBufferInfo(output, &info)
            && info.dwCursorPosition.Y >= 20) {
            screen = ScreenRows(output, info.dwSize.X, 40);
            break;
        }
        ::Sleep(50);
    }
    ASSERT_NE(output, INVALID_HANDLE_VALUE) << "the program's console could not be joined";

    std::vector<std::string> expected = kPageTop;
    expected.push_back("Error: unrecognized option: /q%s");
    expected.push_back("");
    expected.insert(expected.end(), kPageBottom.begin(), kPageBottom.end());
    ASSERT_GE(screen.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(screen.begin(), screen.begin() + static_cast<long>(expected.size())), expected);

    EXPECT_EQ(AttributeAt(output, 0, 1), 0xF1);  // text: blue on white
    EXPECT_EQ(AttributeAt(output, 60, 1), 0xF0);  // the rest of the screen: black on white
    EXPECT_EQ(AttributeAt(output, static_cast<SHORT>(info.dwSize.X - 1), static_cast<SHORT>(info.dwSize.Y - 1)), 0xF0);

    // Still waiting for its key.
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    HANDLE input = ::CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    PressKey(input, 'k');
    ::CloseHandle(input);
    ::CloseHandle(output);
    ::FreeConsole();

    ASSERT_EQ(::WaitForSingleObject(process.hProcess, 60000), static_cast<DWORD>(WAIT_OBJECT_0))
        << "the program did not end after the key";
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);

    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Settings", "Ignore Case", -1)), 1);
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Settings", "Ignore Blanks", -1)), 0);
    EXPECT_EQ(app.GetProfileString("Settings", "Editor", "missing"), "notepad.exe");
}

// Under Wine a windowed program started from a terminal shares the terminal's console;
// the page must then appear there (and the key be read there) instead of on a new console.
TEST_F(UsageScreenProgram, UsesTheConsoleItWasStartedWithUnderWine)
{
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole());
    HANDLE output = ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    HANDLE input = ::CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    std::string commandLine = "\"" + ProgramPath() + "\" /?";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    CONSOLE_SCREEN_BUFFER_INFO info{};
    for (int tries = 0; tries < 400; ++tries) {
        if (::GetConsoleScreenBufferInfo(output, &info) && info.dwCursorPosition.Y >= 18) {
            break;
        }
        ::Sleep(50);
    }
    const std::vector<std::string> screen = ScreenRows(output, info.dwSize.X, 20);
    PressKey(input, ' ');
    const DWORD waited = ::WaitForSingleObject(process.hProcess, 60000);
    if (waited != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(input);
    ::CloseHandle(output);
    ::FreeConsole();
    ASSERT_EQ(waited, static_cast<DWORD>(WAIT_OBJECT_0)) << "the program did not end after the key";

    std::vector<std::string> expected = kPageTop;
    expected.insert(expected.end(), kPageBottom.begin(), kPageBottom.end());
    ASSERT_GE(screen.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(screen.begin(), screen.begin() + static_cast<long>(expected.size())), expected);
}

}  // namespace

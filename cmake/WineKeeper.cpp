// Keeps Wine's desktop process alive while the Windows tests run.
//
// Wine starts a desktop process (explorer.exe) for the first program that makes a
// window and ends it about a second after the last such program is gone. Started by
// a test, it would inherit the test's output pipe, and ctest would wait that second
// for every test. Started once by the harness with its output redirected, and kept
// busy by this process, it serves every test.
//   WineKeeper start READY-FILE   claim the desktop, create READY-FILE, wait for stop
//   WineKeeper stop               end the running keeper
#include <windows.h>

#include <cstring>

namespace {

const char kStopEvent[] = "Local\\TandrelWineKeeperStop";
// A keeper that nobody stops ends by itself after this long.
const DWORD kLongestRunMs = 15 * 60 * 1000;

int Start(const char* readyFile)
{
    HANDLE stop = ::CreateEventA(nullptr, TRUE, FALSE, kStopEvent);
    const bool alreadyRunning = ::GetLastError() == ERROR_ALREADY_EXISTS;
    ::GetDesktopWindow();
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    HANDLE ready = ::CreateFileA(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready != INVALID_HANDLE_VALUE) {
        ::CloseHandle(ready);
    }
    if (!alreadyRunning && stop) {
        ::WaitForSingleObject(stop, kLongestRunMs);
    }
    if (window) {
        ::DestroyWindow(window);
    }
    if (stop) {
        ::CloseHandle(stop);
    }
    return 0;
}

int Stop()
{
    HANDLE stop = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, kStopEvent);
    if (!stop) {
        return 0;
    }
    ::SetEvent(stop);
    ::CloseHandle(stop);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "start") == 0) {
        return Start(argv[2]);
    }
    if (argc == 2 && std::strcmp(argv[1], "stop") == 0) {
        return Stop();
    }
    return 2;
}

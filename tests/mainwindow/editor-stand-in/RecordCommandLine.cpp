// A stand-in editor: writes the command line it was started with into the file that
// TANDREL_EDITOR_RECORD names, then ends.
#include <windows.h>

#include <cstring>

int main()
{
    char record[MAX_PATH] = "";
    if (!::GetEnvironmentVariableA("TANDREL_EDITOR_RECORD", record, sizeof record))
        return 2;
    HANDLE file = ::CreateFileA(record, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    const char* commandLine = ::GetCommandLineA();
    DWORD written = 0;
    ::WriteFile(file, commandLine, static_cast<DWORD>(std::strlen(commandLine)), &written, nullptr);
    ::CloseHandle(file);
    return 0;
}

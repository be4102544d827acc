// paneview FILE: shows FILE in one text pane in a real window.
#include "CPaneViewWnd.h"

#include <windows.h>
#include <ole2.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 2) {
        MessageBoxA(nullptr, "Usage: paneview FILE", "paneview", MB_OK | MB_ICONEXCLAMATION);
        return 2;
    }
    std::ifstream in(__argv[1], std::ios::binary);
    if (!in) {
        MessageBoxA(nullptr, (std::string("Cannot open ") + __argv[1]).c_str(), "paneview", MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    OleInitialize(nullptr);
    int status = 1;
    {
        CPaneViewWnd window;
        if (window.Create(__argv[1], text)) {
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            status = 0;
        }
    }
    OleFlushClipboard();
    OleUninitialize();
    return status;
}

#include "framework/WideString.h"

#include <windows.h>

std::wstring WideString::FromProcessCodePage(const std::string& text)
{
    const int size = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (units <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], units);
    return wide;
}

#include "pane/LegacyCodePage.h"

#include "engine/Utf8.h"

#include <windows.h>

#include <array>
#include <cstdlib>

namespace {

constexpr unsigned int kWesternEuropean = 1252;

std::array<uint16_t, 256> BuildTable(unsigned int codePage)
{
    std::array<uint16_t, 256> table{};
    for (size_t byte = 0; byte < table.size(); ++byte) {
        const char single = static_cast<char>(byte);
        WCHAR character = 0;
        const int made = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &single, 1, &character, 1);
        table[byte] = made == 1 ? static_cast<uint16_t>(character) : static_cast<uint16_t>(kReplacementCharacter);
    }
    table[0] = 0;
    return table;
}

}  // namespace

unsigned int LegacyCodePage::Number()
{
    char digits[8] = {};
    if (GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits, sizeof digits) <= 0)
        return kWesternEuropean;
    const unsigned int number = static_cast<unsigned int>(std::strtoul(digits, nullptr, 10));
    // A locale without a legacy code page (0) or one that already is UTF-8 has no other view of the bytes.
    return number == 0 || number == CP_UTF8 ? kWesternEuropean : number;
}

uint16_t LegacyCodePage::Character(unsigned char byte)
{
    static const std::array<uint16_t, 256> table = BuildTable(Number());
    return table[byte];
}

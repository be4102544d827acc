// LegacyCodePage: how the system's legacy ANSI code page shows each byte, for texts that are not UTF-8.
#pragma once

#include <cstdint>

class LegacyCodePage {
public:
    // The character the code page gives a byte; U+FFFD where it gives none
    // (a lead byte of a double-byte code page, an unassigned byte).
    static uint16_t Character(unsigned char byte);

private:
    // The system's default ANSI code page, not the process's: with UTF-8 as
    // the process's code page this is what the program showed before.
    static unsigned int Number();
};

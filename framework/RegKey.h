// RegKey: an open registry key, closed when the object goes; typed reads that never overrun.
#pragma once

#include <windows.h>

#include <string>

class RegKey {
public:
    enum Access { Read, Write };

    // Opens (Read) or opens-or-creates (Write) path under root; when that fails, every read
    // and write on the object returns false.
    RegKey(HKEY root, const std::string& path, Access access);
    ~RegKey();
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // True only for a REG_DWORD value.
    bool ReadDword(LPCSTR name, DWORD* value) const;
    // True only for a REG_SZ value; the text ends at its first NUL even when the data is unterminated.
    bool ReadString(LPCSTR name, std::string* value) const;
    bool WriteDword(LPCSTR name, DWORD value);
    bool WriteString(LPCSTR name, const std::string& value);
    bool DeleteValue(LPCSTR name);

private:
    HKEY m_key = nullptr;
};

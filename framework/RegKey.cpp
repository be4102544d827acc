#include "framework/RegKey.h"

#include <vector>

RegKey::RegKey(HKEY root, const std::string& path, Access access)
{
    HKEY key = nullptr;
    const LONG status = access == Read ? ::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key)
                                       : ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                           KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        m_key = key;
    }
}

RegKey::~RegKey()
{
    if (m_key) {
        ::RegCloseKey(m_key);
    }
}

bool RegKey::ReadDword(LPCSTR name, DWORD* value) const
{
    if (!m_key) {
        return false;
    }
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (::RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof data) {
        return false;
    }
    *value = data;
    return true;
}

bool RegKey::ReadString(LPCSTR name, std::string* value) const
{
    if (!m_key) {
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
        return false;
    }
    // The value may change between the two calls: retry while it grows.
    for (;;) {
        std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
        DWORD got = size;
        const LONG status =
            ::RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (status == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (status != ERROR_SUCCESS || type != REG_SZ) {
            return false;
        }
        buffer[got < size ? got : size] = '\0';
        value->assign(buffer.data());
        return true;
    }
}

bool RegKey::WriteDword(LPCSTR name, DWORD value)
{
    return m_key
           && ::RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value)
                  == ERROR_SUCCESS;
}

bool RegKey::WriteString(LPCSTR name, const std::string& value)
{
    return m_key
           && ::RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1))
                  == ERROR_SUCCESS;
}

bool RegKey::DeleteValue(LPCSTR name)
{
    if (!m_key) {
        return false;
    }
    const LONG status = ::RegDeleteValueA(m_key, name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

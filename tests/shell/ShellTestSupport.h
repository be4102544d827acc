// Shared by the shell tests: the program's registry key, cleared around each test.
#pragma once

#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

class ProgramKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearProgramKey();
        app.SetRegistryKey("Brightfen");
        app.m_appName = "Tandrel";
    }
    void TearDown() override { ClearProgramKey(); }

    static void ClearProgramKey() { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brightfen"); }

    // Raw access to a section of the program's key, as a previous run or another program left it.
    static void PutRaw(const std::string& section, const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        const std::string path = "Software\\Brightfen\\Tandrel\\" + section;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }
    static void PutString(const std::string& section, const char* name, const std::string& value)
    {
        PutRaw(section, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
    }
    static void PutDword(const std::string& section, const char* name, DWORD value)
    {
        PutRaw(section, name, REG_DWORD, &value, sizeof value);
    }

    CWinApp app;
};

// Text typed into the dialogs' edit and combo boxes arrives whole in every script, through
// the program's own modal loop, as characters from the keyboard or an input method come.
#include "tests/support/windows/DialogScript.h"
#include "dialogs/CCompareFilesDialog.h"
#include "dialogs/CEnterFileTypeDialog.h"
#include "dialogs/COptionsDialog.h"
#include "framework/WideString.h"
#include "resources/resource.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/support/windows/MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kTexts[] = {
    L"\u4e2d\u6587\u540d",  // Chinese
    L"\u041f\u0440\u0438\u0432\u0435\u0442",  // Cyrillic
    L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac",  // Greek
    L"caf\u00e9 na\u00efve \u00c5ngstr\u00f6m",  // accented Latin
};

std::string Utf8(const std::wstring& text)
{
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

std::string TempFolder()
{
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    return folder;
}

class TypedTextTest : public ProgramKeyTest {
protected:
    MessageBoxRecorder messages;
};

}  // namespace

TEST_F(TypedTextTest, CompareFilesTakesNamesInAnyScript)
{
    ASSERT_EQ(GetACP(), 65001u);
    for (const std::wstring& name : kTexts) {
        const std::wstring file = WideString::FromProcessCodePage(TempFolder()) + name + L".txt";
        HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        ::CloseHandle(handle);
        messages.shown.clear();
        DialogScript script;
        script.On("Compare Files", [&](HWND dialog) {
            DialogScript::Type(dialog, IDC_COMPARE_FILE1, file);
            DialogScript::Type(dialog, IDC_COMPARE_FILE2, file);
            DialogScript::Click(dialog, IDOK);
        });
        CCompareFilesDialog dialog;
        EXPECT_EQ(dialog.DoModal(), IDOK) << Utf8(name);
        EXPECT_TRUE(script.Finished());
        EXPECT_TRUE(messages.shown.empty()) << (messages.shown.empty() ? "" : messages.shown[0].text);
        EXPECT_EQ(dialog.m_firstPath, Utf8(file));
        EXPECT_EQ(dialog.m_secondPath, Utf8(file));
        ::DeleteFileW(file.c_str());
    }
}

TEST_F(TypedTextTest, FileTypesAndTheEditorFieldTakeAnyScript)
{
    for (const std::wstring& text : kTexts) {
        DialogScript script;
        script.On("Enter File Type", [&](HWND dialog) {
            DialogScript::Type(dialog, IDC_ENTER_GROUP_NAME, text);
            DialogScript::Type(dialog, IDC_ENTER_PATTERNS, L"*." + text);
            DialogScript::Click(dialog, IDOK);
        });
        script.On("Options", [&](HWND dialog) {
            DialogScript::Type(dialog, IDC_OPTIONS_EDITOR, L"C:\\" + text + L"\\ed.exe");
            DialogScript::Click(dialog, IDOK);
        });
        CEnterFileTypeDialog entry;
        EXPECT_EQ(entry.DoModal(), IDOK);
        EXPECT_EQ(entry.m_groupName, Utf8(text));
        EXPECT_EQ(entry.m_patterns, Utf8(L"*." + text));
        COptionsDialog options;
        EXPECT_EQ(options.DoModal(), IDOK);
        EXPECT_EQ(options.m_values.editor, Utf8(L"C:\\" + text + L"\\ed.exe"));
        EXPECT_TRUE(script.Finished());
    }
}

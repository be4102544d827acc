// The editor's command line, read back by the system's own parser: the path arrives as one argument.
#include "framework/WideString.h"
#include "shell/EditorCommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> SystemArguments(const std::string& commandLine)
{
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(WideString::FromProcessCodePage(commandLine).c_str(), &count);
    std::vector<std::wstring> result(arguments, arguments + (arguments ? count : 0));
    ::LocalFree(arguments);
    return result;
}

}  // namespace

TEST(EditorCommandLineTest, ThePathReachesTheEditorAsOneArgument)
{
    const struct {
        std::string editor;
        size_t editorArguments;
        std::string path;
        std::string unquoted;  // the path the editor receives
    } cases[] = {
        {"notepad.exe", 1, "C:\\My Files\\a.txt", "C:\\My Files\\a.txt"},
        {"notepad.exe", 1, "C:\\a.txt", "C:\\a.txt"},
        {"notepad.exe", 1, "\"C:\\My Files\\a.txt\"", "C:\\My Files\\a.txt"},
        {"notepad.exe", 1, "Z:\\tmp\\tab\there.txt", "Z:\\tmp\\tab\there.txt"},
        {"\"C:\\Program Files\\Ed\\ed.exe\" -n", 2, "Z:\\tmp\\Мои файлы\\中文 名.txt",
         "Z:\\tmp\\Мои файлы\\中文 名.txt"},
    };
    for (const auto& c : cases) {
        const std::string line = EditorCommandLine(c.editor, c.path);
        EXPECT_EQ(line.compare(0, c.editor.size() + 1, c.editor + " "), 0) << line;
        const std::vector<std::wstring> arguments = SystemArguments(line);
        ASSERT_EQ(arguments.size(), c.editorArguments + 1) << line;
        EXPECT_EQ(arguments.back(), WideString::FromProcessCodePage(c.unquoted)) << line;
    }
}

// Save Diff: the Save As request, the report in file order as CR LF text, refusals, and `patch` applying it.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "framework/CommonDialogs.h"
#include "resources/resource.h"

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

namespace {

// Answers the Save As dialog with a path (Cancel for an empty one); keeps what it was asked.
class SaveAsAnswer {
public:
    explicit SaveAsAnswer(const std::string& path)
    {
        previous_ = SetCommonDialogHandler([this, path](CommonDialogCall& call) {
            if (!call.file)
                return FALSE;
            const OPENFILENAMEA& request = *call.file;
            asked = (request.Flags & OFN_OVERWRITEPROMPT ? "overwrite prompt, " : "")
                    + std::string(request.Flags & OFN_HIDEREADONLY ? "" : "read-only box, ")
                    + (request.lpstrDefExt ? "default extension, " : "") + "name '" + request.lpstrFile + "', ";
            for (const char* p = request.lpstrFilter; p && *p; p += std::strlen(p) + 1)
                asked += std::string(p) + "|";
            lstrcpynA(call.file->lpstrFile, path.c_str(), static_cast<int>(call.file->nMaxFile));
            return path.empty() ? FALSE : TRUE;
        });
    }
    ~SaveAsAnswer() { SetCommonDialogHandler(previous_); }
    SaveAsAnswer(const SaveAsAnswer&) = delete;
    SaveAsAnswer& operator=(const SaveAsAnswer&) = delete;

    std::string asked;

private:
    CommonDialogHandler previous_;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SaveDiff : public MainWindowFixture {
protected:
    void Save(CTandrelDialog& d, const std::string& path)
    {
        SaveAsAnswer answer(path);
        messages.shown.clear();
        Command(d, ID_SAVE_DIFF);
        EXPECT_EQ(answer.asked, "overwrite prompt, name '', All Files (*.*)|*.*|");
    }
};

}  // namespace

TEST_F(SaveDiff, WritesTheBlocksInFileOrderAsCrLfTextOrSaysWhyNot)
{
    const struct Case {
        const char* name;
        const char* left;
        const char* right;
        std::string path;  // empty: Cancel
        const char* report;  // null: no file
        std::string message;
    } cases[] = {
        {"three changes", "a\nb\nc\nd\ne\n", "a\nB\nc\ne\nf\n", folder + "\\report.txt",
         "2c2\r\n< b\r\n---\r\n> B\r\n4d3\r\n< d\r\n5a5\r\n> f\r\n", ""},
        {"identical files", "same\n", "same\n", folder + "\\report.txt", "", ""},
        {"Cancel", "a\n", "b\n", "", nullptr, ""},
        {"a missing folder", "a\n", "b\n", folder + "\\missing\\report.txt", nullptr,
         "Could not open file " + folder + "\\missing\\report.txt to write!"},
        {"a folder", "a\n", "b\n", folder, nullptr, "Could not open file " + folder + " to write!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CTandrelDialog& d = Open(WriteFile("left.txt", c.left), WriteFile("right.txt", c.right));
        Save(d, c.path);
        EXPECT_EQ(messages.Texts(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        const std::string report = folder + "\\report.txt";
        EXPECT_EQ(Exists(report), c.report != nullptr);
        if (c.report) {
            EXPECT_EQ(ReadFile(report), c.report);
        }
        ::DeleteFileA(report.c_str());
    }
    EXPECT_FALSE(Exists(folder + "\\missing"));
}

namespace {

// The Unix path of a Windows one, as Wine maps it.
std::string UnixPath(const std::string& windowsPath)
{
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* unix = toUnix ? toUnix(wide) : nullptr;
    const std::string path = unix ? unix : "";
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return path;
}

// Lines as the program reads them: CR LF as LF, and a last line without its line feed gains it.
std::string AsLines(std::string text)
{
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    }
    if (!lines.empty() && lines.back() != '\n')
        lines += '\n';
    return lines;
}

struct Pair {
    std::string left, right;
};

// Small files over a four-line alphabet, the right one an edit of the left; some with
// CR LF line ends on one or both sides, some without the last line feed.
std::vector<Pair> GeneratedPairs(int count)
{
    std::mt19937 random(11);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto text = [&](const std::vector<std::string>& lines, bool crlf, bool lastLineEnd) {
        std::string t;
        for (const std::string& line : lines)
            t += line + (crlf ? "\r\n" : "\n");
        if (!lastLineEnd)
            t.erase(t.size() - (crlf ? 2 : 1));
        return t;
    };
    std::vector<Pair> pairs;
    for (int i = 0; i < count; ++i) {
        std::vector<std::string> left(static_cast<size_t>(1 + pick(8)));
        for (std::string& line : left)
            line = std::string(1, static_cast<char>('a' + pick(4)));
        std::vector<std::string> right = left;
        for (int edits = 1 + pick(3); edits > 0; --edits) {
            const auto at = right.begin() + pick(static_cast<int>(right.size()) + 1);
            if (pick(2) && at != right.end() && right.size() > 1)
                right.erase(at);
            else
                right.insert(at, std::string(1, static_cast<char>('a' + pick(5))));
        }
        pairs.push_back({text(left, i % 4 == 1 || i % 4 == 3, i % 5 != 2), text(right, i % 4 >= 2, i % 7 != 3)});
    }
    return pairs;
}

}  // namespace

TEST_F(SaveDiff, PatchTurnsTheLeftFileIntoTheRightOneWithTheSavedReport)
{
    std::vector<Pair> pairs = GeneratedPairs(40);
    pairs.push_back({"a\r\nb\r\nc\r\n", "a\r\nx\r\nc\r\nd\r\n"});
    pairs.push_back({"a\nb\nc", "a\nb\nd"});
    for (size_t i = 0; i < pairs.size(); ++i) {
        const std::string name = "pair" + std::to_string(i);
        CTandrelDialog& d = Open(WriteFile(name + ".left", pairs[i].left), WriteFile(name + ".right", pairs[i].right));
        WriteFile(name + ".left.lines", AsLines(pairs[i].left));
        WriteFile(name + ".right.lines", AsLines(pairs[i].right));
        Save(d, folder + "\\" + name + ".report");
        ASSERT_TRUE(messages.shown.empty()) << name << ": " << messages.shown.front().text;
    }
    Close();
    // `patch` runs as a Unix program: Wine starts it but cannot wait for it, so it leaves
    // its verdicts in a file that appears when every pair is done.
    WriteFile(
        "apply.sh",
        "cd \"$(dirname \"$0\")\"\n"
        "for report in pair*.report; do\n"
        "  pair=${report%.report}\n"
        "  sed 's/\\r$//' \"$report\" >\"$pair.lf\"\n"
        "  if patch -s -o \"$pair.patched\" \"$pair.left.lines\" \"$pair.lf\" >/dev/null 2>&1 &&\n"
        "     cmp -s \"$pair.patched\" \"$pair.right.lines\"; then echo \"$pair ok\"; else echo \"$pair FAILED\"; fi\n"
        "done >verdicts.part\n"
        "mv verdicts.part verdicts\n");
    std::string command = "/bin/sh " + UnixPath(folder + "\\apply.sh");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    const std::string verdicts = folder + "\\verdicts";
    for (int waited = 0; waited < 600 && !Exists(verdicts); ++waited)
        ::Sleep(100);
    std::istringstream lines(ReadFile(verdicts));
    size_t applied = 0;
    for (std::string line; std::getline(lines, line); ++applied)
        EXPECT_NE(line.find(" ok"), std::string::npos) << line;
    EXPECT_EQ(applied, pairs.size());
}

// Save Diff: the Save As request, the report in file order as CR LF text, refusals, and `patch` applying it.
#include "MainWindowFixture.h"
#include "TestWindows.h"

#include "framework/CommonDialogs.h"
#include "resources/resource.h"

#include <dlgs.h>

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

namespace {

// Answers the Save As dialog with a path (Cancel for an empty one); keeps what it was asked.
class SaveAsAnswer {
public:
    // type: the file type chosen, counted from 1 as the dialog counts.
    explicit SaveAsAnswer(const std::string& path, DWORD type = 1)
    {
        previous_ = SetCommonDialogHandler([this, path, type](CommonDialogCall& call) {
            if (!call.file)
                return FALSE;
            const OPENFILENAMEA& request = *call.file;
            asked = (request.Flags & OFN_OVERWRITEPROMPT ? "overwrite prompt, " : "")
                    + std::string(request.Flags & OFN_HIDEREADONLY ? "" : "read-only box, ")
                    + (request.lpstrDefExt ? "default extension, " : "") + "name '" + request.lpstrFile + "', ";
            for (const char* p = request.lpstrFilter; p && *p; p += std::strlen(p) + 1)
                asked += std::string(p) + "|";
            lstrcpynA(call.file->lpstrFile, path.c_str(), static_cast<int>(call.file->nMaxFile));
            call.file->nFilterIndex = type;
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
        EXPECT_EQ(answer.asked,
                  "overwrite prompt, name '', All Files (*.*)|*.*|Unified Diff (*.diff;*.patch)|*.diff;*.patch|");
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

namespace {

// Plays the system's real Save As dialog once it is up: picks the file type
// (1-based, as the dialog counts), types the name and confirms.
struct RealSaveAs {
    DWORD type = 1;
    std::string name;
    bool answered = false;
};
RealSaveAs* realSaveAs = nullptr;

BOOL CALLBACK FindSaveAs(HWND hwnd, LPARAM result)
{
    char className[16] = "";
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(result) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK PlaySaveAs(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindSaveAs, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !realSaveAs || realSaveAs->answered)
        return;
    realSaveAs->answered = true;
    HWND types = ::GetDlgItem(dialog, cmb1);
    ::SendMessageA(types, CB_SETCURSEL, realSaveAs->type - 1, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
    ::SetDlgItemTextA(dialog, cmb13, realSaveAs->name.c_str());
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The file's last write time in local time as the system converts it, to the
// 100 ns the system keeps: "2026-12-10 01:06:07.1234567".
std::string LocalWriteTime(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    SYSTEMTIME utc{};
    SYSTEMTIME time{};
    ::FileTimeToSystemTime(&data.ftLastWriteTime, &utc);
    ::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &time);
    const uint64_t steps =
        (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%07lu", time.wYear, time.wMonth, time.wDay,
                  time.wHour, time.wMinute, time.wSecond, static_cast<unsigned long>(steps % 10000000));
    return text;
}

// A header line without its zone: the zone is "+hhmm" or "-hhmm", the rest must be `expected`.
std::string WithoutZone(const std::string& line)
{
    const size_t zone = line.rfind(' ');
    EXPECT_EQ(line.size() - zone, 6u) << line;
    EXPECT_TRUE(line[zone + 1] == '+' || line[zone + 1] == '-') << line;
    return line.substr(0, zone);
}

}  // namespace

// The real Save As dialog offers both types; each writes its own report, the
// unified patch as CR LF text on the files' own lines, headed by the names
// and write times.
TEST_F(SaveDiff, RealSaveAsDialogWritesTheChosenType)
{
    const struct Case {
        const char* name;
        const char* left;
        const char* right;
        DWORD type;
        const char* target;
        const char* report;  // after the two header lines of a unified patch
    } cases[] = {
        {"all files", "a\nb\nc\nd\ne\n", "a\nB\nc\ne\nf\n", 1, "report.txt",
         "2c2\r\n< b\r\n---\r\n> B\r\n4d3\r\n< d\r\n5a5\r\n> f\r\n"},
        {"unified", "a\nb\nc\nd\ne\n", "a\nB\nc\ne\nf\n", 2, "report.diff",
         "@@ -1,5 +1,5 @@\r\n a\r\n-b\r\n+B\r\n c\r\n-d\r\n e\r\n+f\r\n"},
        {"unified, CR LF files, no last line end", "a\r\nb\r\nc", "a\r\nx\r\nc", 2, "crlf.patch",
         "@@ -1,3 +1,3 @@\r\n a\r\n-b\r\n+x\r\n c\r\n\\ No newline at end of file\r\n"},
        {"unified, identical files", "same\n", "same\n", 2, "same.diff", ""},
    };
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, PlaySaveAs);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string left = WriteFile("left.txt", c.left);
        const std::string right = WriteFile("right.txt", c.right);
        CTandrelDialog& d = Open(left, right);
        const std::string target = folder + "\\" + c.target;
        RealSaveAs play{c.type, target};
        realSaveAs = &play;
        messages.shown.clear();
        Command(d, ID_SAVE_DIFF);
        realSaveAs = nullptr;
        EXPECT_TRUE(play.answered);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
        std::string report = ReadFile(target);
        if (c.type == 2 && *c.report) {
            const size_t firstEnd = report.find("\r\n");
            const size_t secondEnd = report.find("\r\n", firstEnd + 2);
            ASSERT_NE(secondEnd, std::string::npos);
            EXPECT_EQ(WithoutZone(report.substr(0, firstEnd)), "--- " + left + "\t" + LocalWriteTime(left) + "00");
            EXPECT_EQ(WithoutZone(report.substr(firstEnd + 2, secondEnd - firstEnd - 2)),
                      "+++ " + right + "\t" + LocalWriteTime(right) + "00");
            report.erase(0, secondEnd + 2);
        }
        EXPECT_EQ(report, c.report);
        ::DeleteFileA(target.c_str());
    }
    ::KillTimer(nullptr, timer);
}

// A unified patch that cannot be written, or whose file changed since the
// comparison, is refused whole: a message, and no file.
TEST_F(SaveDiff, UnifiedPatchRefusedWholeOrAskedToCompareAgain)
{
    const std::string changed = "The file " + folder + "\\right.txt has changed on disk. Compare again?";
    const struct Case {
        const char* name;
        std::string target;
        const char* rightLater;  // null: unchanged
        std::string message;
    } cases[] = {
        {"a folder", folder, nullptr, "Could not open file " + folder + " to write!"},
        {"a missing folder", folder + "\\missing\\x.diff", nullptr,
         "Could not open file " + folder + "\\missing\\x.diff to write!"},
        {"right file changed", folder + "\\changed.diff", "b\nc\n", changed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CTandrelDialog& d = Open(WriteFile("left.txt", "a\n"), WriteFile("right.txt", "b\n"));
        if (c.rightLater)
            WriteFile("right.txt", c.rightLater);
        SaveAsAnswer answer(c.target, 2);
        messages.shown.clear();
        Command(d, ID_SAVE_DIFF);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(Exists(folder + "\\changed.diff"));
    }
    EXPECT_FALSE(Exists(folder + "\\missing"));
}

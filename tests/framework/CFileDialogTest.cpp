// File dialog: the real explorer dialog with its child hooked, and the seam that answers it in tests.
#include "framework/CFileDialog.h"
#include "framework/CommonDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The test's script: the system dialog of this thread, once it is up.
std::string g_typedName;
bool g_answered = false;

BOOL CALLBACK FindSystemDialog(HWND hwnd, LPARAM result)
{
    char className[16] = "";
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(result) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK TypeNameAndConfirm(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindSystemDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || g_answered) {
        return;
    }
    g_answered = true;
    ::KillTimer(nullptr, timer);
    ::SetDlgItemTextA(dialog, cmb13, g_typedName.c_str());
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// Records what the child sees of the system dialog while it is open.
class RecordingFileDialog : public CFileDialog {
public:
    using CFileDialog::CFileDialog;
    bool initialised = false;
    bool initDone = false;
    std::string platformTitle;

protected:
    BOOL OnInitDialog() override
    {
        initialised = m_hWnd != nullptr && PlatformDialog() != nullptr;
        return CFileDialog::OnInitDialog();
    }
    void OnInitDone() override
    {
        CFileDialog::OnInitDone();
        initDone = true;
        platformTitle = WindowTextOf(PlatformDialog());
    }
};

}  // namespace

TEST(CFileDialogTest, RealOpenDialogReturnsTheTypedPathAndHooksItsChild)
{
    const TempFolder folder;
    const std::string path = folder.Write("file-dialog-test.txt", "");

    RecordingFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "Text (*.txt)|*.txt|All Files (*.*)|*.*||");
    dialog.m_ofn.lpstrTitle = "Pick one";
    g_typedName = path;
    g_answered = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, TypeNameAndConfirm);

    EXPECT_EQ(dialog.DoModal(), IDOK);
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(g_answered);
    EXPECT_TRUE(dialog.initialised);
    EXPECT_TRUE(dialog.initDone);
    EXPECT_EQ(dialog.platformTitle, "Pick one");
    EXPECT_EQ(dialog.GetPathName(), path);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(CFileDialogTest, SeamAnswersEveryKindAndSeesTheFilterAsPairs)
{
    std::vector<CommonDialogCall::Kind> kinds;
    std::string filterSeen;
    auto previous = SetCommonDialogHandler([&](CommonDialogCall& call) {
        kinds.push_back(call.kind);
        if (call.file) {
            for (const char* pair = call.file->lpstrFilter; pair && *pair; pair += strlen(pair) + 1) {
                filterSeen += std::string(pair) + ";";
            }
            strcpy(call.file->lpstrFile, "C:\\chosen.txt");
        }
        return call.kind != CommonDialogCall::Kind::Color;
    });

    CFileDialog open(TRUE, nullptr, "start.txt", OFN_HIDEREADONLY, "A (*.a)|*.a|B|*.b||");
    EXPECT_EQ(std::string(open.m_ofn.lpstrFile), "start.txt");
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), "C:\\chosen.txt");
    EXPECT_EQ(filterSeen, "A (*.a);*.a;B;*.b;");

    CFileDialog save(FALSE);
    EXPECT_EQ(save.DoModal(), IDOK);
    CHOOSEFONTA font{};
    EXPECT_TRUE(RunFontDialog(font));
    CHOOSECOLORA color{};
    EXPECT_FALSE(RunColorDialog(color));
    EXPECT_EQ(kinds,
              (std::vector<CommonDialogCall::Kind>{CommonDialogCall::Kind::OpenFile, CommonDialogCall::Kind::SaveFile,
                                                   CommonDialogCall::Kind::Font, CommonDialogCall::Kind::Color}));
    SetCommonDialogHandler(previous);
}

// The open-file dialog with File Types: the real system dialog, reopened after an edit of the types.
#include "tests/support/windows/DialogScript.h"
#include "dialogs/CTypedFileDialog.h"
#include "dialogs/FileFilter.h"
#include "resources/resource.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/support/TempFolder.h"

#include <dlgs.h>

#include <string>
#include <vector>

namespace {

const char kPick[] = "Pick";
const char kTypes[] = "File Types";

BOOL CALLBACK FindTypesButton(HWND hwnd, LPARAM result)
{
    if (::GetDlgCtrlID(hwnd) == IDC_FILE_TYPES_BUTTON && CWnd::WindowTextOf(hwnd) == "File &Types") {
        *reinterpret_cast<HWND*>(result) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Presses the child template's button, as a click would.
void PressFileTypes(HWND platform)
{
    HWND button = nullptr;
    ::EnumChildWindows(platform, FindTypesButton, reinterpret_cast<LPARAM>(&button));
    ASSERT_NE(button, nullptr);
    ::PostMessageA(::GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_FILE_TYPES_BUTTON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

std::string CurrentFolder(HWND platform)
{
    char folder[MAX_PATH * 2] = "";
    ::SendMessageA(platform, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    return folder;
}

// What one opening of the system dialog showed.
struct Seen {
    RECT rect{};
    std::string name;
    std::string folder;
    std::vector<std::string> types;
    int selectedType = -1;
    std::string okCaption;
};

Seen Look(HWND platform)
{
    Seen seen;
    ::GetWindowRect(platform, &seen.rect);
    seen.name = DialogScript::Text(platform, cmb13);
    seen.folder = CurrentFolder(platform);
    seen.types = DialogScript::ComboItems(platform, cmb1);
    seen.selectedType = static_cast<int>(::SendDlgItemMessageA(platform, cmb1, CB_GETCURSEL, 0, 0));
    seen.okCaption = DialogScript::Text(platform, IDOK);
    return seen;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class TypedFileDialogTest : public ProgramKeyTest {
protected:
    std::string StoredFilter() { return app.GetProfileString("Settings", "File Filter", "(none)"); }
};

}  // namespace

TEST_F(TypedFileDialogTest, FileTypesReopensWithTheNewTypesInPlaceKeepingTheNameOrTheFolder)
{
    const TempFolder temp;
    const std::string folder = temp.Path();
    const std::string initial = temp.PathOf("initial-name.txt");
    for (const std::string typed : {"kept-name.txt", ""}) {
        ClearProgramKey();
        Seen first, second;
        DialogScript script;
        script
            .On(kPick,
                [&](HWND platform) {
                    // Moved away from where it opened: the reopened one must come back here.
                    ::SetWindowPos(platform, nullptr, 23, 31, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                    DialogScript::SetText(platform, cmb13, typed);
                    first = Look(platform);
                    PressFileTypes(platform);
                })
            .On(kTypes, [](HWND dialog) { DialogScript::Click(dialog, IDC_TYPES_ADD); })
            .On("Enter File Type",
                [](HWND dialog) {
                    DialogScript::SetText(dialog, IDC_ENTER_GROUP_NAME, "Text Files");
                    DialogScript::SetText(dialog, IDC_ENTER_PATTERNS, "*.txt");
                    DialogScript::Click(dialog, IDOK);
                })
            .On(kTypes,
                [](HWND dialog) {
                    ::SendDlgItemMessageA(dialog, IDC_TYPES_LIST, LB_SETCURSEL, 1, 0);
                    ::SendMessageA(dialog, WM_COMMAND, IDC_TYPES_MOVE_UP, 0);
                    DialogScript::Click(dialog, IDC_TYPES_OK);
                })
            .On(kPick, [&](HWND platform) {
                second = Look(platform);
                DialogScript::Click(platform, IDCANCEL);
            });
        CTypedFileDialog dialog(TRUE, nullptr, initial.c_str(), OFN_HIDEREADONLY, kDefaultFileFilter, nullptr,
                                "Select");
        dialog.m_ofn.lpstrTitle = kPick;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_TRUE(script.Finished()) << "typed: " << typed;
        EXPECT_EQ(first.okCaption, "Select");
        EXPECT_EQ(first.types, (std::vector<std::string>{"All Files (*.*)"}));
        EXPECT_EQ(StoredFilter(), "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
        EXPECT_EQ(second.types, (std::vector<std::string>{"Text Files (*.txt)", "All Files (*.*)"}));
        EXPECT_EQ(second.selectedType, 0);
        EXPECT_EQ(second.okCaption, "Select");
        EXPECT_TRUE(SameRect(first.rect, second.rect)) << "typed: " << typed;
        EXPECT_EQ(first.rect.left, 23);
        if (!typed.empty()) {
            EXPECT_NE(second.name.find(typed), std::string::npos) << second.name;
        } else {
            EXPECT_EQ(second.name, "");
            EXPECT_EQ(second.folder, folder);
        }
    }
}

TEST_F(TypedFileDialogTest, CancelledFileTypesLeavesTheOpenDialogAsItWas)
{
    const TempFolder temp;
    const std::string path = temp.Write("typed-dialog-choice.txt", "");
    HWND firstWindow = nullptr, laterWindow = nullptr;
    std::string nameAfter;
    DialogScript script;
    script
        .On(kPick,
            [&](HWND platform) {
                firstWindow = platform;
                ::SetPropA(platform, "typed-dialog-test", reinterpret_cast<HANDLE>(1));
                DialogScript::SetText(platform, cmb13, path);
                PressFileTypes(platform);
            })
        .On(kTypes, [](HWND dialog) { DialogScript::Click(dialog, IDCANCEL); })
        .On(kPick, [&](HWND platform) {
            laterWindow = ::GetPropA(platform, "typed-dialog-test") ? platform : nullptr;
            nameAfter = DialogScript::Text(platform, cmb13);
            DialogScript::Click(platform, IDOK);
        });
    CTypedFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kDefaultFileFilter, nullptr, "Select");
    dialog.m_ofn.lpstrTitle = kPick;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(laterWindow, firstWindow);
    EXPECT_EQ(nameAfter, path);
    EXPECT_EQ(dialog.GetPathName(), path);
    EXPECT_EQ(StoredFilter(), "(none)");
}

TEST_F(TypedFileDialogTest, AnyStoredFilterStillOpensTheDialog)
{
    const struct {
        const char* what;
        bool asString;
        std::string stored;
        std::vector<std::string> types;
    } cases[] = {
        {"a single bar", true, "|", {}},
        {"no pairs", true, "garbage", {}},
        {"a half pair after a whole one", true, "C (*.c)|*.c|Half", {"C (*.c)"}},
        {"a number instead of text", false, "", {"All Files (*.*)"}},
    };
    for (const auto& c : cases) {
        ClearProgramKey();
        if (c.asString) {
            PutString("Settings", "File Filter", c.stored);
        } else {
            PutDword("Settings", "File Filter", 5);
        }
        std::vector<std::string> types;
        DialogScript script;
        script.On(kPick, [&](HWND platform) {
            types = DialogScript::ComboItems(platform, cmb1);
            DialogScript::Click(platform, IDCANCEL);
        });
        CTypedFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kDefaultFileFilter, nullptr, "Select");
        dialog.m_ofn.lpstrTitle = kPick;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.what;
        EXPECT_TRUE(script.Finished()) << c.what;
        EXPECT_EQ(types, c.types) << c.what;
    }
}

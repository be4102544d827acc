// Compare Files dialog: the recent lists it offers, what it hands back, what it refuses, and Browse.
#include "tests/support/windows/DialogScript.h"
#include "tests/support/windows/MessageBoxRecorder.h"
#include "dialogs/CCompareFilesDialog.h"
#include "framework/CommonDialogs.h"
#include "resources/resource.h"
#include "shell/AppSettings.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/support/TempFolder.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kTitle[] = "Compare Files";

// What the two boxes show: their lists and their edit fields.
struct Boxes {
    std::vector<std::string> leftItems, rightItems;
    std::string leftText, rightText;
};

Boxes LookAtBoxes(HWND dialog)
{
    return Boxes{DialogScript::ComboItems(dialog, IDC_COMPARE_FILE1),
                 DialogScript::ComboItems(dialog, IDC_COMPARE_FILE2), DialogScript::Text(dialog, IDC_COMPARE_FILE1),
                 DialogScript::Text(dialog, IDC_COMPARE_FILE2)};
}

bool Checked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

class CompareFilesDialogTest : public ProgramKeyTest {
protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        left = folder.Write("compare-files-left.txt", "");
        right = folder.Write("compare-files-right.txt", "");
    }

    const TempFolder folder;
    std::string left, right;
    MessageBoxRecorder messages;
};

}  // namespace

TEST_F(CompareFilesDialogTest, ListsComeFromTheRegistryInOrderSkippingGapsAndWrongTypes)
{
    PutString("Recent Left Files", "File 3", "C:\\third.txt");
    PutString("Recent Left Files", "File 1", "C:\\first.txt");
    PutDword("Recent Left Files", "File 0", 7);
    PutString("Recent Left Files", "File 9", "C:\\last.txt");
    PutString("Recent Left Files", "File 10", "C:\\beyond.txt");
    PutString("Recent Right Files", "File 2", "D:\\only.txt");

    Boxes seen;
    DialogScript script;
    script.On(kTitle, [&](HWND dialog) {
        seen = LookAtBoxes(dialog);
        DialogScript::Click(dialog, IDCANCEL);
    });
    CCompareFilesDialog dialog;
    dialog.m_recent = ReadRecentPair(&app);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(seen.leftItems, (std::vector<std::string>{"C:\\first.txt", "C:\\third.txt", "C:\\last.txt"}));
    EXPECT_EQ(seen.rightItems, (std::vector<std::string>{"D:\\only.txt"}));
    EXPECT_EQ(seen.leftText, "C:\\first.txt");
    EXPECT_EQ(seen.rightText, "D:\\only.txt");
}

TEST_F(CompareFilesDialogTest, OkHandsBackThePathsAndOptionsCancelLeavesTheCallersOptions)
{
    PutString("Recent Left Files", "File 0", left);
    PutString("Recent Right Files", "File 0", right);
    for (const bool ok : {true, false}) {
        CompareOptions options{1, 0, 1};
        std::string first = "untouched", second = "untouched";
        bool presetSeen = false;
        DialogScript script;
        script.On(kTitle, [&](HWND dialog) {
            presetSeen = Checked(dialog, IDC_COMPARE_IGNORE_BLANKS) && !Checked(dialog, IDC_COMPARE_IGNORE_CASE)
                         && Checked(dialog, IDC_COMPARE_FORCE_TEXT);
            // The person flips every option, then confirms or cancels.
            for (int id : {IDC_COMPARE_IGNORE_BLANKS, IDC_COMPARE_IGNORE_CASE, IDC_COMPARE_FORCE_TEXT}) {
                ::SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
            }
            DialogScript::Click(dialog, ok ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(RunCompareFilesDialog(nullptr, ReadRecentPair(&app), options, first, second), ok);
        EXPECT_TRUE(script.Finished());
        EXPECT_TRUE(presetSeen);
        const CompareOptions expected = ok ? CompareOptions{0, 1, 0} : CompareOptions{1, 0, 1};
        EXPECT_EQ(options.ignoreBlanks, expected.ignoreBlanks) << ok;
        EXPECT_EQ(options.ignoreCase, expected.ignoreCase) << ok;
        EXPECT_EQ(options.forceText, expected.forceText) << ok;
        EXPECT_EQ(first, ok ? left : "untouched");
        EXPECT_EQ(second, ok ? right : "untouched");
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CompareFilesDialogTest, EachRefusalNamesTheFaultAndFocusesItsBox)
{
    const std::string folderName = folder.Path();
    const std::string missing = folder.PathOf("no-such-file.txt");
    const std::string tooLong = "C:\\" + std::string(300, 'x') + ".txt";
    // Counted as the system counts, in UTF-16 units: 259 fit, whatever their bytes.
    std::string cyrillic, cyrillicTooLong = "C:\\";
    for (int i = 0; i < 252; ++i)
        cyrillic += "\xD0\x96";  // Ж
    const std::string cyrillicLongest = "C:\\" + cyrillic + ".txt";
    for (int i = 0; i < 257; ++i)
        cyrillicTooLong += "\xD0\x96";
    const struct {
        std::string first, second, message;
        int focused;
    } cases[] = {
        {"", "", "Please enter a file name!", IDC_COMPARE_FILE1},
        {"", right, "Please enter a file name!", IDC_COMPARE_FILE1},
        {missing, "", "File " + missing + " does not exist!", IDC_COMPARE_FILE1},
        {left, "", "Please enter a file name!", IDC_COMPARE_FILE2},
        {left, missing, "File " + missing + " does not exist!", IDC_COMPARE_FILE2},
        {left, folderName, folderName + " is a folder, not a file!", IDC_COMPARE_FILE2},
        {tooLong, right, "File name " + tooLong + " is too long!", IDC_COMPARE_FILE1},
        {cyrillicLongest, right, "File " + cyrillicLongest + " does not exist!", IDC_COMPARE_FILE1},
        {cyrillicTooLong, right, "File name " + cyrillicTooLong + " is too long!", IDC_COMPARE_FILE1},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        std::string firstAfter, secondAfter;
        DialogScript script;
        script
            .On(kTitle,
                [&](HWND dialog) {
                    DialogScript::SetText(dialog, IDC_COMPARE_FILE1, c.first);
                    DialogScript::SetText(dialog, IDC_COMPARE_FILE2, c.second);
                    DialogScript::Click(dialog, IDOK);
                })
            .On(kTitle, [&](HWND dialog) {
                firstAfter = DialogScript::Text(dialog, IDC_COMPARE_FILE1);
                secondAfter = DialogScript::Text(dialog, IDC_COMPARE_FILE2);
                DialogScript::Click(dialog, IDCANCEL);
            });
        CCompareFilesDialog dialog;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.message;
        EXPECT_TRUE(script.Finished());
        ASSERT_EQ(messages.shown.size(), 1u) << c.message;
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].focusedControl, c.focused) << c.message;
        EXPECT_EQ(firstAfter, c.first);
        EXPECT_EQ(secondAfter, c.second);
    }
}

TEST_F(CompareFilesDialogTest, BrowseInsertsTheChosenFileAtTheTopAndCancelKeepsTheText)
{
    PutString("Recent Right Files", "File 0", "D:\\old.txt");
    std::vector<std::string> answers = {"C:\\picked.txt", "C:\\picked.txt", "", "D:\\new.txt"};
    std::vector<std::string> titles, initialNames, okCaptions;
    auto previous = SetCommonDialogHandler([&](CommonDialogCall& call) {
        titles.push_back(call.file->lpstrTitle ? call.file->lpstrTitle : "");
        initialNames.push_back(call.file->lpstrFile);
        const std::string answer = answers.front();
        answers.erase(answers.begin());
        strcpy(call.file->lpstrFile, answer.c_str());
        return answer.empty() ? FALSE : TRUE;
    });
    Boxes seen;
    DialogScript script;
    script.On(kTitle, [&](HWND dialog) {
        DialogScript::SetText(dialog, IDC_COMPARE_FILE1, "typed.txt");
        for (int id : {IDC_COMPARE_BROWSE1, IDC_COMPARE_BROWSE1, IDC_COMPARE_BROWSE1, IDC_COMPARE_BROWSE2}) {
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        }
        seen = LookAtBoxes(dialog);
        DialogScript::Click(dialog, IDCANCEL);
    });
    CCompareFilesDialog dialog;
    dialog.m_recent = ReadRecentPair(&app);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    SetCommonDialogHandler(previous);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(titles, (std::vector<std::string>{"Select first file", "Select first file", "Select first file",
                                                "Select second file"}));
    EXPECT_EQ(initialNames, (std::vector<std::string>{"typed.txt", "C:\\picked.txt", "C:\\picked.txt", "D:\\old.txt"}));
    EXPECT_EQ(seen.leftItems, (std::vector<std::string>{"C:\\picked.txt", "C:\\picked.txt"}));
    EXPECT_EQ(seen.leftText, "C:\\picked.txt");
    EXPECT_EQ(seen.rightItems, (std::vector<std::string>{"D:\\new.txt", "D:\\old.txt"}));
    EXPECT_EQ(seen.rightText, "D:\\new.txt");
}

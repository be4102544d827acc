// Compare New Pair Of Files: the toolbar's first command asks for the pair in the real Compare Files dialog.
#include "MainWindowFixture.h"

#include "resources/resource.h"
#include "tests/dialogs/DialogScript.h"

namespace {

class CompareNewPair : public MainWindowFixture {};

TEST_F(CompareNewPair, CancelChangesNothingAndOkComparesTheNewPairWithItsOptions)
{
    const std::string left = WriteFile("left.txt", "one\ntwo\n");
    const std::string right = WriteFile("right.txt", "one\n2\n");
    const std::string newLeft = WriteFile("new-left.txt", "a\nB\nc\nd\n");
    const std::string newRight = WriteFile("new-right.txt", "a\nb\nc\nd\ne\n");
    settings.options = CompareOptions{0, 0, 0};
    bool restartAfterCancel = true;
    CompareOptions optionsAfterCancel{1, 1, 1};
    size_t hunksBefore = 0, hunksAfter = 0;
    DialogScript script;
    script.On("Compare Files", [](HWND dialog) { DialogScript::Click(dialog, IDCANCEL); })
        .On("Compare Files", [&](HWND dialog) {
            DialogScript::SetText(dialog, IDC_COMPARE_FILE1, newLeft);
            DialogScript::SetText(dialog, IDC_COMPARE_FILE2, newRight);
            ::SendDlgItemMessageA(dialog, IDC_COMPARE_IGNORE_CASE, BM_CLICK, 0, 0);
            DialogScript::Click(dialog, IDOK);
        });
    std::vector<Step> steps = {
        {false,
         [&](CTandrelDialog& d) {
             hunksBefore = d.Hunks().size();
             Command(d, ID_COMPARE_NEW_PAIR);
             restartAfterCancel = d.RestartRequested();
             optionsAfterCancel = settings.options;
             Command(d, ID_COMPARE_NEW_PAIR);
         }},
        {true,
         [&](CTandrelDialog& d) {
             hunksAfter = d.Hunks().size();
             Command(d, ID_EXIT);
         }},
    };
    RunModal(left, right, std::move(steps));
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(restartAfterCancel);
    EXPECT_EQ(optionsAfterCancel.ignoreCase, 0);
    EXPECT_EQ(hunksBefore, 1u);
    // With letter case ignored only the added "e" is left, not the change of "B".
    EXPECT_EQ(hunksAfter, 1u);
    EXPECT_EQ(settings.options.ignoreCase, 1);
    EXPECT_EQ(app.GetProfileString("Recent Left Files", "File 0", ""), newLeft);
    EXPECT_EQ(app.GetProfileString("Recent Right Files", "File 0", ""), newRight);
    EXPECT_TRUE(messages.empty());
}

}  // namespace

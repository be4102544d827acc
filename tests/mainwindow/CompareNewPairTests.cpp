// Compare New Pair Of Files: the toolbar's first command asks for the pair in the real Compare Files dialog.
#include "MainWindowFixture.h"

#include "resources/resource.h"
#include "tests/support/windows/DialogScript.h"

namespace {

class CompareNewPair : public MainWindowFixture {};

TEST_F(CompareNewPair, CancelChangesNothingAndOkComparesTheNewPairWithItsOptions)
{
    const std::string left = WriteFile("left.txt", "one\ntwo\n");
    const std::string right = WriteFile("right.txt", "one\n2\n");
    const std::string newLeft = WriteFile("new-left.txt", "a\nB\nc\nd\n");
    const std::string newRight = WriteFile("new-right.txt", "a\nb\nc\nd\ne\n");
    settings.options = CompareOptions{0, 0, 0};
    CompareOptions optionsAfterCancel{1, 1, 1};
    int hunksBefore = 0, hunksAfter = 0;
    DialogScript script;
    script.On("Compare Files", [](HWND dialog) { DialogScript::Click(dialog, IDCANCEL); })
        .On("Compare Files", [&](HWND dialog) {
            DialogScript::SetText(dialog, IDC_COMPARE_FILE1, newLeft);
            DialogScript::SetText(dialog, IDC_COMPARE_FILE2, newRight);
            ::SendDlgItemMessageA(dialog, IDC_COMPARE_IGNORE_CASE, BM_CLICK, 0, 0);
            DialogScript::Click(dialog, IDOK);
        });
    // Posted, the exit arrives only if the cancelled dialog did not restart the window.
    RunModal(left, right, {{false, [&](CTandrelDialog& d) {
                                hunksBefore = DifferenceCount(d);
                                Command(d, ID_COMPARE_NEW_PAIR);
                                optionsAfterCancel = settings.options;
                                PostCommand(d, ID_EXIT);
                            }}});
    const bool restartAfterCancel = windowsShown > 1;
    std::vector<Step> steps = {
        {false, [&](CTandrelDialog& d) { Command(d, ID_COMPARE_NEW_PAIR); }},
        {true,
         [&](CTandrelDialog& d) {
             hunksAfter = DifferenceCount(d);
             Command(d, ID_EXIT);
         }},
    };
    RunModal(left, right, std::move(steps));
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(restartAfterCancel);
    EXPECT_EQ(optionsAfterCancel.ignoreCase, 0);
    EXPECT_EQ(hunksBefore, 1);
    // With letter case ignored only the added "e" is left, not the change of "B".
    EXPECT_EQ(hunksAfter, 1);
    EXPECT_EQ(settings.options.ignoreCase, 1);
    EXPECT_EQ(app.GetProfileString("Recent Left Files", "File 0", ""), newLeft);
    EXPECT_EQ(app.GetProfileString("Recent Right Files", "File 0", ""), newRight);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace

// Dialogs: modal and modeless runs, data exchange in both directions, and refused input.
#include "FrameworkTestIds.h"
#include "tests/support/windows/MessageBoxRecorder.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const UINT WM_TEST_STEP = WM_APP + 10;

std::string ControlText(HWND dialog, int id)
{
    char buffer[256] = "";
    ::GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

// A dialog whose fields cover every exchange helper; the test scripts what the user does.
class FieldsDialog : public CDialog {
public:
    explicit FieldsDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST_FIELDS, parent) {}

    UINT tabSize = 4;
    int checked = 0;
    int direction = 1;
    std::string comboText;
    std::string name = "preset";

    // Runs once the dialog is up; each WM_TEST_STEP runs the next of steps.
    std::vector<std::function<void(FieldsDialog&)>> steps;
    size_t nextStep = 0;
    int okCalls = 0;

    void PostStep() { PostMessage(WM_TEST_STEP); }
    void PostOk() { PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ::SendDlgItemMessageA(m_hWnd, IDC_TEST_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("alpha"));
        ::SendDlgItemMessageA(m_hWnd, IDC_TEST_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta"));
        PostStep();
        return TRUE;
    }

    void OnOK() override
    {
        ++okCalls;
        CDialog::OnOK();
    }

    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_TEST_TAB, tabSize);
        DDV_MinMaxUInt(dx, tabSize, 1, 32);
        DDX_Check(dx, IDC_TEST_CHECK, checked);
        DDX_Radio(dx, IDC_TEST_UP, direction);
        DDX_CBString(dx, IDC_TEST_COMBO, comboText);
        DDX_Text(dx, IDC_TEST_NAME, name);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_TEST_STEP:
            if (nextStep < steps.size()) {
                steps[nextStep++](*this);
            }
            return 0;
        default: return CDialog::WindowProc(message, wParam, lParam);
        }
    }
};

TEST(CDialogModal, FieldsReachTheControlsAtOpening)
{
    FieldsDialog dialog;
    dialog.tabSize = 8;
    dialog.checked = 1;
    dialog.direction = 0;
    dialog.name = "left.txt";
    std::vector<std::string> seen;
    int upState = -1, downState = -1, checkState = -1;
    dialog.steps.push_back([&](FieldsDialog& d) {
        seen = {ControlText(d.m_hWnd, IDC_TEST_TAB), ControlText(d.m_hWnd, IDC_TEST_COMBO),
                ControlText(d.m_hWnd, IDC_TEST_NAME)};
        checkState = static_cast<int>(::IsDlgButtonChecked(d.m_hWnd, IDC_TEST_CHECK));
        upState = static_cast<int>(::IsDlgButtonChecked(d.m_hWnd, IDC_TEST_UP));
        downState = static_cast<int>(::IsDlgButtonChecked(d.m_hWnd, IDC_TEST_DOWN));
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(seen, (std::vector<std::string>{"8", "", "left.txt"}));
    EXPECT_EQ(checkState, BST_CHECKED);
    EXPECT_EQ(upState, BST_CHECKED);
    EXPECT_EQ(downState, BST_UNCHECKED);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(CDialogModal, OkReadsEveryControlBackAndEndsWithIdOk)
{
    FieldsDialog dialog;
    dialog.steps.push_back([](FieldsDialog& d) {
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_TAB, " \t12\t ");
        ::CheckDlgButton(d.m_hWnd, IDC_TEST_CHECK, BST_CHECKED);
        ::CheckRadioButton(d.m_hWnd, IDC_TEST_UP, IDC_TEST_DOWN, IDC_TEST_UP);
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_COMBO, "typed path");
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_NAME, "right.txt");
        d.PostOk();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.tabSize, 12u);
    EXPECT_EQ(dialog.checked, 1);
    EXPECT_EQ(dialog.direction, 0);
    EXPECT_EQ(dialog.comboText, "typed path");
    EXPECT_EQ(dialog.name, "right.txt");
}

TEST(CDialogModal, CancelKeepsTheFieldsAsTheyWere)
{
    FieldsDialog dialog;
    dialog.steps.push_back([](FieldsDialog& d) {
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_NAME, "changed");
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name, "preset");
}

TEST(CDialogModal, CloseBoxEndsAsCancel)
{
    FieldsDialog dialog;
    dialog.steps.push_back([](FieldsDialog& d) { d.PostMessage(WM_CLOSE); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// A dialog that uses command 2 for something of its own.
class CommandTwoDialog : public FieldsDialog {
public:
    int commandTwoCalls = 0;

protected:
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override
    {
        if (id == 2) {
            ++commandTwoCalls;
            return true;
        }
        return FieldsDialog::OnCommand(id, notifyCode, control);
    }
};

TEST(CDialogModal, CloseBoxCancelsEvenWhenCommandTwoIsTaken)
{
    CommandTwoDialog dialog;
    dialog.steps.push_back([](FieldsDialog& d) { d.PostMessage(WM_CLOSE); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commandTwoCalls, 0);
}

TEST(CDialogModal, ComboSelectsTheEqualEntryWhenLoaded)
{
    FieldsDialog dialog;
    dialog.comboText = "beta";
    LRESULT selection = CB_ERR;
    // The list is filled after the base initialisation: load again once it has entries.
    dialog.steps.push_back([&](FieldsDialog& d) {
        d.UpdateData(FALSE);
        selection = ::SendDlgItemMessageA(d.m_hWnd, IDC_TEST_COMBO, CB_GETCURSEL, 0, 0);
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(selection, 1);
}

struct RefusedCase {
    const char* label;
    const char* text;
    const char* message;
};

class CDialogRefusal : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(CDialogRefusal, TellsTheUserFocusesTheFieldAndStopsTheTransfer)
{
    const RefusedCase& refused = GetParam();
    MessageBoxRecorder boxes;
    FieldsDialog dialog;
    int focusedId = 0;
    DWORD selStart = 1, selEnd = 0;
    bool openAfterRefusal = false;
    std::string nameAfterRefusal;
    dialog.steps.push_back([&](FieldsDialog& d) {
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_TAB, refused.text);
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_NAME, "not transferred");
        ::SetFocus(d.GetDlgItem(IDC_TEST_NAME));
        d.PostOk();
        d.PostStep();
    });
    dialog.steps.push_back([&](FieldsDialog& d) {
        openAfterRefusal = ::IsWindow(d.m_hWnd) && ::IsWindowVisible(d.m_hWnd);
        focusedId = ::GetDlgCtrlID(::GetFocus());
        ::SendDlgItemMessageA(d.m_hWnd, IDC_TEST_TAB, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                              reinterpret_cast<LPARAM>(&selEnd));
        nameAfterRefusal = d.name;
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_TAB, "32");
        d.PostOk();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.okCalls, 2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, refused.message);
    EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(focusedId, IDC_TEST_TAB);
    EXPECT_EQ(selStart, 0u);
    EXPECT_EQ(selEnd, std::string(refused.text).size());
    EXPECT_EQ(nameAfterRefusal, "preset");
    EXPECT_EQ(dialog.tabSize, 32u);
    EXPECT_EQ(dialog.name, "not transferred");
}

const char kPositive[] = "Please enter a positive integer.";
const char kRange[] = "Please enter an integer between 1 and 32.";

INSTANTIATE_TEST_SUITE_P(
    BadTabSizes, CDialogRefusal,
    ::testing::Values(RefusedCase{"Letters", "abc", kPositive}, RefusedCase{"Empty", "", kPositive},
                      RefusedCase{"Minus", "-3", kPositive}, RefusedCase{"Plus", "+3", kPositive},
                      RefusedCase{"InnerBlank", "1 2", kPositive}, RefusedCase{"TrailingLetter", "12x", kPositive},
                      RefusedCase{"Overflow", "4294967296", kPositive}, RefusedCase{"Zero", "0", kRange},
                      RefusedCase{"AboveRange", "33", kRange}, RefusedCase{"Largest", " 4294967295", kRange}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.label); });

TEST(ParseUnsignedField, AcceptsDigitsBetweenBlanksAndTabsOnly)
{
    struct Case {
        const char* text;
        bool ok;
        UINT value;
    };
    const Case cases[] = {
        {"0", true, 0},           {"007", true, 7}, {"\t 19 \t", true, 19}, {"4294967295", true, 4294967295u},
        {"4294967296", false, 0}, {" ", false, 0},  {"1\n", false, 0},      {"- 1", false, 0}};
    for (const Case& c : cases) {
        UINT value = 12345;
        EXPECT_EQ(ParseUnsignedField(c.text, &value), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(CDialogModal, MissingTemplateFails)
{
    CDialog dialog(9999);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(CDialogModal, OwnerIsDisabledWhileTheDialogRuns)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    FieldsDialog dialog(&owner);
    BOOL enabledDuring = TRUE;
    HWND ownerSeen = nullptr;
    dialog.steps.push_back([&](FieldsDialog& d) {
        enabledDuring = owner.IsWindowEnabled();
        ownerSeen = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(7);
    });
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(ownerSeen, owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(CDialogModeless, LivesBesideAModalDialogAndGetsItsKeys)
{
    FieldsDialog modeless;
    modeless.steps.clear();
    ASSERT_TRUE(modeless.Create());
    ASSERT_NE(modeless.m_hWnd, nullptr);
    HWND tab = modeless.GetDlgItem(IDC_TEST_TAB);
    HWND focusAfterTab = nullptr;

    FieldsDialog modal;
    modal.steps.push_back([&](FieldsDialog& d) {
        ::SetFocus(tab);
        // A Tab key for the modeless dialog's field moves its focus, as dialog navigation does.
        ::PostMessageA(tab, WM_KEYDOWN, VK_TAB, 0);
        d.PostStep();
    });
    modal.steps.push_back([&](FieldsDialog& d) {
        focusAfterTab = ::GetFocus();
        d.EndDialog(IDCANCEL);
    });
    modal.DoModal();
    EXPECT_NE(focusAfterTab, tab);
    EXPECT_EQ(::GetParent(focusAfterTab), modeless.m_hWnd);

    HWND hwnd = modeless.m_hWnd;
    modeless.EndDialog(IDCANCEL);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(modeless.m_hWnd, nullptr);
}

}  // namespace

// File type editors: the list and the filter string after each button, the refusals, and the list's scroll range.
#include "tests/support/windows/DialogScript.h"
#include "tests/support/windows/MessageBoxRecorder.h"
#include "dialogs/CEnterFileTypeDialog.h"
#include "dialogs/CFileTypesDialog.h"
#include "framework/ClientDC.h"
#include "framework/ObjectSelection.h"
#include "resources/resource.h"
#include "tests/shell/ShellTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char kTypes[] = "File Types";
const char kEnter[] = "Enter File Type";
const char kThree[] = "A (a)|a|B (b)|b|C (c)|c||";

using Step = std::pair<std::string, DialogScript::Action>;

void Select(HWND dialog, int index)
{
    ::SendDlgItemMessageA(dialog, IDC_TYPES_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Selection(HWND dialog)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, IDC_TYPES_LIST, LB_GETCURSEL, 0, 0));
}

// Steps that press the buttons in order, the first after selecting item select.
Step Press(int select, std::vector<int> buttons)
{
    return {kTypes, [select, buttons](HWND dialog) {
                if (select >= 0) {
                    Select(dialog, select);
                }
                for (int id : buttons) {
                    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
                }
            }};
}

Step Enter(const std::string& name, const std::string& patterns, int button = IDOK)
{
    return {kEnter, [=](HWND dialog) {
                DialogScript::SetText(dialog, IDC_ENTER_GROUP_NAME, name);
                DialogScript::SetText(dialog, IDC_ENTER_PATTERNS, patterns);
                DialogScript::Click(dialog, button);
            }};
}

Step Finish(int button)
{
    return {kTypes, [button](HWND dialog) { DialogScript::Click(dialog, button); }};
}

// The list's text width of an item as the list draws it, measured afresh.
int MeasuredWidth(HWND list, const std::string& text)
{
    ClientDC dc(list);
    ObjectSelection font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    return size.cx + metrics.tmAveCharWidth;
}

class FileTypesDialogTest : public ProgramKeyTest {
protected:
    MessageBoxRecorder messages;
};

}  // namespace

TEST_F(FileTypesDialogTest, ButtonsEditTheListAndOkWritesItInOrder)
{
    const struct {
        const char* what;
        std::string filter;
        std::vector<Step> steps;
        INT_PTR result;
        std::string filterAfter;
        std::vector<std::string> messages;
    } cases[] = {
        {"add to the default",
         "All Files (*.*)|*.*||",
         {Press(-1, {IDC_TYPES_ADD}), Enter("Text Files", "*.txt"), Finish(IDC_TYPES_OK)},
         IDOK,
         "All Files (*.*)|*.*|Text Files (*.txt)|*.txt||",
         {}},
        {"add cancelled",
         kThree,
         {Press(-1, {IDC_TYPES_ADD}), Enter("X", "x", IDCANCEL), Finish(IDC_TYPES_OK)},
         IDOK,
         kThree,
         {}},
        {"last to the top",
         kThree,
         {Press(2, {IDC_TYPES_MOVE_UP, IDC_TYPES_MOVE_UP, IDC_TYPES_MOVE_UP}), Finish(IDC_TYPES_OK)},
         IDOK,
         "C (c)|c|A (a)|a|B (b)|b||",
         {}},
        {"first down, then past the end",
         kThree,
         {Press(0, {IDC_TYPES_MOVE_DOWN, IDC_TYPES_MOVE_DOWN, IDC_TYPES_MOVE_DOWN}), Finish(IDC_TYPES_OK)},
         IDOK,
         "B (b)|b|C (c)|c|A (a)|a||",
         {}},
        {"delete down to one",
         kThree,
         {Press(1, {IDC_TYPES_DELETE, IDC_TYPES_DELETE, IDC_TYPES_DELETE}), Finish(IDC_TYPES_OK)},
         IDOK,
         "A (a)|a||",
         {"Cannot delete the last type!"}},
        {"edit",
         kThree,
         {Press(1, {IDC_TYPES_EDIT}), Enter("Bee", "*.b;*.bb"), Finish(IDC_TYPES_OK)},
         IDOK,
         "A (a)|a|Bee (*.b;*.bb)|*.b;*.bb|C (c)|c||",
         {}},
        {"cancel keeps the string", kThree, {Press(0, {IDC_TYPES_DELETE}), Finish(IDCANCEL)}, IDCANCEL, kThree, {}},
        {"a stored string beginning with |",
         "|All Files (*.*)|*.*||",
         {Press(-1, {IDC_TYPES_DELETE, IDC_TYPES_EDIT, IDC_TYPES_MOVE_UP, IDC_TYPES_MOVE_DOWN}), Finish(IDC_TYPES_OK)},
         IDOK,
         "|",
         {}},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        DialogScript script;
        for (const Step& step : c.steps) {
            script.On(step.first, step.second);
        }
        CFileTypesDialog dialog(c.filter);
        EXPECT_EQ(dialog.DoModal(), c.result) << c.what;
        EXPECT_TRUE(script.Finished()) << c.what;
        EXPECT_EQ(dialog.m_filterString, c.filterAfter) << c.what;
        std::vector<std::string> texts;
        for (const auto& shown : messages.shown) {
            texts.push_back(shown.text);
        }
        EXPECT_EQ(texts, c.messages) << c.what;
    }
}

TEST_F(FileTypesDialogTest, SelectionFollowsEveryChange)
{
    std::vector<int> selections;
    std::vector<std::string> entryFields;
    std::vector<std::string> lastList;
    auto record = [&](HWND dialog) {
        selections.push_back(Selection(dialog));
        lastList = DialogScript::ListItems(dialog, IDC_TYPES_LIST);
    };
    DialogScript script;
    auto press = [](HWND dialog, WPARAM command) { ::SendMessageA(dialog, WM_COMMAND, command, 0); };
    script
        .On(kTypes,
            [&](HWND dialog) {
                record(dialog);
                Select(dialog, 3);
                press(dialog, IDC_TYPES_DELETE);
                record(dialog);
                Select(dialog, 0);
                press(dialog, IDC_TYPES_DELETE);
                record(dialog);
                press(dialog, IDC_TYPES_ADD);
                record(dialog);
                Select(dialog, 1);
                press(dialog, MAKEWPARAM(IDC_TYPES_LIST, LBN_DBLCLK));
                record(dialog);
                DialogScript::Click(dialog, IDCANCEL);
            })
        .On(kEnter,
            [&](HWND dialog) {
                entryFields.push_back(DialogScript::Text(dialog, IDC_ENTER_GROUP_NAME) + "|"
                                      + DialogScript::Text(dialog, IDC_ENTER_PATTERNS));
                DialogScript::Click(dialog, IDOK);
            })
        .On(kEnter, [&](HWND dialog) {
            entryFields.push_back(DialogScript::Text(dialog, IDC_ENTER_GROUP_NAME) + "|"
                                  + DialogScript::Text(dialog, IDC_ENTER_PATTERNS));
            DialogScript::SetText(dialog, IDC_ENTER_GROUP_NAME, "Sea");
            DialogScript::Click(dialog, IDOK);
        });
    CFileTypesDialog dialog("A (a)|a|B (b)|b|C (c)|c|D (d)|d||");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    // Opening selects item 0; deleting the last selects the new last; deleting item 0 the new
    // item 0; adding leaves the selection; editing selects the rebuilt item in its place.
    EXPECT_EQ(selections, (std::vector<int>{0, 2, 0, 0, 1}));
    EXPECT_EQ(entryFields, (std::vector<std::string>{"C++ Files|*.c;*.cpp;*.cxx;*.c++", "C|c"}));
    EXPECT_EQ(lastList, (std::vector<std::string>{"B (b)", "Sea (c)", "C++ Files (*.c;*.cpp;*.cxx;*.c++)"}));
}

TEST_F(FileTypesDialogTest, EnterFileTypeRefusesEmptyFieldsBarsAndBracketedPatternsAndFocusesTheField)
{
    const struct {
        std::string name, patterns, message;
        int focused;
    } cases[] = {
        {"", "*.x", "You have to type something!", IDC_ENTER_GROUP_NAME},
        {"X", "", "You have to type something!", IDC_ENTER_PATTERNS},
        {"", "", "You have to type something!", IDC_ENTER_GROUP_NAME},
        {"X|Y", "*.x", "A file type cannot contain the character |!", IDC_ENTER_GROUP_NAME},
        {"X", "*.x|*.y", "A file type cannot contain the character |!", IDC_ENTER_PATTERNS},
        {"X", "*.(x)", "File patterns cannot contain the characters ( and )!", IDC_ENTER_PATTERNS},
        {"X", "*.x)", "File patterns cannot contain the characters ( and )!", IDC_ENTER_PATTERNS},
        {" ", " ", "", 0},
        {"Odd (name)", "*.x", "", 0},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        const bool accepted = c.message.empty();
        DialogScript script;
        script.On(kEnter, [&](HWND dialog) {
            DialogScript::SetText(dialog, IDC_ENTER_GROUP_NAME, c.name);
            DialogScript::SetText(dialog, IDC_ENTER_PATTERNS, c.patterns);
            DialogScript::Click(dialog, IDOK);
        });
        if (!accepted) {
            script.On(kEnter, [](HWND dialog) { DialogScript::Click(dialog, IDCANCEL); });
        }
        CEnterFileTypeDialog dialog;
        EXPECT_EQ(dialog.DoModal(), accepted ? IDOK : IDCANCEL) << c.name << "/" << c.patterns;
        EXPECT_TRUE(script.Finished());
        if (accepted) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(dialog.m_groupName, c.name);
            EXPECT_EQ(dialog.m_patterns, c.patterns);
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1u) << c.name << "/" << c.patterns;
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].focusedControl, c.focused) << c.name << "/" << c.patterns;
    }
}

TEST_F(FileTypesDialogTest, ScrollRangeFollowsTheWidestItem)
{
    const std::string wide = "Many (" + std::string(40, 'w') + ";*.a;*.b;*.c)";
    std::vector<int> extents, expected, positions;
    auto record = [&](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_TYPES_LIST);
        int widest = 0;
        for (const std::string& item : DialogScript::ListItems(dialog, IDC_TYPES_LIST)) {
            widest = std::max(widest, MeasuredWidth(list, item));
        }
        expected.push_back(widest);
        extents.push_back(static_cast<int>(::SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0)));
        positions.push_back(::GetScrollPos(list, SB_HORZ));
    };
    DialogScript script;
    script
        .On(kTypes,
            [&](HWND dialog) {
                record(dialog);
                DialogScript::Click(dialog, IDC_TYPES_EDIT);
            })
        .On(kEnter,
            [&](HWND dialog) {
                DialogScript::SetText(dialog, IDC_ENTER_GROUP_NAME, "Many");
                DialogScript::SetText(dialog, IDC_ENTER_PATTERNS, std::string(40, 'w') + ";*.a;*.b;*.c");
                DialogScript::Click(dialog, IDOK);
            })
        .On(kTypes, [&](HWND dialog) {
            record(dialog);
            HWND list = ::GetDlgItem(dialog, IDC_TYPES_LIST);
            ::SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), 0);
            record(dialog);
            ::SendMessageA(dialog, WM_COMMAND, IDC_TYPES_DELETE, 0);
            record(dialog);
            DialogScript::Click(dialog, IDCANCEL);
        });
    CFileTypesDialog dialog("All Files (*.*)|*.*|Text (*.txt)|*.txt||");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(extents, expected);
    ASSERT_EQ(extents.size(), 4u);
    EXPECT_GT(extents[1], extents[0]);
    EXPECT_LT(extents[3], extents[2]);
    EXPECT_GT(positions[2], 0);
    EXPECT_EQ(positions[3], 0);
}

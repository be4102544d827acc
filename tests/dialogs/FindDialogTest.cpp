// Find dialog: the history it offers and what it stores in "Recent Find Strings" when it closes.
#include "DialogScript.h"
#include "dialogs/CFindDialog.h"
#include "resources/resource.h"
#include "tests/shell/ShellTestSupport.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kSection[] = "Recent Find Strings";

// Every value of the history's key: strings as they are, DWORDs as "dword N".
std::map<std::string, std::string> StoredValues()
{
    std::map<std::string, std::string> values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brightfen\\Tandrel\\Recent Find Strings", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        char name[256] = "";
        DWORD nameSize = sizeof name;
        BYTE data[1024] = {};
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        values[name] = type == REG_DWORD ? "dword " + std::to_string(static_cast<int>(*reinterpret_cast<DWORD*>(data)))
                                         : std::string(reinterpret_cast<char*>(data));
    }
    ::RegCloseKey(key);
    return values;
}

std::string Slot(int i)
{
    return "String " + std::to_string(i);
}

class FindDialogTest : public ProgramKeyTest {
protected:
    MessageBoxRecorder messages;
};

}  // namespace

TEST_F(FindDialogTest, ClosingStoresTheBoxTextAtTheTopOfTheHistory)
{
    using Values = std::map<std::string, std::string>;
    auto numbered = [](const std::string& prefix, int from, int count) {
        Values values;
        for (int i = 0; i < count; ++i)
            values[Slot(from + i)] = prefix + std::to_string(i);
        return values;
    };
    auto with = [](Values values, const Values& more) {
        values.insert(more.begin(), more.end());
        return values;
    };
    const Values twenty = numbered("s", 0, 20);
    Values slotFive = numbered("s", 0, 10);
    slotFive[Slot(5)] = "Needle";
    const struct Case {
        const char* name;
        Values stored;
        std::optional<DWORD> maximum;
        std::vector<std::string> presses;  // typed and searched before the last text
        std::string atClose;
        std::vector<std::string> offered;  // the list when the dialog opens
        Values expected;
    } cases[] = {
        {"twenty stored and a new one: slot 19 drops out", twenty, std::nullopt, {}, "new",
         {"s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "s10", "s11", "s12", "s13", "s14", "s15",
          "s16", "s17", "s18", "s19"},
         with(numbered("s", 1, 19), {{Slot(0), "new"}, {Slot(1), "s0"}, {"Max number of strings", "dword 20"}})},
        {"a match in slot 5 in other letter case moves up, spelled as typed", slotFive, std::nullopt, {}, "NEEDLE",
         {"s0", "s1", "s2", "s3", "s4", "Needle", "s6", "s7", "s8", "s9"},
         {{Slot(0), "NEEDLE"}, {Slot(1), "s0"}, {Slot(2), "s1"}, {Slot(3), "s2"}, {Slot(4), "s3"}, {Slot(5), "s4"},
          {Slot(6), "s6"}, {Slot(7), "s7"}, {Slot(8), "s8"}, {Slot(9), "s9"}, {"Max number of strings", "dword 20"}}},
        {"slots 0 and 2 with 1 missing close up", {{Slot(0), "zero"}, {Slot(2), "two"}}, std::nullopt, {}, "new",
         {"zero", "two"},
         {{Slot(0), "new"}, {Slot(1), "zero"}, {Slot(2), "two"}, {"Max number of strings", "dword 20"}}},
        {"a match below a gap leaves no stale copy behind", {{Slot(0), "zero"}, {Slot(5), "five"}}, std::nullopt,
         {}, "FIVE", {"zero", "five"},
         {{Slot(0), "FIVE"}, {Slot(1), "zero"}, {"Max number of strings", "dword 20"}}},
        {"maximum 3 limits the list and is written back", numbered("s", 0, 4), 3, {}, "new", {"s0", "s1", "s2"},
         {{Slot(0), "new"}, {Slot(1), "s0"}, {Slot(2), "s1"}, {Slot(3), "s3"}, {"Max number of strings", "dword 3"}}},
        {"maximum 0 loads and stores no slot", numbered("s", 0, 2), 0, {}, "new", {},
         with(numbered("s", 0, 2), {{"Max number of strings", "dword 0"}})},
        {"maximum -5 loads and stores no slot", numbered("s", 0, 2), static_cast<DWORD>(-5), {}, "new", {},
         with(numbered("s", 0, 2), {{"Max number of strings", "dword -5"}})},
        {"a huge maximum reads what is there", numbered("s", 0, 3), 0x7FFFFFFF, {}, "new", {"s0", "s1", "s2"},
         {{Slot(0), "new"}, {Slot(1), "s0"}, {Slot(2), "s1"}, {Slot(3), "s2"},
          {"Max number of strings", "dword 2147483647"}}},
        {"only the text in the box when it closes is stored", {}, std::nullopt, {"first", "second"}, "third", {},
         {{Slot(0), "third"}, {"Max number of strings", "dword 20"}}},
        {"an empty box writes nothing, not even the maximum", numbered("s", 0, 2), std::nullopt, {"looked for"}, "",
         {"s0", "s1"}, numbered("s", 0, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearProgramKey();
        for (const auto& [name, text] : c.stored)
            PutString(kSection, name.c_str(), text);
        if (c.maximum)
            PutDword(kSection, "Max number of strings", *c.maximum);
        std::vector<std::string> offered, afterPresses;
        std::string shownAtOpen;
        {
            CFindDialog dialog(nullptr);
            ASSERT_TRUE(dialog.Create());
            offered = DialogScript::ComboItems(dialog.m_hWnd, IDC_FIND_TEXT);
            shownAtOpen = DialogScript::Text(dialog.m_hWnd, IDC_FIND_TEXT);
            for (const std::string& text : c.presses) {
                DialogScript::SetText(dialog.m_hWnd, IDC_FIND_TEXT, text);
                dialog.SendMessage(WM_COMMAND, IDC_FIND_NEXT);
            }
            afterPresses = DialogScript::ComboItems(dialog.m_hWnd, IDC_FIND_TEXT);
            DialogScript::SetText(dialog.m_hWnd, IDC_FIND_TEXT, c.atClose);
        }
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(shownAtOpen, c.offered.empty() ? "" : c.offered.front());
        // Every press went to the top of the list, which is not trimmed while the dialog is open.
        std::vector<std::string> expectedAfterPresses(c.presses.rbegin(), c.presses.rend());
        expectedAfterPresses.insert(expectedAfterPresses.end(), c.offered.begin(), c.offered.end());
        EXPECT_EQ(afterPresses, expectedAfterPresses);
        EXPECT_EQ(StoredValues(), c.expected);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FindDialogTest, FindNextWithAnEmptyBoxIsRefusedAndAddsNothing)
{
    CFindDialog dialog(nullptr);
    ASSERT_TRUE(dialog.Create());
    dialog.SendMessage(WM_COMMAND, IDC_FIND_NEXT);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "No search string defined!");
    EXPECT_TRUE(DialogScript::ComboItems(dialog.m_hWnd, IDC_FIND_TEXT).empty());
}

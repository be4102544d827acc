// Find dialog: the history it offers and what it stores in "Recent Find Strings" when it closes.
#include "tests/support/windows/DialogScript.h"
#include "tests/support/windows/MessageBoxRecorder.h"
#include "dialogs/CFindDialog.h"
#include "resources/resource.h"
#include "tests/shell/ShellTestSupport.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Values = std::map<std::string, std::string>;

// Every value of the history's key: strings as they are, DWORDs as "#N".
Values StoredValues()
{
    Values values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brightfen\\Tandrel\\Recent Find Strings", 0, KEY_READ, &key))
        return values;
    char name[256];
    BYTE data[1024];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    for (DWORD i = 0; !::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize); ++i) {
        values[name] =
            type == REG_DWORD ? "#" + std::to_string(*reinterpret_cast<int*>(data)) : reinterpret_cast<char*>(data);
        nameSize = sizeof name, dataSize = sizeof data;
    }
    ::RegCloseKey(key);
    return values;
}

// Slot i holds texts[i]; an empty text is a missing slot.
Values Slots(const std::vector<std::string>& texts, const char* maximum = nullptr)
{
    Values values;
    for (size_t i = 0; i < texts.size(); ++i)
        if (!texts[i].empty())
            values["String " + std::to_string(i)] = texts[i];
    if (maximum)
        values["Max number of strings"] = maximum;
    return values;
}

std::vector<std::string> Numbered(int from, int count)
{
    std::vector<std::string> texts;
    for (int i = from; i < from + count; ++i)
        texts.push_back("s" + std::to_string(i));
    return texts;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(ProgramKeyTest, FindDialogStoresTheBoxTextAtTheTopOfTheHistoryWhenItCloses)
{
    const std::vector<std::string> none;
    const struct Case {
        const char* name;
        std::vector<std::string> stored;
        std::optional<DWORD> maximum;
        std::vector<std::string> presses;  // typed and searched before the text the box has at the end
        std::string atClose;
        std::vector<std::string> offered;  // the list when the dialog opens
        Values expected;
    } cases[] = {
        {"twenty stored and a new one: slot 19 drops out",
         Numbered(0, 20),
         {},
         none,
         "new",
         Numbered(0, 20),
         Slots(Join({"new"}, Numbered(0, 19)), "#20")},
        {"a match in slot 5 in other letter case moves up, spelled as typed",
         {"s0", "s1", "s2", "s3", "s4", "Needle", "s6"},
         {},
         none,
         "NEEDLE",
         {"s0", "s1", "s2", "s3", "s4", "Needle", "s6"},
         Slots({"NEEDLE", "s0", "s1", "s2", "s3", "s4", "s6"}, "#20")},
        {"a match beyond ASCII in other letter case moves up too",
         {"s0", "Привет", "s2"},
         {},
         none,
         "пРИВЕТ",
         {"s0", "Привет", "s2"},
         Slots({"пРИВЕТ", "s0", "s2"}, "#20")},
        {"slots 0 and 2 with 1 missing close up",
         {"s0", "", "s2"},
         {},
         none,
         "new",
         {"s0", "s2"},
         Slots({"new", "s0", "s2"}, "#20")},
        {"a match below a gap leaves no stale copy",
         {"s0", "", "", "five"},
         {},
         none,
         "FIVE",
         {"s0", "five"},
         Slots({"FIVE", "s0"}, "#20")},
        {"maximum 3 limits the list and is written back", Numbered(0, 4), 3, none, "new", Numbered(0, 3),
         Slots({"new", "s0", "s1", "s3"}, "#3")},
        {"maximum 0 loads and stores no slot", Numbered(0, 2), 0, none, "new", none, Slots(Numbered(0, 2), "#0")},
        {"maximum -5 loads and stores no slot", Numbered(0, 2), static_cast<DWORD>(-5), none, "new", none,
         Slots(Numbered(0, 2), "#-5")},
        {"a huge maximum reads what is there", Numbered(0, 3), 0x7FFFFFFF, none, "new", Numbered(0, 3),
         Slots({"new", "s0", "s1", "s2"}, "#2147483647")},
        {"only the text in the box at the close is stored",
         none,
         {},
         {"first", "second"},
         "third",
         none,
         Slots({"third"}, "#20")},
        {"an empty box writes nothing, not even the maximum",
         Numbered(0, 2),
         {},
         {"looked for"},
         "",
         Numbered(0, 2),
         Slots(Numbered(0, 2))},
    };
    MessageBoxRecorder messages;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearProgramKey();
        for (const auto& [name, text] : Slots(c.stored))
            PutString("Recent Find Strings", name.c_str(), text);
        if (c.maximum)
            PutDword("Recent Find Strings", "Max number of strings", *c.maximum);
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
        EXPECT_EQ(afterPresses, Join(std::vector<std::string>(c.presses.rbegin(), c.presses.rend()), c.offered));
        EXPECT_EQ(StoredValues(), c.expected);
    }
    EXPECT_TRUE(messages.shown.empty());
}

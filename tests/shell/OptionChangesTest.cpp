// Tests of what a choice in the Options dialog asks of the main window, and of what it stores.
#include "shell/OptionChanges.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Flags = std::tuple<bool, bool, bool, bool, bool, bool>;

Flags FlagsOf(const OptionChanges& c)
{
    return {c.tabSize, c.comparison, c.lineNumbers, c.font, c.colours, c.Relayout()};
}

struct Case {
    const char* what;
    void (*change)(AppSettings&);
    Flags expected;  // tab size, comparison, line numbers, font, colours, relayout
};

const Case kCases[] = {
    {"nothing", [](AppSettings&) {}, {false, false, false, false, false, false}},
    {"tab size", [](AppSettings& s) { s.tabSize = 8; }, {true, false, false, false, false, false}},
    {"ignore blanks", [](AppSettings& s) { s.options.ignoreBlanks = 1; }, {false, true, false, false, false, false}},
    {"ignore case", [](AppSettings& s) { s.options.ignoreCase = 1; }, {false, true, false, false, false, false}},
    {"line numbers", [](AppSettings& s) { s.showLineNumbers = 0; }, {false, false, true, false, false, true}},
    {"font height", [](AppSettings& s) { s.font.lfHeight = -20; }, {false, false, false, true, false, true}},
    {"font face", [](AppSettings& s) { s.font.lfFaceName[0] = 'X'; }, {false, false, false, true, false, true}},
    {"added colour", [](AppSettings& s) { s.addedColor = 1; }, {false, false, false, false, true, false}},
    {"deleted colour", [](AppSettings& s) { s.deletedColor = 1; }, {false, false, false, false, true, false}},
    {"changed colour", [](AppSettings& s) { s.changedColor = 1; }, {false, false, false, false, true, false}},
    {"background", [](AppSettings& s) { s.diffBackgroundColor = 1; }, {false, false, false, false, true, false}},
    // Values the window takes as they are or that the dialog does not edit ask for nothing.
    {"editor", [](AppSettings& s) { s.editor = "other.exe"; }, {false, false, false, false, false, false}},
    {"force text", [](AppSettings& s) { s.options.forceText = 1; }, {false, false, false, false, false, false}},
    {"placement", [](AppSettings& s) { s.windowX = 300; }, {false, false, false, false, false, false}},
    {"tab size and colour",
     [](AppSettings& s) {
         s.tabSize = 2;
         s.changedColor = 7;
     },
     {true, false, false, false, true, false}},
};

TEST(ChangedOptions, EachEditedValueAsksForItsOwnWindowWork)
{
    for (const Case& c : kCases) {
        const AppSettings stored;
        AppSettings chosen;
        c.change(chosen);
        EXPECT_EQ(FlagsOf(ChangedOptions(stored, chosen)), c.expected) << c.what;
    }
}

TEST(ChangedOptions, OnlyTheDifferenceMapAsksForTheWindowToBeLaidOutAnew)
{
    for (const Case& c : kCases) {
        AppSettings chosen;
        c.change(chosen);
        EXPECT_FALSE(ChangedOptions(AppSettings(), chosen).diffMap) << c.what;
    }
    for (int shown : {0, 1}) {
        AppSettings stored, chosen;
        stored.showDifferenceMap = 1 - shown;
        chosen.showDifferenceMap = shown;
        const OptionChanges changes = ChangedOptions(stored, chosen);
        EXPECT_TRUE(changes.diffMap) << "shown " << shown;
        EXPECT_EQ(FlagsOf(changes), Flags(false, false, false, false, false, false)) << "shown " << shown;
    }
}

TEST(TakeOptions, StoresWhatTheDialogEditsAndKeepsTheRest)
{
    for (const Case& c : kCases) {
        AppSettings chosen;
        c.change(chosen);
        AppSettings stored;
        stored.windowX = 77;
        stored.options.forceText = 0;
        TakeOptions(stored, chosen);
        EXPECT_EQ(FlagsOf(ChangedOptions(stored, chosen)), Flags{}) << c.what;
        EXPECT_EQ(stored.editor, chosen.editor) << c.what;
        EXPECT_EQ(stored.windowX, 77) << c.what;
        EXPECT_EQ(stored.options.forceText, 0) << c.what;
    }
}

}  // namespace

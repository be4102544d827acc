// Options dialog: the tab-size refusals, the editor Browse and the swatches' pixels.
#include "tests/support/windows/DialogScript.h"
#include "tests/support/windows/MessageBoxRecorder.h"
#include "dialogs/COptionsDialog.h"
#include "resources/resource.h"
#include "tests/support/windows/PixelProbe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

const char kTitle[] = "Options";
const char kRangeMessage[] = "Please enter an integer between 1 and 32.";
const char kIntegerMessage[] = "Please enter a positive integer.";

std::string WindowsFolder()
{
    char folder[MAX_PATH] = "";
    ::GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

}  // namespace

TEST(OptionsDialog, TabSizeIsRefusedUntilItIsAWholeNumberFrom1To32)
{
    const struct {
        UINT stored;
        std::optional<std::string> typed;  // none: the person leaves the stored value
        std::string message;  // empty: accepted
        UINT accepted;
    } cases[] = {
        {4, "0", kRangeMessage, 0},  {4, "33", kRangeMessage, 0},          {4, "abc", kIntegerMessage, 0},
        {4, "", kIntegerMessage, 0}, {4, "-3", kIntegerMessage, 0},        {4, " 7 ", "", 7},
        {4, "\t32", "", 32},         {40, std::nullopt, kRangeMessage, 0},
    };
    for (const auto& c : cases) {
        const std::string label = c.typed.value_or("stored " + std::to_string(c.stored));
        MessageBoxRecorder messages;
        std::string shown, afterRefusal;
        int focusAfterRefusal = 0;
        DWORD selectionStart = 1, selectionEnd = 0;
        DialogScript script;
        script.On(kTitle, [&](HWND dialog) {
            shown = DialogScript::Text(dialog, IDC_OPTIONS_TAB_SIZE);
            if (c.typed) {
                DialogScript::SetText(dialog, IDC_OPTIONS_TAB_SIZE, *c.typed);
            }
            DialogScript::Click(dialog, IDOK);
        });
        if (!c.message.empty()) {
            script.On(kTitle, [&](HWND dialog) {
                focusAfterRefusal = DialogScript::FocusedControl(dialog);
                afterRefusal = DialogScript::Text(dialog, IDC_OPTIONS_TAB_SIZE);
                ::SendDlgItemMessageA(dialog, IDC_OPTIONS_TAB_SIZE, EM_GETSEL,
                                      reinterpret_cast<WPARAM>(&selectionStart),
                                      reinterpret_cast<LPARAM>(&selectionEnd));
                DialogScript::SetText(dialog, IDC_OPTIONS_TAB_SIZE, "12");
                DialogScript::Click(dialog, IDOK);
            });
        }
        COptionsDialog dialog;
        dialog.m_values.tabSize = static_cast<int>(c.stored);
        EXPECT_EQ(dialog.DoModal(), IDOK) << label;
        EXPECT_TRUE(script.Finished()) << label;
        EXPECT_EQ(shown, std::to_string(c.stored)) << label;
        if (c.message.empty()) {
            EXPECT_TRUE(messages.shown.empty()) << label;
            EXPECT_EQ(static_cast<UINT>(dialog.m_values.tabSize), c.accepted) << label;
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1u) << label;
        EXPECT_EQ(messages.shown[0].text, c.message) << label;
        // The refused text stays, selected, in the focused field, and the corrected value is taken.
        EXPECT_EQ(focusAfterRefusal, IDC_OPTIONS_TAB_SIZE) << label;
        EXPECT_EQ(afterRefusal, c.typed.value_or(shown)) << label;
        EXPECT_EQ(selectionStart, 0u) << label;
        EXPECT_EQ(selectionEnd, afterRefusal.size()) << label;
        EXPECT_EQ(dialog.m_values.tabSize, 12) << label;
    }
}

TEST(OptionsDialog, BrowseStartsInTheEditorsFolderOrTheWindowsFolderAndFillsTheField)
{
    const std::string picked = "C:\\Editors\\edit.exe";
    const struct {
        std::string typed;
        std::string startFolder;
        bool ok;
    } cases[] = {
        {"notepad.exe", WindowsFolder(), true},
        {"C:\\Tools\\vi.exe", "C:\\Tools", true},
        {"D:\\a\\b\\ed.exe -n", "D:\\a\\b", false},
        {"\\ed.exe", WindowsFolder(), true},
    };
    for (const auto& c : cases) {
        std::string startFolder, initialName, title;
        ChooserAnswers answers([&](CommonDialogCall& call) {
            startFolder = call.file->lpstrInitialDir ? call.file->lpstrInitialDir : "(none)";
            initialName = call.file->lpstrFile;
            title = call.file->lpstrTitle ? call.file->lpstrTitle : "";
            std::strcpy(call.file->lpstrFile, picked.c_str());
            return c.ok ? TRUE : FALSE;
        });
        std::string shownAfter;
        DialogScript script;
        script.On(kTitle, [&](HWND dialog) {
            DialogScript::SetText(dialog, IDC_OPTIONS_TAB_SIZE, "9");
            DialogScript::SetText(dialog, IDC_OPTIONS_EDITOR, c.typed);
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_BROWSE, BN_CLICKED), 0);
            shownAfter = DialogScript::Text(dialog, IDC_OPTIONS_EDITOR);
            DialogScript::Click(dialog, IDOK);
        });
        COptionsDialog dialog;
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(startFolder, c.startFolder) << c.typed;
        EXPECT_EQ(initialName, c.typed);
        EXPECT_EQ(title, "Select editor");
        const std::string expected = c.ok ? picked : c.typed;
        EXPECT_EQ(shownAfter, expected);
        EXPECT_EQ(dialog.m_values.editor, expected);
        EXPECT_EQ(dialog.m_values.tabSize, 9) << "Browse must keep what the other controls hold";
    }
}

// The swatch as it should look: the face (raised: white top and left edge, black and grey
// bottom and right; pressed: black then grey frame), a black-framed rectangle of the colour
// inset by 5 (one pixel lower and to the right when pressed). The focus rectangle's line is
// left out: its dots depend on the pixels beneath.
COLORREF ExpectedSwatchPixel(int x, int y, bool pressed, COLORREF colour)
{
    const int w = 45, h = 21;
    const int shift = pressed ? 1 : 0;
    const int left = 5 + shift, top = 5 + shift, right = w - 5 + shift - 1, bottom = h - 5 + shift - 1;
    if (x >= left && x <= right && y >= top && y <= bottom) {
        const bool frame = x == left || x == right || y == top || y == bottom;
        return frame ? RGB(0, 0, 0) : colour;
    }
    const COLORREF face = RGB(192, 192, 192), dark = RGB(128, 128, 128), black = RGB(0, 0, 0);
    if (pressed) {
        if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
            return black;
        if (x == 1 || y == 1 || x == w - 2 || y == h - 2)
            return dark;
        return face;
    }
    if (x == w - 1 || y == h - 1)
        return black;
    if (x == 0 || y == 0)
        return RGB(255, 255, 255);
    if (x == w - 2 || y == h - 2)
        return dark;
    return face;
}

TEST(OptionsDialog, ASwatchLooksPressedOnlyWhileTheMouseHoldsIt)
{
    const COLORREF colour = RGB(0, 128, 64);
    struct Look {
        const char* moment;
        bool pressed;
        PixelProbe probe{45, 21};
    };
    Look looks[] = {{"before", false}, {"held", true}, {"released", false}};
    ChooserAnswers answers([](CommonDialogCall&) { return FALSE; });
    DialogScript script;
    script.On(kTitle, [&](HWND dialog) {
        HWND swatch = ::GetDlgItem(dialog, IDC_COLORA);
        ::UpdateWindow(swatch);
        looks[0].probe.CaptureClient(swatch);
        ::SendMessageA(swatch, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        ::UpdateWindow(swatch);
        looks[1].probe.CaptureClient(swatch);
        ::SendMessageA(swatch, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        ::UpdateWindow(swatch);
        looks[2].probe.CaptureClient(swatch);
        DialogScript::Click(dialog, IDCANCEL);
    });
    COptionsDialog dialog;
    dialog.m_values.addedColor = colour;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_TRUE(script.Finished());
    for (const Look& look : looks) {
        int wrong = 0;
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 45; ++x) {
                const bool focusLine = (x == 2 || x == 42) && y >= 2 && y <= 18;
                const bool focusRow = (y == 2 || y == 18) && x >= 2 && x <= 42;
                if (focusLine || focusRow) {
                    continue;
                }
                if (look.probe.At(x, y) != ExpectedSwatchPixel(x, y, look.pressed, colour) && ++wrong <= 3) {
                    ADD_FAILURE() << look.moment << " (" << x << "," << y << ") is " << std::hex << look.probe.At(x, y);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << look.moment;
    }
}

// Tests of the comparing window and of the main window's resources it and the toolbar use.
#include "tests/support/windows/PixelProbe.h"
#include "TestWindows.h"

#include "framework/GdiObject.h"
#include "resources/resource.h"
#include "shell/CComparingDialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string DialogText(HWND dialog, int id)
{
    char buffer[128] = {};
    ::GetDlgItemTextA(dialog, id, buffer, sizeof(buffer));
    return buffer;
}

TEST(ComparingDialog, ShowsTheTitleAndTheText)
{
    CComparingDialog dialog;
    ASSERT_TRUE(dialog.Create("Comparing files..."));
    EXPECT_EQ(dialog.GetWindowText(), "Tandrel");
    EXPECT_EQ(DialogText(dialog.m_hWnd, IDC_COMPARING_TEXT), "Comparing files...");
    dialog.SetText("Setting text colors...");
    EXPECT_EQ(DialogText(dialog.m_hWnd, IDC_COMPARING_TEXT), "Setting text colors...");
    EXPECT_TRUE(dialog.IsWindowVisible());
    dialog.DestroyWindow();
}

// The animation control accepts files it cannot draw, so look at what it drew:
// the scan bar is yellow, and from the third frame on the scanned change rows
// show in red and green.
TEST(ComparingDialog, TheAnimationReallyDraws)
{
    CComparingDialog dialog;
    ASSERT_TRUE(dialog.Create("Comparing files..."));
    CAnimateCtrl& animation = dialog.Animation();
    ASSERT_NE(animation.m_hWnd, nullptr);
    animation.Stop();
    RECT client{};
    animation.GetClientRect(&client);
    ASSERT_GE(client.right, 80);
    ASSERT_GE(client.bottom, 40);

    PixelProbe first(client.right, client.bottom);
    ASSERT_TRUE(animation.Seek(0));
    animation.UpdateWindow();
    PumpMessages();
    first.CaptureClient(animation.m_hWnd);
    EXPECT_GT(first.Count(RGB(255, 255, 0)), 20);
    EXPECT_EQ(first.Count(RGB(255, 0, 0)), 0);

    PixelProbe later(client.right, client.bottom);
    ASSERT_TRUE(animation.Seek(4));
    animation.UpdateWindow();
    PumpMessages();
    later.CaptureClient(animation.m_hWnd);
    EXPECT_GT(later.Count(RGB(255, 0, 0)), 20);
    EXPECT_GT(later.Count(RGB(0, 128, 64)), 20);
    dialog.DestroyWindow();
}

TEST(MainWindowResources, ToolbarBitmapIconAndTemplatesLoad)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    GdiBitmap strip(::LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR)));
    ASSERT_NE(strip.Get(), nullptr);
    BITMAP info{};
    ::GetObjectA(strip, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 17 * 16);
    EXPECT_EQ(info.bmHeight, 15);
    EXPECT_NE(::LoadIconA(instance, MAKEINTRESOURCEA(IDI_TANDREL)), nullptr);
    EXPECT_NE(::FindResourceA(instance, MAKEINTRESOURCEA(IDD_TANDREL_DIALOG), MAKEINTRESOURCEA(5)), nullptr);
    EXPECT_NE(::FindResourceA(instance, MAKEINTRESOURCEA(IDR_COMPARING_ANIMATION), "AVI"), nullptr);
}

TEST(MainWindowResources, AcceleratorsMapTheKeysAndSwallowTheRest)
{
    HACCEL table = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[64] = {};
    const int count = ::CopyAcceleratorTableA(table, entries, 64);
    auto command = [&](BYTE flags, WORD key) -> int {
        for (int i = 0; i < count; ++i)
            if ((entries[i].fVirt & ~FNOINVERT) == (flags | FVIRTKEY) && entries[i].key == key)
                return entries[i].cmd;
        return -1;
    };
    EXPECT_EQ(command(FCONTROL, 'F'), ID_FIND);
    EXPECT_EQ(command(FCONTROL, 'N'), ID_NEXT_DIFFERENCE);
    EXPECT_EQ(command(FCONTROL, 'P'), ID_PREVIOUS_DIFFERENCE);
    EXPECT_EQ(command(FCONTROL, 'R'), ID_RECOMPARE);
    EXPECT_EQ(command(0, VK_F3), ID_FIND_NEXT);
    EXPECT_EQ(command(FSHIFT, VK_F3), ID_FIND_PREVIOUS);
    for (WORD key = '0'; key <= '9'; ++key)
        EXPECT_EQ(command(0, key), ID_SWALLOWED_KEY) << key;
    for (WORD key = VK_NUMPAD0; key <= VK_NUMPAD9; ++key)
        EXPECT_EQ(command(0, key), ID_SWALLOWED_KEY) << key;
    EXPECT_EQ(command(0, VK_TAB), ID_SWALLOWED_KEY);
    EXPECT_EQ(command(FSHIFT, VK_TAB), ID_SWALLOWED_KEY);
    EXPECT_EQ(command(0, VK_RETURN), ID_SWALLOWED_KEY);
    EXPECT_EQ(command(FCONTROL, 'V'), ID_SWALLOWED_KEY);
    EXPECT_EQ(command(FSHIFT, VK_INSERT), ID_SWALLOWED_KEY);
    EXPECT_EQ(command(FCONTROL, 'C'), -1);  // copy stays with the pane
    EXPECT_EQ(count, 6 + 10 + 10 + 2 + 3 + 1 + 3 + 3 + 2);
    ::DestroyAcceleratorTable(table);
}

}  // namespace

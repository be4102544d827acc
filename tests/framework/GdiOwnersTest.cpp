// Owners of device contexts and GDI objects release what they hold on every path.
#include "framework/ClientDC.h"
#include "framework/GdiObject.h"
#include "framework/MemoryDC.h"
#include "framework/ObjectSelection.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(GdiObject, DeletesOnResetDestructionAndMoveAssignment)
{
    HBRUSH first = ::CreateSolidBrush(RGB(1, 2, 3));
    HBRUSH second = ::CreateSolidBrush(RGB(4, 5, 6));
    HBRUSH third = ::CreateSolidBrush(RGB(7, 8, 9));
    {
        GdiBrush owner(first);
        EXPECT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
        owner.Reset(second);
        EXPECT_EQ(::GetObjectType(first), 0u);
        GdiBrush other(third);
        owner = std::move(other);
        EXPECT_EQ(::GetObjectType(second), 0u);
        EXPECT_EQ(other.Get(), nullptr);
        GdiBrush moved(std::move(owner));
        EXPECT_EQ(moved.Get(), third);
        EXPECT_EQ(::GetObjectType(third), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(third), 0u);
}

TEST(GdiObject, ResetWithTheObjectHeldKeepsIt)
{
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    {
        GdiBrush owner(brush);
        owner.Reset(brush);
        EXPECT_EQ(owner.Get(), brush);
        EXPECT_EQ(::GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(brush), 0u);
}

TEST(ObjectSelection, PutsThePreviousObjectBack)
{
    MemoryDC dc;
    ASSERT_NE(dc.Get(), nullptr);
    EXPECT_EQ(::GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_FONT);
    GdiFont font(::CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New"));
    {
        ObjectSelection selected(dc, font);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), original);
}

TEST(MemoryDC, IsDeletedWhenItGoes)
{
    HDC handle = nullptr;
    {
        MemoryDC dc;
        handle = dc;
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_MEMDC));
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);
}

TEST(ClientDC, DrawsIntoTheWindow)
{
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    {
        ClientDC dc(hwnd);
        ASSERT_NE(dc.Get(), nullptr);
        ::SetPixel(dc, 3, 4, RGB(10, 200, 30));
        EXPECT_EQ(::GetPixel(dc, 3, 4), RGB(10, 200, 30));
    }
    ::DestroyWindow(hwnd);
}

}  // namespace

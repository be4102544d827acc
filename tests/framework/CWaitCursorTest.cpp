// The wait cursor is up exactly while an operation holds it, nested holds included.
#include "framework/CWaitCursor.h"

#include <gtest/gtest.h>

namespace {

TEST(CWaitCursor, ShownWhileHeldAndPreviousCursorRestored)
{
    HCURSOR arrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    HCURSOR wait = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
    ::SetCursor(arrow);
    EXPECT_FALSE(CWaitCursor::IsShown());
    {
        CWaitCursor outer;
        EXPECT_TRUE(CWaitCursor::IsShown());
        EXPECT_EQ(::GetCursor(), wait);
        {
            CWaitCursor inner;
            EXPECT_TRUE(CWaitCursor::IsShown());
        }
        EXPECT_TRUE(CWaitCursor::IsShown());
        EXPECT_EQ(::GetCursor(), wait);
    }
    EXPECT_FALSE(CWaitCursor::IsShown());
    EXPECT_EQ(::GetCursor(), arrow);
}

}  // namespace

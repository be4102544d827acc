#include "engine/BothSides.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace {

TEST(OnBothSides, RunsEachSideOnceOnItsOwnThreadAndThrowsTheLeftSidesFailureFirst)
{
    const struct {
        bool leftThrows, rightThrows;
        const char* thrown;  // nullptr: nothing
    } cases[] = {
        {false, false, nullptr},
        {true, false, "left"},
        {false, true, "right"},
        {true, true, "left"},
    };
    for (const auto& c : cases) {
        int runs[2] = {0, 0};
        std::thread::id threads[2];
        std::string thrown;
        try {
            OnBothSides([&](int side) {
                ++runs[side];
                threads[side] = std::this_thread::get_id();
                if (side == 0 ? c.leftThrows : c.rightThrows)
                    throw std::runtime_error(side == 0 ? "left" : "right");
            });
        } catch (const std::runtime_error& error) {
            thrown = error.what();
        }
        // A side that throws does not keep the other from running to its end.
        EXPECT_EQ(runs[0], 1);
        EXPECT_EQ(runs[1], 1);
        EXPECT_NE(threads[0], threads[1]);
        EXPECT_EQ(threads[1], std::this_thread::get_id());
        EXPECT_EQ(thrown, c.thrown ? c.thrown : "");
    }
}

}  // namespace

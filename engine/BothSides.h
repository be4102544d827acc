// OnBothSides: the two sides of a comparison worked on at once, one of them on a second thread.
#pragma once

#include <exception>
#include <thread>

// Runs work(0) on a thread of its own and work(1) on the calling one, and
// returns when both are done: the sides must share nothing that either
// changes. What either side threw is thrown here, the left side's first.
// When no thread can be started, the sides run one after the other.
template <typename Work>
void OnBothSides(Work&& work)
{
    std::exception_ptr failed[2];
    auto run = [&work, &failed](int side) {
        try {
            work(side);
        } catch (...) {
            failed[side] = std::current_exception();
        }
    };
    std::thread left;
    try {
        left = std::thread(run, 0);
    } catch (...) {
        run(0);
    }
    run(1);
    if (left.joinable())
        left.join();
    for (const std::exception_ptr& side : failed) {
        if (side)
            std::rethrow_exception(side);
    }
}

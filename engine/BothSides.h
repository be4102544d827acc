// OnBothSides: the two sides of a comparison worked on at once, one of them on a second thread.
#pragma once

#include "engine/HeldMessages.h"
#include "engine/MemoryExhaustion.h"
#include "engine/MessageSink.h"

#include <exception>
#include <new>
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

// Runs work(side, sideMessages), which tells whether its side succeeded, on
// both sides at once, and tells a person what running them one after the
// other would have told: the left side's messages, and the right side's only
// when the left one succeeded. Memory exhausted on a side is thrown as
// std::bad_alloc once its messages are told. True when both sides succeeded.
template <typename Work>
bool SucceedsOnBothSides(MessageSink& messages, Work&& work)
{
    HeldMessages held[2];
    bool succeeded[2] = {false, false};
    bool exhausted[2] = {false, false};
    OnBothSides(
        [&](int side) { exhausted[side] = !RanWithinMemory([&] { succeeded[side] = work(side, held[side]); }); });
    for (int side = 0; side < 2; ++side) {
        held[side].TellTo(messages);
        if (exhausted[side])
            throw std::bad_alloc();
        if (!succeeded[side])
            return false;
    }
    return true;
}

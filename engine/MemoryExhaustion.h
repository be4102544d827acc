// MemoryExhaustion: running out of memory in a step, told to the person instead of ending the program.
#pragma once

#include "engine/MessageSink.h"

#include <new>
#include <stdexcept>

// What a person is told when a file does not fit in memory.
inline constexpr char kInsufficientMemory[] = "Insufficient memory!";

// Runs work; false when memory ran out on the way: an allocation failed, or a size grew
// past what a container can hold.
template <typename Work>
bool RanWithinMemory(Work&& work)
{
    try {
        work();
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return false;
}

// Runs work, which tells whether it succeeded; running out of memory in it sends
// "Insufficient memory!" and gives false.
template <typename Work>
bool WithinMemory(MessageSink& messages, Work&& work)
{
    bool succeeded = false;
    if (RanWithinMemory([&] { succeeded = work(); }))
        return succeeded;
    messages.ShowMessage(kInsufficientMemory);
    return false;
}

// StepTimes: how long each step of opening a comparison took, kept only while a benchmark asks for it.
#pragma once

#include <string>

// The steps mark their ends with Mark; nothing is kept (and a mark costs one
// test) until a benchmark calls Start. A step marked twice adds up.
class StepTimes {
public:
    // Forgets what was kept, starts keeping and starts the clock.
    static void Start();
    // The time since the previous mark (or Start) goes to `step`.
    static void Mark(const char* step);
    // Stops keeping.
    static void Stop();
    // One line per step in the order first marked: the step, its seconds, its
    // share of the total; then the total.
    static std::string Report();
};

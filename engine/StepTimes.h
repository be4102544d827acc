// StepTimes: how long each step of opening one comparison took, for the benchmark that owns it.
#pragma once

#include <chrono>
#include <string>
#include <vector>

// The steps mark their ends on the recorder their caller passes in; a
// comparison nobody measures passes none (MarkStep). A step marked twice adds up.
class StepTimes {
public:
    // Starts the clock.
    StepTimes();
    // The time since the previous mark (or the start) goes to `step`.
    void Mark(const char* step);
    // One line per step in the order first marked: the step, its seconds, its
    // share of the total; then the total.
    std::string Report() const;

    struct Step {
        const char* name;
        double seconds;
    };
    const std::vector<Step>& Steps() const { return steps_; }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point last_;
    std::vector<Step> steps_;
};

// The end of `step`, kept when someone measures: one test when nobody does.
inline void MarkStep(StepTimes* times, const char* step)
{
    if (times)
        times->Mark(step);
}

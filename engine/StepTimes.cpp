#include "engine/StepTimes.h"

#include <cstdio>
#include <cstring>

StepTimes::StepTimes() : last_(Clock::now())
{
}

void StepTimes::Mark(const char* step)
{
    const Clock::time_point now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - last_).count();
    last_ = now;
    for (Step& known : steps_) {
        if (std::strcmp(known.name, step) == 0) {
            known.seconds += seconds;
            return;
        }
    }
    steps_.push_back(Step{step, seconds});
}

std::string StepTimes::Report() const
{
    double total = 0;
    for (const Step& step : steps_)
        total += step.seconds;
    std::string out;
    char line[160];
    for (const Step& step : steps_) {
        std::snprintf(line, sizeof line, "  %-36s %8.3f s %5.1f %%\n", step.name, step.seconds,
                      total > 0 ? 100.0 * step.seconds / total : 0.0);
        out += line;
    }
    std::snprintf(line, sizeof line, "  %-36s %8.3f s\n", "total", total);
    return out + line;
}

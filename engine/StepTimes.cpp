#include "engine/StepTimes.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Step {
    const char* name;
    double seconds;
};

struct Record {
    bool keeping = false;
    Clock::time_point last;
    std::vector<Step> steps;
};

Record& TheRecord()
{
    static Record record;
    return record;
}

}  // namespace

void StepTimes::Start()
{
    Record& record = TheRecord();
    record.steps.clear();
    record.keeping = true;
    record.last = Clock::now();
}

void StepTimes::Mark(const char* step)
{
    Record& record = TheRecord();
    if (!record.keeping)
        return;
    const Clock::time_point now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - record.last).count();
    record.last = now;
    for (Step& known : record.steps) {
        if (std::strcmp(known.name, step) == 0) {
            known.seconds += seconds;
            return;
        }
    }
    record.steps.push_back(Step{step, seconds});
}

void StepTimes::Stop()
{
    TheRecord().keeping = false;
}

std::string StepTimes::Report()
{
    const Record& record = TheRecord();
    double total = 0;
    for (const Step& step : record.steps)
        total += step.seconds;
    std::string out;
    char line[160];
    for (const Step& step : record.steps) {
        std::snprintf(line, sizeof line, "  %-36s %8.3f s %5.1f %%\n", step.name, step.seconds,
                      total > 0 ? 100.0 * step.seconds / total : 0.0);
        out += line;
    }
    std::snprintf(line, sizeof line, "  %-36s %8.3f s\n", "total", total);
    return out + line;
}

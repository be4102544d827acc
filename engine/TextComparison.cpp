#include "engine/TextComparison.h"

#include "engine/DiffFiles.h"
#include "engine/DisplayLoading.h"

#include <cstdio>

int CompareTextFiles(const std::string& leftPath, const std::string& rightPath, bool ignoreBlanks, bool ignoreCase,
                     ComparisonState& state, MessageSink& messages, uint64_t memoryLimit, StepTimes* times)
{
    std::string leftCopy, rightCopy;
    if (!WriteComparisonCopies(leftPath, rightPath, state, leftCopy, rightCopy, messages, memoryLimit, times))
        return -1;
    int result = 0;
    if (leftPath != rightPath)
        result = DiffFiles(leftCopy, rightCopy, ignoreBlanks, ignoreCase, state.listing, messages);
    MarkStep(times, "engine");
    // The display texts come back only now: the comparison's own buffers
    // and tables are gone, so the two are never in memory together.
    if (result >= 0 && !ReadPaneTexts(leftCopy, rightCopy, state, messages, times))
        result = -1;
    std::remove(leftCopy.c_str());
    std::remove(rightCopy.c_str());
    return result;
}

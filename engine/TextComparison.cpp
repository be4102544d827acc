#include "engine/TextComparison.h"

#include "engine/DiffFiles.h"
#include "engine/DisplayLoading.h"
#include "engine/StepTimes.h"

#include <cstdio>

int CompareTextFiles(const std::string& leftPath, const std::string& rightPath, bool ignoreBlanks, bool ignoreCase,
                     ComparisonState& state, MessageSink& messages, uint64_t memoryLimit)
{
    std::string leftCopy, rightCopy;
    if (!LoadPaneTexts(leftPath, rightPath, state, leftCopy, rightCopy, messages, memoryLimit))
        return -1;
    int result = 0;
    if (leftPath != rightPath)
        result = DiffFiles(leftCopy, rightCopy, ignoreBlanks, ignoreCase, state.listing, messages);
    std::remove(leftCopy.c_str());
    std::remove(rightCopy.c_str());
    StepTimes::Mark("engine");
    return result;
}

#include "engine/TextComparison.h"

#include "engine/DiffFiles.h"
#include "engine/DisplayLoading.h"

#include <cstddef>
#include <cstdio>

int CompareTextFiles(const std::string& leftPath, const std::string& rightPath, bool ignoreBlanks, bool ignoreCase,
                     ComparisonState& state, MessageSink& messages, uint64_t memoryLimit, StepTimes* times)
{
    std::string leftCopy, rightCopy;
    // The engine reads the copies into the memory the texts passed through,
    // with room for the Filler rows each text may get, and hands its bytes
    // over as the display texts where its text mode left them as they are;
    // its tables are gone by then, so the display texts and the comparison
    // are never in memory together.
    ComparedTexts compared;
    if (!WriteComparisonCopies(leftPath, rightPath, state, leftCopy, rightCopy, compared.text, messages, memoryLimit,
                               times))
        return -1;
    int result = 0;
    compared.room[0] = static_cast<std::size_t>(state.rightCopyRows);
    compared.room[1] = static_cast<std::size_t>(state.leftCopyRows);
    if (leftPath != rightPath)
        result = DiffFiles(leftCopy, rightCopy, ignoreBlanks, ignoreCase, state.listing, messages, &compared);
    MarkStep(times, "engine");
    if (result >= 0 && !ReadPaneTexts(leftCopy, rightCopy, state, messages, times, &compared))
        result = -1;
    std::remove(leftCopy.c_str());
    std::remove(rightCopy.c_str());
    return result;
}

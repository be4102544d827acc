#include "engine/DisplayLoading.h"

#include "engine/BothSides.h"
#include "engine/FileText.h"
#include "engine/InputFile.h"
#include "engine/MemoryBudget.h"
#include "engine/MemoryExhaustion.h"
#include "engine/RowSplitting.h"
#include "engine/StepTimes.h"
#include "engine/TempCopies.h"
#include "engine/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

constexpr std::size_t kLargestText = static_cast<std::size_t>(kLargestPaneText);

// Reads one side, decodes and normalises it and writes its copy; the block
// keeps the copy's text.
bool ReadSide(const std::string& path, const std::string& copyName, std::string& block, std::size_t limit,
              MessageSink& messages, StepTimes* times)
{
    if (!ReadFileText(path, block, messages, 0, limit))
        return false;
    MarkStep(times, "read");
    DecodeFileContent(block);
    // Decoded UTF-16 can be half as long again as the file.
    if (block.size() > kLargestText)
        throw std::bad_alloc();
    NormaliseText(block);
    MarkStep(times, "normalise");
    if (!WriteCopy(copyName, block, messages))
        return false;
    MarkStep(times, "write temporary copies");
    return true;
}

// The size and rows of a side read, normalised and copied.
struct SideCount {
    uint64_t bytes;
    uint64_t rows;
};

// Reads one side, of at most `limit` bytes, and writes its copy, and counts what it holds.
bool CopySide(const std::string& path, const std::string& copyName, std::string& block, uint64_t limit,
              SideCount& count, MessageSink& messages, StepTimes* times)
{
    if (!ReadSide(path, copyName, block, static_cast<std::size_t>(std::min<uint64_t>(limit, kLargestText)), messages,
                  times))
        return false;
    count = SideCount{block.size(), RowsOfText(block)};
    return true;
}

// What each side may read of the budget that `allowed` bytes leave both:
// read one after the other, the left side may take all of it and the right
// what the left left over; two regular files are read at once, each side
// taking what the other's size leaves.
struct SideLimits {
    bool atOnce;
    uint64_t left;
    uint64_t right;
};

SideLimits LimitsOfSides(const std::string& leftPath, const std::string& rightPath, uint64_t allowed)
{
    uint64_t leftSize = 0, rightSize = 0;
    bool leftRegular = false, rightRegular = false;
    if (InputFile::StatusSize(leftPath, leftSize, &leftRegular) && leftRegular
        && InputFile::StatusSize(rightPath, rightSize, &rightRegular) && rightRegular)
        return SideLimits{true, allowed - std::min(allowed, rightSize), allowed - std::min(allowed, leftSize)};
    return SideLimits{false, allowed, allowed};
}

// Reads both sides and writes their copies, counting what each holds.
bool CopyBothSides(const std::string (&paths)[2], const std::string (&copyNames)[2], std::string* const (&texts)[2],
                   const SideLimits& limits, SideCount (&counts)[2], MessageSink& messages, StepTimes* times)
{
    if (!limits.atOnce) {
        return CopySide(paths[0], copyNames[0], *texts[0], limits.left, counts[0], messages, times)
               && CopySide(paths[1], copyNames[1], *texts[1], limits.right - std::min(limits.right, counts[0].bytes),
                           counts[1], messages, times);
    }
    // The steps are timed on the right side, which runs on the calling thread;
    // waiting for the left side counts as writing the copies.
    const bool copied = SucceedsOnBothSides(messages, [&](int side, MessageSink& sideMessages) {
        return CopySide(paths[side], copyNames[side], *texts[side], side == 0 ? limits.left : limits.right,
                        counts[side], sideMessages, side == 1 ? times : nullptr);
    });
    MarkStep(times, "write temporary copies");
    return copied;
}

bool LoadBothSides(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                   const std::string& leftCopyName, const std::string& rightCopyName, uint64_t memoryLimit,
                   bool keepTexts, MessageSink& messages, StepTimes* times)
{
    return WithinMemory(messages, [&] {
        SideCount counts[2]{};
        const SideLimits limits = LimitsOfSides(leftPath, rightPath, TextBytesWithin(memoryLimit));
        // Texts that are not kept are released before the comparison. Read one
        // after the other, they pass through one buffer: only one side is held
        // at a time, in memory already touched once.
        std::string scratch[2];
        std::string* const texts[2] = {keepTexts ? &state.leftTextBlock : &scratch[0],
                                       keepTexts ? &state.rightTextBlock : &scratch[limits.atOnce ? 1 : 0]};
        if (!CopyBothSides({leftPath, rightPath}, {leftCopyName, rightCopyName}, texts, limits, counts, messages,
                           times))
            return false;
        const SideCount& left = counts[0];
        const SideCount& right = counts[1];
        // Read and normalised, the texts tell what the rest will hold, their
        // bytes and rows: checked before any line table is made.
        if (TextComparisonPeak(left.bytes + right.bytes, left.rows + right.rows) > memoryLimit) {
            messages.ShowMessage(kInsufficientMemory);
            return false;
        }
        state.leftCopyRows = left.rows;
        state.rightCopyRows = right.rows;
        if (keepTexts)
            SplitBothSides(state, left.rows, right.rows, times);
        return true;
    });
}

}  // namespace

namespace {

bool LoadCopies(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                std::string& leftCopyName, std::string& rightCopyName, MessageSink& messages, uint64_t memoryLimit,
                bool keepTexts, StepTimes* times)
{
    state = ComparisonState();
    leftCopyName.clear();
    rightCopyName.clear();
    if (!TextComparisonFits(leftPath, rightPath, memoryLimit, messages))
        return false;
    std::string leftCopy;
    std::string rightCopy;
    if (!GetTempFilePath(leftCopy, messages))
        return false;
    if (GetTempFilePath(rightCopy, messages)
        && LoadBothSides(leftPath, rightPath, state, leftCopy, rightCopy, memoryLimit, keepTexts, messages, times)) {
        leftCopyName = leftCopy;
        rightCopyName = rightCopy;
        return true;
    }
    std::remove(leftCopy.c_str());
    if (!rightCopy.empty())
        std::remove(rightCopy.c_str());
    return false;
}

// A display text with `room` bytes to grow into: the engine's bytes of
// that side when it kept them, else the copy read back.
bool TakeText(const std::string& copyName, ComparedTexts* compared, int side, std::string& text, std::size_t room,
              MessageSink& messages)
{
    if (!compared || !compared->kept[side])
        return ReadFileText(copyName, text, messages, room);
    text = std::move(compared->text[side]);
    text.reserve(text.size() + 1 + room);
    return true;
}

// The lines of one side that the listing shows, marked '<' or '>'.
std::size_t LinesShown(const DiffListing& listing, char mark)
{
    return static_cast<std::size_t>(std::count_if(listing.begin(), listing.end(), [mark](const std::string& entry) {
        return !entry.empty() && entry[0] == mark;
    }));
}

}  // namespace

bool LoadPaneTexts(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                   std::string& leftCopyName, std::string& rightCopyName, MessageSink& messages, uint64_t memoryLimit,
                   StepTimes* times)
{
    return LoadCopies(leftPath, rightPath, state, leftCopyName, rightCopyName, messages, memoryLimit, true, times);
}

bool WriteComparisonCopies(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                           std::string& leftCopyName, std::string& rightCopyName, MessageSink& messages,
                           uint64_t memoryLimit, StepTimes* times)
{
    return LoadCopies(leftPath, rightPath, state, leftCopyName, rightCopyName, messages, memoryLimit, false, times);
}

bool ReadPaneTexts(const std::string& leftCopyName, const std::string& rightCopyName, ComparisonState& state,
                   MessageSink& messages, StepTimes* times, ComparedTexts* compared)
{
    return WithinMemory(messages, [&] {
        // Each text and its rows get room for the Filler rows the alignment
        // will add, at most one for each line the listing shows of the other
        // side, so that AlignPanes and BuildPaneTexts work in place.
        const std::size_t leftRoom = LinesShown(state.listing, '>');
        const std::size_t rightRoom = LinesShown(state.listing, '<');
        if (!TakeText(leftCopyName, compared, 0, state.leftTextBlock, leftRoom, messages)
            || !TakeText(rightCopyName, compared, 1, state.rightTextBlock, rightRoom, messages))
            return false;
        MarkStep(times, "read the copies back");
        // The texts are the copies' bytes, whose rows were counted when they were written.
        SplitBothSides(state, state.leftCopyRows + leftRoom, state.rightCopyRows + rightRoom, times);
        return true;
    });
}

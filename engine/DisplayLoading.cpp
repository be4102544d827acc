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

// One side to read and copy: at most `limit` bytes of it, read into `block`
// with `room` bytes more reserved.
struct SideSource {
    const std::string& path;
    const std::string& copyName;
    std::string& block;
    uint64_t limit;
    std::size_t room;
};

// The size and rows of a side read, normalised and copied.
struct SideCount {
    uint64_t bytes;
    uint64_t rows;
};

// Reads one side, decodes and normalises it, writes its copy and counts what
// it holds; the block keeps the copy's text.
bool CopySide(const SideSource& side, SideCount& count, MessageSink& messages, StepTimes* times)
{
    if (!ReadFileText(side.path, side.block, messages, side.room,
                      static_cast<std::size_t>(std::min<uint64_t>(side.limit, kLargestText))))
        return false;
    MarkStep(times, "read");
    std::string& block = side.block;
    DecodeFileContent(block);
    // Decoded UTF-16 can be half as long again as the file.
    if (block.size() > kLargestText)
        throw std::bad_alloc();
    NormaliseText(block);
    MarkStep(times, "normalise");
    if (!WriteCopy(side.copyName, block, messages))
        return false;
    MarkStep(times, "write temporary copies");
    count = SideCount{block.size(), RowsOfText(block)};
    return true;
}

// A text that only passes through is read with room for the engine to read
// its copy into the same memory later, with the room it keeps for a Filler
// row for each row of the other side: guessed here at one for every 16 bytes
// of the other file. Where the guess falls short, the engine reads into a
// new buffer.
constexpr uint64_t kBytesPerRowGuess = 16;

// How both sides are read, given the budget of `allowed` bytes for both:
// one after the other, the left side may take all of it and the right what
// the left left over; two regular files are read at once, each side taking
// what the other's size leaves.
struct SidePlan {
    bool atOnce = false;
    uint64_t limit[2] = {0, 0};
    std::size_t room[2] = {0, 0};
};

SidePlan PlanSides(const std::string (&paths)[2], uint64_t allowed, bool passingThrough)
{
    SidePlan plan;
    uint64_t sizes[2] = {0, 0};
    bool regular[2] = {false, false};
    plan.atOnce = InputFile::StatusSize(paths[0], sizes[0], &regular[0]) && regular[0]
                  && InputFile::StatusSize(paths[1], sizes[1], &regular[1]) && regular[1];
    for (int side = 0; side < 2; ++side) {
        const uint64_t other = sizes[1 - side];
        plan.limit[side] = plan.atOnce ? allowed - std::min(allowed, other) : allowed;
        if (plan.atOnce && passingThrough)
            plan.room[side] = static_cast<std::size_t>(std::min<uint64_t>(other, kLargestText) / kBytesPerRowGuess);
    }
    return plan;
}

// Reads both sides and writes their copies, counting what each holds.
bool CopyBothSides(const std::string (&paths)[2], const std::string (&copyNames)[2], std::string* const (&texts)[2],
                   const SidePlan& plan, SideCount (&counts)[2], MessageSink& messages, StepTimes* times)
{
    if (!plan.atOnce) {
        return CopySide({paths[0], copyNames[0], *texts[0], plan.limit[0], 0}, counts[0], messages, times)
               && CopySide(
                   {paths[1], copyNames[1], *texts[1], plan.limit[1] - std::min(plan.limit[1], counts[0].bytes), 0},
                   counts[1], messages, times);
    }
    // The steps are timed on the right side, which runs on the calling thread;
    // waiting for the left side counts as writing the copies.
    const bool copied = SucceedsOnBothSides(messages, [&](int side, MessageSink& sideMessages) {
        return CopySide({paths[side], copyNames[side], *texts[side], plan.limit[side], plan.room[side]}, counts[side],
                        sideMessages, side == 1 ? times : nullptr);
    });
    MarkStep(times, "write temporary copies");
    return copied;
}

bool LoadBothSides(const std::string (&paths)[2], const std::string (&copyNames)[2], ComparisonState& state,
                   uint64_t memoryLimit, ByteBuffer* spent, MessageSink& messages, StepTimes* times)
{
    return WithinMemory(messages, [&] {
        SideCount counts[2]{};
        const bool keepTexts = spent == nullptr;
        const SidePlan plan = PlanSides(paths, TextBytesWithin(memoryLimit), !keepTexts);
        // Texts that are not kept are emptied before the comparison. Read one
        // after the other, they pass through one buffer: only one side is held
        // at a time, in memory already touched once.
        std::string scratch[2];
        std::string* const texts[2] = {keepTexts ? &state.leftTextBlock : &scratch[0],
                                       keepTexts ? &state.rightTextBlock : &scratch[plan.atOnce ? 1 : 0]};
        if (!CopyBothSides(paths, copyNames, texts, plan, counts, messages, times))
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
        if (keepTexts) {
            SplitBothSides(state, left.rows, right.rows, times);
            return true;
        }
        for (int side = 0; side < 2; ++side) {
            scratch[side].clear();
            spent[side].swap(scratch[side]);
        }
        return true;
    });
}

}  // namespace

namespace {

bool LoadCopies(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                std::string& leftCopyName, std::string& rightCopyName, MessageSink& messages, uint64_t memoryLimit,
                ByteBuffer* spent, StepTimes* times)
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
        && LoadBothSides({leftPath, rightPath}, {leftCopy, rightCopy}, state, memoryLimit, spent, messages, times)) {
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
    return LoadCopies(leftPath, rightPath, state, leftCopyName, rightCopyName, messages, memoryLimit, nullptr, times);
}

bool WriteComparisonCopies(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                           std::string& leftCopyName, std::string& rightCopyName, ByteBuffer (&spent)[2],
                           MessageSink& messages, uint64_t memoryLimit, StepTimes* times)
{
    return LoadCopies(leftPath, rightPath, state, leftCopyName, rightCopyName, messages, memoryLimit, spent, times);
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

#include "engine/MemoryBudget.h"

#include "engine/FileText.h"
#include "engine/InputFile.h"
#include "engine/MemoryExhaustion.h"

namespace {

// Measured on the whole 64-bit program under Wine, from start to the first
// paint (peak resident memory less that of a comparison of two one-line
// files). Bytes cost most where no line is in common, for each line is then
// held twice, in the display text and in the listing: two 40 MB files of
// 2,000-byte CR LF lines, disjoint, peak at 2.06 bytes a byte. Lines cost most
// where they are short and all differ, each one a listing entry: 1,000,000
// lines of 14 bytes a side, disjoint, peak at 102 bytes a line beyond those
// 2.06 a byte. Every other pair measured (a difference every 1,000 lines, 20 %
// changed, mostly blank lines, lines of 2,000 bytes, CR LF, 1,000,000 lines of
// 50 bytes) stays well below. Both figures carry 10 %: the peaks are read to a
// MiB and vary by a MiB or two between runs, and Windows' own heap and a
// fragmented 32-bit address space leave less room than Wine does. The 32-bit
// program, whose pointers and strings are smaller, holds less per line.
constexpr uint64_t kPeakTenthsPerByte = 23;
constexpr uint64_t kPeakBytesPerLine = 113;

}  // namespace

uint64_t TextComparisonPeak(uint64_t bytes, uint64_t lines)
{
    // The callers' texts are at most two panes' worth: no product comes near 64 bits.
    return bytes * kPeakTenthsPerByte / 10 + lines * kPeakBytesPerLine;
}

uint64_t TextBytesWithin(uint64_t memoryLimit)
{
    // Each side holds at least one line; divided first, so that no limit overflows.
    const uint64_t forLines = 2 * kPeakBytesPerLine;
    return memoryLimit <= forLines ? 0 : (memoryLimit - forLines) / kPeakTenthsPerByte * 10;
}

bool TextComparisonFits(const std::string& leftPath, const std::string& rightPath, uint64_t memoryLimit,
                        MessageSink& messages)
{
    uint64_t leftSize = 0, rightSize = 0;
    if (!InputFile::StatusSize(leftPath, leftSize) || !InputFile::StatusSize(rightPath, rightSize))
        return true;
    // Each side gains at most one line feed, and holds at least one line.
    if (leftSize <= kLargestPaneText && rightSize <= kLargestPaneText
        && TextComparisonPeak(leftSize + rightSize + 2, 2) <= memoryLimit)
        return true;
    messages.ShowMessage(kInsufficientMemory);
    return false;
}

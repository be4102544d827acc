#include "engine/MemoryBudget.h"

#include "engine/DisplayLoading.h"

#include <sys/stat.h>

namespace {

// Measured on the whole 64-bit program under Wine (peak resident memory less
// that of a comparison of two short files): 500,000-line files of 60-byte
// lines, 2,000,000 lines of 8 bytes and 5,000,000 empty lines a side give
// 1.9 bytes a byte and 55 a line; rounded up.
constexpr uint64_t kPeakBytesPerByte = 2;
constexpr uint64_t kPeakBytesPerLine = 60;

// The size from the 64-bit status, also for files of 2 GiB and more.
bool FileSize(const std::string& path, uint64_t& size)
{
#ifdef _WIN32
    struct _stat64 status;
    if (_stat64(path.c_str(), &status) != 0 || status.st_size < 0)
        return false;
#else
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || status.st_size < 0)
        return false;
#endif
    size = static_cast<uint64_t>(status.st_size);
    return true;
}

}  // namespace

uint64_t TextComparisonPeak(uint64_t bytes, uint64_t lines)
{
    // The callers' texts are at most two panes' worth: no product comes near 64 bits.
    return bytes * kPeakBytesPerByte + lines * kPeakBytesPerLine;
}

bool TextComparisonFits(const std::string& leftPath, const std::string& rightPath, uint64_t memoryLimit,
                        MessageSink& messages)
{
    uint64_t leftSize = 0, rightSize = 0;
    if (!FileSize(leftPath, leftSize) || !FileSize(rightPath, rightSize))
        return true;
    // Each side gains at most one line feed, and holds at least one line.
    if (leftSize <= kLargestPaneText && rightSize <= kLargestPaneText
        && TextComparisonPeak(leftSize + rightSize + 2, 2) <= memoryLimit)
        return true;
    messages.ShowMessage("Insufficient memory!");
    return false;
}

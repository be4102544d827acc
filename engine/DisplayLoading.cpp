#include "engine/DisplayLoading.h"

#include "engine/ByteScan.h"
#include "engine/InputFile.h"
#include "engine/MemoryBudget.h"
#include "engine/MemoryExhaustion.h"
#include "engine/StepTimes.h"
#include "engine/TextEncoding.h"

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

constexpr std::size_t kLargestText = static_cast<std::size_t>(kLargestPaneText);
constexpr std::size_t kReadChunk = 1 << 16;

#ifdef _WIN32
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_BINARY;
constexpr int kCreateMode = S_IREAD | S_IWRITE;
#else
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL;
constexpr int kCreateMode = S_IRUSR | S_IWUSR;
#endif

FilePtr OpenFile(const std::string& path, const char* mode)
{
    return FilePtr(std::fopen(path.c_str(), mode), &std::fclose);
}

}  // namespace

bool ReadFileText(const std::string& path, std::string& text, MessageSink& messages, std::size_t room,
                  std::size_t limit)
{
    InputFile file;
    if (!file.Open(path)) {
        messages.ShowMessage("Could not open file " + path + " to read!");
        return false;
    }
    const uint64_t expected = file.RegularSize(kReadChunk);
    text.reserve(static_cast<std::size_t>(std::min<uint64_t>(expected, limit)) + 1 + room);
    if (!file.ReadAll(text, expected, std::min(limit, kLargestText))) {
        messages.ShowMessage(kInsufficientMemory);
        return false;
    }
    if (file.Failed()) {
        messages.ShowMessage("Could not open file " + path + " to read!");
        return false;
    }
    return true;
}

// A CR LF file has a CR on every line: listed in one scan, not found one
// call at a time. An empty file stays empty: it has no lines, and the
// comparison reads none, as `diff` does.
void NormaliseText(std::string& text)
{
    char* const begin = &text[0];
    char* const end = begin + text.size();
    ByteScan::ForEach(begin, end, '\r', [&](const char* cr) {
        if (cr + 1 == end || cr[1] != '\n')
            begin[cr - begin] = '\n';
    });
    for (char* zero = ByteScan::Find(begin, end, '\0'); zero != end; zero = ByteScan::Find(zero + 1, end, '\0')) {
        *zero = ' ';
    }
    if (!text.empty() && text.back() != '\n')
        text.push_back('\n');
}

namespace {

bool WriteCopy(const std::string& copyName, const std::string& text, MessageSink& messages)
{
    FilePtr file = OpenFile(copyName, "wb");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    if (file && std::fclose(file.release()) != 0)
        written = false;
    if (!written)
        messages.ShowMessage("Could not open file " + copyName + " to write!");
    return written;
}

// One record per line of the display text: each line with its LF, the last
// one without. After normalisation every CR is followed by LF, so LF alone
// decides where a line ends. Room for `rows` records is reserved: the lines,
// counted before, and any Filler rows the alignment will add.
void SplitLines(const std::string& display, uint64_t rows, std::vector<PaneLine>& lines, int32_t& textSize,
                int32_t& maxLength)
{
    const char* const begin = display.data();
    const char* const end = begin + display.size();
    lines.reserve(static_cast<std::size_t>(rows));
    auto addLine = [&](std::size_t length) {
        lines.push_back(PaneLine{Same, textSize, static_cast<int32_t>(length)});
        textSize += static_cast<int32_t>(length);
        maxLength = std::max(maxLength, static_cast<int32_t>(length));
    };
    const char* start = begin;
    ByteScan::ForEach(begin, end, '\n', [&](const char* lf) {
        addLine(static_cast<std::size_t>(lf + 1 - start));
        start = lf + 1;
    });
    addLine(static_cast<std::size_t>(end - start));
}

struct SideRefs {
    std::string& block;
    std::vector<PaneLine>& lines;
    int32_t& lineCount;
    int32_t& textSize;
    int32_t& maxLength;
};

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

// The rows of one side, with room for `rows` (SideRows and any room for
// Filler rows); the block then keeps the text without its final LF.
void SplitSide(SideRefs side, uint64_t rows, StepTimes* times)
{
    if (side.block.empty()) {
        // No line to show: one Filler row keeps the pane's one empty row, with
        // no line number, and the rows of both sides lined up.
        side.lines.push_back(PaneLine{Filler, 0, 0});
        side.lineCount = 0;
        return;
    }
    side.block.pop_back();
    SplitLines(side.block, rows, side.lines, side.textSize, side.maxLength);
    side.lineCount = static_cast<int32_t>(side.lines.size());
    MarkStep(times, "rows");
}

// The rows a normalised text will make: one a line, and an empty text its one Filler row.
uint64_t SideRows(const std::string& text)
{
    return std::max<uint64_t>(ByteScan::Count(text.data(), text.data() + text.size(), '\n'), 1);
}

int32_t DecimalDigits(int32_t number)
{
    int32_t digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}

SideRefs LeftSide(ComparisonState& state)
{
    return SideRefs{state.leftTextBlock, state.leftLines, state.leftLineCount, state.leftTextSize,
                    state.leftMaxLineLength};
}

SideRefs RightSide(ComparisonState& state)
{
    return SideRefs{state.rightTextBlock, state.rightLines, state.rightLineCount, state.rightTextSize,
                    state.rightMaxLineLength};
}

// The rows of both sides from their normalised texts, and the common width
// of their line numbers.
void SplitBothSides(ComparisonState& state, uint64_t leftRows, uint64_t rightRows, StepTimes* times)
{
    SplitSide(LeftSide(state), leftRows, times);
    SplitSide(RightSide(state), rightRows, times);
    state.lineNumberWidth = DecimalDigits(std::max(state.leftLineCount, state.rightLineCount));
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
    count = SideCount{block.size(), SideRows(block)};
    return true;
}

bool LoadBothSides(const std::string& leftPath, const std::string& rightPath, ComparisonState& state,
                   const std::string& leftCopyName, const std::string& rightCopyName, uint64_t memoryLimit,
                   bool keepTexts, MessageSink& messages, StepTimes* times)
{
    return WithinMemory(messages, [&] {
        SideCount left{};
        SideCount right{};
        // Texts that are not kept pass through one buffer, released before
        // the comparison: only one side is held at a time, in memory already
        // touched once.
        std::string scratch;
        std::string& leftText = keepTexts ? state.leftTextBlock : scratch;
        std::string& rightText = keepTexts ? state.rightTextBlock : scratch;
        // The left side may take what the budget allows both, the right what the left left over.
        const uint64_t allowed = TextBytesWithin(memoryLimit);
        if (!CopySide(leftPath, leftCopyName, leftText, allowed, left, messages, times)
            || !CopySide(rightPath, rightCopyName, rightText, allowed - std::min(allowed, left.bytes), right, messages,
                         times))
            return false;
        // Read and normalised, the texts tell what the rest will hold, their
        // bytes and rows: checked before any line table is made.
        if (TextComparisonPeak(left.bytes + right.bytes, left.rows + right.rows) > memoryLimit) {
            messages.ShowMessage(kInsufficientMemory);
            return false;
        }
        if (keepTexts)
            SplitBothSides(state, left.rows, right.rows, times);
        return true;
    });
}

// Four hex digits from a varying start, like the system's own temporary names.
std::string TempFileName(unsigned value)
{
    char name[16];
    std::snprintf(name, sizeof name, "TMP%04X.tmp", value & 0xFFFFu);
    return name;
}

// Tries the names from a varying start until one can be created; false when
// the folder refuses, or every name is taken.
bool CreateTempFile(const std::filesystem::path& folder, std::string& path)
{
    const auto start = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt <= 0xFFFFu; ++attempt) {
        const std::string candidate = (folder / TempFileName(start + attempt)).string();
        const int fd = open(candidate.c_str(), kCreateFlags, kCreateMode);
        if (fd >= 0) {
            close(fd);
            path = candidate;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

}  // namespace

bool GetTempFilePath(std::string& path, MessageSink& messages)
{
    try {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
        if (!error && CreateTempFile(folder, path))
            return true;
    } catch (const std::exception&) {
        // A folder name that the narrow character set cannot hold is no usable folder.
    }
    messages.ShowMessage("Could not get temp file name");
    return false;
}

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
                   MessageSink& messages, StepTimes* times)
{
    return WithinMemory(messages, [&] {
        // Each text and its rows get room for the Filler rows the alignment
        // will add, at most one for each line the listing shows of the other
        // side, so that AlignPanes and BuildPaneTexts work in place.
        const std::size_t leftRoom = LinesShown(state.listing, '>');
        const std::size_t rightRoom = LinesShown(state.listing, '<');
        if (!ReadFileText(leftCopyName, state.leftTextBlock, messages, leftRoom)
            || !ReadFileText(rightCopyName, state.rightTextBlock, messages, rightRoom))
            return false;
        MarkStep(times, "read the copies back");
        SplitBothSides(state, SideRows(state.leftTextBlock) + leftRoom, SideRows(state.rightTextBlock) + rightRoom,
                       times);
        return true;
    });
}

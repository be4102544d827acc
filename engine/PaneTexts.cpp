#include "engine/PaneTexts.h"

#include "engine/BothSides.h"
#include "engine/FileText.h"
#include "engine/MemoryExhaustion.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// The fields of one side that building reads and converts.
struct SideBuild {
    const std::vector<PaneLine>& lines;
    std::string& textBlock;
    int32_t textSize;
    int32_t lineCount;
    int32_t lineNumberWidth;
    int32_t DiffHunk::*first;
    int32_t DiffHunk::*last;
    int32_t DiffHunk::*kind;
};

// Lays the rows out in the block itself, which becomes the pane text: a row
// is its line's bytes, or one line feed for a Filler row. The file's lines lie
// back to back in the block, so walking the rows from the last, each run of
// lines between two Filler rows moves down once, by the Filler rows above it.
// A block read with room for its Filler rows (ReadPaneTexts) is not copied.
// `textSize` is the size of the lines as the rows count it.
void SpreadRows(const std::vector<PaneLine>& lines, int32_t textSize, std::string& block, std::size_t fillers)
{
    // One byte more than the rows need: a pane that takes the text over ends
    // its last line with a line feed in place.
    block.reserve(static_cast<std::size_t>(textSize) + fillers + 1);
    block.resize(block.size() + fillers);
    char* const base = &block[0];
    std::size_t shift = fillers;  // Filler rows above the rows still to place
    std::size_t runBegin = block.size() - fillers;
    std::size_t runEnd = runBegin;
    auto moveRun = [&] {
        if (shift != 0)
            std::memmove(base + runBegin + shift, base + runBegin, runEnd - runBegin);
    };
    for (std::size_t t = lines.size(); t-- > 0;) {
        if (lines[t].state != Filler) {
            runBegin = static_cast<std::size_t>(lines[t].offset);
            continue;
        }
        moveRun();
        --shift;
        base[runBegin + shift] = '\n';
        runEnd = runBegin;
    }
    moveRun();
}

// Counts one up in decimal, in place: the digits stand right-aligned in the
// width, with spaces before them. Far cheaper than formatting a million numbers.
void CountUp(char* number, int32_t width)
{
    for (int32_t i = width - 1; i >= 0; --i) {
        if (number[i] == '9') {
            number[i] = '0';
            continue;
        }
        number[i] = number[i] == ' ' ? '1' : static_cast<char>(number[i] + 1);
        return;
    }
}

// One side's pane text and gutter text; converts that side's ranges of the
// hunks from 1-based line numbers to 0-based display rows on the way. The
// gutter numbers the lines right-aligned in the common width, each on its
// own line as the format "%%%dd\n" prints it; a Filler row is an empty line.
void BuildSide(SideBuild side, std::vector<DiffHunk>& hunks, std::string& text, std::string& gutter)
{
    const std::size_t rows = side.lines.size();
    const std::size_t lines = std::min(rows, static_cast<std::size_t>(side.lineCount));
    const std::size_t fillers = rows - lines;
    const std::size_t width = static_cast<std::size_t>(side.lineNumberWidth);
    // Counted in 64 bits: a 32-bit size_t could wrap for a billion short lines.
    if (static_cast<uint64_t>(lines) * (width + 1) + fillers > kLargestPaneText)
        throw std::bad_alloc();
    const std::size_t gutterSize = lines * (width + 1) + fillers;
    gutter.clear();
    gutter.reserve(gutterSize + 1);
    gutter.assign(gutterSize, '\n');
    char* number = gutter.data();
    std::string counter(width, ' ');
    std::size_t h = 0;
    int32_t n = 0;
    for (std::size_t t = 0; t < rows; ++t) {
        const PaneLine& line = side.lines[t];
        if (line.state == Filler) {
            ++number;
            continue;
        }
        CountUp(&counter[0], side.lineNumberWidth);
        std::memcpy(number, counter.data(), width);
        number += width + 1;
        while (h < hunks.size() && hunks[h].*side.kind == Filler)
            ++h;
        if (h < hunks.size() && hunks[h].*side.first == n + 1) {
            hunks[h].*side.last += static_cast<int32_t>(t) - hunks[h].*side.first;
            hunks[h].*side.first = static_cast<int32_t>(t);
            ++h;
        }
        ++n;
    }
    SpreadRows(side.lines, side.textSize, side.textBlock, fillers);
    text.clear();
    text.swap(side.textBlock);
    std::string().swap(side.textBlock);
    // Every row but a file's last line ends in a line feed. A side with no
    // line of its own (an empty file) has only Filler rows, and the last one's
    // line feed would give its pane one row more than the other side.
    if (side.lineCount == 0 && !text.empty())
        text.pop_back();
}

void GiveFillerSidesTheirRows(std::vector<DiffHunk>& hunks)
{
    for (DiffHunk& hunk : hunks) {
        const RowSpan left = SideRows(hunk, false);
        const RowSpan right = SideRows(hunk, true);
        hunk.leftFirst = left.first;
        hunk.leftLast = left.last;
        hunk.rightFirst = right.first;
        hunk.rightLast = right.last;
    }
}

}  // namespace

bool BuildPaneTexts(ComparisonState& state, PaneTexts& texts, MessageSink& messages)
{
    std::reverse(state.hunks.begin(), state.hunks.end());
    texts.maxLineLength = std::max(state.leftMaxLineLength, state.rightMaxLineLength);
    const SideBuild sides[2] = {
        {state.leftLines, state.leftTextBlock, state.leftTextSize, state.leftLineCount, state.lineNumberWidth,
         &DiffHunk::leftFirst, &DiffHunk::leftLast, &DiffHunk::leftKind},
        {state.rightLines, state.rightTextBlock, state.rightTextSize, state.rightLineCount, state.lineNumberWidth,
         &DiffHunk::rightFirst, &DiffHunk::rightLast, &DiffHunk::rightKind}};
    std::string* const text[2] = {&texts.leftText, &texts.rightText};
    std::string* const gutter[2] = {&texts.leftGutter, &texts.rightGutter};
    // The two sides share the hunks, but each reads and writes only its own members of them.
    const bool built = WithinMemory(messages, [&] {
        OnBothSides([&](int side) { BuildSide(sides[side], state.hunks, *text[side], *gutter[side]); });
        return true;
    });
    if (!built)
        return false;
    GiveFillerSidesTheirRows(state.hunks);
    return true;
}

#include "engine/PaneAlignment.h"

#include "engine/DisplayLoading.h"
#include "engine/ListingCommand.h"
#include "engine/MemoryExhaustion.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

// Filler rows to insert before the row that was at index `index` when the
// walk began.
struct Insertion {
    int32_t index;
    int32_t count;
};

// What the walk knows of one side. Because the listing runs from the bottom
// of the files up, each command lies above every insertion made so far, so
// its line numbers are still the original array indices: `limit` is the
// lowest index touched so far, and a command that reaches it is out of order.
struct SideWalk {
    std::vector<PaneLine>& lines;
    std::vector<Insertion> insertions;
    int32_t limit;
};

bool StartsWith(const std::string& entry, char c)
{
    return !entry.empty() && entry[0] == c;
}

// Lines first..last (1-based) lie above everything touched so far.
bool LinesFit(const SideWalk& side, int32_t first, int32_t last)
{
    return first >= 1 && last <= side.limit;
}

void MarkLines(SideWalk& side, int32_t first, int32_t last, LineState state)
{
    for (int32_t n = first; n <= last; ++n)
        side.lines[n - 1].state = state;
    side.limit = std::min(side.limit, first - 1);
}

void InsertFillers(SideWalk& side, int32_t index, int32_t count)
{
    if (count > 0)
        side.insertions.push_back(Insertion{index, count});
    side.limit = std::min(side.limit, index);
}

// Entries from `from` that begin with `mark`; returns the first index after them.
std::size_t SkipMarked(const DiffListing& listing, std::size_t from, char mark)
{
    while (from < listing.size() && StartsWith(listing[from], mark))
        ++from;
    return from;
}

std::size_t SkipToNextCommand(const DiffListing& listing, std::size_t from)
{
    while (from < listing.size() && !IsCommandEntry(listing[from]))
        ++from;
    return from;
}

// Applies one command whose entry is at `at` and sets `next` to the entry
// after its body; false when the command does not fit the files or the order.
bool ApplyCommand(const DiffListing& listing, std::size_t at, const ListingCommand& command, SideWalk& left,
                  SideWalk& right, std::size_t& next)
{
    const std::size_t body = at + 1;
    switch (command.letter) {
    case 'a': {
        next = SkipMarked(listing, body, '>');
        const int32_t added = command.rightLast - command.rightFirst + 1;
        if (command.leftFirst > left.limit || !LinesFit(right, command.rightFirst, command.rightLast)
            || static_cast<std::size_t>(added) != next - body)
            return false;
        InsertFillers(left, command.leftFirst, added);
        MarkLines(right, command.rightFirst, command.rightLast, Added);
        return true;
    }
    case 'd': {
        next = SkipMarked(listing, body, '<');
        const int32_t deleted = command.leftLast - command.leftFirst + 1;
        if (command.rightFirst > right.limit || !LinesFit(left, command.leftFirst, command.leftLast)
            || static_cast<std::size_t>(deleted) != next - body)
            return false;
        MarkLines(left, command.leftFirst, command.leftLast, Deleted);
        InsertFillers(right, command.rightFirst, deleted);
        return true;
    }
    default: {
        next = SkipToNextCommand(listing, body);
        if (!LinesFit(left, command.leftFirst, command.leftLast)
            || !LinesFit(right, command.rightFirst, command.rightLast))
            return false;
        const int32_t nl = command.leftLast - command.leftFirst;
        const int32_t nr = command.rightLast - command.rightFirst;
        MarkLines(left, command.leftFirst, command.leftLast, Changed);
        MarkLines(right, command.rightFirst, command.rightLast, Changed);
        InsertFillers(left, command.leftLast, nr - nl);
        InsertFillers(right, command.rightLast, nl - nr);
        return true;
    }
    }
}

// Inserts all recorded Filler rows in one pass, in place: the insertions were
// recorded bottom-up, so taken in that order each moves the rows below its
// index down once, by the Filler rows still to come above them. (Of two at
// the same index the later lies above, as inserting one by one would place
// it; the rows are alike.) Rows read with room for their Filler rows
// (ReadPaneTexts) are not copied.
void ApplyInsertions(SideWalk& side)
{
    if (side.insertions.empty())
        return;
    std::vector<PaneLine>& lines = side.lines;
    std::size_t end = lines.size();
    std::size_t shift = 0;
    for (const Insertion& insertion : side.insertions)
        shift += static_cast<std::size_t>(insertion.count);
    lines.resize(end + shift);
    for (const Insertion& insertion : side.insertions) {
        const auto index = lines.begin() + insertion.index;
        std::move_backward(index, lines.begin() + end, lines.begin() + end + shift);
        shift -= static_cast<std::size_t>(insertion.count);
        std::fill_n(index + shift, insertion.count, PaneLine{Filler, 0, 0});
        end = static_cast<std::size_t>(insertion.index);
    }
}

void PadWithFillers(std::vector<PaneLine>& lines, std::size_t rows)
{
    lines.resize(std::max(lines.size(), rows), PaneLine{Filler, 0, 0});
}

// Walks the listing; false at the first command that cannot be applied.
bool WalkListing(const DiffListing& listing, std::vector<DiffHunk>& hunks, SideWalk& left, SideWalk& right)
{
    std::size_t at = 0;
    while (at < listing.size()) {
        if (!IsCommandEntry(listing[at])) {
            ++at;
            continue;
        }
        ListingCommand command;
        if (!ParseListingCommand(listing[at], command))
            return false;
        std::size_t next = 0;
        if (!ApplyCommand(listing, at, command, left, right, next))
            return false;
        hunks.push_back(HunkFromCommand(command));
        at = next;
    }
    return true;
}

bool AlignRows(ComparisonState& state, MessageSink& messages)
{
    SideWalk left{state.leftLines, {}, state.leftLineCount};
    SideWalk right{state.rightLines, {}, state.rightLineCount};
    const bool understood = WalkListing(state.listing, state.hunks, left, right);
    if (!understood)
        messages.ShowMessage("Error in the patch!");
    ApplyInsertions(left);
    ApplyInsertions(right);
    const std::size_t rows = std::max(state.leftLines.size(), state.rightLines.size());
    PadWithFillers(state.leftLines, rows);
    PadWithFillers(state.rightLines, rows);
    return understood;
}

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

char StateLetter(int32_t state)
{
    static const char letters[] = "SADCF";
    return state >= Same && state <= Filler ? letters[state] : '?';
}

void AppendRows(std::string& out, char side, const std::vector<PaneLine>& lines, const std::string& text)
{
    std::size_t start = 0;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::size_t begin = std::min(start, text.size());
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        out += side;
        out += ' ' + std::to_string(row) + ' ' + StateLetter(lines[row].state) + ' ';
        out.append(text, begin, end - begin);
        out += '\n';
        start = end + 1;
    }
}

}  // namespace

bool AlignPanes(ComparisonState& state, MessageSink& messages)
{
    return WithinMemory(messages, [&] { return AlignRows(state, messages); });
}

bool BuildPaneTexts(ComparisonState& state, PaneTexts& texts, MessageSink& messages)
{
    std::reverse(state.hunks.begin(), state.hunks.end());
    texts.maxLineLength = std::max(state.leftMaxLineLength, state.rightMaxLineLength);
    const bool built = WithinMemory(messages, [&] {
        BuildSide(SideBuild{state.leftLines, state.leftTextBlock, state.leftTextSize, state.leftLineCount,
                            state.lineNumberWidth, &DiffHunk::leftFirst, &DiffHunk::leftLast, &DiffHunk::leftKind},
                  state.hunks, texts.leftText, texts.leftGutter);
        BuildSide(SideBuild{state.rightLines, state.rightTextBlock, state.rightTextSize, state.rightLineCount,
                            state.lineNumberWidth, &DiffHunk::rightFirst, &DiffHunk::rightLast, &DiffHunk::rightKind},
                  state.hunks, texts.rightText, texts.rightGutter);
        return true;
    });
    if (!built)
        return false;
    GiveFillerSidesTheirRows(state.hunks);
    return true;
}

std::string FormatRows(const ComparisonState& state, const PaneTexts& texts)
{
    std::string out;
    AppendRows(out, 'L', state.leftLines, texts.leftText);
    AppendRows(out, 'R', state.rightLines, texts.rightText);
    for (const DiffHunk& hunk : state.hunks) {
        out += "H " + std::to_string(hunk.leftFirst) + ' ' + std::to_string(hunk.leftLast) + ' '
               + std::to_string(hunk.rightFirst) + ' ' + std::to_string(hunk.rightLast) + ' '
               + StateLetter(hunk.leftKind) + ' ' + StateLetter(hunk.rightKind) + '\n';
    }
    return out;
}

#include "engine/PaneAlignment.h"

#include "engine/ListingCommand.h"
#include "engine/MemoryExhaustion.h"

#include <algorithm>

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

}  // namespace

bool AlignPanes(ComparisonState& state, MessageSink& messages)
{
    return WithinMemory(messages, [&] { return AlignRows(state, messages); });
}

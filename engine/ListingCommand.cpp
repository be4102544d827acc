#include "engine/ListingCommand.h"

#include <algorithm>
#include <limits>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Line numbers stay below half the int32 range, so the hunk arithmetic
// (first + 1 + length of the other side) cannot overflow.
constexpr int64_t kLargestLineNumber = std::numeric_limits<int32_t>::max() / 2;

// Reads the decimal number at entry[pos]; false when there is none or it
// is too large to be a line number.
bool ReadNumber(const std::string& entry, std::size_t& pos, int32_t& value)
{
    if (pos >= entry.size() || !IsDigit(entry[pos]))
        return false;
    int64_t number = 0;
    while (pos < entry.size() && IsDigit(entry[pos])) {
        number = number * 10 + (entry[pos] - '0');
        if (number > kLargestLineNumber)
            return false;
        ++pos;
    }
    value = static_cast<int32_t>(number);
    return true;
}

// Reads "N" or "N,N" into first and last.
bool ReadRange(const std::string& entry, std::size_t& pos, int32_t& first, int32_t& last, bool& isRange)
{
    if (!ReadNumber(entry, pos, first))
        return false;
    isRange = pos < entry.size() && entry[pos] == ',';
    if (!isRange) {
        last = first;
        return true;
    }
    ++pos;
    return ReadNumber(entry, pos, last) && last >= first;
}

// An addition names no left lines and a deletion no right lines: that side is
// a single number, the line before the insertion point, which may be 0. Any
// side that names lines starts at line 1 or later.
bool SidesAgreeWithLetter(const ListingCommand& command, bool leftIsRange, bool rightIsRange)
{
    switch (command.letter) {
    case 'a': return !leftIsRange && command.rightFirst >= 1;
    case 'd': return !rightIsRange && command.leftFirst >= 1;
    default: return command.leftFirst >= 1 && command.rightFirst >= 1;
    }
}

}  // namespace

bool IsCommandEntry(const std::string& entry)
{
    return !entry.empty() && IsDigit(entry[0]);
}

bool ParseListingCommand(const std::string& entry, ListingCommand& command)
{
    ListingCommand parsed;
    std::size_t pos = 0;
    bool leftIsRange = false;
    bool rightIsRange = false;
    if (!ReadRange(entry, pos, parsed.leftFirst, parsed.leftLast, leftIsRange))
        return false;
    if (pos >= entry.size())
        return false;
    parsed.letter = entry[pos++];
    if (parsed.letter != 'a' && parsed.letter != 'd' && parsed.letter != 'c')
        return false;
    if (!ReadRange(entry, pos, parsed.rightFirst, parsed.rightLast, rightIsRange))
        return false;
    if (pos < entry.size() && entry[pos] == '\n')
        ++pos;
    if (pos != entry.size())
        return false;
    if (!SidesAgreeWithLetter(parsed, leftIsRange, rightIsRange))
        return false;
    command = parsed;
    return true;
}

DiffHunk HunkFromCommand(const ListingCommand& command)
{
    DiffHunk hunk;
    switch (command.letter) {
    case 'a':
        hunk.leftFirst = command.leftFirst + 1;
        hunk.leftLast = command.leftFirst + 1 + (command.rightLast - command.rightFirst);
        hunk.rightFirst = command.rightFirst;
        hunk.rightLast = command.rightLast;
        hunk.leftKind = Filler;
        hunk.rightKind = Added;
        break;
    case 'd':
        hunk.leftFirst = command.leftFirst;
        hunk.leftLast = command.leftLast;
        hunk.rightFirst = command.rightFirst + 1;
        hunk.rightLast = command.rightFirst + 1 + (command.leftLast - command.leftFirst);
        hunk.leftKind = Deleted;
        hunk.rightKind = Filler;
        break;
    default: {
        const int32_t rows = std::max(command.leftLast - command.leftFirst, command.rightLast - command.rightFirst);
        hunk.leftFirst = command.leftFirst;
        hunk.leftLast = command.leftFirst + rows;
        hunk.rightFirst = command.rightFirst;
        hunk.rightLast = command.rightFirst + rows;
        hunk.leftKind = Changed;
        hunk.rightKind = Changed;
        break;
    }
    }
    return hunk;
}

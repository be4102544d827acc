#include "engine/UnifiedDiff.h"

#include "engine/FileText.h"
#include "engine/ListingCommand.h"
#include "engine/ListingOrder.h"
#include "engine/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Lines of context around each change; changes at most twice that many
// lines apart share a hunk, since their contexts would meet.
constexpr int32_t kContext = 3;

// One change on 0-based lines: leftCount left lines from `left` become
// rightCount right lines from `right`.
struct Change {
    int32_t left = 0;
    int32_t leftCount = 0;
    int32_t right = 0;
    int32_t rightCount = 0;

    int32_t LeftEnd() const { return left + leftCount; }
    int32_t RightEnd() const { return right + rightCount; }
};

Change ChangeFromCommand(const ListingCommand& command)
{
    Change change;
    // An empty side names the line before the insertion or deletion point,
    // which is the 0-based index of the line after it.
    if (command.letter == 'a')
        change.left = command.leftFirst;
    else
        change = Change{command.leftFirst - 1, command.leftLast - command.leftFirst + 1, 0, 0};
    if (command.letter == 'd') {
        change.right = command.rightFirst;
    } else {
        change.right = command.rightFirst - 1;
        change.rightCount = command.rightLast - command.rightFirst + 1;
    }
    return change;
}

// The listing's changes in file order; false when a command is malformed or
// they do not fit the files: out of order, beyond their ends, or with
// different numbers of matched lines between them on the two sides.
bool ChangesOfListing(const DiffListing& listing, int32_t leftLines, int32_t rightLines, std::vector<Change>& changes)
{
    bool fits = true;
    Change previous;
    ForEachEntryInFileOrder(listing, [&](const std::string& entry) {
        ListingCommand command;
        if (!fits || !IsCommandEntry(entry))
            return;
        if (!ParseListingCommand(entry, command)) {
            fits = false;
            return;
        }
        const Change change = ChangeFromCommand(command);
        fits = change.left >= previous.LeftEnd() && change.right >= previous.RightEnd()
               && change.left - previous.LeftEnd() == change.right - previous.RightEnd()
               && change.LeftEnd() <= leftLines && change.RightEnd() <= rightLines;
        changes.push_back(change);
        previous = change;
    });
    return fits;
}

std::string LineOf(const PatchLines& lines, int32_t i)
{
    return lines.text.substr(lines.lineStart[i], lines.lineStart[i + 1] - lines.lineStart[i]);
}

// Adds a change, joined to the one before when nothing lies between them.
void AddChange(std::vector<Change>& changes, const Change& change)
{
    if (!changes.empty() && changes.back().LeftEnd() == change.left && changes.back().RightEnd() == change.right) {
        changes.back().leftCount += change.leftCount;
        changes.back().rightCount += change.rightCount;
        return;
    }
    changes.push_back(change);
}

// The matched lines from (left, right) on, `count` pairs: in an exact patch
// a pair whose own bytes differ is a change of its own.
void AddMatchedRun(const PatchLines& leftLines, const PatchLines& rightLines, int32_t left, int32_t right,
                   int32_t count, bool exact, std::vector<Change>& changes)
{
    if (!exact)
        return;
    for (int32_t k = 0; k < count; ++k) {
        const bool lastDiffers = (left + k == leftLines.Count() - 1 && leftLines.lastLineUnended)
                                 != (right + k == rightLines.Count() - 1 && rightLines.lastLineUnended);
        if (lastDiffers || LineOf(leftLines, left + k) != LineOf(rightLines, right + k))
            AddChange(changes, Change{left + k, 1, right + k, 1});
    }
}

// The listing's changes and, between and after them, the matched lines that
// differ in an exact patch; lines one file has beyond the other's end, after
// the last change, are a change too.
std::vector<Change> PatchChanges(const std::vector<Change>& script, const PatchLines& left, const PatchLines& right,
                                 bool exact)
{
    std::vector<Change> changes;
    Change previous;
    for (const Change& change : script) {
        AddMatchedRun(left, right, previous.LeftEnd(), previous.RightEnd(), change.left - previous.LeftEnd(), exact,
                      changes);
        AddChange(changes, change);
        previous = change;
    }
    const int32_t leftRest = left.Count() - previous.LeftEnd();
    const int32_t rightRest = right.Count() - previous.RightEnd();
    const int32_t paired = std::min(leftRest, rightRest);
    AddMatchedRun(left, right, previous.LeftEnd(), previous.RightEnd(), paired, exact, changes);
    if (leftRest != rightRest)
        AddChange(changes, Change{previous.LeftEnd() + paired, leftRest - paired, previous.RightEnd() + paired,
                                  rightRest - paired});
    return changes;
}

// A hunk range as `diff -u` writes it: "first,count", only "first" for one
// line, and "line before,0" for none.
std::string RangeText(int32_t start, int32_t count)
{
    if (count == 1)
        return std::to_string(start + 1);
    return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}

void AppendLine(std::string& patch, char mark, const PatchLines& lines, int32_t i)
{
    patch += mark;
    patch.append(lines.text, lines.lineStart[i], lines.lineStart[i + 1] - lines.lineStart[i]);
    if (i == lines.Count() - 1 && lines.lastLineUnended)
        patch += "\n\\ No newline at end of file\n";
}

// One hunk: the changes [first, last] with the context before and after them.
void AppendHunk(std::string& patch, const std::vector<Change>& changes, size_t first, size_t last, int32_t before,
                int32_t after, const PatchLines& left, const PatchLines& right)
{
    const Change& head = changes[first];
    const Change& tail = changes[last];
    const int32_t leftStart = head.left - before;
    const int32_t rightStart = head.right - before;
    patch += "@@ -" + RangeText(leftStart, tail.LeftEnd() + after - leftStart) + " +"
             + RangeText(rightStart, tail.RightEnd() + after - rightStart) + " @@\n";
    int32_t at = leftStart;
    for (size_t k = first; k <= last; ++k) {
        const Change& change = changes[k];
        for (; at < change.left; ++at)
            AppendLine(patch, ' ', left, at);
        for (int32_t i = change.left; i < change.LeftEnd(); ++i)
            AppendLine(patch, '-', left, i);
        for (int32_t i = change.right; i < change.RightEnd(); ++i)
            AppendLine(patch, '+', right, i);
        at = change.LeftEnd();
    }
    for (; at < tail.LeftEnd() + after; ++at)
        AppendLine(patch, ' ', left, at);
}

std::string HeaderLine(const char* marks, const PatchSide& side)
{
    return marks + side.name + "\t" + PatchTimeText(side.stamp) + "\n";
}

// Days from 1970-01-01 to the civil date, and back: the proleptic Gregorian
// calendar in eras of 400 years, which every build computes alike.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilTime {
    int64_t year;
    int month, day, hour, minute, second;
};

CivilTime CivilFromSeconds(int64_t seconds)
{
    const int64_t days = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
    const int64_t inDay = seconds - days * 86400;
    const int64_t shifted = days + 719468;
    const int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const int64_t dayOfEra = shifted - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return CivilTime{yearOfEra + era * 400 + (month <= 2),
                     month,
                     static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1),
                     static_cast<int>(inDay / 3600),
                     static_cast<int>(inDay / 60 % 60),
                     static_cast<int>(inDay % 60)};
}

int64_t SecondsOf(const std::tm& time)
{
    return DaysFromCivil(time.tm_year + 1900, time.tm_mon + 1, time.tm_mday) * 86400 + time.tm_hour * 3600
           + time.tm_min * 60 + time.tm_sec;
}

// How far local time is ahead of UTC at that moment; 0 where the system
// cannot tell (a time before 1970 on some systems).
int64_t LocalOffsetSeconds(int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    std::tm utc{};
#ifdef _WIN32
    if (localtime_s(&local, &time) != 0 || gmtime_s(&utc, &time) != 0)
        return 0;
#else
    if (!localtime_r(&time, &local) || !gmtime_r(&time, &utc))
        return 0;
#endif
    return SecondsOf(local) - SecondsOf(utc);
}

}  // namespace

PatchLines SplitPatchLines(std::string content)
{
    PatchLines lines;
    const ByteOrderMark mark = DetectByteOrderMark(content.data(), content.size());
    if (mark == ByteOrderMark::Utf16LittleEndian || mark == ByteOrderMark::Utf16BigEndian)
        DecodeFileContent(content);
    lines.lastLineUnended = !content.empty() && content.back() != '\n' && content.back() != '\r';
    NormaliseText(content);
    if (lines.lastLineUnended)
        content.pop_back();
    lines.lineStart.push_back(0);
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n')
            lines.lineStart.push_back(i + 1);
    }
    if (lines.lastLineUnended)
        lines.lineStart.push_back(content.size());
    lines.text = std::move(content);
    return lines;
}

bool ReadPatchLines(const std::string& path, PatchLines& lines, MessageSink& messages)
{
    std::string content;
    if (!ReadFileText(path, content, messages))
        return false;
    lines = SplitPatchLines(std::move(content));
    return true;
}

std::string PatchTimeText(const FileStamp& stamp)
{
    const int64_t offset = LocalOffsetSeconds(stamp.seconds);
    const CivilTime local = CivilFromSeconds(stamp.seconds + offset);
    const int64_t offsetMinutes = (offset < 0 ? -offset : offset) / 60;
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02d-%02d %02d:%02d:%02d.%09d %c%02lld%02lld",
                  static_cast<long long>(local.year), local.month, local.day, local.hour, local.minute, local.second,
                  static_cast<int>(stamp.nanoseconds), offset < 0 ? '-' : '+',
                  static_cast<long long>(offsetMinutes / 60), static_cast<long long>(offsetMinutes % 60));
    return text;
}

bool WriteUnifiedDiff(const DiffListing& listing, const PatchLines& left, const PatchLines& right,
                      const PatchRequest& request, std::string& patch)
{
    patch.clear();
    std::vector<Change> script;
    if (!ChangesOfListing(listing, left.Count(), right.Count(), script))
        return false;
    const std::vector<Change> changes = PatchChanges(script, left, right, request.exact);
    if (changes.empty())
        return true;
    patch = HeaderLine("--- ", request.left) + HeaderLine("+++ ", request.right);
    int32_t previousEnd = 0;
    for (size_t first = 0; first < changes.size();) {
        size_t last = first;
        while (last + 1 < changes.size() && changes[last + 1].left - changes[last].LeftEnd() <= 2 * kContext)
            ++last;
        const int32_t nextStart = last + 1 < changes.size() ? changes[last + 1].left : left.Count();
        const int32_t before = std::min(kContext, changes[first].left - previousEnd);
        const int32_t after = std::min(kContext, nextStart - changes[last].LeftEnd());
        AppendHunk(patch, changes, first, last, before, after, left, right);
        previousEnd = changes[last].LeftEnd();
        first = last + 1;
    }
    return true;
}

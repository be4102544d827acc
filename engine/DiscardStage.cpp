#include "engine/DiscardStage.h"

// Marks: 0 keep, 1 set aside (the class does not occur in the other file),
// 2 provisionally set aside (the class occurs too often there). A
// provisional mark survives only inside a run that is mostly definite, and
// not at the run's edges, so that common lines between unmatched ones go to
// the search where they can still match.

namespace {

enum Mark : uint8_t { Keep = 0, Discard = 1, Provisional = 2 };

// The values below are fixed, not tuned per run: which lines are set aside
// decides which of several valid listings is written, and the listings the
// program has always written (and its tests expect) come from these values.
//
// The thresholds grow with the square root of a length: a step of four in
// the length doubles them. Lines that are common in a short file are common
// by chance; in a long one only those far above the rest (blank lines,
// braces) flood the search with equal pairs.
constexpr int32_t kSquareRootStep = 4;

// Below this many lines a file is short: any class seen more than
// kShortFileThreshold times in the other file is already confusing.
constexpr int32_t kShortFileLines = 256;
constexpr int32_t kShortFileThreshold = 5;
// The threshold of a file just past short; it doubles from there.
constexpr int32_t kLongFileThreshold = 10;

// A run of unmatched lines in which more than one line in four is only
// provisionally set aside holds too many common lines to be set aside as a
// block: they all go back to the search, where they may still match.
constexpr int32_t kProvisionalShareDivisor = 4;

// Runs shorter than this keep the smallest sub-run limit; from here on the
// limit grows like the other thresholds.
constexpr int32_t kShortRunLines = 16;

// A run's edges lie next to matched lines, where a common line most likely
// belongs to the match: provisional marks there are given back until
// kDefiniteEdge definite marks in a row show the run has truly begun, or a
// definite mark is met kEdgeReach lines in.
constexpr int32_t kDefiniteEdge = 3;
constexpr int32_t kEdgeReach = 8;

std::vector<int32_t> CountClasses(const EngineFile& file, int32_t classCount)
{
    std::vector<int32_t> counts(static_cast<size_t>(classCount), 0);
    for (int32_t c : file.equivs)
        ++counts[c];
    return counts;
}

std::vector<uint8_t> InitialMarks(const EngineFile& file, const std::vector<int32_t>& otherCounts)
{
    int32_t many = ConfusionThreshold(file.bufferedLines);
    std::vector<uint8_t> marks(file.equivs.size(), Keep);
    for (size_t i = 0; i < marks.size(); ++i) {
        int32_t m = otherCounts[file.equivs[i]];
        if (m == 0)
            marks[i] = Discard;
        else if (m > many)
            marks[i] = Provisional;
    }
    return marks;
}

// Fewest consecutive provisional lines in a run of the given length that
// are always given back to the search.
int32_t SubRunMinimum(int32_t length)
{
    int32_t s = 1;
    int32_t t = length / kShortRunLines;
    if (t > 0) {
        s = 2;
        while (t >= kSquareRootStep) {
            t /= kSquareRootStep;
            s *= 2;
        }
    }
    return 1 + s;
}

// Clears every sub-run of `minimum` or more consecutive provisional marks
// within [begin, end).
void ClearLongProvisionalRuns(uint8_t* marks, int32_t begin, int32_t end, int32_t minimum)
{
    int32_t consecutive = 0;
    for (int32_t k = begin; k < end; ++k) {
        if (marks[k] != Provisional) {
            consecutive = 0;
            continue;
        }
        ++consecutive;
        if (consecutive == minimum)
            k -= minimum;  // back to the sub-run's start, which the loop now clears
        else if (consecutive > minimum)
            marks[k] = Keep;
    }
}

// Walks in from one edge of the run (step +1 from its first line, -1 from
// its last): provisional marks near the edge are cleared until
// kDefiniteEdge definite marks in a row are met, or a definite mark
// kEdgeReach lines in.
void ClearProvisionalEdge(uint8_t* marks, int32_t first, int32_t length, int32_t step)
{
    int32_t consecutive = 0;
    for (int32_t k = 0; k < length; ++k) {
        uint8_t& mark = marks[first + step * k];
        if (k >= kEdgeReach && mark == Discard)
            break;
        if (mark == Provisional) {
            mark = Keep;
            consecutive = 0;
        } else if (mark == Keep) {
            consecutive = 0;
        } else if (++consecutive == kDefiniteEdge) {
            break;
        }
    }
}

void SettleProvisionalMarks(std::vector<uint8_t>& markVector)
{
    uint8_t* marks = markVector.data();
    int32_t n = static_cast<int32_t>(markVector.size());
    int32_t i = 0;
    while (i < n) {
        if (marks[i] != Discard) {
            marks[i] = Keep;
            ++i;
            continue;
        }
        int32_t j = i + 1;
        int32_t provisional = 0;
        for (; j < n && marks[j] != Keep; ++j) {
            if (marks[j] == Provisional)
                ++provisional;
        }
        while (marks[j - 1] == Provisional) {
            marks[--j] = Keep;
            --provisional;
        }
        int32_t length = j - i;
        if (kProvisionalShareDivisor * provisional > length) {
            for (int32_t k = i; k < j; ++k) {
                if (marks[k] == Provisional)
                    marks[k] = Keep;
            }
            ++i;
            continue;
        }
        ClearLongProvisionalRuns(marks, i, j, SubRunMinimum(length));
        ClearProvisionalEdge(marks, i, length, 1);
        ClearProvisionalEdge(marks, j - 1, length, -1);
        i = j;
    }
}

void ApplyMarks(EngineFile& file, const std::vector<uint8_t>& marks, KeptLines& kept)
{
    kept.classes.clear();
    kept.realIndex.clear();
    kept.classes.reserve(file.equivs.size());
    kept.realIndex.reserve(file.equivs.size());
    for (int32_t i = 0; i < file.bufferedLines; ++i) {
        if (marks[i] != Keep) {
            file.changed[i + 1] = 1;
        } else {
            kept.classes.push_back(file.equivs[i]);
            kept.realIndex.push_back(i);
        }
    }
}

}  // namespace

int32_t ConfusionThreshold(int32_t n)
{
    if (n < kShortFileLines)
        return kShortFileThreshold;
    int32_t t = n / kShortFileLines;
    int32_t many = kLongFileThreshold;
    while (t >= kSquareRootStep) {
        t /= kSquareRootStep;
        many *= 2;
    }
    return many;
}

void DiscardConfusingLines(EngineFile& left, EngineFile& right, int32_t classCount, KeptLines kept[2])
{
    std::vector<uint8_t> marks[2];
    {
        std::vector<int32_t> leftCounts = CountClasses(left, classCount);
        std::vector<int32_t> rightCounts = CountClasses(right, classCount);
        marks[0] = InitialMarks(left, rightCounts);
        marks[1] = InitialMarks(right, leftCounts);
    }
    SettleProvisionalMarks(marks[0]);
    SettleProvisionalMarks(marks[1]);
    ApplyMarks(left, marks[0], kept[0]);
    ApplyMarks(right, marks[1], kept[1]);
}

#include "engine/InlineDiff.h"

#include "engine/LineCharacters.h"
#include "engine/TokenAlignment.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

namespace {

// Bytes of both rows, between their common start and end, that are cut into
// tokens and aligned at most: a few milliseconds of work. A longer pair (a
// minified file, a log's one huge line) is marked from its first difference
// to its last in one pass, so that opening it costs no more than that pass.
constexpr size_t kMaxAlignedBytes = 1 << 20;
// Differences, in tokens, the alignment looks for at most: its fronts cost
// the square of that in integers (4 MB).
constexpr int32_t kMaxCost = 1000;
// Work of the alignment: a fixed part that keeps any pair of ordinary rows
// within about a millisecond, and a few steps a token, so that a long row
// with few changes is still aligned in time proportional to its length.
constexpr uint64_t kFixedWork = 1'000'000;
constexpr uint64_t kWorkPerToken = 4;
// An equal stretch shorter than this between two marked ones is marked too,
// so that the marks read as a few solid pieces.
constexpr size_t kShortestEqualStretch = 3;

struct Token {
    uint32_t start;
    uint32_t end;
    uint32_t hash;
};

// A place in each text.
struct Cut {
    size_t left;
    size_t right;
};

// A pair of differing stretches, [leftStart, leftEnd) against [rightStart, rightEnd).
struct Segment {
    size_t leftStart;
    size_t leftEnd;
    size_t rightStart;
    size_t rightEnd;
};

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Equal bytes are equal characters under any rules, so the walks below first
// pass the bytes both sides share, fast, and stop at a byte that starts a
// character on both sides (any byte but a continuation byte does).
size_t EqualBytesForward(const LineCharacters& a, const LineCharacters& b, Cut from, Cut to)
{
    const char* x = a.Text().data() + from.left;
    const char* y = b.Text().data() + from.right;
    const size_t most = std::min(to.left - from.left, to.right - from.right);
    size_t n = 0;
    while (n < most && x[n] == y[n])
        ++n;
    while (
        n > 0
        && ((n < to.left - from.left && IsContinuation(x[n])) || (n < to.right - from.right && IsContinuation(y[n]))))
        --n;
    return n;
}

size_t EqualBytesBackward(const LineCharacters& a, const LineCharacters& b, Cut from, Cut to)
{
    const char* x = a.Text().data() + to.left;
    const char* y = b.Text().data() + to.right;
    const size_t most = std::min(to.left - from.left, to.right - from.right);
    size_t n = 0;
    while (n < most && x[-1 - static_cast<ptrdiff_t>(n)] == y[-1 - static_cast<ptrdiff_t>(n)])
        ++n;
    while (n > 0 && IsContinuation(x[-static_cast<ptrdiff_t>(n)]))
        --n;
    return n;
}

// Where the two texts, walked forward from `from` up to `to`, first hold
// characters that differ under the rules (skipped blanks passed).
Cut CommonStart(const LineCharacters& a, const LineCharacters& b, Cut from, Cut to)
{
    const size_t sameBytes = EqualBytesForward(a, b, from, to);
    size_t i = from.left + sameBytes;
    size_t j = from.right + sameBytes;
    for (;;) {
        LineCharacter ca, cb;
        while (i < to.left && a.Skipped(ca = a.At(i)))
            i += ca.length;
        while (j < to.right && b.Skipped(cb = b.At(j)))
            j += cb.length;
        if (i == to.left || j == to.right || ca.unit != cb.unit)
            return {i, j};
        i += ca.length;
        j += cb.length;
    }
}

// The same walked backward from `to` down to `from`.
Cut CommonEnd(const LineCharacters& a, const LineCharacters& b, Cut from, Cut to)
{
    const size_t sameBytes = EqualBytesBackward(a, b, from, to);
    size_t i = to.left - sameBytes;
    size_t j = to.right - sameBytes;
    for (;;) {
        LineCharacter ca, cb;
        size_t pi = i, pj = j;
        while (i > from.left && a.Skipped(ca = a.At(pi = a.Previous(i))))
            i = pi;
        while (j > from.right && b.Skipped(cb = b.At(pj = b.Previous(j))))
            j = pj;
        if (i == from.left || j == from.right || ca.unit != cb.unit)
            return {i, j};
        i = pi;
        j = pj;
    }
}

uint32_t MixUnit(uint32_t hash, uint32_t unit)
{
    return (hash ^ unit) * 0x01000193u;
}

// The tokens of [from, to) with a hash of their units; blanks left out under
// ignore blanks.
std::vector<Token> Tokenize(const LineCharacters& line, size_t from, size_t to)
{
    std::vector<Token> tokens;
    // Room for the most there can be, so that a long row's tokens are not
    // copied as the vector grows.
    tokens.reserve(to - from);
    size_t position = from;
    while (position < to) {
        const LineCharacter first = line.At(position);
        uint32_t hash = MixUnit(0x811C9DC5u, first.unit);
        size_t end = position + first.length;
        while (first.kind != CharacterKind::Other && end < to) {
            const LineCharacter next = line.At(end);
            if (next.kind != first.kind)
                break;
            hash = MixUnit(hash, next.unit);
            end += next.length;
        }
        if (!line.Skipped(first))
            tokens.push_back({static_cast<uint32_t>(position), static_cast<uint32_t>(end), hash});
        position = end;
    }
    return tokens;
}

bool TokensEqual(const LineCharacters& a, const Token& x, const LineCharacters& b, const Token& y)
{
    if (x.hash != y.hash)
        return false;
    const size_t lengthX = x.end - x.start;
    if (lengthX == y.end - y.start && std::memcmp(a.Text().data() + x.start, b.Text().data() + y.start, lengthX) == 0)
        return true;
    if (!a.Rules().ignoreCase)
        return false;
    size_t i = x.start, j = y.start;
    while (i < x.end && j < y.end) {
        const LineCharacter ca = a.At(i), cb = b.At(j);
        if (ca.unit != cb.unit)
            return false;
        i += ca.length;
        j += cb.length;
    }
    return i == x.end && j == y.end;
}

// The differing stretches between aligned tokens, each trimmed of the
// characters both sides start and end with.
void AddSegment(const LineCharacters& a, const LineCharacters& b, Segment s, std::vector<Segment>& segments)
{
    if (s.leftStart < s.leftEnd && s.rightStart < s.rightEnd) {
        const Cut start = CommonStart(a, b, {s.leftStart, s.rightStart}, {s.leftEnd, s.rightEnd});
        const Cut end = CommonEnd(a, b, start, {s.leftEnd, s.rightEnd});
        s = {start.left, end.left, start.right, end.right};
    }
    if (s.leftStart < s.leftEnd || s.rightStart < s.rightEnd)
        segments.push_back(s);
}

// The segments of a minimal token alignment of [from, to) of both texts;
// false when the bytes or the work exceed the budget.
bool AlignedSegments(const LineCharacters& a, const LineCharacters& b, Cut from, Cut to, std::vector<Segment>& segments)
{
    if ((to.left - from.left) + (to.right - from.right) > kMaxAlignedBytes)
        return false;
    const std::vector<Token> x = Tokenize(a, from.left, to.left);
    const std::vector<Token> y = Tokenize(b, from.right, to.right);
    TokenAlignment alignment(x.size(), y.size(), [&](size_t i, size_t j) { return TokensEqual(a, x[i], b, y[j]); });
    std::vector<TokenAlignment::EqualRun> runs;
    if (!alignment.Run({kMaxCost, kFixedWork + kWorkPerToken * (x.size() + y.size())}, runs))
        return false;
    // An empty run past both ends closes the last segment.
    runs.push_back({static_cast<int32_t>(x.size()), static_cast<int32_t>(y.size()), 0});
    size_t i = 0, j = 0;  // the first tokens after the last run
    Cut after = from;  // the end of the last run's tokens
    for (const TokenAlignment::EqualRun& run : runs) {
        const auto ri = static_cast<size_t>(run.left), rj = static_cast<size_t>(run.right);
        if (i < ri || j < rj) {
            AddSegment(a, b,
                       {i < ri ? x[i].start : after.left, i < ri ? x[ri - 1].end : after.left,
                        j < rj ? y[j].start : after.right, j < rj ? y[rj - 1].end : after.right},
                       segments);
        }
        i = ri + static_cast<size_t>(run.length);
        j = rj + static_cast<size_t>(run.length);
        if (run.length > 0)
            after = {x[i - 1].end, y[j - 1].end};
    }
    return true;
}

size_t Characters(const LineCharacters& line, size_t from, size_t to)
{
    return CountCharacters(line.Text().substr(from, to - from));
}

// Joins two segments whose equal stretch between them is shorter than kShortestEqualStretch.
std::vector<Segment> JoinCloseSegments(const LineCharacters& a, const LineCharacters& b,
                                       const std::vector<Segment>& segments)
{
    std::vector<Segment> joined;
    for (const Segment& s : segments) {
        if (!joined.empty()) {
            Segment& last = joined.back();
            const size_t gap =
                std::max(Characters(a, last.leftEnd, s.leftStart), Characters(b, last.rightEnd, s.rightStart));
            if (gap < kShortestEqualStretch) {
                last.leftEnd = s.leftEnd;
                last.rightEnd = s.rightEnd;
                continue;
            }
        }
        joined.push_back(s);
    }
    return joined;
}

void AddRange(std::vector<ByteRange>& ranges, size_t start, size_t end)
{
    if (start == end)
        return;
    if (!ranges.empty() && ranges.back().end == static_cast<int32_t>(start))
        ranges.back().end = static_cast<int32_t>(end);
    else
        ranges.push_back({static_cast<int32_t>(start), static_cast<int32_t>(end)});
}

// The marks of the segments, or of both texts whole when less than a third
// of their characters lies outside the marks.
InlineMarks MarksOf(const LineCharacters& a, const LineCharacters& b, const std::vector<Segment>& segments)
{
    size_t marked = 0;
    for (const Segment& s : segments)
        marked += Characters(a, s.leftStart, s.leftEnd) + Characters(b, s.rightStart, s.rightEnd);
    // A text has at least a quarter as many characters as bytes: when the
    // marks are few, the characters need no counting.
    const bool few = 3 * marked <= (a.Size() + b.Size()) / 2;
    const size_t total = few ? 0 : Characters(a, 0, a.Size()) + Characters(b, 0, b.Size());
    InlineMarks marks;
    if (!few && 3 * (total - marked) < total) {
        AddRange(marks.left, 0, a.Size());
        AddRange(marks.right, 0, b.Size());
        return marks;
    }
    for (const Segment& s : segments) {
        AddRange(marks.left, s.leftStart, s.leftEnd);
        AddRange(marks.right, s.rightStart, s.rightEnd);
    }
    return marks;
}

}  // namespace

InlineMarks FindInlineDifferences(std::string_view left, std::string_view right, const LineRules& rules)
{
    const LineCharacters a(left, rules), b(right, rules);
    const Cut start = CommonStart(a, b, {0, 0}, {a.Size(), b.Size()});
    const Cut end = CommonEnd(a, b, start, {a.Size(), b.Size()});
    if (start.left == end.left && start.right == end.right)
        return {};
    // The alignment starts and ends at whole tokens: the token holding the
    // last common leading character, and the one holding the first common
    // trailing character. Both sides go back over the same characters, except
    // under ignore blanks, where the blanks passed on each side may differ:
    // then the alignment takes the whole rows.
    Cut from{0, 0};
    Cut to{a.Size(), b.Size()};
    if (!rules.ignoreBlanks) {
        from = {start.left > 0 ? a.TokenStart(start.left) : 0, start.right > 0 ? b.TokenStart(start.right) : 0};
        to = {end.left < a.Size() ? a.TokenEnd(end.left) : a.Size(),
              end.right < b.Size() ? b.TokenEnd(end.right) : b.Size()};
    }
    std::vector<Segment> segments;
    bool aligned = false;
    try {
        aligned = AlignedSegments(a, b, from, to, segments);
    } catch (const std::bad_alloc&) {
        aligned = false;
    }
    if (!aligned)
        segments.assign(1, Segment{start.left, end.left, start.right, end.right});
    return MarksOf(a, b, JoinCloseSegments(a, b, segments));
}

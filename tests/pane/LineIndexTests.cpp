// The pane's marks along long lines: a 10-million-character line answers every column question as a short line does, and marks never outlive the text or the font they were made for.
#include "PaneHarness.h"
#include "pane/LineIndex.h"
#include "pane/PaneMetrics.h"
#include "pane/PaneText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kTab = 28;  // tab stops of the metrics below, past the platform's stops too

// ASCII 7 px with 'i' 3 px and 'm' 11 px; é 9 px, 中 14 px, any other character 10 px.
void SetUpMetrics(PaneMetrics& metrics, TextKind kind)
{
    std::vector<int> widths(96, 7);
    widths['i' - 32] = 3;
    widths['m' - 32] = 11;
    metrics.SetFont(16, 7, 32, widths);
    metrics.SetTabSize(4);
    metrics.SetDefaultTabWidth(kTab);
    metrics.SetCharacterMeasure([](uint32_t character) {
        return PaneMetrics::Measured{character == 0xE9 ? 9 : character == 0x4E2D ? 14 : 10, false};
    });
    metrics.SetTextKind(kind);
}

// A long line: `units` copies of a unit narrower than a tab stop and ending
// in a tab, so that the prefix ends exactly on a stop, then a short tail.
struct LongLineCase {
    const char* name;
    std::string unit;
    int unitCharacters;
    std::string tail;
    TextKind kind;
};

const std::vector<LongLineCase> kLongLines = {
    {"ASCII", "mi\t", 3, "x\tmi m\tim", TextKind::Ascii},
    {"UTF-8", "a\xC3\xA9\t", 3, "\xE4\xB8\xAD\tx\xC3\xA9m\t\xE4\xB8\xAD", TextKind::Utf8},
    {"Windows-1252", "a\xE9\t", 3, "caf\xE9\tm\x80i", TextKind::Legacy},
};

constexpr int kUnits = 3'400'000;  // over 10 million characters in each case

struct LongLine {
    PaneText text;
    PaneMetrics metrics;
    int prefixBytes = 0;
    int prefixCharacters = 0;
    int prefixWidth = 0;
};

void Make(const LongLineCase& c, LongLine& line)
{
    std::string bytes;
    bytes.reserve(c.unit.size() * kUnits + c.tail.size());
    for (int i = 0; i < kUnits; ++i)
        bytes += c.unit;
    line.prefixBytes = static_cast<int>(bytes.size());
    line.prefixCharacters = c.unitCharacters * kUnits;
    line.prefixWidth = kTab * kUnits;
    bytes += c.tail;
    line.text.SetText(std::move(bytes));
    SetUpMetrics(line.metrics, line.text.Kind());
}

TEST(LineIndexLongLine, EveryColumnOfTheTailAsOnAShortLineAndTheMarksOnTheirStops)
{
    for (const LongLineCase& c : kLongLines) {
        SCOPED_TRACE(c.name);
        LongLine line;
        Make(c, line);
        ASSERT_EQ(line.text.Kind(), c.kind);
        ASSERT_GE(line.prefixCharacters, 10'000'000);
        const LineIndex index(line.text, line.metrics);
        PaneText shortText;
        shortText.SetText(c.tail.data(), static_cast<int32_t>(c.tail.size()));
        const char* tail = c.tail.data();
        const int tailLength = static_cast<int>(c.tail.size());
        const int tailWidth = line.metrics.ColumnOffset(tail, tailLength, tailLength);

        int characters = 0;
        for (int column = 0; column <= tailLength; column = shortText.NextCharacter(column), ++characters) {
            SCOPED_TRACE(column);
            const int longColumn = line.prefixBytes + column;
            EXPECT_EQ(index.OffsetOfColumn(0, longColumn),
                      line.prefixWidth + line.metrics.ColumnOffset(tail, tailLength, column));
            EXPECT_EQ(index.CharactersBefore(0, longColumn), line.prefixCharacters + characters);
            EXPECT_EQ(index.ColumnOfCharacters(0, line.prefixCharacters + characters), longColumn);
            if (column == tailLength)
                break;
        }
        for (int offset = 1; offset <= tailWidth + 5; ++offset) {
            SCOPED_TRACE(offset);
            const int expected = line.metrics.ColumnFromOffset(tail, tailLength, offset);
            EXPECT_EQ(index.ColumnFromOffset(0, line.prefixWidth + offset), line.prefixBytes + expected);
            const LineIndex::Mark first = index.BoundaryAtOrBefore(0, line.prefixWidth + offset);
            EXPECT_LE(first.offset, line.prefixWidth + offset);
            EXPECT_EQ(first.offset,
                      line.prefixWidth + line.metrics.ColumnOffset(tail, tailLength, first.byte - line.prefixBytes));
        }
        // Units inside the prefix, around and between the marks: each starts on a stop.
        const int unitBytes = static_cast<int>(c.unit.size());
        for (int unit :
             {0, 1, LineIndex::kStride / unitBytes, LineIndex::kStride / unitBytes + 1, 1'000'003, kUnits - 1}) {
            SCOPED_TRACE(unit);
            EXPECT_EQ(index.OffsetOfColumn(0, unit * unitBytes), unit * kTab);
            EXPECT_EQ(index.CharactersBefore(0, unit * unitBytes), unit * c.unitCharacters);
            EXPECT_EQ(index.ColumnFromOffset(0, unit * kTab + 1), unit * unitBytes);
            EXPECT_EQ(index.BoundaryAtOrBefore(0, unit * kTab).byte, unit * unitBytes);
            EXPECT_EQ(index.BoundaryAtOrAfter(0, LineIndex::Mark{}, unit * kTab).byte, unit * unitBytes);
        }
        EXPECT_EQ(index.ColumnOfCharacters(0, 2'000'000'000), line.prefixBytes + tailLength) << "past the end";
        EXPECT_EQ(index.ColumnOfCharacters(0, INT32_MAX), line.prefixBytes + tailLength) << "the largest column";
        EXPECT_EQ(index.BoundaryAtOrBefore(0, INT32_MAX).byte, line.prefixBytes + tailLength) << "the largest offset";
    }
}

// Each change that can move a column, made after the marks were built, with
// the offset of column 20,000 of the line it leaves.
struct ChangeCase {
    const char* name;
    void (*change)(PaneText& text, PaneMetrics& metrics);
    int offset;
};

const std::vector<ChangeCase> kChanges = {
    {"a new text by copy",
     [](PaneText& text, PaneMetrics&) {
         const std::string line(40'000, 'i');
         text.SetText(line.data(), static_cast<int32_t>(line.size()));
     },
     20'000 * 3},
    {"a new text taken over", [](PaneText& text, PaneMetrics&) { text.SetText(std::string(40'000, 'm')); },
     20'000 * 11},
    {"a new font, its letters 5 px",
     [](PaneText&, PaneMetrics& metrics) {
         metrics.SetFont(16, 7, 32, std::vector<int>(96, 5));
         metrics.SetDefaultTabWidth(kTab);
     },
     6'666 * kTab + 2 * 5},
    {"tabs twice as wide",
     [](PaneText&, PaneMetrics& metrics) {
         metrics.SetTabSize(8);
         metrics.SetDefaultTabWidth(2 * kTab);
     },
     6'666 * 2 * kTab + 2 * 7},
};

TEST(LineIndexStaleMarks, MarksMadeBeforeAChangeAreNeverUsedAfterIt)
{
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.name);
        PaneText text;
        std::string line;
        for (int i = 0; i < 10'000; ++i)
            line += "ab\t";  // one stop a unit
        line += std::string(10'000, 'x');
        text.SetText(std::move(line));
        PaneMetrics metrics;
        SetUpMetrics(metrics, TextKind::Ascii);
        const LineIndex index(text, metrics);
        // Column 20,000: 'a' and 'b' of the 6,667th unit.
        ASSERT_EQ(index.OffsetOfColumn(0, 20'000), 6'666 * kTab + 2 * 7);
        c.change(text, metrics);
        EXPECT_EQ(index.OffsetOfColumn(0, 20'000), c.offset);
        EXPECT_EQ(index.ColumnFromOffset(0, c.offset), 20'000);
    }
}

// A pane showing a line of over 10 million characters and a pane showing its
// tail alone. The prefix is made of units as wide as their columns and ending
// on a tab stop, so that the tail lies exactly `prefixColumns` columns in.
struct TwoPanes {
    static constexpr int kUnits = 2'600'000;
    static constexpr int kPrefixColumns = 4 * kUnits;
    const std::string tail = "x\xC3\xA9m\xE4\xB8\xAD\tz\xC3\xA9";  // x é m 中 tab z é
    static constexpr int kTailCharacters = 7;
    PaneHarness longPane;
    PaneHarness shortPane;
    int prefixBytes = 0;

    TwoPanes()
    {
        std::string text;
        for (int i = 0; i < kUnits; ++i)
            text += "abc\t";
        prefixBytes = static_cast<int>(text.size());
        longPane.SetText(text + tail);
        shortPane.SetText(tail);
    }
};

TEST(LineIndexPane, CaretHitsAndPixelsOnATenMillionCharacterLineAsOnItsTailAlone)
{
    TwoPanes p;
    CNewEdit& longPane = p.longPane.Pane();
    CNewEdit& shortPane = p.shortPane.Pane();
    const int longStart = longPane.PointFromPosition(p.prefixBytes).x;
    const int shortStart = shortPane.PointFromPosition(0).x;
    PaneText tail;
    tail.SetText(p.tail.data(), static_cast<int32_t>(p.tail.size()));
    int column = 0;
    for (int byte = 0;; byte = tail.NextCharacter(byte), ++column) {
        SCOPED_TRACE(byte);
        EXPECT_EQ(longPane.PointFromPosition(p.prefixBytes + byte).x - longStart,
                  shortPane.PointFromPosition(byte).x - shortStart);
        longPane.SetCaretLineColumn(0, TwoPanes::kPrefixColumns + column);
        EXPECT_EQ(p.longPane.CaretColumn(), TwoPanes::kPrefixColumns + column);
        EXPECT_EQ(longPane.GetCaretPosition(), p.prefixBytes + byte);
        if (byte >= static_cast<int>(p.tail.size()))
            break;
    }
    EXPECT_EQ(column, TwoPanes::kTailCharacters);
    const int tailWidth = shortPane.PointFromPosition(static_cast<int>(p.tail.size())).x - shortStart;
    // Points right of the tail's start: a point left of it lies in the prefix on the long line.
    for (int dx = 1; dx <= tailWidth + 4; ++dx) {
        SCOPED_TRACE(dx);
        EXPECT_EQ(longPane.PositionFromPoint(POINT{longStart + dx, 2}) - p.prefixBytes,
                  shortPane.PositionFromPoint(POINT{shortStart + dx, 2}));
    }

    // Scrolled to the tail, the long pane shows exactly what the short one shows.
    longPane.SetHorzPos(TwoPanes::kPrefixColumns);
    ASSERT_EQ(longPane.GetHorzPos(), TwoPanes::kPrefixColumns);
    const PanePicture longPicture(longPane);
    const PanePicture shortPicture(shortPane);
    int differing = 0;
    for (int y = 0; y < shortPicture.Height(); ++y)
        for (int x = 0; x < shortPicture.Width(); ++x)
            differing += longPicture.At(x, y) != shortPicture.At(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

// Keys on the long line land where they land on a short line, and leave the caret in view.
enum class From { Start, End };
struct KeyCase {
    const char* name;
    std::vector<UINT> keys;
    From from;
    int columns;  // from the start, or back from the end
};

const std::vector<KeyCase> kKeys = {
    {"End", {VK_END}, From::End, 0},
    {"End, Home", {VK_END, VK_HOME}, From::Start, 0},
    {"End, Left, Left", {VK_END, VK_LEFT, VK_LEFT}, From::End, 2},
    {"Page Down on the only line", {VK_NEXT}, From::End, 0},
    {"End, Home, Right", {VK_END, VK_HOME, VK_RIGHT}, From::Start, 1},
};

TEST(LineIndexPane, KeysOnATenMillionCharacterLine)
{
    TwoPanes p;
    const int length = TwoPanes::kPrefixColumns + TwoPanes::kTailCharacters;
    for (const KeyCase& c : kKeys) {
        SCOPED_TRACE(c.name);
        p.longPane.Focus();
        p.longPane.Key(VK_HOME, {VK_CONTROL});
        for (UINT key : c.keys)
            p.longPane.Key(key);
        EXPECT_EQ(p.longPane.CaretColumn(), c.from == From::Start ? c.columns : length - c.columns);
        const POINT caret = p.longPane.Pane().GetCaretPoint();
        RECT client{};
        GetClientRect(p.longPane.Pane().m_hWnd, &client);
        EXPECT_TRUE(caret.x >= 0 && caret.x < client.right) << caret.x;
    }
}

}  // namespace

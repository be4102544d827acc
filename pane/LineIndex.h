// LineIndex: where the characters of a pane's long lines lie (byte, character and pixel offsets every few thousand bytes), kept for a bounded number of lines.
#pragma once

#include "pane/PaneMetrics.h"
#include "pane/PaneText.h"

#include <cstdint>
#include <vector>

// Every question about a column of a line (its pixel offset, its character
// count, the column under a point) is answered by walking from the nearest
// mark before it, so that it costs at most one stride whatever the line's
// length. A line is walked whole once, when it is first asked about; the marks
// of a text or metrics that changed since are dropped at the next question.
class LineIndex {
public:
    // A boundary between characters of a line.
    struct Mark {
        int32_t byte = 0;  // bytes from the line start
        int32_t character = 0;  // characters before it
        int32_t offset = 0;  // pixels from the line start
    };
    // Bytes between marks: a question walks at most this far.
    static constexpr int32_t kStride = 4096;
    // Lines with marks kept at once; more than a screen shows, so that
    // painting a screen of long lines never drops marks it needs again.
    static constexpr size_t kLines = 256;

    LineIndex(const PaneText& text, const PaneMetrics& metrics) : text_(text), metrics_(metrics) {}
    LineIndex(const LineIndex&) = delete;
    LineIndex& operator=(const LineIndex&) = delete;

    // Pixels from the line start to the boundary before byte `column`.
    int32_t OffsetOfColumn(int32_t line, int32_t column) const;
    // The column whose boundary is nearest to `offset` pixels (half-way goes left).
    int32_t ColumnFromOffset(int32_t line, int32_t offset) const;
    // The characters before byte `column`.
    int32_t CharactersBefore(int32_t line, int32_t column) const;
    // The byte column of the boundary after `characters` characters, at most the line's length.
    int32_t ColumnOfCharacters(int32_t line, int32_t characters) const;
    // The boundary at the left of the character that covers `offset` pixels
    // (the line's end when the line is shorter).
    Mark BoundaryAtOrBefore(int32_t line, int32_t offset) const;
    // The first boundary at or beyond `offset` pixels, walking from `from`.
    Mark BoundaryAtOrAfter(int32_t line, const Mark& from, int32_t offset) const;

private:
    struct Entry {
        int32_t line = -1;
        std::vector<Mark> marks;
    };
    const PaneText& text_;
    const PaneMetrics& metrics_;
    mutable std::vector<Entry> entries_;
    mutable size_t nextSlot_ = 0;  // the entry replaced next once all are taken
    mutable uint64_t textVersion_ = 0;
    mutable uint64_t metricsVersion_ = 0;

    // The marks of a line, built on first use; a single mark at the start for a short line.
    const std::vector<Mark>& Marks(int32_t line) const;
    std::vector<Mark> Build(int32_t line) const;
    // The last mark whose `member` is below `value` (the start when none is);
    // 64 bits, so that "at most the largest column" can be asked as "below it + 1".
    const Mark& Before(int32_t line, int32_t Mark::*member, int64_t value) const;
    // The next boundary after `mark`.
    Mark Step(const char* bytes, int32_t length, const Mark& mark) const;
    const char* LineBytes(int32_t line) const { return text_.Data() + text_.Line(line).start; }
    int32_t LineLength(int32_t line) const { return text_.Line(line).length; }
};

// PaneMetrics: font measurements and tab stops of a pane, and where each column of a line lies.
#pragma once

#include "pane/PaneText.h"

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

class PaneMetrics {
public:
    static constexpr int kTabStops = 32;
    // How one character beyond ASCII is drawn: its width in pixels, and
    // whether a face standing in for the pane font draws it (the pane font
    // has no glyph for it).
    struct Measured {
        int width;
        bool standIn;
    };
    using CharacterMeasure = std::function<Measured(uint32_t character)>;

    // Stores the measurements of a new font; widths run from its first character code on.
    void SetFont(int lineHeight, int averageCharWidth, int firstChar, const std::vector<int>& widths);
    // Ignored for columns <= 0.
    void SetTabSize(int columns);
    // Where the platform puts a tab of an ASCII line that lies past the last
    // of the kTabStops stops: at the next multiple of this width (measured from
    // the platform once per font).
    void SetDefaultTabWidth(int width);
    // How characters beyond ASCII are measured; their widths are kept until the next font.
    void SetCharacterMeasure(CharacterMeasure measure);
    // How the bytes of the lines measured become characters. In an ASCII text
    // every byte is a column and a tab goes to the platform's next stop
    // (TabStopAfter); in the other kinds a column is a character and a tab goes to
    // the next multiple of the tab width: the same stops as far as the
    // platform's kTabStops reach.
    void SetTextKind(TextKind kind);
    // Changes with every measurement or setting that can move a column.
    uint64_t Version() const { return version_; }

    int LineHeight() const { return lineHeight_; }
    int AverageCharWidth() const { return averageCharWidth_; }
    const std::array<int, kTabStops>& TabStops() const { return tabStops_; }
    // Width of one byte from the width table; bytes the font lacks take the average width.
    int ByteWidth(unsigned char byte) const;
    // Width of one character: the table for ASCII, measured once for any other.
    int CharacterWidth(uint32_t character) const { return Measure(character).width; }
    // The same with the face that draws it.
    Measured Measure(uint32_t character) const;
    // The pixel offset a tab at `offset` goes to in a text that is not ASCII.
    int NextTabStop(int offset) const;
    // The pixel offset a tab at `offset` goes to in an ASCII line drawn with
    // the platform's tabbed calls: the first of the stops beyond it, then the
    // multiples of the default tab width.
    int TabStopAfter(int offset) const;

    // Columns below are byte offsets into the line that fall between characters.
    // The offset after the character at `index`, `offset` pixels from the line
    // start, and in `next` the index after it.
    int NextOffset(const char* line, int length, int index, int offset, int& next) const;
    // Pixels from the start of the line to the boundary before `column`.
    int ColumnOffset(const char* line, int length, int column) const;
    // The same, continuing from a known boundary: `offset` pixels at column `from`.
    int AdvanceOffset(const char* line, int length, int from, int offset, int column) const;
    // The column whose boundary is nearest to `offset` pixels from the line start;
    // a point exactly half-way goes left, a point past the line gives its length.
    int ColumnFromOffset(const char* line, int length, int offset) const;
    // The same, searching from a known boundary `from` at `fromOffset` pixels,
    // which must lie left of `offset`.
    int ColumnFromOffset(const char* line, int length, int from, int fromOffset, int offset) const;

private:
    void RebuildTabStops();

    int lineHeight_ = 1;
    int averageCharWidth_ = 1;
    int tabSize_ = 4;
    int defaultTabWidth_ = 8;
    uint64_t version_ = 0;
    std::array<int, 256> byteWidths_{};  // the font's table for every byte, the average width where it has none
    TextKind kind_ = TextKind::Ascii;
    CharacterMeasure measure_;
    mutable std::unordered_map<uint32_t, Measured> measured_;
    std::array<int, kTabStops> tabStops_{};
};

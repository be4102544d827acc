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
    // Tabbed width in pixels of the first bytes of a line, with the pane's tab stops.
    using TabExtent = std::function<int(const char* line, int bytes)>;
    // How one character beyond ASCII is drawn: its width in pixels, and
    // whether a face standing in for the pane font draws it (the pane font
    // has no glyph for it).
    struct Measured {
        int width;
        bool standIn;
    };
    using CharacterMeasure = std::function<Measured(uint32_t character)>;

    // Stores the measurements of a new font; widths run from its first character code on.
    void SetFont(int lineHeight, int averageCharWidth, int firstChar, std::vector<int> widths);
    // Ignored for columns <= 0.
    void SetTabSize(int columns);
    // How characters beyond ASCII are measured; their widths are kept until the next font.
    void SetCharacterMeasure(CharacterMeasure measure);
    // How the bytes of the lines measured become characters. In an ASCII text
    // every byte is a column and a tab goes where the platform's tabbed extent
    // puts it; in the other kinds a column is a character and a tab goes to
    // the next multiple of the tab width: the same stops as far as the
    // platform's kTabStops reach.
    void SetTextKind(TextKind kind) { kind_ = kind; }

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

    // Columns below are byte offsets into the line that fall between characters.
    // Pixels from the start of the line to the boundary before `column`.
    // Ordinary bytes add their table width; a tab puts the boundary at the
    // tabbed extent of the line up to and including that tab.
    int ColumnOffset(const char* line, int length, int column, const TabExtent& tabExtent) const;
    // The same, continuing from a known boundary: `offset` pixels at column `from`.
    int AdvanceOffset(const char* line, int length, int from, int offset, int column, const TabExtent& tabExtent) const;
    // The column whose boundary is nearest to `offset` pixels from the line start;
    // a point exactly half-way goes left, a point past the line gives its length.
    int ColumnFromOffset(const char* line, int length, int offset, const TabExtent& tabExtent) const;

private:
    // The offset after the character at `index`, and in `next` the index after it.
    int NextOffset(const char* line, int length, int index, int offset, const TabExtent& tabExtent, int& next) const;
    void RebuildTabStops();

    int lineHeight_ = 1;
    int averageCharWidth_ = 1;
    int firstChar_ = 0;
    int tabSize_ = 4;
    std::vector<int> widths_;
    TextKind kind_ = TextKind::Ascii;
    CharacterMeasure measure_;
    mutable std::unordered_map<uint32_t, Measured> measured_;
    std::array<int, kTabStops> tabStops_{};
};

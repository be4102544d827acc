// PaneMetrics: font measurements and tab stops of a pane, and where each column of a line lies.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class PaneMetrics {
public:
    static constexpr int kTabStops = 32;
    // Tabbed width in pixels of the first bytes of a line, with the pane's tab stops.
    using TabExtent = std::function<int(const char* line, int bytes)>;

    // Stores the measurements of a new font; widths run from its first character code on.
    void SetFont(int lineHeight, int averageCharWidth, int firstChar, std::vector<int> widths);
    // Ignored for columns <= 0.
    void SetTabSize(int columns);

    int LineHeight() const { return lineHeight_; }
    int AverageCharWidth() const { return averageCharWidth_; }
    const std::array<int, kTabStops>& TabStops() const { return tabStops_; }
    // Width of one byte from the width table; bytes the font lacks take the average width.
    int ByteWidth(unsigned char byte) const;

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
    int NextOffset(const char* line, int index, int offset, const TabExtent& tabExtent) const;
    void RebuildTabStops();

    int lineHeight_ = 1;
    int averageCharWidth_ = 1;
    int firstChar_ = 0;
    int tabSize_ = 4;
    std::vector<int> widths_;
    std::array<int, kTabStops> tabStops_{};
};

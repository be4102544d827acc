// DifferenceMapMarks: where the differences fall on the difference map strip, pixel row by pixel row.
#pragma once

#include "engine/DiffTypes.h"

#include <cstdint>
#include <vector>

// What one half of the strip shows on a pixel row.
enum class MapMark : uint8_t { None, Added, Deleted, Changed };

struct MapHalf {
    MapMark mark = MapMark::None;
    int diff = -1;  // the difference drawn there: the first one that falls on the row
};

struct MapPixelRow {
    MapHalf left, right;
};

// Pixel rows top (inclusive) to bottom (exclusive) of the strip.
struct PixelSpan {
    int top = 0;
    int bottom = 0;
    bool Empty() const { return bottom <= top; }
};

// The rows one side of a difference shows on the map; no mark for a side of filler rows.
struct MapSide {
    MapMark mark = MapMark::None;
    int firstRow = 0;
    int lastRow = 0;
};

MapSide MapSideOf(const DiffHunk& hunk, bool right);

// A one-row difference in a million rows is still this many pixels high.
constexpr int kMinimumMarkHeight = 2;

// The pixel rows of display rows firstRow to lastRow on a strip `height` pixels high showing
// totalRows rows: proportional, at least kMinimumMarkHeight high, inside the strip. Empty when
// there is nothing to map.
PixelSpan RowsToPixels(int firstRow, int lastRow, int totalRows, int height);

// The mark of each half on each of `height` pixel rows; the cost is in pixel rows and
// differences (hunks in display-row order), never in rows.
std::vector<MapPixelRow> ComputeMapMarks(const std::vector<DiffHunk>& hunks, int totalRows, int height);

// The display row under the middle of pixel row y, within 0 .. totalRows - 1 (0 without rows).
int RowAtPixel(int y, int totalRows, int height);

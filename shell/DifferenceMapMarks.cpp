#include "shell/DifferenceMapMarks.h"

#include <algorithm>

namespace {

MapMark MarkOfKind(int kind)
{
    switch (kind) {
    case Added: return MapMark::Added;
    case Deleted: return MapMark::Deleted;
    case Changed: return MapMark::Changed;
    default: return MapMark::None;
    }
}

// Rows times pixels exceeds an int for a tall strip over a million rows.
int64_t Scale(int64_t rows, int64_t height, int64_t totalRows)
{
    return rows * height / totalRows;
}

// Fills one half of the rows of span that no earlier difference took; `filled` is where the
// earlier ones ended, so every pixel row is visited once whatever the differences' lengths.
void FillHalf(std::vector<MapPixelRow>& rows, MapHalf MapPixelRow::*half, PixelSpan span, MapMark mark, int diff,
              int& filled)
{
    for (int y = std::max(span.top, filled); y < span.bottom; ++y)
        rows[static_cast<size_t>(y)].*half = MapHalf{mark, diff};
    filled = std::max(filled, span.bottom);
}

}  // namespace

MapSide MapSideOf(const DiffHunk& hunk, bool right)
{
    const RowSpan rows = SideRows(hunk, right);
    MapSide side;
    side.mark = MarkOfKind(right ? hunk.rightKind : hunk.leftKind);
    side.firstRow = rows.first;
    side.lastRow = rows.last;
    return side;
}

PixelSpan RowsToPixels(int firstRow, int lastRow, int totalRows, int height)
{
    if (totalRows <= 0 || height <= 0)
        return {};
    const int64_t first = std::clamp<int64_t>(firstRow, 0, totalRows - 1);
    const int64_t last = std::clamp<int64_t>(lastRow, first, totalRows - 1);
    int64_t top = Scale(first, height, totalRows);
    // The bottom rounds up, so that a row never maps to no pixel at all.
    int64_t bottom = (last + 1) * height / totalRows + ((last + 1) * height % totalRows != 0 ? 1 : 0);
    if (bottom - top < kMinimumMarkHeight) {
        bottom = std::min<int64_t>(top + kMinimumMarkHeight, height);
        top = std::max<int64_t>(0, bottom - kMinimumMarkHeight);
    }
    return {static_cast<int>(top), static_cast<int>(bottom)};
}

std::vector<MapPixelRow> ComputeMapMarks(const std::vector<DiffHunk>& hunks, int totalRows, int height)
{
    std::vector<MapPixelRow> rows(static_cast<size_t>(std::max(height, 0)));
    if (totalRows <= 0 || height <= 0)
        return rows;
    int leftFilled = 0, rightFilled = 0;
    for (size_t i = 0; i < hunks.size(); ++i) {
        const int diff = static_cast<int>(i);
        for (bool right : {false, true}) {
            const MapSide side = MapSideOf(hunks[i], right);
            if (side.mark == MapMark::None)
                continue;
            FillHalf(rows, right ? &MapPixelRow::right : &MapPixelRow::left,
                     RowsToPixels(side.firstRow, side.lastRow, totalRows, height), side.mark, diff,
                     right ? rightFilled : leftFilled);
        }
    }
    return rows;
}

int RowAtPixel(int y, int totalRows, int height)
{
    if (totalRows <= 0 || height <= 0)
        return 0;
    const int64_t pixel = std::clamp(y, 0, height - 1);
    return static_cast<int>(std::min<int64_t>(Scale(2 * pixel + 1, totalRows, 2 * int64_t{height}), totalRows - 1));
}

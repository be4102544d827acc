#include "ComparingAnimation.h"

namespace {

enum Colour : uint8_t { Silver, Black, White, Grey, Yellow, Red, Blue, Green };

const int kWidth = 80;
const int kHeight = 40;
const int kFrames = 8;
const int kPageTop = 3;
const int kRowHeight = 4;
const int kRows = 8;

// Row i of a page: the text's indent and length, and the colour it gets once scanned.
struct TextRow {
    int indent;
    int length;
    Colour marked;
};

const TextRow kLeftRows[kRows] = {
    {2, 26, Grey}, {2, 18, Grey}, {6, 20, Red},  {6, 14, Grey},
    {2, 24, Blue}, {2, 10, Grey}, {6, 22, Grey}, {2, 16, Grey},
};
const TextRow kRightRows[kRows] = {
    {2, 26, Grey}, {2, 18, Grey}, {6, 20, Green}, {6, 14, Grey},
    {2, 20, Blue}, {2, 10, Grey}, {6, 22, Grey},  {2, 16, Grey},
};

void DrawPage(PaletteImage& frame, int left, const TextRow (&rows)[kRows], int scannedRows)
{
    const int right = left + 34;
    const int bottom = kPageTop + kRows * kRowHeight + 2;
    frame.FillRect(left, kPageTop, right, bottom, White);
    frame.FillRect(left, kPageTop, right, kPageTop + 1, Black);
    frame.FillRect(left, bottom - 1, right, bottom, Black);
    frame.FillRect(left, kPageTop, left + 1, bottom, Black);
    frame.FillRect(right - 1, kPageTop, right, bottom, Black);
    for (int i = 0; i < kRows; ++i) {
        const int y = kPageTop + 2 + i * kRowHeight;
        const Colour colour = i < scannedRows ? rows[i].marked : Grey;
        frame.FillRect(left + 2 + rows[i].indent, y, left + 2 + rows[i].indent + rows[i].length, y + 2, colour);
    }
    if (scannedRows < kRows) {
        const int y = kPageTop + 1 + scannedRows * kRowHeight;
        frame.FillRect(left + 1, y, right - 1, y + 1, Yellow);
        frame.FillRect(left + 1, y + 3, right - 1, y + 4, Yellow);
    }
}

}  // namespace

std::vector<PaletteImage> DrawComparingAnimation()
{
    const std::vector<PaletteColour> palette = {
        {192, 192, 192}, {0, 0, 0},   {255, 255, 255}, {128, 128, 128},
        {255, 255, 0},   {255, 0, 0}, {0, 0, 255},     {0, 128, 64},
    };
    std::vector<PaletteImage> frames;
    for (int f = 0; f < kFrames; ++f) {
        PaletteImage frame(kWidth, kHeight, palette);
        DrawPage(frame, 4, kLeftRows, f);
        DrawPage(frame, 42, kRightRows, f);
        frames.push_back(std::move(frame));
    }
    return frames;
}

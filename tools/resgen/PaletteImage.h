// PaletteImage: an 8-bit palettised picture, the form all our generated resources share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PaletteColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

class PaletteImage {
public:
    PaletteImage() = default;
    PaletteImage(int width, int height, std::vector<PaletteColour> palette);

    int Width() const { return width; }
    int Height() const { return height; }
    const std::vector<PaletteColour>& Palette() const { return palette; }

    uint8_t At(int x, int y) const;
    void Set(int x, int y, uint8_t index);
    void FillRect(int left, int top, int right, int bottom, uint8_t index);
    // Copies another image of the same palette with its top-left corner at (x, y).
    void Paste(const PaletteImage& image, int x, int y);
    PaletteImage ScaledUp(int factor) const;

    // Rows padded to 4 bytes, the bottom row first, as bitmaps and AVI frames store them.
    std::vector<uint8_t> BottomUpRows() const;
    int StrideBytes() const { return (width + 3) & ~3; }

private:
    int width = 0;
    int height = 0;
    std::vector<PaletteColour> palette;
    std::vector<uint8_t> pixels;
};

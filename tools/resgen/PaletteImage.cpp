#include "PaletteImage.h"

#include <stdexcept>

PaletteImage::PaletteImage(int width, int height, std::vector<PaletteColour> palette)
    : width(width),
      height(height),
      palette(std::move(palette)),
      pixels(static_cast<size_t>(width) * height, 0)
{
    if (width <= 0 || height <= 0 || this->palette.empty() || this->palette.size() > 256)
        throw std::invalid_argument("bad image size or palette");
}

uint8_t PaletteImage::At(int x, int y) const
{
    return pixels.at(static_cast<size_t>(y) * width + x);
}

void PaletteImage::Set(int x, int y, uint8_t index)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;  // drawing may run over the edge; the picture is clipped
    if (index >= palette.size())
        throw std::out_of_range("colour index outside the palette");
    pixels[static_cast<size_t>(y) * width + x] = index;
}

void PaletteImage::FillRect(int left, int top, int right, int bottom, uint8_t index)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            Set(x, y, index);
}

void PaletteImage::Paste(const PaletteImage& image, int x, int y)
{
    for (int row = 0; row < image.Height(); ++row)
        for (int col = 0; col < image.Width(); ++col)
            Set(x + col, y + row, image.At(col, row));
}

PaletteImage PaletteImage::ScaledUp(int factor) const
{
    PaletteImage result(width * factor, height * factor, palette);
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x)
            result.Set(x, y, At(x / factor, y / factor));
    return result;
}

std::vector<uint8_t> PaletteImage::BottomUpRows() const
{
    std::vector<uint8_t> rows;
    rows.reserve(static_cast<size_t>(StrideBytes()) * height);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            rows.push_back(At(x, y));
        rows.resize(rows.size() + (StrideBytes() - width), 0);
    }
    return rows;
}

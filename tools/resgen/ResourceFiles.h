// ResourceFiles: encodes palettised pictures as the file formats the resource compiler takes.
#pragma once

#include "PaletteImage.h"

#include <cstdint>
#include <vector>

// A BMP file with 8 bits a pixel (a colour table of the image's palette) or 4 (16
// colours: a table of 16 entries, the palette's first), bottom-up rows.
std::vector<uint8_t> EncodeBitmapFile(const PaletteImage& image, int bitsPerPixel = 8);

// An ICO file with one 8-bit entry per image; pixels of transparentIndex
// (-1: none) are masked out and must have a black palette colour.
std::vector<uint8_t> EncodeIconFile(const std::vector<PaletteImage>& images, int transparentIndex);

// An uncompressed 8-bit palettised AVI, bottom-up frames, with an index;
// every frame must have the size and palette of the first.
std::vector<uint8_t> EncodeAviFile(const std::vector<PaletteImage>& frames, uint32_t microsecondsPerFrame);

// PixelArt: reads the text pixel maps that the bitmaps and the icon are drawn in.
//
// Format, one statement a line ('#' starts a comment line):
//   size W H            every image that follows is W x H pixels
//   colour C RRGGBB     the character C paints that colour (palette index = order of declaration)
//   colour C none       the character C is transparent (only icons use it)
//   image NAME          followed by H rows of W characters
#pragma once

#include "PaletteImage.h"

#include <istream>
#include <string>
#include <vector>

class PixelArt {
public:
    // Throws std::runtime_error naming the line of the first mistake.
    static PixelArt Parse(std::istream& in);

    const std::vector<PaletteImage>& Images() const { return images; }
    const std::vector<std::string>& Names() const { return names; }
    // Palette index of the transparent colour, or -1 when none was declared.
    int TransparentIndex() const { return transparentIndex; }

private:
    void AddColour(const std::string& rest, int lineNumber);
    int IndexOf(char c) const;

    int width = 0;
    int height = 0;
    std::string colourChars;
    std::vector<PaletteColour> palette;
    int transparentIndex = -1;
    std::vector<PaletteImage> images;
    std::vector<std::string> names;
};

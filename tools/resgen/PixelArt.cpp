#include "PixelArt.h"

#include <sstream>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(int lineNumber, const std::string& what)
{
    throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + what);
}

}  // namespace

int PixelArt::IndexOf(char c) const
{
    const auto pos = colourChars.find(c);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

void PixelArt::AddColour(const std::string& rest, int lineNumber)
{
    std::istringstream words(rest);
    std::string key, value;
    if (!(words >> key >> value) || key.size() != 1)
        Fail(lineNumber, "expected: colour C RRGGBB");
    if (IndexOf(key[0]) >= 0)
        Fail(lineNumber, "colour character declared twice");
    PaletteColour colour;
    if (value == "none") {
        transparentIndex = static_cast<int>(palette.size());
    } else {
        if (value.size() != 6 || value.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            Fail(lineNumber, "colour must be six hex digits");
        const unsigned long rgb = std::stoul(value, nullptr, 16);
        colour.red = static_cast<uint8_t>(rgb >> 16);
        colour.green = static_cast<uint8_t>(rgb >> 8);
        colour.blue = static_cast<uint8_t>(rgb);
    }
    colourChars.push_back(key[0]);
    palette.push_back(colour);
}

PixelArt PixelArt::Parse(std::istream& in)
{
    PixelArt art;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        std::string rest;
        std::getline(words, rest);
        if (keyword == "size") {
            std::istringstream numbers(rest);
            if (!(numbers >> art.width >> art.height) || art.width <= 0 || art.height <= 0)
                Fail(lineNumber, "expected: size W H");
        } else if (keyword == "colour") {
            art.AddColour(rest, lineNumber);
        } else if (keyword == "image") {
            if (art.width == 0 || art.palette.empty())
                Fail(lineNumber, "size and colours must come before the first image");
            PaletteImage image(art.width, art.height, art.palette);
            for (int y = 0; y < art.height; ++y) {
                ++lineNumber;
                if (!std::getline(in, line))
                    Fail(lineNumber, "image ends early");
                if (static_cast<int>(line.size()) != art.width)
                    Fail(lineNumber, "row must be " + std::to_string(art.width) + " characters wide");
                for (int x = 0; x < art.width; ++x) {
                    const int index = art.IndexOf(line[x]);
                    if (index < 0)
                        Fail(lineNumber, std::string("undeclared colour character '") + line[x] + "'");
                    image.Set(x, y, static_cast<uint8_t>(index));
                }
            }
            art.images.push_back(std::move(image));
            art.names.push_back(rest);
        } else {
            Fail(lineNumber, "unknown statement '" + keyword + "'");
        }
    }
    return art;
}

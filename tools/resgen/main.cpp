// Writes the toolbar bitmap, the colour swatch faces, the program icon and the
// comparing animation from the pixel maps in ART_DIR into OUT_DIR.
#include "ComparingAnimation.h"
#include "PixelArt.h"
#include "ResourceFiles.h"

#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

PixelArt ReadArt(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    try {
        return PixelArt::Parse(in);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

// The toolbar takes its images from one strip, image i at x = i * width.
PaletteImage ToolbarStrip(const PixelArt& art)
{
    const auto& images = art.Images();
    if (images.empty())
        throw std::runtime_error("the toolbar art has no image");
    const int w = images[0].Width();
    PaletteImage strip(w * static_cast<int>(images.size()), images[0].Height(), images[0].Palette());
    for (size_t i = 0; i < images.size(); ++i)
        strip.Paste(images[i], static_cast<int>(i) * w, 0);
    return strip;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: tandrel_resgen ART_DIR OUT_DIR\n";
        return 2;
    }
    const std::string artDir = argv[1];
    const std::string outDir = argv[2];
    try {
        const PixelArt toolbar = ReadArt(artDir + "/toolbar.txt");
        WriteFile(outDir + "/toolbar.bmp", EncodeBitmapFile(ToolbarStrip(toolbar)));

        const PixelArt swatch = ReadArt(artDir + "/swatch.txt");
        if (swatch.Images().size() != 2)
            throw std::runtime_error("the swatch art must hold the pressed and the raised face");
        WriteFile(outDir + "/swatch-pressed.bmp", EncodeBitmapFile(swatch.Images()[0], 4));
        WriteFile(outDir + "/swatch-raised.bmp", EncodeBitmapFile(swatch.Images()[1], 4));

        const PixelArt icon = ReadArt(artDir + "/icon.txt");
        if (icon.Images().size() != 1)
            throw std::runtime_error("the icon art must hold exactly one image");
        const PaletteImage& small = icon.Images()[0];
        WriteFile(outDir + "/tandrel.ico", EncodeIconFile({small.ScaledUp(2), small}, icon.TransparentIndex()));

        WriteFile(outDir + "/comparing.avi", EncodeAviFile(DrawComparingAnimation(), 125000));
    } catch (const std::exception& e) {
        std::cerr << "tandrel_resgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

// Tests of the resource generator: the pixel-map reader and the three file encoders.
#include "ComparingAnimation.h"
#include "PixelArt.h"
#include "ResourceFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<uint32_t>(b.at(at + 3)) << 24;
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

std::string Tag(const std::vector<uint8_t>& b, size_t at)
{
    return std::string(reinterpret_cast<const char*>(&b.at(at)), 4);
}

PixelArt ParseText(const std::string& text)
{
    std::istringstream in(text);
    return PixelArt::Parse(in);
}

const char* kSmallArt =
    "# two colours and a transparent one\n"
    "size 3 2\n"
    "colour - none\n"
    "colour a 102030\n"
    "colour b FFEEDD\n"
    "image first\n"
    "ab-\n"
    "-ba\n";

TEST(PixelArt, ReadsPaletteAndPixels)
{
    const PixelArt art = ParseText(kSmallArt);
    ASSERT_EQ(art.Images().size(), 1u);
    EXPECT_EQ(art.Names()[0], " first");
    EXPECT_EQ(art.TransparentIndex(), 0);
    const PaletteImage& image = art.Images()[0];
    EXPECT_EQ(image.At(0, 0), 1);
    EXPECT_EQ(image.At(1, 0), 2);
    EXPECT_EQ(image.At(2, 0), 0);
    EXPECT_EQ(image.At(2, 1), 1);
    EXPECT_EQ(image.Palette()[1].red, 0x10);
    EXPECT_EQ(image.Palette()[1].green, 0x20);
    EXPECT_EQ(image.Palette()[1].blue, 0x30);
    EXPECT_EQ(image.Palette()[2].red, 0xFF);
}

TEST(PixelArt, MistakesNameTheirLine)
{
    const std::map<std::string, std::string> cases = {
        {"size 2 1\ncolour a 000000\nimage x\na\n", "line 4: row must be 2"},
        {"size 2 1\ncolour a 000000\nimage x\nab\n", "line 4: undeclared colour character 'b'"},
        {"colour a 000000\nimage x\n", "line 2: size and colours"},
        {"size 2 1\ncolour a 00000\n", "line 2: colour must be six hex digits"},
        {"size 2 1\ncolour a 000000\ncolour a 111111\n", "line 3: colour character declared twice"},
        {"size 2 2\ncolour a 000000\nimage x\naa\n", "line 5: image ends early"},
        {"picture\n", "line 1: unknown statement 'picture'"},
        {"size 0 3\n", "line 1: expected: size W H"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ParseText(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
        }
    }
}

TEST(ResourceFiles, BitmapIsBottomUpWithPaddedRows)
{
    const PaletteImage image = ParseText(kSmallArt).Images()[0];
    const std::vector<uint8_t> bmp = EncodeBitmapFile(image);
    ASSERT_EQ(Tag(bmp, 0).substr(0, 2), "BM");
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 18), 3u);  // width
    EXPECT_EQ(U32(bmp, 22), 2u);  // positive height: bottom-up
    EXPECT_EQ(U16(bmp, 28), 8u);  // bits per pixel
    EXPECT_EQ(U32(bmp, 46), 3u);  // colours used
    const uint32_t data = U32(bmp, 10);
    EXPECT_EQ(data, 14u + 40u + 3u * 4u);
    // colour table entries are blue, green, red, 0
    EXPECT_EQ(bmp[54 + 4 + 0], 0x30);
    EXPECT_EQ(bmp[54 + 4 + 2], 0x10);
    // the first stored row is the image's last: "-ba", padded to 4 bytes
    const std::vector<uint8_t> rows(bmp.begin() + data, bmp.end());
    EXPECT_EQ(rows, (std::vector<uint8_t>{0, 2, 1, 0, 1, 2, 0, 0}));
}

TEST(ResourceFiles, SixteenColourBitmapPacksTwoPixelsAByteWithAFullTable)
{
    const PaletteImage image = ParseText(kSmallArt).Images()[0];
    const std::vector<uint8_t> bmp = EncodeBitmapFile(image, 4);
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U16(bmp, 28), 4u);
    EXPECT_EQ(U32(bmp, 46), 16u);
    const uint32_t data = U32(bmp, 10);
    EXPECT_EQ(data, 14u + 40u + 16u * 4u);
    // "-ba" then "ab-", the left pixel in the high half, each row padded to 4 bytes
    const std::vector<uint8_t> rows(bmp.begin() + data, bmp.end());
    EXPECT_EQ(rows, (std::vector<uint8_t>{0x02, 0x10, 0, 0, 0x12, 0x00, 0, 0}));
    EXPECT_THROW(EncodeBitmapFile(PaletteImage(2, 2, std::vector<PaletteColour>(17)), 4), std::invalid_argument);
}

TEST(ResourceFiles, IconEntriesPointAtTheirImagesAndMaskTransparency)
{
    const PixelArt art = ParseText(kSmallArt);
    const PaletteImage& image = art.Images()[0];
    const std::vector<uint8_t> ico = EncodeIconFile({image.ScaledUp(2), image}, art.TransparentIndex());
    EXPECT_EQ(U16(ico, 2), 1u);
    ASSERT_EQ(U16(ico, 4), 2u);
    size_t expectedOffset = 6 + 2 * 16;
    const int widths[2] = {6, 3};
    const int heights[2] = {4, 2};
    for (int i = 0; i < 2; ++i) {
        const size_t entry = 6 + 16 * i;
        EXPECT_EQ(ico[entry], widths[i]);
        EXPECT_EQ(ico[entry + 1], heights[i]);
        EXPECT_EQ(U32(ico, entry + 12), expectedOffset);
        const uint32_t bytes = U32(ico, entry + 8);
        EXPECT_EQ(U32(ico, expectedOffset + 8), static_cast<uint32_t>(2 * heights[i]));  // colour + mask rows
        expectedOffset += bytes;
    }
    EXPECT_EQ(expectedOffset, ico.size());
    // The small image's mask: its last 2 rows of 4 bytes, bottom row first.
    // Bottom row "-ba": only x = 0 is transparent; top row "ab-": only x = 2.
    const std::vector<uint8_t> mask(ico.end() - 8, ico.end());
    EXPECT_EQ(mask[0], 0x80);
    EXPECT_EQ(mask[4], 0x20);
}

// Walks an AVI file and checks that every chunk size, the frame chunks and
// the index agree with each other.
TEST(ResourceFiles, AviChunksAndIndexAgree)
{
    const std::vector<PaletteImage> frames = DrawComparingAnimation();
    const std::vector<uint8_t> avi = EncodeAviFile(frames, 125000);
    ASSERT_EQ(Tag(avi, 0), "RIFF");
    EXPECT_EQ(U32(avi, 4) + 8, avi.size());
    EXPECT_EQ(Tag(avi, 8), "AVI ");
    ASSERT_EQ(Tag(avi, 12), "LIST");
    EXPECT_EQ(Tag(avi, 20), "hdrl");
    ASSERT_EQ(Tag(avi, 24), "avih");
    const size_t avih = 32;
    EXPECT_EQ(U32(avi, avih + 16), frames.size());
    EXPECT_EQ(U32(avi, avih + 32), static_cast<uint32_t>(frames[0].Width()));
    EXPECT_EQ(U32(avi, avih + 36), static_cast<uint32_t>(frames[0].Height()));
    const size_t strl = avih + 56;
    ASSERT_EQ(Tag(avi, strl + 8), "strl");
    ASSERT_EQ(Tag(avi, strl + 12), "strh");
    EXPECT_EQ(Tag(avi, strl + 20), "vids");
    const size_t strf = strl + 12 + 8 + 56;
    ASSERT_EQ(Tag(avi, strf), "strf");
    EXPECT_EQ(U32(avi, strf + 8 + 8), static_cast<uint32_t>(frames[0].Height()));  // bottom-up
    EXPECT_EQ(U16(avi, strf + 8 + 14), 8u);
    const size_t movi = 12 + 8 + U32(avi, 16);
    ASSERT_EQ(Tag(avi, movi), "LIST");
    ASSERT_EQ(Tag(avi, movi + 8), "movi");
    const size_t idx1 = movi + 8 + U32(avi, movi + 4);
    ASSERT_EQ(Tag(avi, idx1), "idx1");
    ASSERT_EQ(U32(avi, idx1 + 4), 16 * frames.size());
    const uint32_t frameBytes = static_cast<uint32_t>(frames[0].StrideBytes() * frames[0].Height());
    for (size_t i = 0; i < frames.size(); ++i) {
        const size_t entry = idx1 + 8 + 16 * i;
        const size_t chunk = movi + 8 + U32(avi, entry + 8);
        EXPECT_EQ(Tag(avi, chunk), "00db");
        EXPECT_EQ(U32(avi, chunk + 4), frameBytes);
        EXPECT_EQ(U32(avi, entry + 12), frameBytes);
        const std::vector<uint8_t> rows(avi.begin() + chunk + 8, avi.begin() + chunk + 8 + frameBytes);
        EXPECT_EQ(rows, frames[i].BottomUpRows()) << "frame " << i;
    }
}

TEST(ResourceFiles, MismatchedFramesAreRefused)
{
    const std::vector<PaletteColour> palette = {{0, 0, 0}, {255, 255, 255}};
    EXPECT_THROW(EncodeAviFile({}, 100000), std::invalid_argument);
    EXPECT_THROW(EncodeAviFile({PaletteImage(4, 4, palette), PaletteImage(5, 4, palette)}, 100000),
                 std::invalid_argument);
}

TEST(ComparingAnimation, EveryFrameMovesAndTheCornerStaysBackground)
{
    const std::vector<PaletteImage> frames = DrawComparingAnimation();
    ASSERT_GE(frames.size(), 4u);
    for (size_t i = 0; i < frames.size(); ++i) {
        const PaletteImage& next = frames[(i + 1) % frames.size()];
        EXPECT_NE(frames[i].BottomUpRows(), next.BottomUpRows()) << "frame " << i << " repeats";
        // the animation control makes the top-left colour transparent
        EXPECT_EQ(frames[i].At(0, 0), frames[0].At(0, 0));
    }
}

TEST(ToolbarArt, HoldsSeventeenImagesOfSixteenByFifteen)
{
    std::ifstream in(TANDREL_ART_DIR "/toolbar.txt");
    ASSERT_TRUE(in);
    const PixelArt art = PixelArt::Parse(in);
    ASSERT_EQ(art.Images().size(), 17u);
    for (size_t i = 0; i < art.Images().size(); ++i) {
        EXPECT_EQ(art.Images()[i].Width(), 16);
        EXPECT_EQ(art.Images()[i].Height(), 15);
        EXPECT_EQ(std::stoi(art.Names()[i]), static_cast<int>(i)) << "images must be in image-number order";
    }
}

}  // namespace

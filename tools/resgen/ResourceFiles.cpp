#include "ResourceFiles.h"

#include <stdexcept>
#include <string>

namespace {

// Appends little-endian fields and lets a chunk size be filled in afterwards.
class ByteWriter {
public:
    void U8(uint8_t v) { bytes.push_back(v); }
    void U16(uint16_t v)
    {
        U8(static_cast<uint8_t>(v));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(static_cast<uint16_t>(v));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void FourCC(const char* code)
    {
        for (int i = 0; i < 4; ++i)
            U8(static_cast<uint8_t>(code[i]));
    }
    void Bytes(const std::vector<uint8_t>& data) { bytes.insert(bytes.end(), data.begin(), data.end()); }
    size_t Size() const { return bytes.size(); }
    void PatchU32(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
    // Starts a RIFF chunk (or list, when listType is given); returns where its size goes.
    size_t BeginChunk(const char* id, const char* listType = nullptr)
    {
        FourCC(id);
        const size_t sizeAt = Size();
        U32(0);
        if (listType)
            FourCC(listType);
        return sizeAt;
    }
    void EndChunk(size_t sizeAt)
    {
        PatchU32(sizeAt, static_cast<uint32_t>(Size() - sizeAt - 4));
        if (Size() % 2)
            U8(0);  // chunks start on even offsets
    }
    std::vector<uint8_t> bytes;
};

// Bytes a stored row takes: whole pixels rounded up to 4 bytes.
int RowStride(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void InfoHeader(ByteWriter& out, const PaletteImage& image, int heightFactor, uint32_t colours, int bitsPerPixel = 8)
{
    out.U32(40);
    out.U32(static_cast<uint32_t>(image.Width()));
    out.U32(static_cast<uint32_t>(image.Height() * heightFactor));  // positive: bottom-up
    out.U16(1);
    out.U16(static_cast<uint16_t>(bitsPerPixel));
    out.U32(0);  // BI_RGB
    out.U32(static_cast<uint32_t>(RowStride(image.Width(), bitsPerPixel) * image.Height()));
    out.U32(0);
    out.U32(0);
    out.U32(colours);
    out.U32(0);
}

void ColourTable(ByteWriter& out, const PaletteImage& image, size_t entries)
{
    for (size_t i = 0; i < entries; ++i) {
        const PaletteColour c = i < image.Palette().size() ? image.Palette()[i] : PaletteColour{};
        out.U8(c.blue);
        out.U8(c.green);
        out.U8(c.red);
        out.U8(0);
    }
}

std::vector<uint8_t> MaskRows(const PaletteImage& image, int transparentIndex)
{
    const int stride = RowStride(image.Width(), 1);
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * image.Height(), 0);
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = &rows[static_cast<size_t>(image.Height() - 1 - y) * stride];
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == transparentIndex)
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    return rows;
}

// Bottom-up rows of two pixels a byte, the left one in the high half, padded to 4 bytes.
std::vector<uint8_t> BottomUpNibbleRows(const PaletteImage& image)
{
    if (image.Palette().size() > 16)
        throw std::invalid_argument("a 16-colour bitmap cannot hold more than 16 colours");
    const int stride = RowStride(image.Width(), 4);
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * image.Height(), 0);
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = &rows[static_cast<size_t>(image.Height() - 1 - y) * stride];
        for (int x = 0; x < image.Width(); ++x)
            row[x / 2] |= static_cast<uint8_t>(image.At(x, y) << (x % 2 ? 0 : 4));
    }
    return rows;
}

}  // namespace

std::vector<uint8_t> EncodeBitmapFile(const PaletteImage& image, int bitsPerPixel)
{
    if (bitsPerPixel != 4 && bitsPerPixel != 8)
        throw std::invalid_argument("bitmaps are written with 4 or 8 bits a pixel");
    ByteWriter out;
    // A 16-colour bitmap always carries the full table of 16 entries.
    const uint32_t colours = bitsPerPixel == 4 ? 16 : static_cast<uint32_t>(image.Palette().size());
    const uint32_t dataOffset = 14 + 40 + 4 * colours;
    const std::vector<uint8_t> rows = bitsPerPixel == 4 ? BottomUpNibbleRows(image) : image.BottomUpRows();
    out.U8('B');
    out.U8('M');
    out.U32(dataOffset + static_cast<uint32_t>(rows.size()));
    out.U32(0);
    out.U32(dataOffset);
    InfoHeader(out, image, 1, colours, bitsPerPixel);
    ColourTable(out, image, colours);
    out.Bytes(rows);
    return out.bytes;
}

std::vector<uint8_t> EncodeIconFile(const std::vector<PaletteImage>& images, int transparentIndex)
{
    ByteWriter out;
    out.U16(0);
    out.U16(1);  // icon
    out.U16(static_cast<uint16_t>(images.size()));
    std::vector<ByteWriter> bodies(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const PaletteImage& image = images[i];
        if (image.Width() > 256 || image.Height() > 256)
            throw std::invalid_argument("icon image larger than 256 pixels");
        InfoHeader(bodies[i], image, 2, 256);  // height covers colour rows and mask rows
        ColourTable(bodies[i], image, 256);
        bodies[i].Bytes(image.BottomUpRows());
        bodies[i].Bytes(MaskRows(image, transparentIndex));
    }
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.U8(static_cast<uint8_t>(images[i].Width() & 0xFF));  // 0 means 256
        out.U8(static_cast<uint8_t>(images[i].Height() & 0xFF));
        out.U8(0);  // 256 colours
        out.U8(0);
        out.U16(1);
        out.U16(8);
        out.U32(static_cast<uint32_t>(bodies[i].Size()));
        out.U32(offset);
        offset += static_cast<uint32_t>(bodies[i].Size());
    }
    for (const ByteWriter& body : bodies)
        out.Bytes(body.bytes);
    return out.bytes;
}

std::vector<uint8_t> EncodeAviFile(const std::vector<PaletteImage>& frames, uint32_t microsecondsPerFrame)
{
    if (frames.empty())
        throw std::invalid_argument("an animation needs at least one frame");
    const PaletteImage& first = frames.front();
    for (const PaletteImage& frame : frames)
        if (frame.Width() != first.Width() || frame.Height() != first.Height()
            || frame.Palette().size() != first.Palette().size())
            throw std::invalid_argument("all frames must share size and palette");
    const uint32_t frameBytes = static_cast<uint32_t>(first.StrideBytes() * first.Height());
    const uint32_t count = static_cast<uint32_t>(frames.size());
    const uint32_t colours = static_cast<uint32_t>(first.Palette().size());

    ByteWriter out;
    const size_t riff = out.BeginChunk("RIFF", "AVI ");
    const size_t hdrl = out.BeginChunk("LIST", "hdrl");
    const size_t avih = out.BeginChunk("avih");
    out.U32(microsecondsPerFrame);
    out.U32(static_cast<uint32_t>(static_cast<uint64_t>(frameBytes) * 1000000 / microsecondsPerFrame));
    out.U32(0);
    out.U32(0x10);  // AVIF_HASINDEX
    out.U32(count);
    out.U32(0);
    out.U32(1);  // one stream
    out.U32(frameBytes);
    out.U32(static_cast<uint32_t>(first.Width()));
    out.U32(static_cast<uint32_t>(first.Height()));
    for (int i = 0; i < 4; ++i)
        out.U32(0);
    out.EndChunk(avih);

    const size_t strl = out.BeginChunk("LIST", "strl");
    const size_t strh = out.BeginChunk("strh");
    out.FourCC("vids");
    out.FourCC("DIB ");
    out.U32(0);  // flags
    out.U16(0);  // priority
    out.U16(0);  // language
    out.U32(0);  // initial frames
    out.U32(microsecondsPerFrame);  // scale / rate = seconds per frame
    out.U32(1000000);
    out.U32(0);  // start
    out.U32(count);
    out.U32(frameBytes);
    out.U32(0xFFFFFFFFu);  // default quality
    out.U32(0);  // sample size: varies
    out.U16(0);
    out.U16(0);
    out.U16(static_cast<uint16_t>(first.Width()));
    out.U16(static_cast<uint16_t>(first.Height()));
    out.EndChunk(strh);
    const size_t strf = out.BeginChunk("strf");
    InfoHeader(out, first, 1, colours);
    ColourTable(out, first, colours);
    out.EndChunk(strf);
    out.EndChunk(strl);
    out.EndChunk(hdrl);

    const size_t movi = out.BeginChunk("LIST", "movi");
    const size_t moviType = movi + 4;  // index offsets count from the 'movi' type code
    std::vector<uint32_t> offsets;
    for (const PaletteImage& frame : frames) {
        offsets.push_back(static_cast<uint32_t>(out.Size() - moviType));
        const size_t chunk = out.BeginChunk("00db");
        out.Bytes(frame.BottomUpRows());
        out.EndChunk(chunk);
    }
    out.EndChunk(movi);

    const size_t idx1 = out.BeginChunk("idx1");
    for (uint32_t offset : offsets) {
        out.FourCC("00db");
        out.U32(0x10);  // AVIIF_KEYFRAME
        out.U32(offset);
        out.U32(frameBytes);
    }
    out.EndChunk(idx1);
    out.EndChunk(riff);
    return out.bytes;
}

#include "CursorFile.h"

#include <sstream>
#include <stdexcept>

namespace {

void Put16(std::vector<uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

CursorFile CursorFile::Parse(std::istream& in)
{
    CursorFile cursor;
    bool haveHotspot = false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("hotspot", 0) == 0) {
            std::istringstream fields(line.substr(7));
            if (!(fields >> cursor.hotX_ >> cursor.hotY_) || cursor.hotX_ < 0 || cursor.hotX_ >= kSize
                || cursor.hotY_ < 0 || cursor.hotY_ >= kSize)
                throw std::runtime_error("bad hotspot line: " + line);
            haveHotspot = true;
            continue;
        }
        if (line.size() > kSize || line.find_first_not_of("Xo.") != std::string::npos)
            throw std::runtime_error("bad pixel row: " + line);
        cursor.rows_.push_back(line + std::string(kSize - line.size(), '.'));
    }
    if (!haveHotspot || cursor.rows_.empty() || cursor.rows_.size() > kSize)
        throw std::runtime_error("a cursor needs a hotspot and 1 to 32 pixel rows");
    cursor.rows_.resize(kSize, std::string(kSize, '.'));
    return cursor;
}

std::vector<uint8_t> CursorFile::Encode() const
{
    constexpr uint32_t kRowBytes = kSize / 8;
    constexpr uint32_t kMaskBytes = kRowBytes * kSize;
    constexpr uint32_t kImageBytes = 40 + 8 + 2 * kMaskBytes;
    std::vector<uint8_t> out;
    // Directory: reserved, type 2 (cursor), one entry.
    Put16(out, 0);
    Put16(out, 2);
    Put16(out, 1);
    // Entry: size, colours, reserved, hotspot in place of planes and bit count.
    out.push_back(kSize);
    out.push_back(kSize);
    out.push_back(2);
    out.push_back(0);
    Put16(out, static_cast<unsigned>(hotX_));
    Put16(out, static_cast<unsigned>(hotY_));
    Put32(out, kImageBytes);
    Put32(out, 22);
    // Bitmap header: the height counts the image and the mask together.
    Put32(out, 40);
    Put32(out, kSize);
    Put32(out, 2 * kSize);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, 0);
    Put32(out, 2 * kMaskBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 2);
    Put32(out, 0);
    // Colour table: black, white.
    Put32(out, 0x00000000);
    Put32(out, 0x00FFFFFF);
    // Image bits (1 = white) then mask bits (1 = transparent), rows bottom-up.
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = kSize - 1; y >= 0; --y) {
            for (int byte = 0; byte < static_cast<int>(kRowBytes); ++byte) {
                uint8_t bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const char pixel = Pixel(byte * 8 + bit, y);
                    const bool set = pass == 0 ? pixel == 'o' : pixel == '.';
                    if (set)
                        bits |= static_cast<uint8_t>(0x80 >> bit);
                }
                out.push_back(bits);
            }
        }
    }
    return out;
}

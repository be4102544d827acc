// Texts beyond ASCII in the pane: files of every encoding as characters, caret moves and hits over multi-byte characters, and their pixels.
#include "PaneHarness.h"
#include "engine/TextEncoding.h"
#include "pane/NewEditMessages.h"
#include "pane/PaneMetrics.h"
#include "pane/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A file's bytes as the comparison reads them (marks taken off, UTF-16 made
// UTF-8), then given to a pane's text.
PaneText TextOfFile(std::string bytes)
{
    DecodeFileContent(bytes);
    PaneText text;
    text.SetText(bytes.data(), static_cast<int32_t>(bytes.size()));
    return text;
}

std::wstring Shown(const PaneText& text)
{
    // Without the break that ends every pane text.
    return WideText::FromPaneBytes(text.Kind(), text.Data(), std::max(0, text.Length() - 1));
}

// The bytes of a literal, NUL bytes included.
template <size_t N>
std::string Bytes(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}

struct FileCase {
    const char* name;
    std::string bytes;
    TextKind kind;
    int longestLine;  // characters
    std::wstring shown;  // lines joined by CR LF
};

const std::vector<FileCase> kFiles = {
    {"ASCII", "a\tb\nline two\n", TextKind::Ascii, 8, L"a\tb\r\nline two\r\n"},
    {"UTF-8", "caf\xC3\xA9\n\xCE\x9A\xCE\xB1\xCE\xBB\xCF\x8C\n", TextKind::Utf8, 4,
     L"caf\u00E9\r\n\u039A\u03B1\u03BB\u03CC\r\n"},
    {"UTF-8 with a mark", "\xEF\xBB\xBF\xD0\x96\xD1\x83\xD0\xBA x", TextKind::Utf8, 5, L"\u0416\u0443\u043A x"},
    {"UTF-8 beyond the basic plane", "a\360\235\204\236b", TextKind::Utf8, 3, L"a\U0001D11Eb"},
    {"UTF-16 LE with a mark", Bytes("\377\376c\0a\0f\0\351\0\n\0\026\004"), TextKind::Utf8, 4, L"caf\u00E9\r\n\u0416"},
    {"UTF-16 BE with a mark", Bytes("\xFE\xFF\0c\0a\0f\0\xE9\0\n\x04\x16"), TextKind::Utf8, 4, L"caf\u00E9\r\n\u0416"},
    {"Windows-1252", "caf\xE9 \x80 12\n", TextKind::Legacy, 9, L"caf\u00E9 \u20AC 12\r\n"},
    {"an invalid sequence amid the text", "ok \xC3( x\n", TextKind::Legacy, 7, L"ok \u00C3( x\r\n"},
    {"a sequence cut by the line end", "caf\xC3\nnext", TextKind::Legacy, 4, L"caf\u00C3\r\nnext"},
    {"a sequence cut by the file end", "abc\xE2\x82", TextKind::Legacy, 5, L"abc\u00E2\u201A"},
    {"a lone surrogate in UTF-16", Bytes("\377\376a\0\0\330b\0"), TextKind::Utf8, 3, L"a\uFFFDb"},
    {"an odd byte after UTF-16", Bytes("\377\376a\0b"), TextKind::Utf8, 2, L"a\uFFFD"},
};

TEST(PaneTextEncodings, EveryFileShowsItsCharactersAndCountsThem)
{
    for (const FileCase& c : kFiles) {
        SCOPED_TRACE(c.name);
        const PaneText text = TextOfFile(c.bytes);
        EXPECT_EQ(text.Kind(), c.kind);
        EXPECT_EQ(text.MaxLineLength(), c.longestLine);
        EXPECT_TRUE(Shown(text) == c.shown);
    }
}

TEST(PaneTextEncodings, AMarkAloneIsAnEmptyText)
{
    for (const std::string& mark : {std::string("\xEF\xBB\xBF"), std::string("\xFF\xFE"), std::string("\xFE\xFF")}) {
        PaneHarness h;
        std::string bytes = mark;
        DecodeFileContent(bytes);
        h.Pane().SetText(bytes.data(), static_cast<int>(bytes.size()));
        EXPECT_EQ(h.Pane().GetTextLength(), 0);
        h.Key(VK_RIGHT);
        EXPECT_EQ(h.CaretColumn(), 0);
    }
}

TEST(PaneMetricsCharacters, ColumnsAreWholeCharactersOfTheirMeasuredWidths)
{
    // ASCII 7 px; é 9 px and 中 14 px as measured; tab stops every 28 px.
    int measured = 0;
    PaneMetrics metrics;
    metrics.SetFont(16, 7, 32, std::vector<int>(96, 7));
    metrics.SetTabSize(4);
    metrics.SetCharacterMeasure([&](uint32_t character) {
        ++measured;
        return PaneMetrics::Measured{character == 0x4E2D ? 14 : 9, false};
    });
    metrics.SetTextKind(TextKind::Utf8);
    const std::string line =
        "a\xC3\xA9\t\xE4\xB8\xAD"
        "b";  // a é tab 中 b: bytes 0 1 3 4 7 8
    const int length = static_cast<int>(line.size());
    const std::vector<std::pair<int, int>> boundaries = {{0, 0}, {1, 7}, {3, 16}, {4, 28}, {7, 42}, {8, 49}};
    for (const auto& [column, offset] : boundaries)
        EXPECT_EQ(metrics.ColumnOffset(line.data(), length, column), offset) << column;
    struct Probe {
        int offset;
        int column;
    };
    // Each point goes to the nearer boundary, half-way to the left; never inside a character.
    const std::vector<Probe> probes = {{3, 0},  {4, 1},  {11, 1}, {12, 3}, {22, 3}, {23, 4},
                                       {35, 4}, {36, 7}, {45, 7}, {46, 8}, {90, 8}};
    for (const Probe& p : probes)
        EXPECT_EQ(metrics.ColumnFromOffset(line.data(), length, p.offset), p.column) << p.offset;
    // Each character beyond ASCII was measured once, however often it was laid out.
    EXPECT_EQ(measured, 2);
    metrics.SetFont(16, 7, 32, std::vector<int>(96, 7));
    metrics.ColumnOffset(line.data(), length, length);
    EXPECT_EQ(measured, 4) << "a new font measures again";
}

bool IsCharacterStart(const std::string& text, int position)
{
    return position >= static_cast<int>(text.size())
           || (static_cast<unsigned char>(text[static_cast<size_t>(position)]) & 0xC0) != 0x80;
}

// Line 0: a é € 𝄞 b (1, 2, 3, 4, 1 bytes); line 1: Жук x.
const std::string kLines =
    "a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E"
    "b\n\xD0\x96\xD1\x83\xD0\xBA x\n";

struct MoveCase {
    const char* name;
    int line, column;  // caret before the key, in characters
    UINT key;
    std::vector<int> modifiers;
    int expectLine, expectColumn;
};

const std::vector<MoveCase> kMoves = {
    {"right over a two-byte character", 0, 1, VK_RIGHT, {}, 0, 2},
    {"right over a three-byte character", 0, 2, VK_RIGHT, {}, 0, 3},
    {"right over a four-byte character", 0, 3, VK_RIGHT, {}, 0, 4},
    {"left over a four-byte character", 0, 4, VK_LEFT, {}, 0, 3},
    {"left over a two-byte character", 0, 2, VK_LEFT, {}, 0, 1},
    {"left from a line start to the end of the line above", 1, 0, VK_LEFT, {}, 0, 5},
    {"end counts characters", 0, 0, VK_END, {}, 0, 5},
    {"home", 1, 3, VK_HOME, {}, 1, 0},
    {"down keeps the column of equal-width characters", 0, 2, VK_DOWN, {}, 1, 2},
    {"word right over a Cyrillic word and its space", 1, 0, VK_RIGHT, {VK_CONTROL}, 1, 4},
    {"word left back to the Cyrillic word's start", 1, 4, VK_LEFT, {VK_CONTROL}, 1, 0},
    {"shift-right selects a whole character", 0, 1, VK_RIGHT, {VK_SHIFT}, 0, 2},
};

TEST(NewEditCharacters, CaretMovesStepOverWholeCharactersAndCountColumnsInCharacters)
{
    PaneHarness h;
    h.SetText(kLines);
    h.Focus();
    std::string text;
    for (int line = 0; line < h.Pane().GetLineCount(); ++line) {
        std::string lineText;
        h.Pane().GetLineText(line, lineText);
        text += lineText + "\n";
    }
    for (const MoveCase& c : kMoves) {
        SCOPED_TRACE(c.name);
        h.Pane().ClearSelection();
        h.Pane().SetCaretLineColumn(c.line, c.column);
        ASSERT_EQ(h.CaretColumn(), c.column);
        h.DropNotifications();
        h.Key(c.key, c.modifiers);
        EXPECT_EQ(h.CaretLine(), c.expectLine);
        EXPECT_EQ(h.CaretColumn(), c.expectColumn);
        EXPECT_TRUE(IsCharacterStart(text, h.Pane().GetCaretPosition()));
        // The parent hears of the move in characters too.
        const auto notices = h.Take(NewEditMessages::CaretMove());
        ASSERT_FALSE(notices.empty());
        EXPECT_EQ(static_cast<int>(notices.back().lParam), c.expectColumn);
        int lo = 0, hi = 0;
        h.Pane().GetSelectionBounds(lo, hi);
        EXPECT_TRUE(IsCharacterStart(text, lo) && IsCharacterStart(text, hi));
    }
}

TEST(NewEditCharacters, EveryPointHitsTheNearestBoundaryBetweenCharacters)
{
    PaneHarness h;
    h.SetText(
        "\xC3\xA9\xE2\x82\xAC"
        "ab");  // é € a b, each one cell of the fixed-pitch font
    const int cw = h.CharWidth();
    const std::vector<int> starts = {0, 2, 5, 6, 7};  // byte offsets of the boundaries
    for (int x = 0; x < 5 * cw; ++x) {
        const int boundary = std::min(4, (x + cw / 2 - (cw % 2 == 0 ? 1 : 0)) / cw);
        EXPECT_EQ(h.Pane().PositionFromPoint(POINT{x, 2}), starts[static_cast<size_t>(boundary)]) << "x " << x;
    }
    EXPECT_EQ(h.Pane().PointFromPosition(5).x, 2 * cw);
}

TEST(NewEditCharacters, HorizontalExtentAndEndScrollCountCharacters)
{
    PaneHarness h(10, 4, WS_HSCROLL);
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += "\xD0\x96";  // Ж, two bytes each
    h.SetText(line + "\nx");
    EXPECT_EQ(h.Pane().MaxLineLength(), 30);
    h.Focus();
    h.Key(VK_END);
    EXPECT_EQ(h.CaretColumn(), 30);
    EXPECT_LE(h.Pane().GetHorzPos(), 30);
    EXPECT_GE(h.Pane().GetHorzPos() + h.Pane().GetVisibleColumns(), 30);
}

// The pixels of the first line of a pane after a paint.
std::vector<COLORREF> FirstLinePixels(PaneHarness& h, int width)
{
    const PanePicture picture(h.Pane());
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h.LineHeight(); ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(picture.At(x, y));
    return pixels;
}

// What the system draws for the characters in the pane's font, without any of the pane's layout.
std::vector<COLORREF> ModelPixels(const std::wstring& characters, int width, int height)
{
    PixelProbe probe(width, height);
    probe.Draw([&](HDC dc) {
        const RECT all{0, 0, width, height};
        GdiBrush ground(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
        FillRect(dc, &all, ground);
        LOGFONTA description{};
        description.lfHeight = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
        lstrcpyA(description.lfFaceName, "Courier New");
        GdiFont font(CreateFontIndirectA(&description));
        ObjectSelection selected(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        TextOutW(dc, 0, 0, characters.data(), static_cast<int>(characters.size()));
    });
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(probe.At(x, y));
    return pixels;
}

struct PaintCase {
    const char* name;
    std::string bytes;
    std::wstring characters;
};

TEST(NewEditCharacters, APaintedLineShowsWhatTheSystemDrawsForItsCharacters)
{
    const std::vector<PaintCase> cases = {
        {"accents in UTF-8",
         "cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
         "e",
         L"cr\u00E8me br\u00FBl\u00E9e"},
        {"Greek and Cyrillic in UTF-8", "\xCE\xBA\xCE\xB1\xCE\xBB\xCE\xAE \xD0\xB4\xD0\xB5\xD0\xBD\xD1\x8C",
         L"\u03BA\u03B1\u03BB\u03AE \u0434\u0435\u043D\u044C"},
        {"accents in Windows-1252",
         "cr\xE8me br\xFBl\xE9"
         "e \x80",
         L"cr\u00E8me br\u00FBl\u00E9e \u20AC"},
        {"plain ASCII", "plain text", L"plain text"},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(c.name);
        PaneHarness h(20, 3);
        h.SetText(c.bytes);
        const int width = h.CharWidth() * 20;
        EXPECT_TRUE(FirstLinePixels(h, width) == ModelPixels(c.characters, width, h.LineHeight()));
    }
}

TEST(NewEditCharacters, TabsAfterCharactersBeyondAsciiStopWhereTheyStopAfterAscii)
{
    // The same cells, one line through the byte path and one through the character path.
    PaneHarness ascii(30, 3);
    ascii.SetText("ab\tcd\t\tx");
    PaneHarness wide(30, 3);
    wide.SetText("ab\tcd\t\tx\xC3\xA9");
    const int width = ascii.CharWidth() * 13;  // up to and including the x
    EXPECT_TRUE(FirstLinePixels(ascii, width) == FirstLinePixels(wide, width));
    EXPECT_EQ(wide.Pane().PointFromPosition(8).x, 13 * wide.CharWidth());
}

TEST(NewEditCharacters, ACharacterTheFontLacksKeepsTheColumnsAfterIt)
{
    // Each character after the missing one starts where the pane measured it.
    PaneHarness h(30, 3);
    h.SetText(
        "a\xE4\xB8\xAD"
        "bc");  // a 中 b c
    const int bX = h.Pane().PointFromPosition(4).x;
    const int cX = h.Pane().PointFromPosition(5).x;
    PaneHarness reference(30, 3);
    reference.SetText("bc");
    const PanePicture lacking(h.Pane());
    const PanePicture plain(reference.Pane());
    for (int y = 0; y < h.LineHeight(); ++y)
        for (int x = 0; x < 2 * h.CharWidth(); ++x)
            ASSERT_EQ(lacking.At(bX + x, y), plain.At(x, y)) << x << "," << y;
    EXPECT_EQ(cX - bX, h.CharWidth());
}

}  // namespace

namespace {

// The pane in the bitmap face "Courier", whose glyphs are Western European only.
void UseBitmapCourier(PaneHarness& h)
{
    LOGFONTA description{};
    description.lfHeight = -13;
    lstrcpyA(description.lfFaceName, "Courier");
    GdiFont font(CreateFontIndirectA(&description));
    h.Pane().SetPaneFont(font, true);
}

TEST(NewEditCharacters, LettersTheFontLacksShowFromAStandInFaceAndKeepTheColumnsAfterThem)
{
    // Cyrillic ze and a, Greek omega and lambda: each draws a glyph of its own,
    // not the one box that stands for every missing character.
    const char* const letters[] = {"\xD0\xB7", "\xD0\xB0", "\xCF\x89", "\xCE\xBB"};
    std::vector<std::vector<COLORREF>> pictures;
    for (const char* letter : letters) {
        PaneHarness h(10, 3);
        UseBitmapCourier(h);
        h.SetText(letter);
        const int width = h.Pane().PointFromPosition(static_cast<int>(strlen(letter))).x;
        ASSERT_GT(width, 0) << letter;
        pictures.push_back(FirstLinePixels(h, width));
        const COLORREF ground = GetSysColor(COLOR_WINDOW);
        EXPECT_TRUE(std::any_of(pictures.back().begin(), pictures.back().end(),
                                [&](COLORREF pixel) { return pixel != ground; }))
            << letter << " draws nothing";
    }
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_FALSE(pictures[i] == pictures[j]) << letters[i] << " and " << letters[j] << " look alike";

    // What follows such a letter stands where the pane measured it, in the pane's own face.
    PaneHarness h(30, 3);
    UseBitmapCourier(h);
    h.SetText("\xD0\xB7xy");
    PaneHarness reference(30, 3);
    UseBitmapCourier(reference);
    reference.SetText("xy");
    const int xAt = h.Pane().PointFromPosition(2).x;
    const PanePicture after(h.Pane());
    const PanePicture plain(reference.Pane());
    for (int y = 0; y < h.LineHeight(); ++y)
        for (int x = 0; x < 2 * reference.Pane().GetAverageCharWidth(); ++x)
            ASSERT_EQ(after.At(xAt + x, y), plain.At(x, y)) << x << "," << y;
}

}  // namespace

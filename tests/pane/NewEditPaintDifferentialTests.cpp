// Random texts with tabs and random background ranges: every character cell of the rendered pane against a per-position model.
#include "PaneHarness.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Cell {
    int position;
    int left;  // pixels from the line start
    int right;
};

// Cells of one line laid out by hand: fixed-width bytes, tabs to the next stop of 4 columns.
std::vector<Cell> LayOut(const std::string& line, int lineStart, int cw)
{
    std::vector<Cell> cells;
    int x = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const int next = line[i] == '\t' ? (x / (4 * cw) + 1) * (4 * cw) : x + cw;
        cells.push_back(Cell{lineStart + static_cast<int>(i), x, next});
        x = next;
    }
    return cells;
}

TEST(NewEditPaintDifferential, EveryCellShowsTheBackgroundOfItsPosition)
{
    PaneHarness h(48, 12);
    const int cw = h.CharWidth();
    const int lh = h.LineHeight();
    const std::vector<COLORREF> palette = {RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    std::mt19937 random(2024);

    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::string> lines(8 + random() % 10);
        std::string text;
        for (auto& line : lines) {
            const size_t length = random() % 24;
            for (size_t i = 0; i < length; ++i)
                line += "ax \t"[random() % 4];
            text += line + "\n";
        }
        h.SetText(text);
        const int n = h.Pane().GetTextLength();  // text plus one more, empty, line
        std::vector<COLORREF> model(static_cast<size_t>(n), GetSysColor(COLOR_WINDOW));
        for (int range = 0; range < 5; ++range) {
            const int start = static_cast<int>(random() % static_cast<unsigned>(n));
            const int end = start + 1 + static_cast<int>(random() % 12);
            if (end >= n - 1)
                continue;  // a range to the last position colours that position too
            const COLORREF colour = palette[random() % palette.size()];
            h.Pane().SetRangeBackColor(start, end, colour);
            for (int p = start; p < end; ++p)
                model[static_cast<size_t>(p)] = colour;
        }
        const int top = static_cast<int>(random() % 3);
        const int columns = static_cast<int>(random() % 3);
        h.Pane().SetTopLine(top);
        h.Pane().SetHorzPos(columns);
        const int shift = columns * cw;

        const PanePicture picture(h.Pane());
        for (int i = top; i < static_cast<int>(lines.size()) && i - top < 12; ++i) {
            const int y = (i - top) * lh;  // the cell's top row, above every glyph
            const int start = h.Pane().GetLineStart(i);
            int lineEnd = 0;
            for (const Cell& cell : LayOut(lines[static_cast<size_t>(i)], start, cw)) {
                lineEnd = cell.right;
                for (int x : {cell.left - shift, cell.right - 1 - shift}) {
                    if (x < 0 || x >= picture.Width())
                        continue;
                    ASSERT_EQ(picture.At(x, y), model[static_cast<size_t>(cell.position)])
                        << "line " << i << " position " << cell.position << " x " << x;
                }
            }
            const COLORREF rest =
                model[static_cast<size_t>(start + static_cast<int>(lines[static_cast<size_t>(i)].size()))];
            for (int x : {lineEnd - shift, picture.Width() - 1}) {
                if (x < 0 || x >= picture.Width())
                    continue;
                ASSERT_EQ(picture.At(x, y + lh - 1), rest) << "rest of line " << i << " x " << x;
            }
        }
    }
}

TEST(NewEditPaintDifferential, EveryGlyphIsDrawnInTheTextColourOfItsPosition)
{
    PaneHarness h(48, 12);
    const int cw = h.CharWidth();
    const int lh = h.LineHeight();
    const std::vector<COLORREF> palette = {GetSysColor(COLOR_WINDOWTEXT), RGB(255, 0, 0), RGB(0, 128, 0),
                                           RGB(0, 0, 255)};
    std::mt19937 random(99);

    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::string> lines(6);
        std::string text;
        for (auto& line : lines) {
            const size_t length = 4 + random() % 16;
            for (size_t i = 0; i < length; ++i)
                line += "MW#\t"[random() % 4];
            text += line + "\n";
        }
        h.SetText(text);
        const int n = h.Pane().GetTextLength();
        std::vector<COLORREF> model(static_cast<size_t>(n), palette[0]);
        for (int range = 0; range < 6; ++range) {
            const int start = static_cast<int>(random() % static_cast<unsigned>(n));
            const int end = start + 1 + static_cast<int>(random() % 8);
            if (end >= n - 1)
                continue;
            const COLORREF colour = palette[random() % palette.size()];
            h.Pane().SetRangeTextColor(start, end, colour);
            for (int p = start; p < end; ++p)
                model[static_cast<size_t>(p)] = colour;
        }

        const PanePicture picture(h.Pane());
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            const std::string& line = lines[static_cast<size_t>(i)];
            for (const Cell& cell : LayOut(line, h.Pane().GetLineStart(i), cw)) {
                if (line[static_cast<size_t>(cell.position - h.Pane().GetLineStart(i))] == '\t'
                    || cell.right > picture.Width())
                    continue;
                const COLORREF expected = model[static_cast<size_t>(cell.position)];
                bool seen = false;
                for (int y = i * lh; y < (i + 1) * lh; ++y) {
                    for (int x = cell.left; x < cell.right; ++x) {
                        const COLORREF pixel = picture.At(x, y);
                        seen = seen || pixel == expected;
                        for (COLORREF other : palette)
                            ASSERT_TRUE(other == expected || pixel != other)
                                << "position " << cell.position << " shows a pixel of another run's colour";
                    }
                }
                ASSERT_TRUE(seen) << "position " << cell.position << " has no pixel in its text colour";
            }
        }
    }
}

}  // namespace

#include "engine/RowListing.h"

#include <algorithm>

namespace {

char StateLetter(int32_t state)
{
    static const char letters[] = "SADCF";
    return state >= Same && state <= Filler ? letters[state] : '?';
}

void AppendRows(std::string& out, char side, const std::vector<PaneLine>& lines, const std::string& text)
{
    std::size_t start = 0;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::size_t begin = std::min(start, text.size());
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        out += side;
        out += ' ' + std::to_string(row) + ' ' + StateLetter(lines[row].state) + ' ';
        out.append(text, begin, end - begin);
        out += '\n';
        start = end + 1;
    }
}

}  // namespace

std::string FormatRows(const ComparisonState& state, const PaneTexts& texts)
{
    std::string out;
    AppendRows(out, 'L', state.leftLines, texts.leftText);
    AppendRows(out, 'R', state.rightLines, texts.rightText);
    for (const DiffHunk& hunk : state.hunks) {
        out += "H " + std::to_string(hunk.leftFirst) + ' ' + std::to_string(hunk.leftLast) + ' '
               + std::to_string(hunk.rightFirst) + ' ' + std::to_string(hunk.rightLast) + ' '
               + StateLetter(hunk.leftKind) + ' ' + StateLetter(hunk.rightKind) + '\n';
    }
    return out;
}

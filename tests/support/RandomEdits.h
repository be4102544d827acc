// RandomEdits: the second file of a generated pair, made from the first by edits at random places.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

// Applies `edits` edits to the lines: a run of one to three lines inserted,
// deleted or replaced, anywhere, with the two ends favoured since the
// comparison treats them apart. pick(n) draws 0 .. n-1; newLine() makes a
// line to insert.
template <typename Pick, typename NewLine>
std::vector<std::string> EditedAtRandom(std::vector<std::string> lines, int edits, Pick pick, NewLine newLine)
{
    auto chance = [&pick](int oneIn) { return pick(oneIn) == 0; };
    for (int e = 0; e < edits; ++e) {
        int size = static_cast<int>(lines.size());
        int at = chance(4) ? (chance(2) ? 0 : size) : pick(size + 1);
        int run = 1 + pick(3);
        int kind = pick(3);  // 0 inserts, 1 deletes, 2 replaces
        if (kind != 0) {
            int removed = std::min(run, size - at);
            lines.erase(lines.begin() + at, lines.begin() + at + removed);
        }
        if (kind != 1) {
            std::vector<std::string> added;
            for (int i = 0; i < run; ++i)
                added.push_back(newLine());
            lines.insert(lines.begin() + at, added.begin(), added.end());
        }
    }
    return lines;
}

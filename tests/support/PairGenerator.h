// PairGenerator: random file pairs of short, repeating lines, with the line ends and options the engine tests vary.
#pragma once

#include "tests/support/RandomEdits.h"

#include <cctype>
#include <random>
#include <string>
#include <utility>
#include <vector>

// The comparison switches a pair is generated for.
struct PairOptions {
    bool ignoreBlanks;
    bool ignoreCase;
};

// The comparison the options describe, for ASCII lines: blanks are dropped,
// letters folded. The line feed itself counts, so a last line without one
// differs from the same text with one unless blanks are ignored.
inline std::string Canonical(const std::string& line, PairOptions options)
{
    std::string out;
    for (char c : line) {
        unsigned char u = static_cast<unsigned char>(c);
        if (options.ignoreBlanks && (u == ' ' || u == '\t' || u == '\r' || u == '\n'))
            continue;
        out += options.ignoreCase ? static_cast<char>(std::tolower(u)) : c;
    }
    return out;
}

// Random text of short lines from a small alphabet, so that lines repeat.
class PairGenerator {
public:
    PairGenerator(unsigned seed, PairOptions options) : random_(seed), options_(options) {}

    std::string Line(int alphabet)
    {
        static const char* const kWords[] = {"a", "b", "", "{", "}", "c d", "return x;", "else"};
        std::string line = kWords[Pick(alphabet)];
        if (options_.ignoreBlanks && Chance(3))
            line.insert(static_cast<size_t>(Pick(static_cast<int>(line.size()) + 1)), Chance(2) ? " " : "\t");
        if (options_.ignoreCase && Chance(3)) {
            for (char& c : line)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return line;
    }

    std::vector<std::string> Lines(int count, int alphabet)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i)
            lines.push_back(Line(alphabet));
        return lines;
    }

    std::vector<std::string> Edit(std::vector<std::string> lines, int edits, int alphabet)
    {
        return EditedAtRandom(
            std::move(lines), edits, [this](int n) { return Pick(n); }, [this, alphabet] { return Line(alphabet); });
    }

    // File bytes: each line ends in LF or CR LF, the last one maybe in
    // nothing, and maybe a 0x1A somewhere that ends the compared text.
    std::string Bytes(const std::vector<std::string>& lines, bool crlf, bool mayEndOpen, bool mayHaveEof)
    {
        std::string bytes;
        for (size_t i = 0; i < lines.size(); ++i) {
            bytes += lines[i];
            bool last = i + 1 == lines.size();
            if (last && mayEndOpen && Chance(3))
                break;
            bytes += crlf && Chance(2) ? "\r\n" : "\n";
        }
        if (mayHaveEof && Chance(8) && !bytes.empty())
            bytes.insert(static_cast<size_t>(Pick(static_cast<int>(bytes.size()))), "\x1a");
        return bytes;
    }

    // A pair as the whole comparison meets it (raw bytes, left then right): by the
    // seed, three in five with an empty file on one or both sides; lines of one
    // side ending in LF or CR LF at random, the other's in LF; last lines maybe
    // without line feed.
    std::pair<std::string, std::string> WholeComparisonPair(unsigned seed)
    {
        int alphabet = 2 + Pick(7);
        std::vector<std::string> leftLines = Lines(Pick(30), alphabet);
        std::vector<std::string> rightLines = Edit(leftLines, Pick(6), alphabet);
        if (seed % 5 == 0 || seed % 5 == 2)
            leftLines.clear();
        if (seed % 5 == 1 || seed % 5 == 2)
            rightLines.clear();
        bool crlf = Chance(2);
        std::string leftRaw = Bytes(leftLines, crlf, true, false);
        return {leftRaw, Bytes(rightLines, !crlf, true, false)};
    }

    int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }

private:
    std::mt19937 random_;
    PairOptions options_;
};

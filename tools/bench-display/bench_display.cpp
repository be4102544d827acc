// bench_display: times loading, the engine, alignment, pane texts and sentences
// on large generated file pairs. Usage: bench_display [LINES]  (default 200000)

#include "engine/DiffDescriptions.h"
#include "engine/DiffFiles.h"
#include "engine/DisplayLoading.h"
#include "engine/PaneAlignment.h"
#include "engine/PaneTexts.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

class StderrSink : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Every line of the left file is unique; on the right, `changedPercent` of
// the lines are edited: replaced, deleted, or followed by new lines, in
// equal shares, so that the listing holds every kind of command and many
// Filler rows.
void WritePair(const std::string& leftName, const std::string& rightName, int lines, int changedPercent)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> kind(0, 2);
    std::ofstream left(leftName, std::ios::binary);
    std::ofstream right(rightName, std::ios::binary);
    for (int i = 0; i < lines; ++i) {
        const std::string line = "line " + std::to_string(i) + " of the generated text, with some words\n";
        left << line;
        if (percent(random) >= changedPercent) {
            right << line;
            continue;
        }
        switch (kind(random)) {
        case 0: right << "changed " << line; break;
        case 1: break;
        default: right << line << "inserted after " << line; break;
        }
    }
}

int Run(int lines, int changedPercent)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string leftName = (folder / "bench-display-left.txt").string();
    const std::string rightName = (folder / "bench-display-right.txt").string();
    WritePair(leftName, rightName, lines, changedPercent);
    StderrSink messages;
    ComparisonState state;
    std::string leftCopy;
    std::string rightCopy;

    auto started = Clock::now();
    const bool loaded = LoadPaneTexts(leftName, rightName, state, leftCopy, rightCopy, messages);
    const double load = Seconds(started);
    std::remove(leftName.c_str());
    std::remove(rightName.c_str());
    if (!loaded)
        return 2;

    started = Clock::now();
    const int compared = DiffFiles(leftCopy, rightCopy, false, false, state.listing, messages);
    const double engine = Seconds(started);
    std::remove(leftCopy.c_str());
    std::remove(rightCopy.c_str());
    if (compared < 0)
        return 2;

    started = Clock::now();
    const bool aligned = AlignPanes(state, messages);
    const double align = Seconds(started);

    PaneTexts texts;
    started = Clock::now();
    const bool built = BuildPaneTexts(state, texts, messages);
    const double build = Seconds(started);

    started = Clock::now();
    const std::vector<std::string> sentences = DescribeDifferences(state.listing, state.hunks.size());
    const double describe = Seconds(started);

    std::printf("%d lines, %d%% changed: %zu differences, %zu rows\n", lines, changedPercent, state.hunks.size(),
                state.leftLines.size());
    std::printf("  load %.3f s  engine %.3f s  align %.3f s  build %.3f s  describe %.3f s\n", load, engine, align,
                build, describe);
    return aligned && built && sentences.size() == state.hunks.size() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const int lines = argc > 1 ? std::atoi(argv[1]) : 200000;
    if (lines <= 0) {
        std::fputs("usage: bench_display [LINES]\n", stderr);
        return 2;
    }
    int status = 0;
    for (int changedPercent : {2, 20, 50})
        status |= Run(lines, changedPercent);
    return status;
}

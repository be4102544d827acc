// difflist: runs the program's comparison pipeline on two files and prints
// the difference listing in file order, the aligned display rows (--rows) or
// the difference sentences (--describe), the rows with the marks inside
// changed rows (--inline); with -e, the engine alone on the
// files as given; with -u, the unified patch that Save Diff also writes.
// Usage: difflist [-b] [-i] [-t] [-e | -u | --rows | --describe | --inline] LEFT RIGHT;
// exit 0 same, 1 different, 2 error.

#include "engine/DiffDescriptions.h"
#include "engine/DiffFiles.h"
#include "engine/ListingOrder.h"
#include "engine/MessageSink.h"
#include "engine/PaneAlignment.h"
#include "engine/PaneTexts.h"
#include "engine/RowListing.h"
#include "engine/RowMarks.h"
#include "engine/StepTimes.h"
#include "engine/TextComparison.h"
#include "engine/UnifiedDiff.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

class StderrSink : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { std::fputs(text.c_str(), stderr); }
};

enum class View { Listing, EngineListing, Unified, Rows, Describe, Inline };

struct Arguments {
    bool ignoreBlanks = false;
    bool ignoreCase = false;
    bool timing = false;
    View view = View::Listing;
    std::string names[2];
};

bool ParseArguments(int argc, char** argv, Arguments& arguments)
{
    int names = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-b") == 0)
            arguments.ignoreBlanks = true;
        else if (std::strcmp(argv[i], "-i") == 0)
            arguments.ignoreCase = true;
        else if (std::strcmp(argv[i], "-t") == 0)
            arguments.timing = true;
        else if (std::strcmp(argv[i], "-e") == 0)
            arguments.view = View::EngineListing;
        else if (std::strcmp(argv[i], "-u") == 0)
            arguments.view = View::Unified;
        else if (std::strcmp(argv[i], "--rows") == 0)
            arguments.view = View::Rows;
        else if (std::strcmp(argv[i], "--describe") == 0)
            arguments.view = View::Describe;
        else if (std::strcmp(argv[i], "--inline") == 0)
            arguments.view = View::Inline;
        else if (names < 2)
            arguments.names[names++] = argv[i];
        else
            return false;
    }
    return names == 2;
}

void PrintTiming(double seconds)
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "engine time %.3f s, peak memory %ld KiB\n", seconds, usage.ru_maxrss);
}

// The side's name as given, and its size and last write time.
bool ReadPatchSide(const std::string& name, PatchSide& side)
{
    struct stat status;
    if (stat(name.c_str(), &status) != 0)
        return false;
    side =
        PatchSide{name, FileStamp{status.st_size, status.st_mtim.tv_sec, static_cast<int32_t>(status.st_mtim.tv_nsec)}};
    return true;
}

// Prints the unified patch of the comparison on the files' own lines; the
// result is that of `diff -u`: 0 for no change, 1 for changes, 2 for an error.
int PrintUnified(const Arguments& arguments, const ComparisonState& state, MessageSink& messages)
{
    PatchRequest request;
    request.exact = !arguments.ignoreBlanks && !arguments.ignoreCase;
    PatchLines left, right;
    std::string patch;
    if (!ReadPatchSide(arguments.names[0], request.left) || !ReadPatchSide(arguments.names[1], request.right)
        || !ReadPatchLines(arguments.names[0], left, messages) || !ReadPatchLines(arguments.names[1], right, messages))
        return 2;
    if (!WriteUnifiedDiff(state.listing, left, right, request, patch)) {
        messages.ShowMessage("The files changed while they were compared\n");
        return 2;
    }
    std::fwrite(patch.data(), 1, patch.size(), stdout);
    return patch.empty() ? 0 : 1;
}

// The rows of a pane text, each without its line feed.
std::vector<std::string_view> SplitRows(const std::string& text)
{
    std::vector<std::string_view> rows;
    std::string_view rest(text);
    for (size_t feed; (feed = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(feed + 1))
        rows.push_back(rest.substr(0, feed));
    rows.push_back(rest);
    return rows;
}

// The rows, then the marks inside the changed rows.
bool PrintInline(const Arguments& arguments, const ComparisonState& state, const PaneTexts& texts,
                 MessageSink& messages)
{
    const std::vector<std::string_view> left = SplitRows(texts.leftText), right = SplitRows(texts.rightText);
    const auto rowOf = [](const std::vector<std::string_view>& rows) {
        return [&rows](int32_t row) { return static_cast<size_t>(row) < rows.size() ? rows[row] : std::string_view(); };
    };
    LineRules rules;
    rules.ignoreBlanks = arguments.ignoreBlanks;
    rules.ignoreCase = arguments.ignoreCase;
    std::vector<RowMarks> marks;
    if (FindRowMarks(state, rowOf(left), rowOf(right), rules, marks, messages) < 0)
        return false;
    std::fputs(FormatRows(state, texts).c_str(), stdout);
    std::fputs(FormatRowMarks(marks).c_str(), stdout);
    return true;
}

// Aligns the rows and prints the chosen view of the comparison.
bool PrintView(const Arguments& arguments, ComparisonState& state, MessageSink& messages, StepTimes* times)
{
    const View view = arguments.view;
    if (view == View::Listing || view == View::EngineListing) {
        ForEachEntryInFileOrder(state.listing,
                                [](const std::string& entry) { std::fwrite(entry.data(), 1, entry.size(), stdout); });
        return true;
    }
    const bool aligned = AlignPanes(state, messages);
    MarkStep(times, "alignment");
    PaneTexts texts;
    if (!BuildPaneTexts(state, texts, messages))
        return false;
    MarkStep(times, "pane texts");
    if (view == View::Inline)
        return PrintInline(arguments, state, texts, messages) && aligned;
    if (view == View::Rows)
        std::fputs(FormatRows(state, texts).c_str(), stdout);
    else
        for (const std::string& sentence : DescribeDifferences(state.listing, state.hunks.size()))
            std::printf("%s\n", sentence.c_str());
    return aligned;
}

}  // namespace

int main(int argc, char** argv)
{
    Arguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::fputs("usage: difflist [-b] [-i] [-t] [-e | -u | --rows | --describe | --inline] LEFT RIGHT\n", stderr);
        return 2;
    }
    StderrSink messages;
    ComparisonState state;
    auto started = std::chrono::steady_clock::now();
    std::optional<StepTimes> steps;
    if (arguments.timing)
        steps.emplace();
    StepTimes* times = steps ? &*steps : nullptr;
    int result = arguments.view == View::EngineListing
                     ? DiffFiles(arguments.names[0], arguments.names[1], arguments.ignoreBlanks, arguments.ignoreCase,
                                 state.listing, messages)
                     : CompareTextFiles(arguments.names[0], arguments.names[1], arguments.ignoreBlanks,
                                        arguments.ignoreCase, state, messages, UINT64_MAX, times);
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (arguments.timing)
        PrintTiming(elapsed.count());
    if (result < 0)
        return 2;
    if (arguments.view == View::Unified) {
        result = PrintUnified(arguments, state, messages);
        return std::fflush(stdout) == 0 ? result : 2;
    }
    if (!PrintView(arguments, state, messages, times))
        return 2;
    if (times)
        std::fputs(times->Report().c_str(), stderr);
    return std::fflush(stdout) == 0 ? result : 2;
}

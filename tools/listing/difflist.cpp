// difflist: prints the difference listing of two files in file order.
// Usage: difflist [-b] [-i] [-t] LEFT RIGHT; exit 0 same, 1 different, 2 error.

#include "engine/DiffFiles.h"
#include "engine/ListingOrder.h"
#include "engine/MessageSink.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

class StderrSink : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { std::fputs(text.c_str(), stderr); }
};

struct Arguments {
    bool ignoreBlanks = false;
    bool ignoreCase = false;
    bool timing = false;
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

} // namespace

int main(int argc, char** argv)
{
    Arguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::fputs("usage: difflist [-b] [-i] [-t] LEFT RIGHT\n", stderr);
        return 2;
    }
    StderrSink messages;
    DiffListing listing;
    auto started = std::chrono::steady_clock::now();
    int result = DiffFiles(arguments.names[0], arguments.names[1], arguments.ignoreBlanks, arguments.ignoreCase,
                           listing, messages);
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (arguments.timing)
        PrintTiming(elapsed.count());
    if (result < 0)
        return 2;
    ForEachEntryInFileOrder(listing, [](const std::string& entry) { std::fwrite(entry.data(), 1, entry.size(), stdout); });
    return std::fflush(stdout) == 0 ? result : 2;
}

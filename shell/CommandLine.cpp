#include "shell/CommandLine.h"

#include <climits>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Applies one option argument (first character '-' or '/'); false when its letter is unknown.
bool ApplyOption(const std::string& arg, StartupArgs& startup, AppSettings& settings)
{
    const char letter = arg.size() > 1 ? arg[1] : '\0';
    switch (letter) {
    case 'i':
    case 'I': settings.options.ignoreCase = 1; return true;
    case 'b':
    case 'B': settings.options.ignoreBlanks = 1; return true;
    case 't':
    case 'T': settings.options.forceText = 1; return true;
    case 'h':
    case 'H':
    case '?': startup.helpRequested = true; return true;
    case 'n': settings.skipInitialCompare = true; return true;
    case 'a':
    case 'A': startup.autoStepSeconds = ReadLeadingInteger(arg.c_str() + 2); return true;
    default: return false;
    }
}

}  // namespace

int ReadLeadingInteger(const char* text)
{
    while (IsCSpace(*text)) {
        ++text;
    }
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        if (value <= static_cast<long long>(INT_MAX) + 1) {
            value = value * 10 + (*text - '0');
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

bool ParseCommandLine(const std::vector<std::string>& args, StartupArgs& startup, AppSettings& settings)
{
    for (const std::string& arg : args) {
        const bool isOption = !arg.empty() && (arg[0] == '-' || arg[0] == '/');
        bool usable = true;
        if (isOption) {
            usable = ApplyOption(arg, startup, settings);
        } else if (startup.leftPath.empty()) {
            startup.leftPath = arg;
        } else if (startup.rightPath.empty()) {
            startup.rightPath = arg;
        } else {
            usable = false;
        }
        if (!usable) {
            startup.badOption = arg;
            return false;
        }
    }
    return true;
}

// The command-line grammar: every kind of argument, in order, and where parsing stops.
#include "shell/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct GrammarCase {
    std::vector<std::string> args;
    bool ok;
    // What the run asked for, written as flags: i b t n h, then a=<seconds> L=<left> R=<right> bad=<arg>
    std::string expected;
};

std::string Describe(const StartupArgs& startup, const AppSettings& settings)
{
    std::string flags;
    flags += settings.options.ignoreCase ? "i" : "-";
    flags += settings.options.ignoreBlanks ? "b" : "-";
    flags += settings.options.forceText ? "t" : "-";
    flags += settings.skipInitialCompare ? "n" : "-";
    flags += startup.helpRequested ? "h" : "-";
    return flags + " a=" + std::to_string(startup.autoStepSeconds) + " L=" + startup.leftPath
           + " R=" + startup.rightPath + " bad=" + startup.badOption;
}

TEST(ParseCommandLine, GrammarTable)
{
    const GrammarCase cases[] = {
        {{}, true, "----- a=0 L= R= bad="},
        {{"a.txt", "b.txt"}, true, "----- a=0 L=a.txt R=b.txt bad="},
        {{"a.txt"}, true, "----- a=0 L=a.txt R= bad="},
        {{"/i", "/b", "/t"}, true, "ibt-- a=0 L= R= bad="},
        {{"-I", "-B", "-T", "x", "y"}, true, "ibt-- a=0 L=x R=y bad="},
        {{"/ifoo", "/Bar", "/text"}, true, "ibt-- a=0 L= R= bad="},
        {{"/?"}, true, "----h a=0 L= R= bad="},
        {{"/h"}, true, "----h a=0 L= R= bad="},
        {{"-H"}, true, "----h a=0 L= R= bad="},
        {{"/n", "a", "b"}, true, "---n- a=0 L=a R=b bad="},
        {{"/N"}, false, "----- a=0 L= R= bad=/N"},
        {{"/a3"}, true, "----- a=3 L= R= bad="},
        {{"-A12"}, true, "----- a=12 L= R= bad="},
        {{"/a"}, true, "----- a=0 L= R= bad="},
        {{"/ax"}, true, "----- a=0 L= R= bad="},
        {{"/a 7x"}, true, "----- a=7 L= R= bad="},
        {{"/a-2"}, true, "----- a=-2 L= R= bad="},
        {{"/a5", "/a2"}, true, "----- a=2 L= R= bad="},
        {{"/a5", "/a"}, true, "----- a=0 L= R= bad="},
        {{"/i", "/q"}, false, "i---- a=0 L= R= bad=/q"},
        {{"/q", "/i"}, false, "----- a=0 L= R= bad=/q"},
        {{"-"}, false, "----- a=0 L= R= bad=-"},
        {{"/"}, false, "----- a=0 L= R= bad=/"},
        {{"a", "b", "c", "/i"}, false, "----- a=0 L=a R=b bad=c"},
        {{"/x%s%n"}, false, "----- a=0 L= R= bad=/x%s%n"},
        {{"a b", "c\\d e"}, true, "----- a=0 L=a b R=c\\d e bad="},
    };
    for (const GrammarCase& c : cases) {
        StartupArgs startup;
        AppSettings settings;
        std::string joined;
        for (const std::string& arg : c.args) {
            joined += "[" + arg + "]";
        }
        EXPECT_EQ(ParseCommandLine(c.args, startup, settings), c.ok) << joined;
        EXPECT_EQ(Describe(startup, settings), c.expected) << joined;
    }
}

TEST(ParseCommandLine, OptionsOnlySetFlagsLoadedFromTheRegistry)
{
    StartupArgs startup;
    AppSettings settings;
    settings.options.ignoreCase = 1;
    settings.options.forceText = 1;
    EXPECT_TRUE(ParseCommandLine({"/b"}, startup, settings));
    EXPECT_EQ(settings.options.ignoreCase, 1);
    EXPECT_EQ(settings.options.ignoreBlanks, 1);
    EXPECT_EQ(settings.options.forceText, 1);
}

TEST(ReadLeadingInteger, ReadsLikeTheRunTimeLibrary)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 0},
                 {"x5", 0},
                 {"42", 42},
                 {"  \t\n17s", 17},
                 {"+8", 8},
                 {"-13", -13},
                 {"- 3", 0},
                 {"+-3", 0},
                 {"007", 7},
                 {"2147483647", 2147483647},
                 {"99999999999", 2147483647},
                 {"-2147483648", -2147483647 - 1},
                 {"-99999999999", -2147483647 - 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLeadingInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace

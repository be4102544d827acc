// SystemDiff: runs the system's diff (and other commands) and reads what it writes, for differential tests.
#pragma once

#include "engine/DiffTypes.h"
#include "engine/ListingCommand.h"
#include "tests/support/TextLines.h"

#include <cstdio>
#include <string>
#include <vector>

// Runs the shell command and keeps its standard output; false when it could
// not be run.
inline bool CommandOutput(const std::string& command, std::string& output)
{
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    output.clear();
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, got);
    return pclose(pipe) != -1;
}

// What `diff [flags] left right` writes: a normal-format listing in file
// order, or "" when the files are equal. False when diff could not be run.
inline bool SystemDiff(const std::string& left, const std::string& right, std::string& output,
                       const std::string& flags = "")
{
    std::string command = "diff ";
    if (!flags.empty())
        command += flags + " ";
    return CommandOutput(command + "'" + left + "' '" + right + "'", output);
}

// The lines a listing deletes and inserts, counted from its "<" and ">" lines.
inline int ChangedLineCount(const std::string& listing)
{
    int count = 0;
    for (const std::string& line : LinesOf(listing))
        count += line[0] == '<' || line[0] == '>';
    return count;
}

// A listing in file order turned into the engine's order: the same command
// groups, the last difference first.
inline DiffListing LastDifferenceFirst(const std::string& listing)
{
    std::vector<DiffListing> groups;
    for (const std::string& line : LinesOf(listing)) {
        if (IsCommandEntry(line))
            groups.emplace_back();
        if (!groups.empty())
            groups.back().push_back(line);
    }
    DiffListing reversed;
    for (auto group = groups.rbegin(); group != groups.rend(); ++group)
        reversed.insert(reversed.end(), group->begin(), group->end());
    return reversed;
}

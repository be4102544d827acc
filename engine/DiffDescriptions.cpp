#include "engine/DiffDescriptions.h"

#include "engine/ListingCommand.h"

namespace {

// "line N" for a single line, "lines N - M" for a range.
std::string LineRange(int32_t first, int32_t last)
{
    if (first == last)
        return "line " + std::to_string(first);
    return "lines " + std::to_string(first) + " - " + std::to_string(last);
}

std::string DescribeAddition(const ListingCommand& command, const std::string& heading)
{
    return heading + "Add " + LineRange(command.rightFirst, command.rightLast) + " (right file) after line "
           + std::to_string(command.leftFirst) + " (left file)";
}

std::string DescribeDeletion(const ListingCommand& command, const std::string& heading)
{
    return heading + "Delete " + LineRange(command.leftFirst, command.leftLast) + " (left file)";
}

std::string DescribeChange(const ListingCommand& command, const std::string& heading)
{
    return heading + "Change " + LineRange(command.leftFirst, command.leftLast) + " (left file) to "
           + LineRange(command.rightFirst, command.rightLast) + " (right file)";
}

}  // namespace

std::string DescribeCommand(const std::string& entry, int number)
{
    ListingCommand command;
    if (!ParseListingCommand(entry, command))
        return std::string();
    const std::string heading = "Diff " + std::to_string(number) + ": ";
    switch (command.letter) {
    case 'a': return DescribeAddition(command, heading);
    case 'd': return DescribeDeletion(command, heading);
    default: return DescribeChange(command, heading);
    }
}

std::vector<std::string> DescribeDifferences(const DiffListing& listing, std::size_t hunkCount)
{
    std::vector<const std::string*> commands;
    for (const std::string& entry : listing) {
        if (commands.size() == hunkCount)
            break;
        if (IsCommandEntry(entry))
            commands.push_back(&entry);
    }
    std::vector<std::string> sentences;
    sentences.reserve(commands.size());
    for (auto it = commands.rbegin(); it != commands.rend(); ++it)
        sentences.push_back(DescribeCommand(**it, static_cast<int>(sentences.size()) + 1));
    return sentences;
}

#include "engine/DiffDescriptions.h"

#include "engine/ListingCommand.h"

#include <cstdio>

namespace {

// Sentences are at most a few words and five numbers long.
constexpr std::size_t kSentenceSize = 160;

std::string DescribeAddition(const ListingCommand& command, int number) {
    char text[kSentenceSize];
    if (command.rightFirst == command.rightLast)
        std::snprintf(text, sizeof text, "Diff %d: Add line %d (right file) after line %d (left file)", number,
                      static_cast<int>(command.rightFirst), static_cast<int>(command.leftFirst));
    else
        std::snprintf(text, sizeof text, "Diff %d: Add lines %d - %d (right file) after line %d (left file)", number,
                      static_cast<int>(command.rightFirst), static_cast<int>(command.rightLast),
                      static_cast<int>(command.leftFirst));
    return text;
}

std::string DescribeDeletion(const ListingCommand& command, int number) {
    char text[kSentenceSize];
    if (command.leftFirst == command.leftLast)
        std::snprintf(text, sizeof text, "Diff %d: Delete line %d (left file)", number,
                      static_cast<int>(command.leftFirst));
    else
        std::snprintf(text, sizeof text, "Diff %d: Delete lines %d - %d (left file)", number,
                      static_cast<int>(command.leftFirst), static_cast<int>(command.leftLast));
    return text;
}

std::string DescribeChange(const ListingCommand& command, int number) {
    char left[kSentenceSize];
    char right[kSentenceSize];
    if (command.leftFirst == command.leftLast)
        std::snprintf(left, sizeof left, "Diff %d: Change line %d (left file) to", number,
                      static_cast<int>(command.leftFirst));
    else
        std::snprintf(left, sizeof left, "Diff %d: Change lines %d - %d (left file) to", number,
                      static_cast<int>(command.leftFirst), static_cast<int>(command.leftLast));
    if (command.rightFirst == command.rightLast)
        std::snprintf(right, sizeof right, " line %d (right file)", static_cast<int>(command.rightFirst));
    else
        std::snprintf(right, sizeof right, " lines %d - %d (right file)", static_cast<int>(command.rightFirst),
                      static_cast<int>(command.rightLast));
    return std::string(left) + right;
}

}  // namespace

std::string DescribeCommand(const std::string& entry, int number) {
    ListingCommand command;
    if (!ParseListingCommand(entry, command)) return std::string();
    switch (command.letter) {
    case 'a':
        return DescribeAddition(command, number);
    case 'd':
        return DescribeDeletion(command, number);
    default:
        return DescribeChange(command, number);
    }
}

std::vector<std::string> DescribeDifferences(const DiffListing& listing, std::size_t hunkCount) {
    std::vector<const std::string*> commands;
    for (const std::string& entry : listing) {
        if (commands.size() == hunkCount) break;
        if (IsCommandEntry(entry)) commands.push_back(&entry);
    }
    std::vector<std::string> sentences;
    sentences.reserve(commands.size());
    for (auto it = commands.rbegin(); it != commands.rend(); ++it)
        sentences.push_back(DescribeCommand(**it, static_cast<int>(sentences.size()) + 1));
    return sentences;
}

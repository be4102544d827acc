// DiffDescriptions: the sentences of the difference list, one per difference, in file order.
#pragma once

#include "engine/DiffTypes.h"

#include <cstddef>
#include <string>
#include <vector>

// Describes the first hunkCount commands of the listing (the ones AlignPanes
// turned into hunks), from the top of the files down, numbered from 1, so
// that entry i describes hunks[i] once BuildPaneTexts has put them in file
// order. The sentences use the files' own line numbers.
std::vector<std::string> DescribeDifferences(const DiffListing& listing, std::size_t hunkCount);

// The sentence for one command entry, numbered `number`; empty when the entry
// is not a well-formed command.
std::string DescribeCommand(const std::string& entry, int number);

// ListingOrder: the difference listing in file order, as it is saved and printed.
#pragma once

#include "engine/DiffTypes.h"

#include <functional>
#include <string>

// The listing is stored last difference first; file order puts its blocks
// (a command and the entries after it) from the first difference to the
// last, each block's entries in their stored order.
void ForEachEntryInFileOrder(const DiffListing& listing, const std::function<void(const std::string&)>& visit);

// The whole listing text in file order.
std::string ListingInFileOrder(const DiffListing& listing);

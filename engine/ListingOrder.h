// ListingOrder: the difference listing in file order, as it is saved and printed.
#pragma once

#include "engine/DiffTypes.h"

#include <string>

// The listing is stored last difference first; this gives its text with the
// blocks (a command and the entries after it) from the first difference to
// the last, each block's entries in their stored order.
std::string ListingInFileOrder(const DiffListing& listing);

#include "engine/ListingOrder.h"

#include "engine/ListingCommand.h"

#include <cstddef>

void ForEachEntryInFileOrder(const DiffListing& listing, const std::function<void(const std::string&)>& visit)
{
    size_t end = listing.size();
    while (end > 0) {
        size_t begin = end - 1;
        while (begin > 0 && !IsCommandEntry(listing[begin]))
            --begin;
        for (size_t i = begin; i < end; ++i)
            visit(listing[i]);
        end = begin;
    }
}

std::string ListingInFileOrder(const DiffListing& listing)
{
    std::string text;
    ForEachEntryInFileOrder(listing, [&text](const std::string& entry) { text += entry; });
    return text;
}

#include "engine/ListingOrder.h"

#include <cctype>
#include <cstddef>

namespace {

// Only a command entry begins with a digit.
bool StartsBlock(const std::string& entry)
{
    return !entry.empty() && std::isdigit(static_cast<unsigned char>(entry[0]));
}

} // namespace

void ForEachEntryInFileOrder(const DiffListing& listing, const std::function<void(const std::string&)>& visit)
{
    size_t end = listing.size();
    while (end > 0) {
        size_t begin = end - 1;
        while (begin > 0 && !StartsBlock(listing[begin]))
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

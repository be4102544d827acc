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

std::string ListingInFileOrder(const DiffListing& listing)
{
    std::string text;
    size_t end = listing.size();
    while (end > 0) {
        size_t begin = end - 1;
        while (begin > 0 && !StartsBlock(listing[begin]))
            --begin;
        for (size_t i = begin; i < end; ++i)
            text += listing[i];
        end = begin;
    }
    return text;
}

#include "pane/PaneText.h"

#include <algorithm>
#include <cstring>

namespace {

// The usable part of the buffer: up to `length` bytes, cut at the first NUL.
size_t UsableLength(const char* buffer, int32_t length)
{
    const void* nul = std::memchr(buffer, '\0', static_cast<size_t>(length));
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - buffer) : static_cast<size_t>(length);
}

}  // namespace

void PaneText::SetText(const char* buffer, int32_t length)
{
    maxLineLength_ = 0;
    length_ = 0;
    if (buffer == nullptr || length <= 0)
        return;
    const size_t size = UsableLength(buffer, length);

    // First pass: count the lines and find the longest, '\r' of a "\r\n" included.
    size_t lineCount = 1;
    int32_t longest = 0;
    size_t lineBegin = 0;
    for (const char* p = buffer; (p = static_cast<const char*>(std::memchr(p, '\n', size - (p - buffer)))) != nullptr; ++p) {
        const size_t end = static_cast<size_t>(p - buffer);
        longest = std::max(longest, static_cast<int32_t>(end - lineBegin));
        lineBegin = end + 1;
        ++lineCount;
    }
    longest = std::max(longest, static_cast<int32_t>(size - lineBegin));

    // Second pass: copy each line once into the new text and record its span.
    std::vector<LineSpan> lines(lineCount);
    std::string text;
    text.reserve(size + lineCount);
    size_t place = 0;
    for (LineSpan& span : lines) {
        const void* found = std::memchr(buffer + place, '\n', size - place);
        const size_t breakAt = found ? static_cast<size_t>(static_cast<const char*>(found) - buffer) : size;
        size_t bytes = breakAt - place;
        if (found && bytes > 0 && buffer[breakAt - 1] == '\r')
            --bytes;
        span.start = static_cast<int32_t>(text.size());
        span.length = static_cast<int32_t>(bytes);
        text.append(buffer + place, bytes);
        text.push_back('\n');
        place = found ? breakAt + 1 : size;
    }

    text_.swap(text);
    lines_.swap(lines);
    length_ = static_cast<int32_t>(text_.size());
    maxLineLength_ = longest;
}

void PaneText::Clear()
{
    std::string().swap(text_);
    std::vector<LineSpan>().swap(lines_);
    length_ = 0;
    maxLineLength_ = 0;
}

char PaneText::CharAt(int32_t position) const
{
    if (position < 0 || position >= length_)
        return 0;
    const char c = text_[static_cast<size_t>(position)];
    return c == '\n' ? 0 : c;
}

int32_t PaneText::LineFromPosition(int32_t position) const
{
    if (Empty())
        return -1;
    if (position <= 0)
        return 0;
    auto after = std::upper_bound(lines_.begin(), lines_.end(), position,
                                  [](int32_t p, const LineSpan& span) { return p < span.start; });
    return static_cast<int32_t>(after - lines_.begin()) - 1;
}

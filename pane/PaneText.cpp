#include "pane/PaneText.h"

#include "engine/ByteScan.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The usable part of the buffer: up to `length` bytes, cut at the first NUL.
size_t UsableLength(const char* buffer, int32_t length)
{
    return static_cast<size_t>(ByteScan::Find(buffer, buffer + length, '\0') - buffer);
}

// The number of lines (the '\n' bytes plus one) and the longest line, '\r' of a "\r\n" included.
size_t CountLines(const char* buffer, size_t size, int32_t& longest)
{
    size_t lineCount = 1;
    longest = 0;
    const char* lineBegin = buffer;
    ByteScan::ForEach(buffer, buffer + size, '\n', [&](const char* lf) {
        longest = std::max(longest, static_cast<int32_t>(lf - lineBegin));
        lineBegin = lf + 1;
        ++lineCount;
    });
    longest = std::max(longest, static_cast<int32_t>(buffer + size - lineBegin));
    return lineCount;
}

}  // namespace

void PaneText::SetText(const char* buffer, int32_t length)
{
    maxLineLength_ = 0;
    length_ = 0;
    if (buffer == nullptr || length <= 0)
        return;
    const size_t size = UsableLength(buffer, length);
    int32_t longest = 0;
    const size_t lineCount = CountLines(buffer, size, longest);

    // Copy each line once into the new text and record its span.
    std::vector<LineSpan> lines(lineCount);
    std::string text;
    text.reserve(size + lineCount);
    size_t place = 0;
    for (LineSpan& span : lines) {
        const char* found = ByteScan::Find(buffer + place, buffer + size, '\n');
        const size_t breakAt = static_cast<size_t>(found - buffer);
        size_t bytes = breakAt - place;
        // A CR before the line feed belongs to the break, and so does one that ends
        // the text: the last line of a CR LF file comes without its final LF.
        if (bytes > 0 && buffer[breakAt - 1] == '\r')
            --bytes;
        span.start = static_cast<int32_t>(text.size());
        span.length = static_cast<int32_t>(bytes);
        text.append(buffer + place, bytes);
        text.push_back('\n');
        place = breakAt < size ? breakAt + 1 : size;
    }

    text_.swap(text);
    lines_.swap(lines);
    length_ = static_cast<int32_t>(text_.size());
    maxLineLength_ = longest;
}

void PaneText::SetText(std::string&& text)
{
    const size_t size = text.size();
    const char* const begin = text.data();
    const char* const end = begin + size;
    if (size == 0 || size > static_cast<size_t>(INT32_MAX - 1) || ByteScan::Find(begin, end, '\r') != end
        || ByteScan::Find(begin, end, '\0') != end) {
        SetText(begin, static_cast<int32_t>(std::min(size, static_cast<size_t>(INT32_MAX))));
        return;
    }
    // Nothing to strip or cut: the lines stay where they are, and the last
    // one gets the '\n' that every line of the text ends with.
    int32_t longest = 0;
    std::vector<LineSpan> lines(CountLines(begin, size, longest));
    LineSpan* span = lines.data();
    const char* lineBegin = begin;
    ByteScan::ForEach(begin, end, '\n', [&](const char* lf) {
        *span++ = LineSpan{static_cast<int32_t>(lineBegin - begin), static_cast<int32_t>(lf - lineBegin)};
        lineBegin = lf + 1;
    });
    *span = LineSpan{static_cast<int32_t>(lineBegin - begin), static_cast<int32_t>(end - lineBegin)};
    text.push_back('\n');
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

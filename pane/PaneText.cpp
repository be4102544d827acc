#include "pane/PaneText.h"

#include "engine/ByteScan.h"
#include "engine/Utf8.h"
#include "pane/LegacyCodePage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The usable part of the buffer: up to `length` bytes, cut at the first NUL.
size_t UsableLength(const char* buffer, int32_t length)
{
    return static_cast<size_t>(ByteScan::Find(buffer, buffer + length, '\0') - buffer);
}

// What one pass over a text tells: its lines (the '\n' bytes plus one), its
// longest line ('\r' of a "\r\n" included), whether it holds a CR or a NUL
// (it is then to be stripped or cut, and nothing else here holds) and whether
// it holds a byte above 0x7F.
struct TextSurvey {
    size_t lineCount = 1;
    int32_t longest = 0;
    bool crOrNul = false;
    bool beyondAscii = false;
};

TextSurvey SurveyText(const char* begin, const char* end)
{
    TextSurvey survey;
    const char* lineBegin = begin;
    auto lineFeed = [&](const char* lf) {
        survey.longest = std::max(survey.longest, static_cast<int32_t>(lf - lineBegin));
        lineBegin = lf + 1;
        ++survey.lineCount;
    };
    uint64_t odd = 0;
    uint64_t high = 0;
    const char* p = begin;
    if (ByteScan::kWordwise) {
        for (; end - p >= ByteScan::kBlock; p += ByteScan::kBlock) {
            for (uint64_t mask = ByteScan::BlockMask(p, '\n'); mask != 0; mask &= mask - 1)
                lineFeed(p + __builtin_ctzll(mask));
            odd |= ByteScan::BlockMask(p, '\r') | ByteScan::BlockMask(p, '\0');
            high |= ByteScan::HighBlockMask(p);
        }
    }
    for (; p < end; ++p) {
        if (*p == '\n')
            lineFeed(p);
        odd |= *p == '\r' || *p == '\0' ? 1 : 0;
        high |= static_cast<unsigned char>(*p) > 0x7F ? 1 : 0;
    }
    survey.longest = std::max(survey.longest, static_cast<int32_t>(end - lineBegin));
    survey.crOrNul = odd != 0;
    survey.beyondAscii = high != 0;
    return survey;
}

// The spans of the lines of a text that has nothing to strip or cut: the
// lines stay where they are.
void SpanLines(const std::string& text, std::vector<LineSpan>& lines)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    LineSpan* span = lines.data();
    const char* lineBegin = begin;
    ByteScan::ForEach(begin, end, '\n', [&](const char* lf) {
        *span++ = LineSpan{static_cast<int32_t>(lineBegin - begin), static_cast<int32_t>(lf - lineBegin)};
        lineBegin = lf + 1;
    });
    *span = LineSpan{static_cast<int32_t>(lineBegin - begin), static_cast<int32_t>(end - lineBegin)};
}

// Cuts the text at `usable` bytes and drops, in place, the CR before each
// line feed and one that ends the text (they belong to the line break), each
// line moved down over the CRs dropped before it; fills the spans.
void StripLineBreakCRs(std::string& text, size_t usable, std::vector<LineSpan>& lines)
{
    char* const begin = &text[0];
    char* const end = begin + usable;
    LineSpan* span = lines.data();
    const char* lineBegin = begin;
    size_t kept = 0;
    auto moveLine = [&](const char* lineEnd) {
        size_t bytes = static_cast<size_t>(lineEnd - lineBegin);
        if (bytes > 0 && lineEnd[-1] == '\r')
            --bytes;
        // Only bytes already scanned are overwritten: the kept text never passes the line's end.
        std::memmove(begin + kept, lineBegin, bytes);
        *span++ = LineSpan{static_cast<int32_t>(kept), static_cast<int32_t>(bytes)};
        kept += bytes;
    };
    ByteScan::ForEach(begin, end, '\n', [&](const char* lf) {
        moveLine(lf);
        begin[kept++] = '\n';
        lineBegin = lf + 1;
    });
    moveLine(end);
    text.resize(kept);
}

constexpr uint64_t kHighBits = 0x8080808080808080ull;

bool IsContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Where in [from, end) the first byte above 0x7F lies, eight bytes at a time.
const char* SkipAscii(const char* from, const char* end)
{
    for (; end - from >= 8; from += 8) {
        uint64_t word;
        std::memcpy(&word, from, 8);
        if ((word & kHighBits) != 0)
            break;
    }
    while (from < end && static_cast<unsigned char>(*from) < 0x80)
        ++from;
    return from;
}

TextKind ClassifyBytes(const char* begin, const char* end)
{
    TextKind kind = TextKind::Ascii;
    for (const char* p = SkipAscii(begin, end); p < end; p = SkipAscii(p, end)) {
        uint32_t character = 0;
        const size_t taken =
            DecodeUtf8(reinterpret_cast<const unsigned char*>(p), static_cast<size_t>(end - p), character);
        if (taken == 0)
            return TextKind::Legacy;
        kind = TextKind::Utf8;
        p += taken;
    }
    return kind;
}

}  // namespace

void PaneText::Classify(bool beyondAscii)
{
    // A text of ASCII bytes alone needs no second look.
    kind_ = beyondAscii ? ClassifyBytes(text_.data(), text_.data() + text_.size()) : TextKind::Ascii;
    if (kind_ != TextKind::Utf8)
        return;
    // Only a line with more bytes than the longest so far has characters can be longer.
    int32_t longest = 0;
    for (const LineSpan& span : lines_) {
        if (span.length > longest)
            longest = std::max(longest, CountCharacters(text_.data() + span.start, span.length));
    }
    maxLineLength_ = longest;
}

int32_t PaneText::CharacterAt(TextKind kind, const char* p, int32_t available, uint32_t& character)
{
    const auto byte = static_cast<unsigned char>(*p);
    if (byte < 0x80 || kind == TextKind::Ascii) {
        character = byte;
        return 1;
    }
    if (kind == TextKind::Legacy) {
        character = LegacyCodePage::Character(byte);
        return 1;
    }
    const size_t taken =
        DecodeUtf8(reinterpret_cast<const unsigned char*>(p), static_cast<size_t>(available), character);
    if (taken == 0) {
        // Not in a text found valid; kept safe all the same.
        character = kReplacementCharacter;
        return 1;
    }
    return static_cast<int32_t>(taken);
}

int32_t PaneText::NextCharacter(int32_t position) const
{
    if (position < 0)
        return 0;
    if (position >= length_)
        return length_;
    uint32_t character = 0;
    return position + CharacterAt(kind_, text_.data() + position, length_ - position, character);
}

int32_t PaneText::CharacterStart(int32_t position) const
{
    if (kind_ != TextKind::Utf8 || position <= 0 || position >= length_)
        return position;
    while (position > 0 && IsContinuation(text_[static_cast<size_t>(position)]))
        --position;
    return position;
}

int32_t PaneText::CountCharacters(const char* line, int32_t bytes) const
{
    if (kind_ != TextKind::Utf8)
        return bytes;
    int32_t count = 0;
    for (int32_t i = 0; i < bytes; ++i)
        count += IsContinuation(line[i]) ? 0 : 1;
    return count;
}

int32_t PaneText::BytesOfCharacters(const char* line, int32_t length, int32_t characters) const
{
    if (kind_ != TextKind::Utf8)
        return std::clamp(characters, 0, length);
    int32_t offset = 0;
    for (int32_t n = 0; n < characters && offset < length; ++n) {
        uint32_t character = 0;
        offset += CharacterAt(kind_, line + offset, length - offset, character);
    }
    return std::min(offset, length);
}

void PaneText::SetText(const char* buffer, int32_t length)
{
    ++version_;
    maxLineLength_ = 0;
    length_ = 0;
    if (buffer == nullptr || length <= 0)
        return;
    const size_t size = UsableLength(buffer, length);
    const TextSurvey survey = SurveyText(buffer, buffer + size);
    const size_t lineCount = survey.lineCount;
    const int32_t longest = survey.longest;

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
    Classify(survey.beyondAscii);
}

void PaneText::SetText(std::string&& text)
{
    ++version_;
    const size_t size = text.size();
    const char* const begin = text.data();
    const char* const end = begin + size;
    if (size == 0 || size > static_cast<size_t>(INT32_MAX - 1)) {
        SetText(begin, static_cast<int32_t>(std::min(size, static_cast<size_t>(INT32_MAX))));
        std::string().swap(text);
        return;
    }
    const TextSurvey survey = SurveyText(begin, end);
    int32_t longest = survey.longest;
    std::vector<LineSpan> lines;
    if (!survey.crOrNul) {
        lines.resize(survey.lineCount);
        SpanLines(text, lines);
    } else {
        // The longest line counts the CR of its break, as when the text is copied.
        const size_t usable = UsableLength(begin, static_cast<int32_t>(size));
        const TextSurvey kept = SurveyText(begin, begin + usable);
        longest = kept.longest;
        lines.resize(kept.lineCount);
        StripLineBreakCRs(text, usable, lines);
    }
    // Every line of the text ends with '\n', the last one too.
    text.push_back('\n');
    text_.swap(text);
    std::string().swap(text);  // the previous text, freed now rather than by the caller
    lines_.swap(lines);
    length_ = static_cast<int32_t>(text_.size());
    maxLineLength_ = longest;
    Classify(survey.beyondAscii);
}

void PaneText::TakeOver(PaneText&& prepared)
{
    ++version_;
    text_.swap(prepared.text_);
    lines_.swap(prepared.lines_);
    length_ = prepared.length_;
    maxLineLength_ = prepared.maxLineLength_;
    kind_ = prepared.kind_;
    prepared.Clear();
}

void PaneText::Clear()
{
    std::string().swap(text_);
    std::vector<LineSpan>().swap(lines_);
    ++version_;
    length_ = 0;
    maxLineLength_ = 0;
    kind_ = TextKind::Ascii;
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

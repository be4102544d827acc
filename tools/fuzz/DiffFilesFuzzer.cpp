// libFuzzer target for the comparison engine: two contents and the options
// from one input; the listing must apply to the left text and give the right.
//
// Input layout: byte 0 holds the options (bit 0 ignore blanks, bit 1 ignore
// case), bytes 1-2 where the left content ends, the rest the two contents.

#include "engine/DiffFiles.h"
#include "engine/LineRules.h"
#include "engine/ListingOrder.h"
#include "tests/support/TextLines.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class SilentSink : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { shown += text; }
    std::string shown;
};

// Two lines as the options compare them (the engine's own line rules: the
// listing is checked here, the rules in the decoding target). A line without
// line feed is held with one after it, outside its length, as the engine
// holds a last line without one.
bool SameUnderOptions(const std::string& a, const std::string& b, const LineRules& rules)
{
    if (!rules.ignoreBlanks && !rules.ignoreCase)
        return a == b;
    auto held = [](const std::string& line) { return line.back() == '\n' ? line : line + '\n'; };
    std::string heldA = held(a), heldB = held(b);
    return rules.Equal(heldA.c_str(), static_cast<uint32_t>(a.size()), heldB.c_str(), static_cast<uint32_t>(b.size()));
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "engine fault: %s\n", what);
    std::abort();
}

// Applies the listing to the left lines; the lines it produces.
std::vector<std::string> Patched(const std::vector<std::string>& left, const DiffListing& listing)
{
    std::string text = ListingInFileOrder(listing);
    std::vector<std::string> out;
    size_t next = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        std::string command = text.substr(pos, eol - pos);
        pos = eol + 1;
        size_t letterAt = command.find_first_of("acd");
        if (letterAt == std::string::npos)
            Fail("command expected");
        char letter = command[letterAt];
        long leftFirst = std::strtol(command.c_str(), nullptr, 10);
        size_t comma = command.find(',');
        long leftLast = comma < letterAt ? std::strtol(command.c_str() + comma + 1, nullptr, 10) : leftFirst;
        size_t copyUpTo = static_cast<size_t>(letter == 'a' ? leftFirst : leftFirst - 1);
        if (copyUpTo < next || copyUpTo > left.size())
            Fail("command out of order");
        for (; next < copyUpTo; ++next)
            out.push_back(left[next]);
        if (letter != 'a')
            next += static_cast<size_t>(leftLast - leftFirst + 1);
        // Skip "< " lines and the separator, take "> " lines.
        bool tookLine = false;
        while (pos < text.size() && !(text[pos] >= '0' && text[pos] <= '9')) {
            size_t end = text.find('\n', pos);
            end = end == std::string::npos ? text.size() : end + 1;
            if (text.compare(pos, 2, "> ") == 0) {
                out.push_back(text.substr(pos + 2, end - pos - 2));
                tookLine = true;
            } else if (text.compare(pos, 2, "\\ ") == 0 && tookLine) {
                out.back().pop_back();  // the inserted line before had no line feed
            } else {
                tookLine = false;
            }
            pos = end;
        }
    }
    for (; next < left.size(); ++next)
        out.push_back(left[next]);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    bool ignoreBlanks = (data[0] & 1) != 0;
    bool ignoreCase = (data[0] & 2) != 0;
    size_t rest = size - 3;
    size_t split = rest == 0 ? 0 : (static_cast<size_t>(data[1]) << 8 | data[2]) % (rest + 1);
    const char* bytes = reinterpret_cast<const char*>(data + 3);
    std::string left(bytes, split);
    std::string right(bytes + split, rest - split);

    DiffListing listing;
    SilentSink messages;
    int result = DiffContents(ByteBuffer(left.begin(), left.end()), ByteBuffer(right.begin(), right.end()),
                              ignoreBlanks, ignoreCase, listing, messages);
    if (result < 0 || !messages.shown.empty())
        Fail("comparison failed");
    if (result == 0 && !listing.empty())
        Fail("listing for equal files");
    std::vector<std::string> rightLines = LinesOf(Translated(right));
    std::vector<std::string> patched = Patched(LinesOf(Translated(left)), listing);
    if (patched.size() != rightLines.size())
        Fail("listing gives a different number of lines than the right text has");
    for (size_t i = 0; i < patched.size(); ++i) {
        // Without options the lines must be the right text itself.
        if (!SameUnderOptions(patched[i], rightLines[i], LineRules{ignoreBlanks, ignoreCase}))
            Fail("listing does not turn the left text into the right");
    }
    if (result == 0 && !ignoreBlanks && !ignoreCase && Translated(left) != Translated(right))
        Fail("different texts reported the same");
    return 0;
}

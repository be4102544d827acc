// benchgen: writes the benchmark's file pairs, the same bytes on every run.
// Usage: benchgen CASE LEFT RIGHT, CASE one of: scattered, heavy, disjoint,
// repetitive, long, crlf (the scattered pair with CR LF line ends).

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A fixed generator (xorshift64*), so the files do not depend on the library.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed ? seed : 1) {}
    uint64_t Next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 2685821657736338717ULL;
    }
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }

private:
    uint64_t state_;
};

const char* const kWords[] = {"int",  "return", "value",  "index", "count",       "if",   "else",
                              "for",  "while",  "buffer", "size",  "result",      "node", "next",
                              "data", "name",   "=",      "+",     "(",           ")",    ";",
                              "0",    "1",      "const",  "auto",  "std::string", "line", "text"};

// A source-like line: indentation and a few words, mostly unique.
std::string CodeLine(Random& random, int words)
{
    std::string line(4 * random.Below(4), ' ');
    for (int w = 0; w < words; ++w) {
        line += kWords[random.Below(sizeof kWords / sizeof kWords[0])];
        line += ' ';
    }
    line += std::to_string(random.Below(100000));
    return line;
}

// Lines that source files repeat most: blank lines and braces.
std::string CommonLine(Random& random)
{
    static const char* const kCommon[] = {"", "{", "}", "    }", "", "        break;", "    {", ""};
    return kCommon[random.Below(sizeof kCommon / sizeof kCommon[0])];
}

using Lines = std::vector<std::string>;

// Replaces, deletes or inserts one line at each of `edits` random places.
Lines Edit(const Lines& lines, uint32_t edits, Random& random, std::string (*make)(Random&))
{
    std::vector<uint8_t> kind(lines.size(), 0);
    for (uint32_t e = 0; e < edits; ++e)
        kind[random.Below(static_cast<uint32_t>(lines.size()))] = static_cast<uint8_t>(1 + random.Below(3));
    Lines out;
    out.reserve(lines.size() + edits);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (kind[i] == 1) {
            out.push_back(make(random));
        } else if (kind[i] == 3) {
            out.push_back(make(random));
            out.push_back(lines[i]);
        } else if (kind[i] == 0) {
            out.push_back(lines[i]);
        }
    }
    return out;
}

std::string ShortCode(Random& random)
{
    return CodeLine(random, 5);
}
std::string LongCode(Random& random)
{
    return CodeLine(random, 300);
}
std::string Repetitive(Random& random)
{
    return random.Below(10) == 0 ? ShortCode(random) : CommonLine(random);
}
std::string Disjoint(Random& random)
{
    return "left " + ShortCode(random);
}

Lines Generate(size_t count, Random& random, std::string (*make)(Random&))
{
    Lines lines;
    lines.reserve(count);
    for (size_t i = 0; i < count; ++i)
        lines.push_back(make(random));
    return lines;
}

bool Write(const char* path, const Lines& lines, const char* lineEnd)
{
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), out);
        std::fputs(lineEnd, out);
    }
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: benchgen scattered|heavy|disjoint|repetitive|long|crlf LEFT RIGHT\n", stderr);
        return 2;
    }
    std::string which = argv[1];
    Random random(0x7a6e6472656cULL);
    Lines left, right;
    if (which == "scattered" || which == "crlf") {
        left = Generate(1000000, random, ShortCode);
        right = Edit(left, 1000, random, ShortCode);
    } else if (which == "heavy") {
        left = Generate(200000, random, ShortCode);
        right = Edit(left, 40000, random, ShortCode);
    } else if (which == "disjoint") {
        left = Generate(50000, random, Disjoint);
        Random other(99);
        right = Generate(50000, other, ShortCode);
    } else if (which == "repetitive") {
        left = Generate(500000, random, Repetitive);
        right = Edit(left, 1000, random, Repetitive);
    } else if (which == "long") {
        left = Generate(20000, random, LongCode);
        right = Edit(left, 200, random, LongCode);
    } else {
        std::fprintf(stderr, "benchgen: unknown case %s\n", argv[1]);
        return 2;
    }
    const char* lineEnd = which == "crlf" ? "\r\n" : "\n";
    return Write(argv[2], left, lineEnd) && Write(argv[3], right, lineEnd) ? 0 : 2;
}

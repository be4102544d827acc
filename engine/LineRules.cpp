#include "engine/LineRules.h"

#include <cstring>

uint32_t LineRules::Hash(const char* line, const char** lineFeed) const
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(line);
    uint32_t h = 0;
    if (!ignoreBlanks && !ignoreCase) {
        for (; *p != '\n'; ++p)
            h = Mix(h, *p);
        if (lineFeed)
            *lineFeed = reinterpret_cast<const char*>(p);
        return h;
    }
    for (; *p != '\n'; ++p) {
        unsigned char c = *p;
        if (ignoreBlanks && IsBlank(c))
            continue;
        h = Mix(h, ignoreCase ? ToLower(c) : c);
    }
    if (lineFeed)
        *lineFeed = reinterpret_cast<const char*>(p);
    return h;
}

bool LineRules::Equal(const char* a, uint32_t lengthA, const char* b, uint32_t lengthB) const
{
    if (lengthA == lengthB && std::memcmp(a, b, lengthA) == 0)
        return true;
    if (!ignoreBlanks && !ignoreCase)
        return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
    for (;; ++p, ++q) {
        if (ignoreBlanks) {
            while (*p != '\n' && IsBlank(*p))
                ++p;
            while (*q != '\n' && IsBlank(*q))
                ++q;
        }
        unsigned char c = ignoreCase ? ToUpper(*p) : *p;
        unsigned char d = ignoreCase ? ToUpper(*q) : *q;
        if (c != d)
            return false;
        if (c == '\n')
            return true;
    }
}

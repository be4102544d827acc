#include "engine/RunSliding.h"

#include <cstdint>

void SlideChangeRuns(EngineFile& file, const EngineFile& other)
{
    // Flags are indexed from the zero flag before the first line, so that
    // index i + 1 is engine line i; the zero flags at both ends stop scans.
    uint8_t* changed = file.changed.data() + 1;
    const uint8_t* otherChanged = other.changed.data() + 1;
    const int32_t* equivs = file.equivs.data();
    const int32_t n = file.bufferedLines;
    int32_t i = 0, j = 0;
    int32_t preceding = -1, otherPreceding = -1;
    for (;;) {
        while (i < n && changed[i] == 0) {
            while (otherChanged[j])
                otherPreceding = ++j;
            ++j;
            ++i;
        }
        if (i == n)
            return;
        int32_t start = i;
        const int32_t otherStart = j;
        for (;;) {
            while (changed[i])
                ++i;
            const int32_t end = i;
            // The last two tests never stop a slide: at least one unchanged line (and with it one line of
            // the other file) is skipped after every run, so start and otherStart lie past both marks.
            if (end == n || equivs[start] != equivs[end] || otherChanged[j] != 0 || start == preceding
                || otherStart == otherPreceding)
                break;
            changed[start] = 0;
            changed[end] = 1;
            ++start;
            ++j;
        }
        preceding = i;
        otherPreceding = j;
    }
}

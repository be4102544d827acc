// CompareOptions: the three comparison switches every comparison reads.
#pragma once

#include <cstdint>

struct CompareOptions {
    int32_t ignoreBlanks = 0;  // blanks in lines do not count
    int32_t ignoreCase = 0;  // letter case does not count
    int32_t forceText = 0;  // both files are text: no binary check
};
